// Builds the window Form1 and its controls from the description in layout.h with Windows'
// standard controls, in the initial state of its fields, and keeps them laid out at the
// window's DPI. Every control is a child of the window at its frame's place plus its own, so that
// its notifications and colour messages come to the window.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "field_model.h"
#include "layout.h"

namespace quotara {

// A control's id is 1000 plus its row in kControls: what an automation tool asks GetDlgItem for.
inline constexpr int kFirstControlId = 1000;
// The registered window class, for FindWindowW.
inline constexpr const wchar_t* kFormClassName = L"Quotara.Form1";
// Posted to the window as it is shown: handled once it has painted (afterFirstPaint).
inline constexpr UINT kAfterFirstPaint = WM_APP + 1;

class Win32Form {
  public:
    Win32Form() = default;
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;
    ~Win32Form();

    [[nodiscard]] HWND window() const { return window_; }
    // Null for a name the description does not have.
    [[nodiscard]] HWND control(std::string_view name) const;
    [[nodiscard]] HWND control(Field field) const { return control(fieldName(field)); }
    [[nodiscard]] int dpi() const { return dpi_; }

    // A text field's colour, a system colour as the field model stores it; repainted at once.
    void setBackColor(HWND control, std::uint32_t code);
    [[nodiscard]] std::optional<std::uint32_t> backColor(HWND control) const;

    // Places and sizes every control and makes its font at `dpi`, when the window's DPI has
    // changed (the window is built at its DPI).
    void layOut(int dpi);

    // Gives the control the keyboard focus, and keeps it for when the window is activated again.
    void focus(HWND control) {
        focus_ = control;
        SetFocus(control);
    }

    // A click or other notification from a control, with its row.
    std::function<void(const ControlSpec& row, WORD notification)> onControl;
    // A menu command or accelerator: its id.
    std::function<void(WORD id)> onCommand;
    // Once the window has first painted: work the user need not wait for.
    std::function<void()> afterFirstPaint;
    // Gives the controls their accessible names (accessibility.h).
    void nameControls();

    // A right-click on the window (not in an entry, enabled or not), at a point on the screen.
    std::function<void(POINT where)> onContextMenu;

  private:
    friend class Win32FormToolkit;
    friend LRESULT CALLBACK formProcedure(HWND, UINT, WPARAM, LPARAM);
    friend std::unique_ptr<Win32Form> buildForm1(HINSTANCE instance);

    void refit(std::size_t row);
    [[nodiscard]] HFONT sharedFont(const FontSpec& wanted);
    [[nodiscard]] const ControlSpec* rowOf(HWND control) const;

    HWND window_ = nullptr;
    int dpi_ = 96;
    std::array<HWND, kControls.size()> controls_{};
    std::array<std::optional<FontSpec>, kControls.size()> fontSpecs_{};
    std::array<HFONT, kControls.size()> fonts_{};  // from the cache
    // One font for each face, size and weight at the present DPI: five for the whole window.
    std::vector<std::pair<FontSpec, HFONT>> fontCache_;
    std::array<HFONT, kControls.size()> fittedFonts_{};
    std::array<std::optional<std::uint32_t>, kControls.size()> colors_{};
    std::array<std::wstring, kControls.size()> accessibleNames_{};
    std::array<bool, kControls.size()> fitted_{};
    HBITMAP banner_ = nullptr;
    HWND focus_ = nullptr;  // the control that has or had the focus
};

// The window, hidden; the banner comes from the program's bitmap resource "BANNER".
[[nodiscard]] std::unique_ptr<Win32Form> buildForm1(HINSTANCE instance);

// Shows the window at the centre of the work area of its monitor; afterFirstPaint follows.
void showCentred(Win32Form& form);

}  // namespace quotara
