#include "memory_field_model.h"

#include <algorithm>

namespace quotara {

MemoryFieldModel::MemoryFieldModel() {
    for (int i = 0; i < kFieldCount; ++i) {
        fields_[static_cast<std::size_t>(i)] = initialState(static_cast<Field>(i));
    }
}

const FieldState& MemoryFieldModel::state(Field field) const {
    return fields_[static_cast<std::size_t>(field)];
}

bool MemoryFieldModel::admit(FieldOp op, Field field) {
    calls_.push_back({op, field});
    // An operation on the wrong kind of field is a failure, as the real widgets would report.
    const bool needsOption = op == FieldOp::readValue;
    const bool anyKind = op == FieldOp::setFocus;
    if (!anyKind && isOptionButton(field) != needsOption) {
        return false;
    }
    for (auto& planned : failures_) {
        if (planned.op == op && planned.field == field && planned.remaining > 0) {
            if (--planned.remaining == 0) {
                return false;
            }
        }
    }
    return true;
}

std::optional<std::u16string> MemoryFieldModel::text(Field field) {
    if (!admit(FieldOp::readText, field)) {
        return std::nullopt;
    }
    return state(field).text;
}

bool MemoryFieldModel::setText(Field field, std::u16string_view text) {
    if (!admit(FieldOp::writeText, field)) {
        return false;
    }
    fields_[static_cast<std::size_t>(field)].text = text;
    return true;
}

bool MemoryFieldModel::setEnabled(Field field, bool enabled) {
    if (!admit(FieldOp::setEnabled, field)) {
        return false;
    }
    fields_[static_cast<std::size_t>(field)].enabled = enabled;
    if (!enabled && focus_ == field) {
        focus_.reset();  // a disabled widget gives up the focus
    }
    return true;
}

bool MemoryFieldModel::setBackColor(Field field, std::uint32_t color) {
    if (!admit(FieldOp::setBackColor, field)) {
        return false;
    }
    fields_[static_cast<std::size_t>(field)].backColor = color;
    return true;
}

std::optional<bool> MemoryFieldModel::value(Field field) {
    if (!admit(FieldOp::readValue, field)) {
        return std::nullopt;
    }
    return state(field).value;
}

bool MemoryFieldModel::setFocus(Field field) {
    if (!admit(FieldOp::setFocus, field) || !state(field).enabled) {
        return false;
    }
    focus_ = field;
    return true;
}

bool MemoryFieldModel::type(Field field, std::u16string_view text) {
    if (isOptionButton(field) || !state(field).enabled) {
        return false;
    }
    focus_ = field;
    fields_[static_cast<std::size_t>(field)].text = text;
    return true;
}

bool MemoryFieldModel::click(Field option) {
    if (!isOptionButton(option)) {
        return false;
    }
    for (int n = 2; n <= 8; ++n) {
        fields_[static_cast<std::size_t>(optionFor(n))].value = optionFor(n) == option;
    }
    focus_ = option;
    return true;
}

void MemoryFieldModel::failOn(FieldOp op, Field field, int occurrence) {
    failures_.push_back({op, field, std::max(occurrence, 1)});
}

}  // namespace quotara
