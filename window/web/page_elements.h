// Making the print section's elements through embind.
#pragma once

#include <emscripten/val.h>

namespace quotara {

[[nodiscard]] emscripten::val createElement(emscripten::val& document, const char* tag);

}  // namespace quotara
