// Option2_Click … Option8_Click: one rule, opening the entries the chosen count needs.
#include "handlers.h"

namespace quotara {
namespace {

// All eight Enabled writes come before the first BackColor write, whatever the state before:
// the result depends on the count alone.
HandlerOutcome chooseHouseholdCount(const HandlerContext& context, int count) {
    for (int i = 1; i <= 8; ++i) {
        if (!context.fields.setEnabled(entryFor(i), i <= count)) {
            return FieldFault{entryFor(i), FieldOp::setEnabled};
        }
    }
    for (int i = 1; i <= 8; ++i) {
        const std::uint32_t color = i <= count ? kWindowBackgroundColor : kMenuBarColor;
        if (!context.fields.setBackColor(entryFor(i), color)) {
            return FieldFault{entryFor(i), FieldOp::setBackColor};
        }
    }
    return std::nullopt;
}

}  // namespace

HandlerOutcome Option2_Click(const HandlerContext& context) {
    return chooseHouseholdCount(context, 2);
}
HandlerOutcome Option3_Click(const HandlerContext& context) {
    return chooseHouseholdCount(context, 3);
}
HandlerOutcome Option4_Click(const HandlerContext& context) {
    return chooseHouseholdCount(context, 4);
}
HandlerOutcome Option5_Click(const HandlerContext& context) {
    return chooseHouseholdCount(context, 5);
}
HandlerOutcome Option6_Click(const HandlerContext& context) {
    return chooseHouseholdCount(context, 6);
}
HandlerOutcome Option7_Click(const HandlerContext& context) {
    return chooseHouseholdCount(context, 7);
}
HandlerOutcome Option8_Click(const HandlerContext& context) {
    return chooseHouseholdCount(context, 8);
}

}  // namespace quotara
