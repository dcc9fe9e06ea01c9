// How the description's sizes, system colours and font faces look with Qt on this platform.
#pragma once

#include <QFont>
#include <QPalette>
#include <cstdint>

#include "layout.h"

class QWidget;

namespace quotara {

// Scales the window by the screen's factor, fractions included, and sets its fonts at 96 dpi, the
// same with Qt 5 and Qt 6. Call before creating the application object.
void installDisplaySettings();

// The palette colour that stands for a system colour: the scroll bar colour (0x80000000) is
// QPalette::Midlight, a mid grey like Windows' own; the menu bar colour (0x80000004) is
// QPalette::Window; the window background colour (0x80000005) is QPalette::Base.
[[nodiscard]] QColor systemColor(std::uint32_t code);

// Paints `role` of `widget` in a system colour in every colour group, so that a disabled field
// keeps the colour it was given, and records the code in the "systemBackColor" property.
void applySystemColor(QWidget& widget, QPalette::ColorRole role, std::uint32_t code);

// 宋体 and 黑体 with the given size and weight. Where those faces are missing, the substitutes
// installed below stand in.
[[nodiscard]] QFont fontFor(const FontSpec& wanted);

// Maps 宋体 and 黑体 to the faces that stand in for them (font_faces.h) where they are missing.
void installChineseFontSubstitutes();

}  // namespace quotara
