// The field model over the window's standard controls, so that the handlers run unchanged on
// Windows.
#pragma once

#include "field_model.h"
#include "form_builder.h"

namespace quotara {

class Win32FieldModel final : public FieldModel {
  public:
    explicit Win32FieldModel(Win32Form& form) : form_(form) {}

    std::optional<std::u16string> text(Field field) override;
    bool setText(Field field, std::u16string_view text) override;
    bool setEnabled(Field field, bool enabled) override;
    bool setBackColor(Field field, std::uint32_t color) override;
    std::optional<bool> value(Field field) override;
    // Fails on a disabled field, or a missing one.
    bool setFocus(Field field) override;

  private:
    // The field's control if it is still there and of the right kind; otherwise null.
    [[nodiscard]] HWND find(Field field, bool optionButton) const;

    Win32Form& form_;
};

}  // namespace quotara
