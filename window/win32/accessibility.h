// What screen readers are told beyond what Windows says by itself: each entry's and result's
// Chinese name. Without it an edit takes its name from the label before it, here "1" to "8".
#pragma once

#include <windows.h>

#include <string>

namespace quotara {

// Names the control for Microsoft Active Accessibility and UI Automation (IAccPropServices).
// False where the service is missing or does not take it (Wine's is a stub). COM must be
// initialised on this thread.
bool setAccessibleName(HWND control, const std::wstring& name);

}  // namespace quotara
