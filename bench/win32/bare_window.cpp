// A bare Win32 window for the start-up benchmark (startup.sh): every caption of the window's
// description as plain text in its control's face, size and weight, and nothing else: what any
// Win32 window showing those captions pays (the same fonts, the same glyphs, the same manifest),
// without controls. It quits once it has painted its first frame.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "layout.h"
#include "win32_text.h"

namespace {

struct Caption {
    std::wstring text;
    HFONT font;
};

// One font for each face, size and weight the table uses, as the real window makes them.
class Fonts {
  public:
    explicit Fonts(int dpi) : dpi_(dpi) {}
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    ~Fonts() {
        for (const auto& [key, font] : fonts_) {
            DeleteObject(font);
        }
    }

    HFONT get(const quotara::FontSpec& wanted) {
        const auto key = std::make_tuple(wanted.face, wanted.decipoints, wanted.bold);
        if (const auto found = fonts_.find(key); found != fonts_.end()) {
            return found->second;
        }
        // A negative height asks for the character height: the point size as Windows means it.
        const int height = -MulDiv(wanted.decipoints, dpi_, 720);
        HFONT font = CreateFontW(height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                 FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                 wanted.face == quotara::FontFace::hei ? L"黑体" : L"宋体");
        fonts_.emplace(key, font);
        return font;
    }

  private:
    int dpi_;
    std::map<std::tuple<quotara::FontFace, int, bool>, HFONT> fonts_;
};

std::vector<Caption>* g_captions = nullptr;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            SetBkMode(dc, TRANSPARENT);
            int top = 0;
            for (const Caption& caption : *g_captions) {
                SelectObject(dc, caption.font);
                TextOutW(dc, 0, top, caption.text.c_str(), static_cast<int>(caption.text.size()));
                top += 9;
            }
            EndPaint(window, &paint);
            // The first frame is on the screen once the paint is flushed: done.
            GdiFlush();
            PostQuitMessage(0);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    Fonts fonts(dpi);
    std::vector<Caption> captions;
    captions.push_back({quotara::toWide(quotara::kForm1.caption), fonts.get(quotara::kForm1.font)});
    for (const quotara::ControlSpec& row : quotara::kControls) {
        if (!row.caption.empty()) {
            captions.push_back(
                {quotara::toWide(row.caption), fonts.get(row.font.value_or(quotara::kForm1.font))});
        }
    }
    g_captions = &captions;

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"QuotaraBareWindow";
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    RegisterClassExW(&windowClass);

    // The real window's client size, at this screen's dpi.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, MulDiv(quotara::twipsToPixels(quotara::kForm1.clientWidth), dpi, 96),
               MulDiv(quotara::twipsToPixels(quotara::kForm1.clientHeight), dpi, 96)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, captions.front().text.c_str(),
                                  style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DestroyWindow(window);
    return static_cast<int>(message.wParam);
}
