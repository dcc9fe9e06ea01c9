#include "apportion.h"

#include <cmath>

namespace quotara {
namespace {

// Faults are decided from operands and results, never from the floating-point status flags,
// so that they do not depend on what earlier code left in the flags or on trapping modes.
// Every conversion below is written out: a double rounded to float is always a static_cast.

// A non-zero divided by zero, or zero by zero: the two cases differ only in the dividend.
ApportionFault divisionFault(double dividend) {
    return dividend == 0.0 || std::isnan(dividend) ? ApportionFault::invalidOperation
                                                   : ApportionFault::divisionByZero;
}

ApportionFault resultFault(double value) {
    if (std::isnan(value)) {
        return ApportionFault::invalidOperation;
    }
    if (std::isinf(value)) {
        return ApportionFault::overflow;
    }
    return ApportionFault::none;
}

// The fault of the first addition whose rounded sum is no longer a finite single.
ApportionFault firstSumFault(const ApportionInputs& inputs, int count) {
    float sum = 0.0f;
    for (int i = 0; i < count; ++i) {
        sum = static_cast<float>(sum + inputs.usableArea[static_cast<std::size_t>(i)]);
        if (const ApportionFault fault = resultFault(static_cast<double>(sum));
            fault != ApportionFault::none) {
            return fault;
        }
    }
    return ApportionFault::none;
}

}  // namespace

float usableAreaSum(const ApportionInputs& inputs) noexcept {
    // A single-precision addition is correctly rounded; where a platform evaluates it wider
    // (x87), the cast rounds it back and the result is the same, as the wider format holds the
    // exact sum closely enough (at least 2 * 24 + 2 bits) for a second rounding to be harmless.
    float sum = 0.0f;
    for (int i = 0; i < inputs.householdCount; ++i) {
        sum = static_cast<float>(sum + inputs.usableArea[static_cast<std::size_t>(i)]);
    }
    return sum;
}

ApportionResult apportion(const ApportionInputs& inputs) noexcept {
    ApportionResult result;
    const int count = inputs.householdCount < 0 ? 0 : inputs.householdCount;
    const double a = static_cast<double>(inputs.coreArea);

    // Phase 1a: the usable sum, rounded to single after each addition.
    const float sum = usableAreaSum(inputs);
    // Once a sum is infinite or NaN it stays so, so one test after the loop finds every fault;
    // only then is the addition that caused it looked for, since its kind names the fault.
    // (A test after every addition costs a quarter of the whole calculation.)
    if (!std::isfinite(sum)) {
        result.fault = firstSumFault(inputs, count);
        return result;
    }
    const double s = static_cast<double>(sum);

    // Phase 1b: building areas, reported only if all of them succeed. With S = 0 the first
    // household already divides by zero; otherwise the first non-finite area is the fault.
    if (count > 0 && s == 0.0) {
        result.fault = divisionFault((a + s) * static_cast<double>(inputs.usableArea[0]));
        return result;
    }
    std::array<float, kMaxHouseholds> building{};
    const double t = a + s;
    bool allFinite = true;
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const double u = t * static_cast<double>(inputs.usableArea[at]);
        const double v = u / s;
        building[at] = static_cast<float>(v);
        allFinite = allFinite && std::isfinite(building[at]);
    }
    for (int i = 0; !allFinite && i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (const ApportionFault fault = resultFault(static_cast<double>(building[at]));
            fault != ApportionFault::none) {
            result.fault = fault;
            return result;
        }
    }
    result.usableSum = sum;
    result.buildingArea = building;
    result.completed = 1;

    // Phase 2: the total area, computed afresh from A and S rather than from the building
    // areas. Its rounding to single has no overflow test: near the single range's limit it
    // may become an infinity, which the caller shows as such.
    const double total = a + s;
    if (const ApportionFault fault = resultFault(total); fault != ApportionFault::none) {
        result.fault = fault;
        return result;
    }
    result.totalArea = static_cast<float>(total);
    result.completed = 2;

    // Phase 3: the usage rate, with the single-precision constant 100; t is A + S as above.
    if (t == 0.0) {
        result.fault = divisionFault(s);
        return result;
    }
    const double q = s / t;
    const double r = q * static_cast<double>(100.0f);
    if (const ApportionFault fault = resultFault(r); fault != ApportionFault::none) {
        result.fault = fault;
        return result;
    }
    result.usageRate = static_cast<float>(r);
    result.completed = 3;
    return result;
}

}  // namespace quotara
