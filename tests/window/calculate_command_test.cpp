#include <ostream>

#include <gtest/gtest.h>

#include "number_text.h"
#include "recording_window.h"

namespace quotara {
namespace {

using Call = MemoryFieldModel::Call;

// What the user reads when the usable areas add up to zero.
constexpr std::u16string_view kZeroDivisor =
    u"计算出错：除数为零。请检查各户使用面积之和与总面积是否为零。";

class Calculate : public ::testing::Test {
  protected:
    // Chooses `count` and types the core area and one usable area per household.
    void fill(int count, std::u16string_view core,
              std::initializer_list<std::u16string_view> usable) {
        ASSERT_EQ(w.choose(count), std::nullopt);
        w.type(Field::texta, core);
        int i = 1;
        for (const std::u16string_view text : usable) {
            w.type(entryFor(i++), text);
        }
    }
    void presetResults(std::u16string_view text) {
        for (int i = 1; i <= 8; ++i) {
            w.preset(resultFor(i), text);
        }
        w.preset(Field::Text9, text);
        w.preset(Field::Text10, text);
    }
    void expectWarningWithFocusOn(Field field, std::u16string_view prompt = u"请输入数字！！") {
        ASSERT_EQ(w.messages.shown.size(), 1u);
        EXPECT_EQ(w.messages.shown[0].prompt, prompt);
        EXPECT_EQ(w.messages.shown[0].style, 48);
        EXPECT_EQ(w.messages.shown[0].title, u"");
        EXPECT_EQ(w.fields.focus(), field);
        // The focus moves only after the box has been closed.
        EXPECT_EQ(w.fields.calls().back(), (Call{FieldOp::setFocus, field}));
        EXPECT_EQ(w.messages.shown[0].callsBefore, w.fields.calls().size() - 1);
    }
    void expectResultsUntouched() {
        for (int i = 1; i <= 8; ++i) {
            EXPECT_EQ(w.text(resultFor(i)), u"old") << "produce" << i;
        }
        EXPECT_EQ(w.text(Field::Text9), u"old");
        EXPECT_EQ(w.text(Field::Text10), u"old");
    }
    RecordingWindow w;
};

TEST_F(Calculate, FourHouseholdsShowBuildingAreasTotalAndUsageRate) {
    fill(4, u"30", {u"60", u"70", u"80", u"90"});
    presetResults(u"old");
    w.fields.clearCalls();
    ASSERT_EQ(w.calculate(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce1), u"66");
    EXPECT_EQ(w.text(Field::produce2), u"77");
    EXPECT_EQ(w.text(Field::produce3), u"88");
    EXPECT_EQ(w.text(Field::produce4), u"99");
    EXPECT_EQ(w.text(Field::Text9), u"330");
    EXPECT_EQ(w.text(Field::Text10), u"90.90909");
    EXPECT_EQ(w.text(Field::produce5), u"old") << "results above the count keep their text";
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_EQ(w.fields.focus(), Field::Text4) << "the focus stays where it was";
}

TEST_F(Calculate, ReadsCountThenEachEntryTwiceInOrderAndNothingAboveTheCount) {
    fill(3, u"30", {u"60", u"70", u"80"});
    w.preset(Field::Text4, u"letters");  // typed while eight households were chosen
    w.fields.clearCalls();
    ASSERT_EQ(w.calculate(), std::nullopt);
    std::vector<Call> reads;
    for (const Call& call : w.fields.calls()) {
        if (call.op == FieldOp::readText || call.op == FieldOp::readValue) {
            reads.push_back(call);
        }
    }
    const std::vector<Call> expected = {
        {FieldOp::readValue, Field::Option2}, {FieldOp::readValue, Field::Option3},
        {FieldOp::readValue, Field::Option4}, {FieldOp::readValue, Field::Option5},
        {FieldOp::readValue, Field::Option6}, {FieldOp::readValue, Field::Option7},
        {FieldOp::readValue, Field::Option8}, {FieldOp::readText, Field::texta},
        {FieldOp::readText, Field::texta},    {FieldOp::readText, Field::Text1},
        {FieldOp::readText, Field::Text1},    {FieldOp::readText, Field::Text2},
        {FieldOp::readText, Field::Text2},    {FieldOp::readText, Field::Text3},
        {FieldOp::readText, Field::Text3},
    };
    EXPECT_EQ(reads, expected);
    EXPECT_TRUE(w.messages.shown.empty()) << "Text4 is above the count and never tested";
}

TEST_F(Calculate, EntriesWithSurroundingSpacesAndFullWidthDigitsAreNumbers) {
    fill(2, u"  25 ", {u"\u3000４０", u"6e1"});
    ASSERT_EQ(w.calculate(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce1), u"50");
    EXPECT_EQ(w.text(Field::produce2), u"75");
    EXPECT_EQ(w.text(Field::Text10), u"80");
}

TEST_F(Calculate, CommaLocaleReadsAndWritesCommaDecimals) {
    w.context.decimalSeparator = u',';
    fill(2, u"0", {u"12,5", u"7,25"});
    ASSERT_EQ(w.calculate(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce1), u"12,5");
    EXPECT_EQ(w.text(Field::Text9), u"19,75");
}

TEST_F(Calculate, ZeroCoreGivesUsableAreasBackAndFullUsage) {
    fill(3, u"0", {u"10.5", u"20", u"0.1"});
    ASSERT_EQ(w.calculate(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce1), u"10.5");
    EXPECT_EQ(w.text(Field::produce3), u"0.1");
    EXPECT_EQ(w.text(Field::Text10), u"100");
}

TEST_F(Calculate, EmptySecondEntryWarnsAndFocusesItWithoutWritingResults) {
    fill(2, u"30", {u"60", u""});
    presetResults(u"old");
    ASSERT_EQ(w.calculate(), std::nullopt);
    expectWarningWithFocusOn(Field::Text2);
    expectResultsUntouched();
    EXPECT_EQ(w.text(Field::Text1), u"60") << "entries already tested keep their text";
}

TEST_F(Calculate, OnlyTheFirstBadEntryIsReported) {
    fill(2, u"abc", {u"", u""});
    ASSERT_EQ(w.calculate(), std::nullopt);
    expectWarningWithFocusOn(Field::texta);
}

TEST_F(Calculate, NumberBeyondSingleRangeWarnsTooLargeAndWritesNothing) {
    fill(3, u"30", {u"60", u"-1e39", u"80"});
    presetResults(u"old");
    ASSERT_EQ(w.calculate(), std::nullopt);
    expectWarningWithFocusOn(Field::Text2, u"输入的数字太大，无法计算！！");
    expectResultsUntouched();
}

TEST_F(Calculate, WithoutHouseholdCountWarnsThenPointsAtTheCountButtons) {
    w.type(Field::texta, u"30");
    ASSERT_EQ(w.calculate(), std::nullopt);
    expectWarningWithFocusOn(Field::Option2);
    for (int n = 2; n <= 8; ++n) {
        EXPECT_FALSE(w.fields.state(optionFor(n)).value) << "no count gets chosen for the user";
    }
}

TEST_F(Calculate, WithoutHouseholdCountAnEmptyCoreIsStillTheOneReported) {
    ASSERT_EQ(w.calculate(), std::nullopt);
    expectWarningWithFocusOn(Field::texta);
}

TEST_F(Calculate, UsableAreasAddingUpToZeroWarnDivisionFaultAndWriteNothing) {
    fill(2, u"10", {u"5", u"-5"});
    presetResults(u"old");
    ASSERT_EQ(w.calculate(), std::nullopt);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].prompt, kZeroDivisor);
    EXPECT_EQ(w.messages.shown[0].style, 48);
    expectResultsUntouched();
}

TEST_F(Calculate, AllZeroUsableAreasWarnInvalidOperation) {
    fill(2, u"10", {u"0", u"0"});
    ASSERT_EQ(w.calculate(), std::nullopt);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].prompt,
              u"计算出错：零除以零，无法计算。请检查各户使用面积之和与总面积是否为零。");
}

TEST_F(Calculate, CoreMinusTheUsableSumWritesAreasAndTotalThenWarns) {
    fill(2, u"-100", {u"40", u"60"});
    presetResults(u"old");
    ASSERT_EQ(w.calculate(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce1), u"0");
    EXPECT_EQ(w.text(Field::produce2), u"0");
    EXPECT_EQ(w.text(Field::Text9), u"0");
    EXPECT_EQ(w.text(Field::Text10), u"old");
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].prompt, kZeroDivisor);
    EXPECT_EQ(w.messages.shown[0].callsBefore, w.fields.calls().size())
        << "the warning comes after the completed results are written";
}

// One household's area large, the others small: the sum stays finite, that household's building
// area does not. Wherever it sits, even last, nothing is written and the warning names overflow.
TEST_F(Calculate, BuildingAreaBeyondSingleRangeAtAnyHouseholdWarnsOverflowAndWritesNothing) {
    std::size_t warnings = 0;
    for (const int large : {1, 4, 8}) {
        SCOPED_TRACE(large);
        fill(8, u"3e38", {u"1", u"1", u"1", u"1", u"1", u"1", u"1", u"1"});
        w.type(entryFor(large), u"3e38");
        presetResults(u"old");
        ASSERT_EQ(w.calculate(), std::nullopt);
        ASSERT_EQ(w.messages.shown.size(), ++warnings);
        EXPECT_EQ(w.messages.shown.back().prompt, u"计算出错：结果太大，超出了可计算的范围。");
        expectResultsUntouched();
    }
}

TEST_F(Calculate, InfiniteTotalShowsTheOverflowMark) {
    fill(2, u"3e38", {u"1e38", u"1e38"});
    ASSERT_EQ(w.calculate(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce1), u"2.5E+38");
    EXPECT_EQ(w.text(Field::Text9), kOverflowMark);
    EXPECT_EQ(w.text(Field::Text10), u"40");
}

// A failed field operation stops the command where it happened and is handed back.
struct InjectedFailure {
    const char* name;
    FieldOp op;
    Field field;
    int occurrence;
};

// Listed by its name: GoogleTest would otherwise print the row's bytes, padding included, and
// the test listing would change from run to run.
void PrintTo(const InjectedFailure& row, std::ostream* out) {
    *out << row.name;
}

class CalculateStopsAtFailure : public Calculate,
                                public ::testing::WithParamInterface<InjectedFailure> {};

TEST_P(CalculateStopsAtFailure, AndReportsTheFailedOperation) {
    fill(4, u"30", {u"60", u"70", u"80", u"90"});
    presetResults(u"old");
    const InjectedFailure failure = GetParam();
    w.fields.failOn(failure.op, failure.field, failure.occurrence);
    w.fields.clearCalls();
    EXPECT_EQ(w.calculate(), (FieldFault{failure.field, failure.op}));
    EXPECT_EQ(w.fields.calls().back(), (Call{failure.op, failure.field}));
    EXPECT_TRUE(w.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    , CalculateStopsAtFailure,
    ::testing::Values(InjectedFailure{"ReadingOption5", FieldOp::readValue, Field::Option5, 1},
                      InjectedFailure{"TestingTexta", FieldOp::readText, Field::texta, 1},
                      InjectedFailure{"ConvertingText3", FieldOp::readText, Field::Text3, 2},
                      InjectedFailure{"WritingProduce3", FieldOp::writeText, Field::produce3, 1},
                      InjectedFailure{"WritingText10", FieldOp::writeText, Field::Text10, 1}),
    [](const ::testing::TestParamInfo<InjectedFailure>& param) {
        return std::string(param.param.name);
    });

TEST_F(Calculate, FailedResultWriteKeepsEarlierResultsAndLeavesLaterOnesAsTheyWere) {
    fill(4, u"30", {u"60", u"70", u"80", u"90"});
    presetResults(u"old");
    w.fields.failOn(FieldOp::writeText, Field::produce3);
    ASSERT_NE(w.calculate(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce2), u"77");
    EXPECT_EQ(w.text(Field::produce3), u"old");
    EXPECT_EQ(w.text(Field::Text9), u"old");

    w.fields.failOn(FieldOp::writeText, Field::Text10);
    ASSERT_NE(w.calculate(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce4), u"99");
    EXPECT_EQ(w.text(Field::Text9), u"330");
    EXPECT_EQ(w.text(Field::Text10), u"old");
}

TEST_F(Calculate, FailedFocusMoveAfterWarningIsReported) {
    fill(2, u"30", {u"60", u"x"});
    w.fields.failOn(FieldOp::setFocus, Field::Text2);
    EXPECT_EQ(w.calculate(), (FieldFault{Field::Text2, FieldOp::setFocus}));
    EXPECT_EQ(w.messages.shown.size(), 1u) << "the warning was shown before the focus move";
}

}  // namespace
}  // namespace quotara
