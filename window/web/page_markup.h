// The page's window as HTML, written when the page is built: the form with every control at its
// place in CSS pixels, its caption, font and colour, the tab order, the message dialog, the live
// region and the calculation sheet's buttons and section. The browser shows it as it parses the
// page; the program, once loaded, only binds it. Each control's element id is its control name.
#pragma once

#include <array>
#include <string>

#include "calculation_sheet.h"

namespace quotara {

// The id of the polite live region through which screen readers hear the results.
inline constexpr const char* kLiveRegionId = "announcement";
// The print section's id: on screen it is never shown.
inline constexpr const char* kSheetSectionId = "sheet";
// The sheet's buttons below the window, in this order.
inline constexpr std::array<SheetCommandId, 2> kPageSheetCommands = {SheetCommandId::copy,
                                                                     SheetCommandId::print};
// The banner's source in the markup, for the page's writer to replace with the image.
inline constexpr const char* kBannerPlaceholder = "@BANNER@";

struct PageMarkup {
    std::string title;  // the window's caption, as the text of <title>
    std::string style;  // the root's font lists, a rule per element for places, fonts, colours
    std::string body;   // the elements, without white space between them
};

[[nodiscard]] PageMarkup pageMarkup();

}  // namespace quotara
