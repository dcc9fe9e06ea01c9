#include "win32_message_service.h"

#include <string>

#include "win32_text.h"

namespace quotara {
namespace {

HHOOK captionHook = nullptr;

// Renames the box's OK button as it is activated: MessageBoxW labels it in the system's
// language, and the window is Chinese on every system.
LRESULT CALLBACK nameOkButton(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        auto* box = reinterpret_cast<HWND>(wParam);
        SetDlgItemTextW(box, IDOK, toWide(kOkCaption).c_str());
        UnhookWindowsHookEx(captionHook);
        captionHook = nullptr;
        return 0;
    }
    return CallNextHookEx(captionHook, code, wParam, lParam);
}

}  // namespace

void Win32MessageService::show(std::u16string_view prompt, int style, std::u16string_view title) {
    // A style's bits are MessageBoxW's own: 48 is MB_OK | MB_ICONEXCLAMATION.
    captionHook = SetWindowsHookExW(WH_CBT, nameOkButton, nullptr, GetCurrentThreadId());
    MessageBoxW(owner_, toWide(prompt).c_str(), toWide(title).c_str(),
                static_cast<UINT>(style) | MB_APPLMODAL);
    if (captionHook != nullptr) {
        UnhookWindowsHookEx(captionHook);
        captionHook = nullptr;
    }
}

}  // namespace quotara
