// Builds the page from the window's description: the form with every control at its place in
// CSS pixels, its caption, font and colour, the tab order, the page's title, the message dialog
// and the live region. Each control's element id is its control name.
#pragma once

#include <emscripten/val.h>

namespace quotara {

// Fills the document's body; call once, at start. The banner is the body's data-banner URI.
void buildPage(emscripten::val document);

// The id of the polite live region through which screen readers hear the results.
inline constexpr const char* kLiveRegionId = "announcement";

}  // namespace quotara
