// How the description's sizes, system colours and font faces look with Win32: twips at the
// window's DPI, the system colours through GetSysColor, 宋体 and 黑体 with the GB2312 character
// set.
#pragma once

#include <windows.h>

#include <cstdint>

#include "layout.h"

namespace quotara {

// Twips at `dpi` dots per inch, rounded: 15 twips to the pixel at 96.
[[nodiscard]] int twipsAt(int twips, int dpi);

// The DPI the window is shown at: its monitor's, where Windows 10 1607 and later say it,
// otherwise the system's.
[[nodiscard]] int windowDpi(HWND window);

// The system colour index in a colour the field model stores (0x80000005 → COLOR_WINDOW).
[[nodiscard]] int systemColorIndex(std::uint32_t code);

// A font for the description's face, size and weight at `dpi`, character set 134 (GB2312). Where
// 宋体 or 黑体 is not installed, the first installed face that stands in for it (font_faces.h).
// The caller deletes it.
[[nodiscard]] HFONT createFont(const FontSpec& font, int dpi);
// As createFont, at a size in points of its own.
[[nodiscard]] HFONT createFont(const FontSpec& font, double points, int dpi);

}  // namespace quotara
