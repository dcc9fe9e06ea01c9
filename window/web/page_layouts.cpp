#include "page_layouts.h"

extern "C" void quotara_follow_layout_in_tab_order();  // page_layouts.js

namespace quotara {

void followLayoutInTabOrder() {
    quotara_follow_layout_in_tab_order();
}

}  // namespace quotara
