// What screen readers are told beyond what Windows says by itself: each entry's and result's
// Chinese name. Without it an edit takes its name from the label before it, here "1" to "8".
#pragma once

#include <windows.h>

#include <string>

namespace quotara {

// Names the control for Microsoft Active Accessibility and UI Automation (IAccPropServices).
// Does nothing where the service is missing. COM must be initialised on this thread.
void setAccessibleName(HWND control, const std::wstring& name);

}  // namespace quotara
