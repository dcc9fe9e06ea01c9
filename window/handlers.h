// The window's nine click handlers: Calculate, Clear and the seven household-count buttons.
// They work only through the field model and the message service, and hand a failed field
// operation back to the dispatcher as a value.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "field_model.h"
#include "message_service.h"

namespace quotara {

struct HandlerContext {
    FieldModel& fields;
    MessageService& messages;
    char16_t decimalSeparator = u'.';  // the user's locale's
};

// Empty when the handler ran to its end; otherwise the field operation it stopped at.
using HandlerOutcome = std::optional<FieldFault>;

[[nodiscard]] HandlerOutcome Command1_Click(const HandlerContext& context);
[[nodiscard]] HandlerOutcome Command2_Click(const HandlerContext& context);
[[nodiscard]] HandlerOutcome Option2_Click(const HandlerContext& context);
[[nodiscard]] HandlerOutcome Option3_Click(const HandlerContext& context);
[[nodiscard]] HandlerOutcome Option4_Click(const HandlerContext& context);
[[nodiscard]] HandlerOutcome Option5_Click(const HandlerContext& context);
[[nodiscard]] HandlerOutcome Option6_Click(const HandlerContext& context);
[[nodiscard]] HandlerOutcome Option7_Click(const HandlerContext& context);
[[nodiscard]] HandlerOutcome Option8_Click(const HandlerContext& context);

// The only (control, Click) pairs that run program code. A household-count button's Click is
// its becoming chosen, whichever way: a click, Space, an arrow key or a screen reader's action.
struct ClickBinding {
    std::string_view control;
    HandlerOutcome (*handler)(const HandlerContext&);
    bool whenChosen;  // a count button: runs as it becomes chosen, not as it is clicked again
};
extern const std::array<ClickBinding, 9> kClickBindings;

// Where the keyboard focus stands as the window opens: on the first household-count button, the
// first thing to do, without choosing it. The window opens with no count chosen.
inline constexpr Field kFirstFocus = Field::Option2;

// Runs a bound click as the window does. A field operation the handler stopped at is told to
// the user in a warning; the window and everything typed into it stay as they are.
void runClick(const ClickBinding& binding, const HandlerContext& context);

// Tells the user of the field operation an action stopped at, if it stopped at one, in the
// words runClick uses.
void reportOutcome(const HandlerContext& context, const HandlerOutcome& outcome);

// What the user is told, in the window's language.
inline constexpr std::u16string_view kNotANumberPrompt = u"请输入数字！！";
inline constexpr std::u16string_view kTooLargePrompt = u"输入的数字太大，无法计算！！";
inline constexpr std::u16string_view kDivisionByZeroPrompt =
    u"计算出错：除数为零。请检查各户使用面积之和与总面积是否为零。";
inline constexpr std::u16string_view kOverflowPrompt = u"计算出错：结果太大，超出了可计算的范围。";
inline constexpr std::u16string_view kInvalidOperationPrompt =
    u"计算出错：零除以零，无法计算。请检查各户使用面积之和与总面积是否为零。";

}  // namespace quotara
