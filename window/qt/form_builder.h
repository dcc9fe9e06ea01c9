// Builds the window Form1 and its controls from the description in layout.h, in the initial
// state of its fields: no household count chosen, the household entries disabled.
#pragma once

#include <QWidget>
#include <memory>

namespace quotara {

// Every control's object name is its control name; positions are the description's twips at
// 15 to a logical pixel, so high-DPI scaling scales the whole window.
[[nodiscard]] std::unique_ptr<QWidget> buildForm1();

// Places the window at the centre of its screen. Done before showing: with no window manager
// nothing else would centre it.
void centreOnScreen(QWidget& window);

}  // namespace quotara
