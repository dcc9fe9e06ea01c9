// The faces that stand in for 宋体 and 黑体, the same list for every toolkit, each face with the
// platform that has it.
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "layout.h"

namespace quotara {

// The systems whose faces differ: macOS and iOS are Apple's; Linux, Android, ChromeOS and the
// rest have the free Noto, Source Han, AR PL and WenQuanYi faces.
enum class FacePlatform { windows, apple, other };
inline constexpr std::array<FacePlatform, 3> kFacePlatforms = {
    FacePlatform::windows, FacePlatform::apple, FacePlatform::other};

// The face's own name as the description gives it: "宋体" or "黑体", UTF-8. It is Windows' face.
[[nodiscard]] std::string_view faceName(FontFace face);

// The faces to use where the description's is missing, best first, UTF-8: Windows' own under its
// English name, then macOS's, then the Song (serif) and Hei (sans) faces of Linux systems, all
// covering simplified Chinese. For 黑体 the monospaced Noto face comes before the proportional
// one: like SimHei it sets spaces and Latin letters half a character wide, which the total-area
// frame's caption relies on to stand its two headings over their fields. Microsoft YaHei, though
// Windows', comes last: proportional too, it is for a system that has none of the others.
[[nodiscard]] std::span<const std::string_view> fallbackFaces(FontFace face);

// The faces `platform` may have for 宋体 or 黑体, best first, in the order above: on Windows the
// description's own face first.
[[nodiscard]] std::vector<std::string_view> platformFaces(FontFace face, FacePlatform platform);

}  // namespace quotara
