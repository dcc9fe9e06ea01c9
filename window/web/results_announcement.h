// What a screen reader hears after a click: the total area and the usage rate the click wrote,
// through the page's polite live region. A warning speaks for itself, as an alert dialog.
#pragma once

#include "web_field_model.h"

namespace quotara {

// Puts "总面积 330，使用率 90.90909" into the live region, only the parts the click wrote (and not
// empty); empties the region when it wrote neither.
void announceResults(WebFieldModel& fields);

}  // namespace quotara
