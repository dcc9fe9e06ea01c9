// What screen readers are told about the window beyond what Qt says by itself: that the
// top-level form is a window (a "frame" on AT-SPI), named by its caption.
#pragma once

namespace quotara {

// Installs, once, the accessibility factory that presents a plain top-level widget as a
// window. Without it Qt presents such a widget as a client area ("filler" on AT-SPI), and a
// screen reader announces no window at all. Call before the window is shown.
void installWindowAccessibility();

}  // namespace quotara
