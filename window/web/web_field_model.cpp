#include "web_field_model.h"

#include <cstdlib>
#include <string>
#include <utility>

#include "appearance.h"
#include "fitted_text.h"

extern "C" {
void quotara_find_field(int field, const char* id);
char16_t* quotara_field_text(int field, int* length);
int quotara_set_field_text(int field, const char16_t* text);
int quotara_set_field_enabled(int field, int enabled);
int quotara_set_field_back_color(int field, const char* color, const char* attribute,
                                 const char* code);
int quotara_field_value(int field);
int quotara_focus_field(int field);
}

namespace quotara {

WebFieldModel::WebFieldModel() {
    for (int i = 0; i < kFieldCount; ++i) {
        quotara_find_field(i, std::string(fieldName(static_cast<Field>(i))).c_str());
    }
}

std::optional<std::u16string> WebFieldModel::text(Field field) {
    int length = 0;
    char16_t* text = quotara_field_text(static_cast<int>(field), &length);
    if (text == nullptr) {
        return std::nullopt;
    }
    std::u16string copy(text, static_cast<std::size_t>(length));
    std::free(text);
    return copy;
}

bool WebFieldModel::setText(Field field, std::u16string_view text) {
    const std::u16string replacement(text);
    const int outcome = quotara_set_field_text(static_cast<int>(field), replacement.c_str());
    if (outcome == 0) {
        return false;
    }
    // Writing the text a field already holds does not move its cursor, nor need a refit.
    if (outcome == 2 && isResultField(field)) {
        refitTextLater(field);
    }
    written_.set(static_cast<std::size_t>(field));
    return true;
}

std::bitset<kFieldCount> WebFieldModel::takeWritten() {
    return std::exchange(written_, {});
}

bool WebFieldModel::setEnabled(Field field, bool enabled) {
    return quotara_set_field_enabled(static_cast<int>(field), enabled ? 1 : 0) != 0;
}

bool WebFieldModel::setBackColor(Field field, std::uint32_t color) {
    return quotara_set_field_back_color(static_cast<int>(field), cssColor(color).c_str(),
                                        kBackColorAttribute, systemColorCode(color).c_str()) != 0;
}

std::optional<bool> WebFieldModel::value(Field field) {
    const int chosen = quotara_field_value(static_cast<int>(field));
    if (chosen < 0) {
        return std::nullopt;
    }
    return chosen != 0;
}

bool WebFieldModel::setFocus(Field field) {
    return quotara_focus_field(static_cast<int>(field)) != 0;
}

}  // namespace quotara
