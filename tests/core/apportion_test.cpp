#include "apportion.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <ostream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "float_bits.h"

namespace quotara {
namespace {

ApportionInputs floor(float core, std::initializer_list<float> usable) {
    ApportionInputs in;
    in.householdCount = static_cast<std::int16_t>(usable.size());
    in.coreArea = core;
    std::size_t i = 0;
    for (const float x : usable) {
        in.usableArea[i++] = x;
    }
    return in;
}

// Bit-for-bit comparison: 0.0f and -0.0f, or two NaNs, are told apart.
MATCHER_P(SameBits, expected, "") {
    return test::bitCast<std::uint32_t>(arg) == test::bitCast<std::uint32_t>(expected);
}

TEST(Apportion, TwoHouseholdsShareTheCoreByUsableArea) {
    const ApportionResult r = apportion(floor(25, {40, 60}));
    EXPECT_EQ(r.completed, 3);
    EXPECT_EQ(r.fault, ApportionFault::none);
    EXPECT_THAT(r.usableSum, SameBits(100.0f));
    EXPECT_THAT(r.buildingArea[0], SameBits(50.0f));
    EXPECT_THAT(r.buildingArea[1], SameBits(75.0f));
    EXPECT_THAT(r.totalArea, SameBits(125.0f));
    EXPECT_THAT(r.usageRate, SameBits(80.0f));
}

TEST(Apportion, FourHouseholdsGiveTheWorkedValuesBitForBit) {
    const ApportionResult r = apportion(floor(30, {60, 70, 80, 90}));
    EXPECT_EQ(r.completed, 3);
    EXPECT_THAT(r.buildingArea[0], SameBits(66.0f));
    EXPECT_THAT(r.buildingArea[1], SameBits(77.0f));
    EXPECT_THAT(r.buildingArea[2], SameBits(88.0f));
    EXPECT_THAT(r.buildingArea[3], SameBits(99.0f));
    EXPECT_THAT(r.totalArea, SameBits(330.0f));
    // 300 / 330 * 100 in double, rounded once to single.
    EXPECT_THAT(r.usageRate, SameBits(0x1.6ba2e8p+6f));
    for (std::size_t i = 4; i < 8; ++i) {
        EXPECT_THAT(r.buildingArea[i], SameBits(0.0f)) << "household " << i + 1;
    }
}

TEST(Apportion, WithoutCoreEveryHouseholdKeepsExactlyItsUsableArea) {
    const ApportionResult r = apportion(floor(0, {0.1f, 0.7f, 3.3f, 1e-3f, 12345.67f}));
    ASSERT_EQ(r.completed, 3);
    EXPECT_THAT(r.buildingArea[0], SameBits(0.1f));
    EXPECT_THAT(r.buildingArea[1], SameBits(0.7f));
    EXPECT_THAT(r.buildingArea[2], SameBits(3.3f));
    EXPECT_THAT(r.buildingArea[3], SameBits(1e-3f));
    EXPECT_THAT(r.buildingArea[4], SameBits(12345.67f));
    EXPECT_THAT(r.totalArea, SameBits(r.usableSum));
    EXPECT_THAT(r.usageRate, SameBits(100.0f));
}

TEST(Apportion, UsableSumIsRoundedToSingleAfterEveryAddition) {
    // 2^24 + 1 is not a single: each + 1 is lost, so the sum stays 2^24 rather than 2^24 + 2.
    const ApportionResult r = apportion(floor(0, {16777216.0f, 1.0f, 1.0f}));
    EXPECT_THAT(r.usableSum, SameBits(16777216.0f));
    EXPECT_THAT(r.totalArea, SameBits(16777216.0f));
    // The order of addition is part of the result: the small ones first do add up.
    EXPECT_THAT(apportion(floor(0, {1.0f, 1.0f, 16777216.0f})).usableSum, SameBits(16777218.0f));
}

TEST(Apportion, EntriesAboveTheHouseholdCountAreIgnored) {
    ApportionInputs in = floor(30, {60, 70, 80});
    in.usableArea[3] = 1000;
    in.usableArea[7] = -5;
    const ApportionResult r = apportion(in);
    EXPECT_THAT(r.usableSum, SameBits(210.0f));
    EXPECT_THAT(r.buildingArea[3], SameBits(0.0f));
    EXPECT_THAT(r.buildingArea[7], SameBits(0.0f));
}

TEST(Apportion, NegativeAreasAreComputedByTheSameRule) {
    const ApportionResult r = apportion(floor(-20, {40, 60}));
    EXPECT_EQ(r.completed, 3);
    EXPECT_THAT(r.buildingArea[0], SameBits(32.0f));
    EXPECT_THAT(r.buildingArea[1], SameBits(48.0f));
    EXPECT_THAT(r.totalArea, SameBits(80.0f));
    EXPECT_THAT(r.usageRate, SameBits(125.0f));
}

TEST(Apportion, TotalNearTheSingleLimitBecomesInfinityWithoutFault) {
    const ApportionResult r = apportion(floor(3e38f, {1e38f, 1e38f}));
    EXPECT_EQ(r.completed, 3);
    EXPECT_EQ(r.fault, ApportionFault::none);
    EXPECT_THAT(r.buildingArea[0], SameBits(2.5e38f));
    EXPECT_TRUE(std::isinf(r.totalArea) && r.totalArea > 0);
    EXPECT_THAT(r.usageRate, SameBits(40.0f));
}

// Which phase stops, and how, for inputs that fault.
struct FaultCase {
    const char* name;
    ApportionInputs inputs;
    ApportionFault fault;
    int completed;
};

// Listed by its name: GoogleTest would otherwise print the row's bytes, padding included, and
// the test listing would change from run to run.
void PrintTo(const FaultCase& row, std::ostream* out) {
    *out << row.name;
}

class ApportionFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ApportionFaults, StopAtFirstFaultKeepEarlierPhases) {
    const FaultCase& c = GetParam();
    const ApportionResult r = apportion(c.inputs);
    EXPECT_EQ(r.fault, c.fault);
    EXPECT_EQ(r.completed, c.completed);
    if (c.completed == 0) {
        for (const float y : r.buildingArea) {
            EXPECT_THAT(y, SameBits(0.0f)) << "no building area is reported";
        }
    }
}

ApportionInputs noHouseholds(float core) {
    ApportionInputs in;
    in.coreArea = core;
    in.usableArea = {1, 2, 3, 4, 5, 6, 7, 8};  // ignored with no count chosen
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    , ApportionFaults,
    ::testing::Values(
        FaultCase{"UsableAreasCancelWithCore", floor(10, {5, -5}), ApportionFault::divisionByZero,
                  0},
        FaultCase{"UsableAreasCancelWithoutCore", floor(0, {5, -5}),
                  ApportionFault::invalidOperation, 0},
        FaultCase{"AllUsableAreasZero", floor(10, {0, 0, 0}), ApportionFault::invalidOperation, 0},
        FaultCase{"FirstUsableAreaZeroOthersCancel", floor(10, {0, 5, -5}),
                  ApportionFault::invalidOperation, 0},
        FaultCase{"UsableSumOverflows", floor(0, {3e38f, 3e38f}), ApportionFault::overflow, 0},
        FaultCase{"UsableSumOverflowsAtTheLastHousehold",
                  floor(0, {1, 1, 1, 1, 1, 1, 3e38f, 3e38f}), ApportionFault::overflow, 0},
        // The first addition that leaves the range names the fault, whatever follows it.
        FaultCase{"SumOverflowsBeforeMinusInfinity",
                  floor(0, {3e38f, 3e38f, -std::numeric_limits<float>::infinity()}),
                  ApportionFault::overflow, 0},
        FaultCase{"UsableAreaNotANumber", floor(0, {1, std::numeric_limits<float>::quiet_NaN()}),
                  ApportionFault::invalidOperation, 0},
        FaultCase{"BuildingAreaTooLargeForSingle", floor(3e38f, {3e38f, 1}),
                  ApportionFault::overflow, 0},
        FaultCase{"LastBuildingAreaAloneTooLarge", floor(3e38f, {1, 1, 1, 1, 1, 1, 1, 3e38f}),
                  ApportionFault::overflow, 0},
        FaultCase{"CoreIsMinusTheUsableSum", floor(-100, {40, 60}), ApportionFault::divisionByZero,
                  2},
        FaultCase{"NoHouseholdsAndNoCore", noHouseholds(0), ApportionFault::invalidOperation, 2}),
    [](const ::testing::TestParamInfo<FaultCase>& param) { return param.param.name; });

TEST(Apportion, CoreEqualToMinusTheSumStillReportsBuildingAreasAndTotal) {
    const ApportionResult r = apportion(floor(-100, {40, 60}));
    EXPECT_THAT(r.buildingArea[0], SameBits(0.0f));
    EXPECT_THAT(r.buildingArea[1], SameBits(0.0f));
    EXPECT_THAT(r.totalArea, SameBits(0.0f));
}

TEST(Apportion, NoHouseholdsGivesTheCoreAsTotalAndZeroRate) {
    const ApportionResult r = apportion(noHouseholds(42));
    EXPECT_EQ(r.completed, 3);
    EXPECT_THAT(r.usableSum, SameBits(0.0f));
    EXPECT_THAT(r.totalArea, SameBits(42.0f));
    EXPECT_THAT(r.usageRate, SameBits(0.0f));
}

}  // namespace
}  // namespace quotara
