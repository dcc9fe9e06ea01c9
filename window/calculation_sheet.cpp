#include "calculation_sheet.h"

#include <cmath>
#include <utility>

#include "number_text.h"

namespace quotara {

Step<CalculationSheet> calculationSheet(const HandlerContext& context,
                                        std::u16string_view dateTime) {
    const Step<EntriesRead> entries = readEntries(context);
    if (const auto* stopped = std::get_if<Stopped>(&entries)) {
        return *stopped;
    }
    const EntriesRead& read = std::get<EntriesRead>(entries);
    const ApportionInputs& inputs = read.inputs;
    const ApportionResult result = apportion(inputs);
    const auto text = [&context](float value) {
        return singleToText(value, context.decimalSeparator);
    };

    CalculationSheet sheet;
    sheet.dateTime = dateTime;
    for (int i = 0; i < read.households; ++i) {
        const float usable = inputs.usableArea[static_cast<std::size_t>(i)];
        SheetHousehold& row = sheet.households.emplace_back();
        row.usableArea = text(usable);
        if (result.completed >= 1) {
            const float building = result.buildingArea[static_cast<std::size_t>(i)];
            row.buildingArea = text(building);
            // The difference of two singles is exact in double: one rounding in all.
            row.share = text(
                static_cast<float>(static_cast<double>(building) - static_cast<double>(usable)));
        }
    }

    // S as apportion() sums it; its fault, if any, has already stopped everything after it.
    const float sum = usableAreaSum(inputs);
    if (std::isfinite(sum)) {
        sheet.usableSum = text(sum);
        if (sum != 0.0f) {
            sheet.coefficient = text(static_cast<float>(static_cast<double>(inputs.coreArea) /
                                                        static_cast<double>(sum)));
        }
    }
    sheet.coreArea = text(inputs.coreArea);
    if (result.completed >= 2) {
        sheet.totalArea = text(result.totalArea);
    }
    if (result.completed >= 3) {
        sheet.usageRate = text(result.usageRate);
    }
    if (result.fault != ApportionFault::none) {
        sheet.fault = faultPrompt(result.fault);
    }
    return sheet;
}

std::optional<CalculationSheet> sheetForCommand(const HandlerContext& context,
                                                std::u16string_view dateTime) {
    Step<CalculationSheet> step = calculationSheet(context, dateTime);
    if (auto* stopped = std::get_if<Stopped>(&step)) {
        reportOutcome(context, stopped->outcome);
        return std::nullopt;
    }
    return std::get<CalculationSheet>(std::move(step));
}

}  // namespace quotara
