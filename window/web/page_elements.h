// Making the page's elements through embind: the few DOM calls the page's builders share.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "layout.h"

namespace quotara {

[[nodiscard]] emscripten::val createElement(emscripten::val& document, const char* tag);
void setAttribute(emscripten::val& element, const char* name, std::string_view value);
// A style property by its CSS name, custom properties (--left) too.
void setStyleProperty(emscripten::val& element, const char* name, const std::string& value);
// Family and weight, and the size as --font-size, for the style sheet to use where the layout
// keeps the window's sizes.
void applyFont(emscripten::val& element, const FontSpec& font);

}  // namespace quotara
