// Apportionment of a floor's shared core area among its households, in proportion to their
// usable areas. Pure arithmetic with fixed precision rules: no toolkit, no I/O.
#pragma once

#include <array>
#include <cstdint>

namespace quotara {

inline constexpr int kMaxHouseholds = 8;

struct ApportionInputs {
    std::int16_t householdCount = 0;  // 0 while no count is chosen, else 2 to 8; never above 8
    float coreArea = 0.0f;
    std::array<float, kMaxHouseholds> usableArea{};  // only the first householdCount take part
};

enum class ApportionFault { none, divisionByZero, overflow, invalidOperation };

struct ApportionResult {
    float usableSum = 0.0f;
    std::array<float, kMaxHouseholds> buildingArea{};  // entries above householdCount stay 0
    float totalArea = 0.0f;
    float usageRate = 0.0f;  // a percentage
    // Phases finished: 1 = building areas valid, 2 = total area too, 3 = usage rate too.
    int completed = 0;
    ApportionFault fault = ApportionFault::none;
};

// The usable areas of the first householdCount households summed in single precision, rounded
// after every addition, in household order: the S of apportion(). Infinite or NaN once a sum
// leaves the single range.
[[nodiscard]] float usableAreaSum(const ApportionInputs& inputs) noexcept;

// Sums the usable areas in single precision (rounded after every addition, in household
// order), then computes each building area (A + S) * x / S, the total area A + S and the usage
// rate S / (A + S) * 100 in double precision, each rounded once to single. Bit-exact on every
// platform. Faults stop the calculation; the phases completed before it stay valid.
[[nodiscard]] ApportionResult apportion(const ApportionInputs& inputs) noexcept;

}  // namespace quotara
