// Builds the page from the window's description: the form with every control at its place in
// CSS pixels, its caption, font and colour, the tab order, the page's title, and the message
// dialog. Each control's element id is its control name.
#pragma once

#include <emscripten/val.h>

namespace quotara {

// Fills the document's body; call once, at start. The banner is the body's data-banner URI.
void buildPage(emscripten::val document);

}  // namespace quotara
