// Result fields that show every number whole, as on the desktop: a text wider than its field is
// set in a smaller size of the field's font, down to 6 pt, instead of running past its edge.
#pragma once

#include <string_view>

namespace quotara {

// Fits the text of the field with this id now, and again whenever the user types into it or the
// page is resized. Call once the field is in the document.
void fitTextToWidth(std::string_view id);

// Fits the text again after the program has written it, which raises no event.
void refitText(std::string_view id);

}  // namespace quotara
