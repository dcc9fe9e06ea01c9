// The page has two layouts, both the style sheet's: the window, and one column for screens
// narrower than the window. What CSS cannot switch follows the layout from here.
#pragma once

namespace quotara {

// Sets the tab order of the layout shown, and again whenever the page is resized: the window's
// own order in the window layout, top to bottom in the column. Call once the form is in the
// document, each control with its tabindex in the window's order.
void followLayoutInTabOrder();

}  // namespace quotara
