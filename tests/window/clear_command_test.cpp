#include <gtest/gtest.h>

#include "recording_window.h"

namespace quotara {
namespace {

using Call = MemoryFieldModel::Call;

constexpr Field kClearedInOrder[] = {
    Field::Text1,    Field::produce1, Field::Text2,    Field::produce2, Field::Text3,
    Field::produce3, Field::Text4,    Field::produce4, Field::Text5,    Field::produce5,
    Field::Text6,    Field::produce6, Field::Text7,    Field::produce7, Field::Text8,
    Field::produce8, Field::Text9,    Field::Text10,   Field::texta,
};

void presetAll(RecordingWindow& w, std::u16string_view text) {
    for (const Field field : kClearedInOrder) {
        w.preset(field, text);
    }
}

TEST(Clear, EmptiesEveryEntryAndResultInHouseholdOrderCoreLast) {
    RecordingWindow w;
    ASSERT_EQ(w.choose(4), std::nullopt);
    presetAll(w, u"not a number either");
    w.fields.clearCalls();
    ASSERT_EQ(w.clear(), std::nullopt);
    std::vector<Call> expected;
    for (const Field field : kClearedInOrder) {
        expected.push_back({FieldOp::writeText, field});
        EXPECT_EQ(w.text(field), u"");
    }
    EXPECT_EQ(w.fields.calls(), expected) << "reads nothing, writes each field once";
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST(Clear, KeepsTheChosenCountTheEntryStatesAndTheFocus) {
    RecordingWindow w;
    ASSERT_EQ(w.choose(4), std::nullopt);
    w.type(Field::Text2, u"12");
    ASSERT_EQ(w.clear(), std::nullopt);
    EXPECT_TRUE(w.fields.state(Field::Option4).value);
    EXPECT_TRUE(w.fields.state(Field::Text4).enabled);
    EXPECT_EQ(w.fields.state(Field::Text4).backColor, kWindowBackgroundColor);
    EXPECT_FALSE(w.fields.state(Field::Text5).enabled);
    EXPECT_EQ(w.fields.state(Field::Text5).backColor, kMenuBarColor);
    EXPECT_EQ(w.fields.focus(), Field::Text2);
}

TEST(Clear, BeforeAnyCountEmptiesTheDisabledEntriesAndChoosesNone) {
    RecordingWindow w;
    w.preset(Field::Text6, u"left over");
    ASSERT_EQ(w.clear(), std::nullopt);
    EXPECT_EQ(w.text(Field::Text6), u"");
    EXPECT_FALSE(w.fields.state(Field::Text6).enabled);
    EXPECT_EQ(w.fields.state(Field::Text6).backColor, kMenuBarColor);
    for (int n = 2; n <= 8; ++n) {
        EXPECT_FALSE(w.fields.state(optionFor(n)).value);
    }
}

TEST(Clear, FailedWriteStopsThereAndLaterFieldsKeepTheirText) {
    RecordingWindow w;
    presetAll(w, u"kept");
    w.fields.failOn(FieldOp::writeText, Field::produce3);
    EXPECT_EQ(w.clear(), (FieldFault{Field::produce3, FieldOp::writeText}));
    EXPECT_EQ(w.text(Field::Text3), u"");
    EXPECT_EQ(w.text(Field::produce3), u"kept");
    EXPECT_EQ(w.text(Field::Text4), u"kept");
    EXPECT_EQ(w.text(Field::texta), u"kept");
}

}  // namespace
}  // namespace quotara
