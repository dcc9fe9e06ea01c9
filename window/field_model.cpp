#include "field_model.h"

namespace quotara {
namespace {

constexpr std::array<std::string_view, kFieldCount> kNames = {
    "Option2",  "Option3",  "Option4",  "Option5",  "Option6",  "Option7",  "Option8",
    "texta",    "Text1",    "Text2",    "Text3",    "Text4",    "Text5",    "Text6",
    "Text7",    "Text8",    "produce1", "produce2", "produce3", "produce4", "produce5",
    "produce6", "produce7", "produce8", "Text9",    "Text10",
};

constexpr int index(Field field) {
    return static_cast<int>(field);
}

constexpr Field offset(Field first, int by) {
    return static_cast<Field>(index(first) + by);
}

}  // namespace

std::string_view fieldName(Field field) {
    return kNames[static_cast<std::size_t>(field)];
}

std::optional<Field> fieldNamed(std::string_view name) {
    for (int i = 0; i < kFieldCount; ++i) {
        if (kNames[static_cast<std::size_t>(i)] == name) {
            return static_cast<Field>(i);
        }
    }
    return std::nullopt;
}

bool isOptionButton(Field field) {
    return index(field) <= index(Field::Option8);
}

bool isResultField(Field field) {
    return index(field) >= index(Field::produce1);
}

Field optionFor(int count) {
    return offset(Field::Option2, count - 2);
}
Field entryFor(int household) {
    return offset(Field::Text1, household - 1);
}
Field resultFor(int household) {
    return offset(Field::produce1, household - 1);
}

FieldState initialState(Field field) {
    FieldState state;
    if (isOptionButton(field)) {
        return state;
    }
    if (field == Field::texta) {
        state.backColor = kWindowBackgroundColor;
    } else if (index(field) >= index(Field::Text1) && index(field) <= index(Field::Text8)) {
        state.enabled = false;
        state.backColor = kMenuBarColor;
    } else {
        state.backColor = kScrollBarColor;
    }
    return state;
}

}  // namespace quotara
