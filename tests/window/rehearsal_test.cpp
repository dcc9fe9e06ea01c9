#include <gtest/gtest.h>

#include "rehearsal.h"

namespace quotara {
namespace {

// A rehearsal stopped early (a warning, an entry not read as a number under the user's decimal
// separator) would leave most of a first 计算 uncompiled: it must reach the results.
TEST(Rehearsal, CalculatesTheWorkedExampleUnderEitherDecimalSeparator) {
    EXPECT_EQ(rehearseFirstCalculation(u'.'),
              (RehearsedResults{u"66", u"77", u"88", u"99", u"330", u"90.90909"}));
    EXPECT_EQ(rehearseFirstCalculation(u','),
              (RehearsedResults{u"66", u"77", u"88", u"99", u"330", u"90,90909"}));
}

}  // namespace
}  // namespace quotara
