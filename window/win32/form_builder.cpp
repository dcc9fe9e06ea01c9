#include "form_builder.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "accessibility.h"
#include "appearance.h"
#include "form_walk.h"
#include "text_fitting.h"
#include "win32_text.h"

namespace quotara {
namespace {

std::size_t rowIndex(const ControlSpec& row) {
    return static_cast<std::size_t>(&row - kControls.data());
}

// A control's place on the window: its frame's corner plus its own, in twips.
RECT twipsRect(const ControlSpec& row) {
    int left = row.left;
    int top = row.top;
    if (const ControlSpec* frame = controlNamed(row.container)) {
        left += frame->left;
        top += frame->top;
    }
    return {left, top, left + row.width, top + row.height};
}

// The same at `dpi`.
RECT placeAt(const ControlSpec& row, int dpi) {
    const RECT twips = twipsRect(row);
    return {twipsAt(twips.left, dpi), twipsAt(twips.top, dpi), twipsAt(twips.right, dpi),
            twipsAt(twips.bottom, dpi)};
}

// Redrawn at once, unless the window is still being built and not yet shown.
void sendFont(HWND control, HFONT font, bool redraw = true) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

void deleteFont(HFONT& font) {
    if (font != nullptr) {
        DeleteObject(font);
        font = nullptr;
    }
}

// The window's outer size for its client size at `dpi`: fixed, with a caption and a close and a
// minimise button.
// Not WS_CLIPCHILDREN: a group box does not paint its inside, the window under it does.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

SIZE outerSize(int dpi) {
    RECT rect{0, 0, twipsAt(kForm1.clientWidth, dpi), twipsAt(kForm1.clientHeight, dpi)};
    // AdjustWindowRectExForDpi is Windows 10 1607's; before it, the system's DPI is the window's.
    using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = reinterpret_cast<AdjustFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (adjustForDpi != nullptr) {
        adjustForDpi(&rect, kFormStyle, FALSE, 0, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&rect, kFormStyle, FALSE, 0);
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

LRESULT CALLBACK formProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            // A text box in its field's colour (a disabled one asks as a static); every other
            // control stands on the window's colour.
            auto* dc = reinterpret_cast<HDC>(wParam);
            const std::optional<std::uint32_t> code =
                form->backColor(reinterpret_cast<HWND>(lParam));
            const int index = systemColorIndex(code.value_or(kForm1.backColor));
            SetBkColor(dc, GetSysColor(index));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(index));
        }
        case WM_COMMAND: {
            const auto from = reinterpret_cast<HWND>(lParam);
            if (from == nullptr) {
                // Enter and Escape come as IDOK and IDCANCEL from the dialog manager: neither
                // button is a default or cancel button, so they press nothing.
                if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL && form->onCommand) {
                    form->onCommand(LOWORD(wParam));
                }
                return 0;
            }
            if (const ControlSpec* row = form->rowOf(from)) {
                if (HIWORD(wParam) == EN_CHANGE && form->fitted_[rowIndex(*row)]) {
                    form->refit(rowIndex(*row));
                }
                if (form->onControl) {
                    form->onControl(*row, HIWORD(wParam));
                }
            }
            return 0;
        }
        case WM_CONTEXTMENU: {
            POINT where{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            POINT inside = where;
            ScreenToClient(window, &inside);
            // An entry has its own menu; a disabled one passes the click on and gets none.
            HWND under = ChildWindowFromPointEx(window, inside, CWP_SKIPINVISIBLE);
            wchar_t kind[16] = {};
            GetClassNameW(under, kind, 16);
            if (lstrcmpiW(kind, L"Edit") != 0 && form->onContextMenu) {
                form->onContextMenu(where);
            }
            return 0;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (form->banner_ != nullptr) {
                HDC source = CreateCompatibleDC(item->hDC);
                HGDIOBJ before = SelectObject(source, form->banner_);
                BITMAP size{};
                GetObjectW(form->banner_, sizeof size, &size);
                BitBlt(item->hDC, 0, 0, std::min<LONG>(size.bmWidth, item->rcItem.right),
                       std::min<LONG>(size.bmHeight, item->rcItem.bottom), source, 0, 0, SRCCOPY);
                SelectObject(source, before);
                DeleteDC(source);
            }
            return TRUE;
        }
        case WM_DPICHANGED: {
            // Moved to another monitor, or the scale changed: everything again at the new DPI,
            // fonts made for it, at the place Windows suggests.
            form->layOut(HIWORD(wParam));
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_ACTIVATE:
            // As a dialog does: the focus leaves with the window and comes back to the control
            // that had it, or that a handler gave it meanwhile. Left to DefWindowProc, the window
            // itself would take it once a message box over it has gone.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window, focus)) {
                    form->focus_ = focus;
                }
                return 0;
            }
            if (form->focus_ != nullptr && IsWindow(form->focus_) &&
                IsWindowEnabled(form->focus_)) {
                SetFocus(form->focus_);
                return 0;
            }
            break;
        case kAfterFirstPaint:
            if (form->afterFirstPaint) {
                form->afterFirstPaint();
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Carries out the walk's decisions with Win32 calls. Fonts are made at the window's DPI.
class Win32FormToolkit final : public FormToolkit {
  public:
    Win32FormToolkit(HINSTANCE instance, Win32Form& form) : instance_(instance), form_(form) {}

    void createForm(const FormSpec& description) override {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = formProcedure;
        windowClass.hInstance = instance_;
        windowClass.hIcon = LoadIconW(instance_, L"QUOTARA");
        windowClass.hIconSm = static_cast<HICON>(
            LoadImageW(instance_, L"QUOTARA", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                       GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hbrBackground = GetSysColorBrush(systemColorIndex(description.backColor));
        windowClass.lpszClassName = kFormClassName;
        RegisterClassExW(&windowClass);
        form_.window_ = CreateWindowExW(0, kFormClassName, toWide(description.caption).c_str(),
                                        kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr,
                                        nullptr, instance_, nullptr);
        form_.dpi_ = windowDpi(form_.window_);
        const SIZE size = outerSize(form_.dpi_);
        SetWindowPos(form_.window_, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        form_.banner_ = static_cast<HBITMAP>(
            LoadImageW(instance_, L"BANNER", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }

    void createControl(const ControlSpec& row, std::string_view /*container*/) override {
        const wchar_t* windowClass = WC_BUTTONW;
        // Clipped by its siblings: a frame painted later would draw over the controls in it.
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        DWORD extended = 0;
        switch (row.kind) {
            case ControlKind::pictureBox:
                windowClass = WC_STATICW;
                // Drawn by the window (WM_DRAWITEM): a bitmap static stretches the image to the
                // box on Wine, and the image stands at its natural size, clipped to the box.
                style |= SS_OWNERDRAW;
                break;
            case ControlKind::frame:
                style |= BS_GROUPBOX;
                break;
            case ControlKind::optionButton:
                style |= BS_AUTORADIOBUTTON;
                break;
            case ControlKind::textBox:
                windowClass = WC_EDITW;
                style |= ES_LEFT | ES_AUTOHSCROLL;
                extended = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::label:
                windowClass = WC_STATICW;
                style |= SS_LEFT | SS_NOPREFIX;
                break;
            case ControlKind::commandButton:
                style |= BS_PUSHBUTTON;
                break;
        }
        if (takesFocus(row)) {
            // The seven count buttons are one group with one tab stop, whose arrow keys choose;
            // every other focusable control is a group and a stop of its own.
            const bool laterOption =
                row.kind == ControlKind::optionButton && row.name != fieldName(optionFor(2));
            style |= laterOption ? 0 : WS_TABSTOP | WS_GROUP;
        }
        const std::size_t index = rowIndex(row);
        // Made at its place for the window's DPI: moving 50 controls afterwards costs start-up.
        const RECT place = placeAt(row, form_.dpi_);
        HWND control = CreateWindowExW(
            extended, windowClass, toWide(row.caption).c_str(), style, place.left, place.top,
            place.right - place.left, place.bottom - place.top, form_.window_,
            reinterpret_cast<HMENU>(
                static_cast<INT_PTR>(kFirstControlId + static_cast<int>(index))),
            instance_, nullptr);
        if (row.kind == ControlKind::textBox) {
            // No limit but memory: nothing the user pastes may be cut.
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
        }
        form_.controls_[index] = control;
    }

    void setFont(const ControlSpec& row, const FontSpec& font) override {
        const std::size_t index = rowIndex(row);
        form_.fontSpecs_[index] = font;
        form_.fonts_[index] = form_.sharedFont(font);
        sendFont(form_.controls_[index], form_.fonts_[index], false);
    }

    void setBackColor(const ControlSpec& row, std::uint32_t systemColor) override {
        if (row.kind == ControlKind::textBox) {
            form_.colors_[rowIndex(row)] = systemColor;
        }
    }

    // Given once the window has painted (nameControls): the accessibility service costs start-up
    // a fifth, and a screen reader asks for names only once the window is there.
    void setAccessibleName(const ControlSpec& row, std::string_view name) override {
        form_.accessibleNames_[rowIndex(row)] = toWide(name);
    }

    void setEnabled(const ControlSpec& row, bool enabled) override {
        EnableWindow(form_.controls_[rowIndex(row)], enabled ? TRUE : FALSE);
    }

    void fitTextToWidth(const ControlSpec& row) override { form_.fitted_[rowIndex(row)] = true; }

    // The dialog manager tabs in the order of the window's children: each stop goes after the
    // one before it, the controls that take no focus stay behind them all.
    void placeInTabOrder(const ControlSpec& row, int position) override {
        HWND control = form_.controls_[rowIndex(row)];
        SetWindowPos(control, position == 1 ? HWND_TOP : previous_, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous_ = control;
    }

  private:
    HINSTANCE instance_;
    Win32Form& form_;
    HWND previous_ = nullptr;
};

Win32Form::~Win32Form() {
    if (window_ != nullptr && IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    for (auto& [made, font] : fontCache_) {
        deleteFont(font);
    }
    for (HFONT& font : fittedFonts_) {
        deleteFont(font);
    }
    if (banner_ != nullptr) {
        DeleteObject(banner_);
    }
}

HWND Win32Form::control(std::string_view name) const {
    const ControlSpec* row = controlNamed(name);
    return row == nullptr ? nullptr : controls_[rowIndex(*row)];
}

// A control's id is its row: no search through the controls on every colour message.
const ControlSpec* Win32Form::rowOf(HWND control) const {
    if (control == nullptr || GetParent(control) != window_) {
        return nullptr;
    }
    const int row = GetDlgCtrlID(control) - kFirstControlId;
    if (row < 0 || static_cast<std::size_t>(row) >= controls_.size() ||
        controls_[static_cast<std::size_t>(row)] != control) {
        return nullptr;
    }
    return &kControls[static_cast<std::size_t>(row)];
}

void Win32Form::nameControls() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (!accessibleNames_[i].empty()) {
            setAccessibleName(controls_[i], accessibleNames_[i]);
        }
    }
}

void Win32Form::setBackColor(HWND control, std::uint32_t code) {
    if (const ControlSpec* row = rowOf(control)) {
        colors_[rowIndex(*row)] = code;
        InvalidateRect(control, nullptr, TRUE);
    }
}

std::optional<std::uint32_t> Win32Form::backColor(HWND control) const {
    const ControlSpec* row = rowOf(control);
    return row == nullptr ? std::nullopt : colors_[rowIndex(*row)];
}

void Win32Form::layOut(int dpi) {
    dpi_ = dpi;
    for (auto& [made, font] : fontCache_) {
        deleteFont(font);
    }
    fontCache_.clear();
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const RECT place = placeAt(kControls[i], dpi);
        SetWindowPos(controls_[i], nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        deleteFont(fittedFonts_[i]);
        fonts_[i] = sharedFont(fontSpecs_[i].value_or(kForm1.font));
        sendFont(controls_[i], fonts_[i]);
        if (fitted_[i]) {
            refit(i);
        }
    }
}

HFONT Win32Form::sharedFont(const FontSpec& wanted) {
    for (const auto& [made, font] : fontCache_) {
        if (made.face == wanted.face && made.decipoints == wanted.decipoints &&
            made.bold == wanted.bold) {
            return font;
        }
    }
    return fontCache_.emplace_back(wanted, createFont(wanted, dpi_)).second;
}

void Win32Form::refit(std::size_t row) {
    HWND field = controls_[row];
    const FontSpec designedFont = fontSpecs_[row].value_or(kForm1.font);
    const int length = GetWindowTextLengthW(field);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(field, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    RECT room{};
    SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    HDC dc = GetDC(field);
    const auto widthAt = [&](double points) {
        HFONT font = createFont(designedFont, points, dpi_);
        HGDIOBJ before = SelectObject(dc, font);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), length, &size);
        SelectObject(dc, before);
        DeleteObject(font);
        return static_cast<double>(size.cx);
    };
    const double designed = designedFont.decipoints / 10.0;
    const double points =
        length == 0 ? designed : fittedPoints(designed, room.right - room.left, widthAt);
    ReleaseDC(field, dc);
    HFONT previous = fittedFonts_[row];
    fittedFonts_[row] = points == designed ? nullptr : createFont(designedFont, points, dpi_);
    sendFont(field, fittedFonts_[row] != nullptr ? fittedFonts_[row] : fonts_[row]);
    if (previous != nullptr) {
        DeleteObject(previous);
    }
}

std::unique_ptr<Win32Form> buildForm1(HINSTANCE instance) {
    auto form = std::make_unique<Win32Form>();
    Win32FormToolkit toolkit(instance, *form);
    buildForm(toolkit);
    // The frames under everything else, which stands in them and clips them.
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].kind == ControlKind::frame) {
            SetWindowPos(form->controls_[i], HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    SetWindowLongPtrW(form->window(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form.get()));
    return form;
}

void showCentred(Win32Form& form) {
    RECT outer{};
    GetWindowRect(form.window(), &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(form.window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(form.window(), nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(form.window(), SW_SHOWNORMAL);
    UpdateWindow(form.window());
    // Posted messages come after the controls' paints.
    PostMessageW(form.window(), kAfterFirstPaint, 0, 0);
}

}  // namespace quotara
