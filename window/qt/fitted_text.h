// Result fields that show every number whole: a number wider than its field is set in a
// smaller size of the field's font instead of running past the field's edge.
#pragma once

class QLineEdit;

namespace quotara {

// From now on, whenever the field's text changes, sets it in the field's present font if it
// fits and otherwise in the largest smaller size that fits, down to 6 pt. Call once the field
// has its font.
void fitTextToWidth(QLineEdit& field);

}  // namespace quotara
