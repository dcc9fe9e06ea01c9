// The window seen as data: its 26 fields and the six operations the click handlers use on them.
// The handlers touch the window only through this interface, so that they run unchanged on the
// real widgets and on the in-memory model of the tests.
//
// Data flow: the user types into entries and picks a household count in the real window; a
// click runs a handler (handlers.h), which reads the entries through FieldModel, converts them
// (number_text.h), apportions (core/apportion.h) and writes the results back through FieldModel.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quotara {

enum class Field : std::uint8_t {
    Option2,
    Option3,
    Option4,
    Option5,
    Option6,
    Option7,
    Option8,
    texta,
    Text1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    produce1,
    produce2,
    produce3,
    produce4,
    produce5,
    produce6,
    produce7,
    produce8,
    Text9,
    Text10,
};
inline constexpr int kFieldCount = 26;

// Control names double as the widgets' object names.
[[nodiscard]] std::string_view fieldName(Field field);
[[nodiscard]] std::optional<Field> fieldNamed(std::string_view name);
[[nodiscard]] bool isOptionButton(Field field);
// produce1 … produce8, Text9 and Text10: the fields the Calculate command writes.
[[nodiscard]] bool isResultField(Field field);

// The option button for household count n (2 to 8), the entry and the result of household i
// (1 to 8).
[[nodiscard]] Field optionFor(int count);
[[nodiscard]] Field entryFor(int household);
[[nodiscard]] Field resultFor(int household);

// System colours, stored as the platform encodes them: the colour index with the high bit set.
enum SystemColor : std::uint32_t {
    kScrollBarColor = 0x80000000u,         // the window, the result fields and Command1
    kMenuBarColor = 0x80000004u,           // an entry not in use
    kWindowBackgroundColor = 0x80000005u,  // an entry in use
};

enum class FieldOp { readText, writeText, setEnabled, setBackColor, readValue, setFocus };

// A field operation that reported failure: which field, which operation.
struct FieldFault {
    Field field;
    FieldOp op;
    friend bool operator==(const FieldFault&, const FieldFault&) = default;
};

// Text fields take every operation but readValue; option buttons take readValue and setFocus.
// Each operation reports success or failure; callers look at every outcome.
class FieldModel {
  public:
    virtual ~FieldModel() = default;

    [[nodiscard]] virtual std::optional<std::u16string> text(Field field) = 0;
    [[nodiscard]] virtual bool setText(Field field, std::u16string_view text) = 0;
    [[nodiscard]] virtual bool setEnabled(Field field, bool enabled) = 0;
    [[nodiscard]] virtual bool setBackColor(Field field, std::uint32_t color) = 0;
    [[nodiscard]] virtual std::optional<bool> value(Field field) = 0;
    // Fails on a disabled field, which cannot take the keyboard focus.
    [[nodiscard]] virtual bool setFocus(Field field) = 0;
};

// The state of one field as the window is created.
struct FieldState {
    std::u16string text;
    bool enabled = true;
    std::uint32_t backColor = 0;  // 0 for option buttons: they keep the toolkit's colours
    bool value = false;
};

[[nodiscard]] FieldState initialState(Field field);

}  // namespace quotara
