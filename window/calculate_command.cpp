// Command1_Click: read the household count and the entries, apportion, write the results.
#include "entry_reading.h"
#include "number_text.h"

namespace quotara {
namespace {

HandlerOutcome write(const HandlerContext& context, Field field, float number) {
    if (!context.fields.setText(field, singleToText(number, context.decimalSeparator))) {
        return FieldFault{field, FieldOp::writeText};
    }
    return std::nullopt;
}

}  // namespace

HandlerOutcome Command1_Click(const HandlerContext& context) {
    const Step<EntriesRead> entries = readEntries(context);
    if (const auto* stopped = std::get_if<Stopped>(&entries)) {
        return stopped->outcome;
    }
    const EntriesRead& read = std::get<EntriesRead>(entries);

    const ApportionResult result = apportion(read.inputs);
    if (result.completed >= 1) {
        for (int i = 1; i <= read.households; ++i) {
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
