// Binds the program to the window the page's markup carries (page_markup.h): the results' text
// fitting and the tab order that follows the layout shown. Each control's element id is its
// control name.
#pragma once

#include "page_markup.h"

namespace quotara {

// Call once, at start, when the page has been parsed.
void bindPage();

}  // namespace quotara
