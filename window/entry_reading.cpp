#include "entry_reading.h"

#include "number_text.h"

namespace quotara {
namespace {

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

}  // namespace

Step<EntriesRead> readEntries(const HandlerContext& context) {
    EntriesRead read;
    const Step<std::int16_t> count = readHouseholdCount(context.fields);
    if (const auto* stopped = std::get_if<Stopped>(&count)) {
        return *stopped;
    }
    read.inputs.householdCount = std::get<std::int16_t>(count);

    const Step<float> core = readEntry(context, Field::texta, read.inputs.householdCount);
    if (const auto* stopped = std::get_if<Stopped>(&core)) {
        return *stopped;
    }
    read.inputs.coreArea = std::get<float>(core);

    read.households = read.inputs.householdCount < 2 ? 2 : read.inputs.householdCount;
    for (int i = 1; i <= read.households; ++i) {
        const Step<float> usable = readEntry(context, entryFor(i), read.inputs.householdCount);
        if (const auto* stopped = std::get_if<Stopped>(&usable)) {
            return *stopped;
        }
        read.inputs.usableArea[static_cast<std::size_t>(i - 1)] = std::get<float>(usable);
    }
    return read;
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

}  // namespace quotara
