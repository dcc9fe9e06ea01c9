// Result fields that show every number whole, as on the desktop: a text wider than its field is
// set in a smaller size of the field's font (text_fitting.h) instead of running past its edge.
#pragma once

#include "field_model.h"

namespace quotara {

// Fits the field's text now, and again whenever the user types into it or the page is resized.
// Call once the field is in the document.
void fitTextToWidth(Field field);

// Fits the text again after the program has written it, which raises no event.
void refitText(Field field);

}  // namespace quotara
