// How the description's system colours and font faces look in a browser.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "font_faces.h"
#include "layout.h"

namespace quotara {

// The CSS colour that stands for a system colour: the same greys and white the desktop window
// shows for the scroll bar (0x80000000), menu bar (0x80000004) and window background
// (0x80000005) colours.
[[nodiscard]] std::string cssColor(std::uint32_t systemColor);

// The code as the field model stores it, for the page to keep beside the colour: "0x80000005".
[[nodiscard]] std::string systemColorCode(std::uint32_t systemColor);
// The data attribute in which the page keeps a text field's system colour code.
inline constexpr const char* kBackColorAttribute = "data-back-color";

// The CSS font-family list for 宋体 or 黑体 on `platform`: the faces it may have, then the
// generic family. Without a platform every platform's: the Windows faces by their Chinese and
// English names first, then the Song and Hei faces macOS and Linux browsers have.
[[nodiscard]] std::string cssFontFamily(FontFace face,
                                        std::optional<FacePlatform> platform = std::nullopt);

// The custom property of the page's root that holds the face's list: "--song" or "--hei". A
// browser looks up every face a list names until it finds one, each a round trip to the system
// before the first paint; the root's list is the platform's alone once the page's guard
// (app/web/guard.js) has told it in kPlatformAttribute.
[[nodiscard]] std::string_view cssFontProperty(FontFace face);
inline constexpr const char* kPlatformAttribute = "data-platform";
// The attribute's value for `platform`, as the guard writes it: "windows", "apple" or "other".
[[nodiscard]] std::string_view platformAttributeValue(FacePlatform platform);

// "12pt", "10.5pt": the size as the description gives it; CSS points are 1/72 inch at 96 pixels
// to the inch, as on the desktop.
[[nodiscard]] std::string cssFontSize(const FontSpec& font);

}  // namespace quotara
