#include "rehearsal.h"

#include <cstddef>

#include "handlers.h"

namespace quotara {
namespace {

// The window as plain state, every operation succeeding as on a window that works.
class WindowInMemory final : public FieldModel {
  public:
    WindowInMemory() {
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            fields_[i] = initialState(static_cast<Field>(i));
        }
    }

    std::optional<std::u16string> text(Field field) override { return at(field).text; }
    bool setText(Field field, std::u16string_view text) override {
        at(field).text = text;
        return true;
    }
    bool setEnabled(Field field, bool enabled) override {
        at(field).enabled = enabled;
        return true;
    }
    bool setBackColor(Field field, std::uint32_t color) override {
        at(field).backColor = color;
        return true;
    }
    std::optional<bool> value(Field field) override { return at(field).value; }
    bool setFocus(Field field) override { return at(field).enabled; }

    FieldState& at(Field field) { return fields_[static_cast<std::size_t>(field)]; }

  private:
    std::array<FieldState, kFieldCount> fields_;
};

class NoMessages final : public MessageService {
  public:
    void show(std::u16string_view, int, std::u16string_view) override {}
};

constexpr std::array<Field, 6> kResults = {Field::produce1, Field::produce2, Field::produce3,
                                           Field::produce4, Field::Text9,    Field::Text10};

}  // namespace

RehearsedResults rehearseFirstCalculation(char16_t decimalSeparator) {
    WindowInMemory window;
    NoMessages messages;
    const HandlerContext context{window, messages, decimalSeparator};

    // The handlers themselves, not runClick: a second caller would keep the page's optimized
    // link from inlining runClick into its click entry point, outside what Asyncify instruments.
    window.at(Field::Option4).value = true;
    static_cast<void>(Option4_Click(context));
    window.at(Field::texta).text = u"30";
    window.at(Field::Text1).text = u"60";
    window.at(Field::Text2).text = u"70";
    window.at(Field::Text3).text = u"80";
    window.at(Field::Text4).text = u"90";
    static_cast<void>(Command1_Click(context));

    RehearsedResults results;
    for (std::size_t i = 0; i < kResults.size(); ++i) {
        results[i] = window.at(kResults[i]).text;
    }
    static_cast<void>(Command2_Click(context));
    return results;
}

}  // namespace quotara
