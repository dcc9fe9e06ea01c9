// Command1_Click: read the household count and the entries, apportion, write the results.
#include <variant>

#include "apportion.h"
#include "handlers.h"
#include "number_text.h"

namespace quotara {
namespace {

// A step either yields its value or stops the command: with a field fault for the dispatcher,
// or with nothing when the user has already been told.
struct Stopped {
    HandlerOutcome outcome;
};
template <typename T>
using Step = std::variant<T, Stopped>;

Step<std::int16_t> readHouseholdCount(FieldModel& fields) {
    std::int16_t count = 0;
    for (std::int16_t n = 2; n <= kMaxHouseholds; ++n) {
        const std::optional<bool> selected = fields.value(optionFor(n));
        if (!selected) {
            return Stopped{FieldFault{optionFor(n), FieldOp::readValue}};
        }
        if (*selected) {
            count = n;
        }
    }
    return count;
}

// Shows the warning, then puts the focus where the user can act on it. With no household count
// chosen every household entry is still disabled, so the focus goes to the count buttons
// instead, without choosing one.
Stopped warnOn(const HandlerContext& context, Field field, std::int16_t count,
               std::u16string_view prompt) {
    context.messages.show(prompt, kWarningStyle, u"");
    const Field target = (count == 0 && field != Field::texta) ? Field::Option2 : field;
    if (!context.fields.setFocus(target)) {
        return Stopped{FieldFault{target, FieldOp::setFocus}};
    }
    return Stopped{};
}

Step<float> readEntry(const HandlerContext& context, Field field, std::int16_t count) {
    // The text is read once for the test and once for the conversion.
    const std::optional<std::u16string> tested = context.fields.text(field);
    if (!tested) {
        return Stopped{FieldFault{field, FieldOp::readText}};
    }
    if (!isNumeric(*tested, context.decimalSeparator)) {
        return warnOn(context, field, count, kNotANumberPrompt);
    }
    const std::optional<std::u16string> converted = context.fields.text(field);
    if (!converted) {
        return Stopped{FieldFault{field, FieldOp::readText}};
    }
    const SingleConversion number = textToSingle(*converted, context.decimalSeparator);
    switch (number.status) {
        case ConversionStatus::converted:
            return number.value;
        case ConversionStatus::outOfRange:
            return warnOn(context, field, count, kTooLargePrompt);
        case ConversionStatus::notNumeric:
            break;
    }
    return warnOn(context, field, count, kNotANumberPrompt);
}

HandlerOutcome write(const HandlerContext& context, Field field, float number) {
    if (!context.fields.setText(field, singleToText(number, context.decimalSeparator))) {
        return FieldFault{field, FieldOp::writeText};
    }
    return std::nullopt;
}

std::u16string_view faultPrompt(ApportionFault fault) {
    switch (fault) {
        case ApportionFault::divisionByZero:
            return kDivisionByZeroPrompt;
        case ApportionFault::overflow:
            return kOverflowPrompt;
        case ApportionFault::invalidOperation:
        case ApportionFault::none:
            break;
    }
    return kInvalidOperationPrompt;
}

}  // namespace

HandlerOutcome Command1_Click(const HandlerContext& context) {
    ApportionInputs inputs;
    const Step<std::int16_t> count = readHouseholdCount(context.fields);
    if (const auto* stopped = std::get_if<Stopped>(&count)) {
        return stopped->outcome;
    }
    inputs.householdCount = std::get<std::int16_t>(count);

    const Step<float> core = readEntry(context, Field::texta, inputs.householdCount);
    if (const auto* stopped = std::get_if<Stopped>(&core)) {
        return stopped->outcome;
    }
    inputs.coreArea = std::get<float>(core);

    // Households 1 and 2 are always read, whatever the count.
    const int households = inputs.householdCount < 2 ? 2 : inputs.householdCount;
    for (int i = 1; i <= households; ++i) {
        const Step<float> usable = readEntry(context, entryFor(i), inputs.householdCount);
        if (const auto* stopped = std::get_if<Stopped>(&usable)) {
            return stopped->outcome;
        }
        inputs.usableArea[static_cast<std::size_t>(i - 1)] = std::get<float>(usable);
    }

    const ApportionResult result = apportion(inputs);
    if (result.completed >= 1) {
        for (int i = 1; i <= households; ++i) {
            const float area = result.buildingArea[static_cast<std::size_t>(i - 1)];
            if (HandlerOutcome fault = write(context, resultFor(i), area)) {
                return fault;
            }
        }
    }
    if (result.completed >= 2) {
        if (HandlerOutcome fault = write(context, Field::Text9, result.totalArea)) {
            return fault;
        }
    }
    if (result.completed >= 3) {
        if (HandlerOutcome fault = write(context, Field::Text10, result.usageRate)) {
            return fault;
        }
    }
    if (result.fault != ApportionFault::none) {
        context.messages.show(faultPrompt(result.fault), kWarningStyle, u"");
    }
    return std::nullopt;
}

}  // namespace quotara
