// The window for handler tests: the in-memory field model, a message box that records what it
// would have shown, and clicks dispatched the way the real window dispatches them.
#pragma once

#include <string>
#include <vector>

#include "handlers.h"
#include "memory_field_model.h"

namespace quotara {

struct ShownMessage {
    std::u16string prompt;
    int style;
    std::u16string title;
    std::size_t callsBefore;  // field operations done before the box was shown
};

class RecordingMessages final : public MessageService {
  public:
    explicit RecordingMessages(const MemoryFieldModel& model) : model_(model) {}
    void show(std::u16string_view prompt, int style, std::u16string_view title) override {
        shown.push_back(
            {std::u16string(prompt), style, std::u16string(title), model_.calls().size()});
    }
    std::vector<ShownMessage> shown;

  private:
    const MemoryFieldModel& model_;
};

struct RecordingWindow {
    MemoryFieldModel fields;
    RecordingMessages messages{fields};
    HandlerContext context{fields, messages, u'.'};

    // The user picks a household count: the toolkit selects the button, then its Click runs.
    HandlerOutcome choose(int count) {
        EXPECT_TRUE(fields.click(optionFor(count)));
        return bound("Option" + std::to_string(count));
    }
    HandlerOutcome calculate() { return bound("Command1"); }
    HandlerOutcome clear() { return bound("Command2"); }

    void type(Field field, std::u16string_view text) { EXPECT_TRUE(fields.type(field, text)); }
    // Puts text into a field whatever its state, as an earlier run could have left it.
    void preset(Field field, std::u16string_view text) { EXPECT_TRUE(fields.setText(field, text)); }
    [[nodiscard]] const std::u16string& text(Field field) const { return fields.state(field).text; }

  private:
    HandlerOutcome bound(const std::string& control) {
        for (const ClickBinding& binding : kClickBindings) {
            if (binding.control == control) {
                return binding.handler(context);
            }
        }
        ADD_FAILURE() << control << " has no bound Click";
        return std::nullopt;
    }
};

}  // namespace quotara
