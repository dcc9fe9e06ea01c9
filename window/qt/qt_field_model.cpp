#include "qt_field_model.h"

#include <QLineEdit>
#include <QRadioButton>

#include "appearance.h"
#include "qt_compat.h"
#include "qt_text.h"

namespace quotara {

QtFieldModel::QtFieldModel(QWidget& form) {
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string_view name = fieldName(static_cast<Field>(i));
        widgets_[static_cast<std::size_t>(i)] = form.findChild<QWidget*>(toQString(name));
    }
}

// A field of the wrong kind, or one that has gone, counts as missing: the operation fails.
template <typename Widget>
Widget* QtFieldModel::find(Field field) const {
    return qobject_cast<Widget*>(widgets_[static_cast<std::size_t>(field)].data());
}

std::optional<std::u16string> QtFieldModel::text(Field field) {
    const QLineEdit* box = find<QLineEdit>(field);
    if (box == nullptr) {
        return std::nullopt;
    }
    return box->text().toStdU16String();
}

bool QtFieldModel::setText(Field field, std::u16string_view text) {
    QLineEdit* box = find<QLineEdit>(field);
    if (box == nullptr) {
        return false;
    }
    const QString replacement = toQString(text);
    // Writing the text a field already holds must not move its cursor or reset its undo.
    if (box->text() != replacement) {
        box->setText(replacement);
    }
    return true;
}

bool QtFieldModel::setEnabled(Field field, bool enabled) {
    QLineEdit* box = find<QLineEdit>(field);
    if (box == nullptr) {
        return false;
    }
    box->setEnabled(enabled);
    return true;
}

bool QtFieldModel::setBackColor(Field field, std::uint32_t color) {
    QLineEdit* box = find<QLineEdit>(field);
    if (box == nullptr) {
        return false;
    }
    applySystemColor(*box, QPalette::Base, color);
    return true;
}

std::optional<bool> QtFieldModel::value(Field field) {
    const QRadioButton* option = find<QRadioButton>(field);
    if (option == nullptr) {
        return std::nullopt;
    }
    return option->isChecked();
}

bool QtFieldModel::setFocus(Field field) {
    QWidget* widget = find<QWidget>(field);
    if (widget == nullptr || !widget->isEnabled() || !widget->isVisibleTo(widget->window())) {
        return false;
    }
    // After a modal message box the window is not active again by itself, and a focus set in
    // an inactive window does not show until it is.
    if (widget->window()->isVisible()) {
        qt_compat::activate(*widget->window());
    }
    widget->setFocus(Qt::OtherFocusReason);
    return true;
}

}  // namespace quotara
