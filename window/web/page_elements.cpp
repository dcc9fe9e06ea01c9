#include "page_elements.h"

#include <string>

namespace quotara {

using emscripten::val;

val createElement(val& document, const char* tag) {
    return document.call<val>("createElement", std::string(tag));
}

}  // namespace quotara
