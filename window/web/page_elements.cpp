#include "page_elements.h"

#include "appearance.h"

namespace quotara {

using emscripten::val;

val createElement(val& document, const char* tag) {
    return document.call<val>("createElement", std::string(tag));
}

void setAttribute(val& element, const char* name, std::string_view value) {
    element.call<void>("setAttribute", std::string(name), std::string(value));
}

void setStyleProperty(val& element, const char* name, const std::string& value) {
    element["style"].call<void>("setProperty", std::string(name), value);
}

void applyFont(val& element, const FontSpec& font) {
    val style = element["style"];
    style.set("fontFamily", cssFontFamily(font.face));
    setStyleProperty(element, "--font-size", cssFontSize(font));
    style.set("fontWeight", font.bold ? "700" : "400");
}

}  // namespace quotara
