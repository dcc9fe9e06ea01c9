#include "web_field_model.h"

#include <string>
#include <utility>

#include "appearance.h"
#include "fitted_text.h"

namespace quotara {

using emscripten::val;

WebFieldModel::WebFieldModel(const val& document) {
    elements_.reserve(kFieldCount);
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string id(fieldName(static_cast<Field>(i)));
        elements_.push_back(document.call<val>("getElementById", id));
    }
}

// A field of the wrong kind, or one that has gone from the page, counts as missing.
val WebFieldModel::find(Field field, const char* type) const {
    const val& element = elements_[static_cast<std::size_t>(field)];
    if (element.isNull() || element.isUndefined() || !element["isConnected"].as<bool>() ||
        element["tagName"].as<std::string>() != "INPUT" ||
        element["type"].as<std::string>() != type) {
        return val::undefined();
    }
    return element;
}

std::optional<std::u16string> WebFieldModel::text(Field field) {
    const val box = find(field, "text");
    if (box.isUndefined()) {
        return std::nullopt;
    }
    return box["value"].as<std::u16string>();
}

bool WebFieldModel::setText(Field field, std::u16string_view text) {
    val box = find(field, "text");
    if (box.isUndefined()) {
        return false;
    }
    const std::u16string replacement(text);
    // Writing the text a field already holds must not move its cursor.
    if (box["value"].as<std::u16string>() != replacement) {
        box.set("value", replacement);
        if (isResultField(field)) {
            refitText(field);
        }
    }
    written_.set(static_cast<std::size_t>(field));
    return true;
}

std::bitset<kFieldCount> WebFieldModel::takeWritten() {
    return std::exchange(written_, {});
}

bool WebFieldModel::setEnabled(Field field, bool enabled) {
    val box = find(field, "text");
    if (box.isUndefined()) {
        return false;
    }
    box.set("disabled", !enabled);
    return true;
}

bool WebFieldModel::setBackColor(Field field, std::uint32_t color) {
    val box = find(field, "text");
    if (box.isUndefined()) {
        return false;
    }
    box["style"].set("backgroundColor", cssColor(color));
    box.call<void>("setAttribute", std::string(kBackColorAttribute), systemColorCode(color));
    return true;
}

std::optional<bool> WebFieldModel::value(Field field) {
    const val option = find(field, "radio");
    if (option.isUndefined()) {
        return std::nullopt;
    }
    return option["checked"].as<bool>();
}

bool WebFieldModel::setFocus(Field field) {
    val element = elements_[static_cast<std::size_t>(field)];
    if (element.isNull() || element.isUndefined() || !element["isConnected"].as<bool>() ||
        element["disabled"].as<bool>()) {
        return false;
    }
    element.call<void>("focus");
    return true;
}

}  // namespace quotara
