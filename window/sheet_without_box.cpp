// The calculation sheet for a print that cannot wait for a box (the browser's own print menu):
// the reading of calculationSheet, with the warning and the focus caught on the way.
#include <utility>

#include "calculation_sheet.h"

namespace quotara {
namespace {

// Reads through to the window; writes nothing and moves no focus, but notes the last entry
// read (the one a warning is about: each is read just before it is tested) and where the
// focus would have gone.
class ReadOnlyFields final : public FieldModel {
  public:
    explicit ReadOnlyFields(FieldModel& fields) : fields_(fields) {}

    std::optional<std::u16string> text(Field field) override {
        lastRead = field;
        return fields_.text(field);
    }
    bool setText(Field, std::u16string_view) override { return false; }
    bool setEnabled(Field, bool) override { return false; }
    bool setBackColor(Field, std::uint32_t) override { return false; }
    std::optional<bool> value(Field field) override { return fields_.value(field); }
    bool setFocus(Field field) override {
        focus = field;
        return true;
    }

    std::optional<Field> lastRead;
    std::optional<Field> focus;

  private:
    FieldModel& fields_;
};

// Keeps the first prompt instead of showing it.
class CaughtMessages final : public MessageService {
  public:
    void show(std::u16string_view prompt, int, std::u16string_view) override {
        if (caught.empty()) {
            caught = prompt;
        }
    }
    std::u16string caught;
};

}  // namespace

std::variant<CalculationSheet, SheetProblem> calculationSheetWithoutBox(
    FieldModel& fields, char16_t decimalSeparator, std::u16string_view dateTime) {
    ReadOnlyFields readOnly(fields);
    CaughtMessages messages;
    const HandlerContext context{readOnly, messages, decimalSeparator};
    Step<CalculationSheet> step = calculationSheet(context, dateTime);
    if (auto* sheet = std::get_if<CalculationSheet>(&step)) {
        return std::move(*sheet);
    }
    const Stopped& stopped = std::get<Stopped>(step);
    if (stopped.outcome) {
        // A failed field operation: its message names the control.
        reportOutcome(context, stopped.outcome);
        return SheetProblem{std::move(messages.caught), std::nullopt, std::nullopt};
    }
    return SheetProblem{std::move(messages.caught), readOnly.lastRead, readOnly.focus};
}

}  // namespace quotara
