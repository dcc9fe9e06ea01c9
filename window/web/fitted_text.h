// Result fields that show every number whole, as on the desktop: a text wider than its field is
// set in a smaller size of the field's font (text_fitting.h) instead of running past its edge.
#pragma once

#include <bitset>

#include "field_model.h"

namespace quotara {

// Fields by their index in Field.
using FieldSet = std::bitset<kFieldCount>;

// Fits the fields' texts now, and again whenever the user types into one or the page is resized.
// Call once, when the fields are in the document.
void fitTextsToWidth(FieldSet fields);

// Fits the text again after the program has written it, which raises no event: as the handler
// that wrote it ends, together with every other field it wrote (main.js,
// quotara_handler_finished), so that the page is laid out once for them all, not once a field.
void refitTextLater(Field field);

}  // namespace quotara
