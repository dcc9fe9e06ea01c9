// The field model over the real widgets of Form1, so that the handlers run unchanged on them.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>

#include "field_model.h"

namespace quotara {

class QtFieldModel final : public FieldModel {
  public:
    // Finds the 26 fields among the form's children by object name.
    explicit QtFieldModel(QWidget& form);

    std::optional<std::u16string> text(Field field) override;
    bool setText(Field field, std::u16string_view text) override;
    bool setEnabled(Field field, bool enabled) override;
    bool setBackColor(Field field, std::uint32_t color) override;
    std::optional<bool> value(Field field) override;
    // Fails on a disabled or hidden field, or a missing one.
    bool setFocus(Field field) override;

  private:
    template <typename Widget>
    Widget* find(Field field) const;

    std::array<QPointer<QWidget>, kFieldCount> widgets_;
};

}  // namespace quotara
