// The faces that stand in for 宋体 and 黑体, the same list for every toolkit.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "layout.h"

namespace quotara {

// The face's own name as the description gives it: "宋体" or "黑体", UTF-8.
[[nodiscard]] std::string_view faceName(FontFace face);

// The faces to use where the description's is missing, best first, UTF-8: Windows' own under its
// English name, then macOS's, then the Song (serif) and Hei (sans) faces of Linux systems, all
// covering simplified Chinese. For 黑体 the monospaced Noto face comes before the proportional
// one: like SimHei it sets spaces and Latin letters half a character wide, which the total-area
// frame's caption relies on to stand its two headings over their fields.
[[nodiscard]] std::span<const std::string_view> fallbackFaces(FontFace face);

}  // namespace quotara
