#include <gtest/gtest.h>

#include <string>

#include "recording_window.h"

namespace quotara {
namespace {

using Call = MemoryFieldModel::Call;

void expectEntriesOpenUpTo(const MemoryFieldModel& fields, int count) {
    for (int i = 1; i <= 8; ++i) {
        const FieldState& entry = fields.state(entryFor(i));
        EXPECT_EQ(entry.enabled, i <= count) << "Text" << i << " with " << count;
        EXPECT_EQ(entry.backColor, i <= count ? kWindowBackgroundColor : kMenuBarColor)
            << "Text" << i << " with " << count;
    }
}

class ChoosingACount : public ::testing::TestWithParam<int> {};

TEST_P(ChoosingACount, OpensExactlyTheEntriesOfThatManyHouseholds) {
    RecordingWindow w;
    ASSERT_EQ(w.choose(GetParam()), std::nullopt);
    expectEntriesOpenUpTo(w.fields, GetParam());
    EXPECT_TRUE(w.fields.state(Field::texta).enabled);
    EXPECT_EQ(w.fields.state(Field::texta).backColor, kWindowBackgroundColor);
}

TEST_P(ChoosingACount, DependsOnTheCountAloneWhateverWasChosenBefore) {
    for (int before = 2; before <= 8; ++before) {
        RecordingWindow w;
        ASSERT_EQ(w.choose(before), std::nullopt);
        ASSERT_EQ(w.choose(GetParam()), std::nullopt);
        expectEntriesOpenUpTo(w.fields, GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(, ChoosingACount, ::testing::Range(2, 9),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return std::to_string(param.param) + "Households";
                         });

TEST(ChoosingACountOrder, WritesAllEightEnabledStatesBeforeAnyColour) {
    RecordingWindow w;
    ASSERT_EQ(w.choose(5), std::nullopt);
    std::vector<Call> expected;
    for (int i = 1; i <= 8; ++i) {
        expected.push_back({FieldOp::setEnabled, entryFor(i)});
    }
    for (int i = 1; i <= 8; ++i) {
        expected.push_back({FieldOp::setBackColor, entryFor(i)});
    }
    EXPECT_EQ(w.fields.calls(), expected) << "and touches nothing else";
}

TEST(ChoosingACountKeeps, TypedEntriesResultsAndTheFocus) {
    RecordingWindow w;
    ASSERT_EQ(w.choose(8), std::nullopt);
    for (int i = 1; i <= 8; ++i) {
        w.type(entryFor(i), std::u16string(1, static_cast<char16_t>(u'0' + i)));
    }
    w.preset(Field::produce7, u"result");
    ASSERT_EQ(w.choose(3), std::nullopt);
    EXPECT_FALSE(w.fields.state(Field::Text7).enabled);
    EXPECT_EQ(w.text(Field::Text7), u"7") << "a closed entry keeps what the user typed";
    EXPECT_EQ(w.text(Field::produce7), u"result");
    ASSERT_EQ(w.choose(6), std::nullopt);
    EXPECT_TRUE(w.fields.state(Field::Text5).enabled);
    EXPECT_EQ(w.text(Field::Text5), u"5") << "reopened with its text";
    EXPECT_EQ(w.fields.focus(), Field::Option6);
}

TEST(ChoosingACountFailure, StopsAtTheFailedWriteAndKeepsEarlierWrites) {
    RecordingWindow w;
    w.fields.failOn(FieldOp::setEnabled, Field::Text5);
    EXPECT_EQ(w.choose(6), (FieldFault{Field::Text5, FieldOp::setEnabled}));
    EXPECT_TRUE(w.fields.state(Field::Text4).enabled);
    EXPECT_FALSE(w.fields.state(Field::Text5).enabled);
    EXPECT_EQ(w.fields.state(Field::Text1).backColor, kMenuBarColor) << "no colour written yet";

    w.fields.failOn(FieldOp::setBackColor, Field::Text2);
    EXPECT_EQ(w.choose(6), (FieldFault{Field::Text2, FieldOp::setBackColor}));
    EXPECT_EQ(w.fields.state(Field::Text1).backColor, kWindowBackgroundColor);
    EXPECT_EQ(w.fields.state(Field::Text2).backColor, kMenuBarColor);
}

}  // namespace
}  // namespace quotara
