#include "win32_field_model.h"

#include <string>

#include "win32_text.h"

namespace quotara {

HWND Win32FieldModel::find(Field field, bool optionButton) const {
    HWND control = form_.control(field);
    if (control == nullptr || !IsWindow(control) || isOptionButton(field) != optionButton) {
        return nullptr;
    }
    return control;
}

std::optional<std::u16string> Win32FieldModel::text(Field field) {
    HWND box = find(field, false);
    if (box == nullptr) {
        return std::nullopt;
    }
    const auto length = static_cast<int>(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = static_cast<int>(
        SendMessageW(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(static_cast<std::size_t>(copied));
    return toU16(text);
}

bool Win32FieldModel::setText(Field field, std::u16string_view text) {
    HWND box = find(field, false);
    return box != nullptr && SetWindowTextW(box, toWide(text).c_str()) != FALSE;
}

bool Win32FieldModel::setEnabled(Field field, bool enabled) {
    HWND box = find(field, false);
    if (box == nullptr) {
        return false;
    }
    EnableWindow(box, enabled ? TRUE : FALSE);
    return true;
}

bool Win32FieldModel::setBackColor(Field field, std::uint32_t color) {
    HWND box = find(field, false);
    if (box == nullptr) {
        return false;
    }
    form_.setBackColor(box, color);
    return true;
}

std::optional<bool> Win32FieldModel::value(Field field) {
    HWND button = find(field, true);
    if (button == nullptr) {
        return std::nullopt;
    }
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Win32FieldModel::setFocus(Field field) {
    HWND control = form_.control(field);
    if (control == nullptr || !IsWindow(control) || !IsWindowEnabled(control)) {
        return false;
    }
    form_.focus(control);
    return GetFocus() == control;
}

}  // namespace quotara
