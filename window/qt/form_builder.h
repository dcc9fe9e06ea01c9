// Builds the window Form1 and its controls from the description in layout.h, in the initial
// state of its fields: no household count chosen, the household entries disabled.
#pragma once

#include <QWidget>
#include <memory>

namespace quotara {

// Every control's object name is its control name; positions are the description's twips at
// 15 to a logical pixel, so high-DPI scaling scales the whole window.
[[nodiscard]] std::unique_ptr<QWidget> buildForm1();

// Shows the window at the centre of its screen and gives it the keyboard focus. Without a window
// manager on X11 nothing else would centre it, nor activate it, and an inactive window takes
// no keys.
void showCentred(QWidget& window);

}  // namespace quotara
