// Whole sessions as a user plays them, click by click.
#include <gtest/gtest.h>

#include "recording_window.h"

namespace quotara {
namespace {

TEST(Session, EightThenThreeHouseholdsThenClear) {
    RecordingWindow w;
    ASSERT_EQ(w.choose(8), std::nullopt);
    w.type(Field::texta, u"80");
    for (int i = 1; i <= 8; ++i) {
        w.type(entryFor(i), u"40");
    }
    ASSERT_EQ(w.calculate(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce8), u"50");
    EXPECT_EQ(w.text(Field::Text9), u"400");
    EXPECT_EQ(w.text(Field::Text10), u"80");

    ASSERT_EQ(w.choose(3), std::nullopt);
    w.type(Field::Text1, u"60");
    w.type(Field::Text2, u"70");
    w.type(Field::Text3, u"80");
    w.type(Field::texta, u"21");
    ASSERT_EQ(w.calculate(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce1), u"66");
    EXPECT_EQ(w.text(Field::produce3), u"88");
    EXPECT_EQ(w.text(Field::Text9), u"231");
    for (int i = 4; i <= 8; ++i) {
        EXPECT_EQ(w.text(resultFor(i)), u"50") << "results above the count stay from before";
        EXPECT_EQ(w.text(entryFor(i)), u"40") << "closed entries keep their text";
    }

    ASSERT_EQ(w.clear(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce8), u"");
    EXPECT_EQ(w.text(Field::Text8), u"");
    EXPECT_TRUE(w.fields.state(Field::Option3).value);
    ASSERT_EQ(w.calculate(), std::nullopt);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].prompt, u"请输入数字！！");
    EXPECT_EQ(w.fields.focus(), Field::texta) << "after a clear the core area is asked first";
    EXPECT_TRUE(w.messages.shown.size() == 1 && w.text(Field::produce1).empty());
}

TEST(Session, CorrectingAMistypedEntryAfterTheWarning) {
    RecordingWindow w;
    ASSERT_EQ(w.choose(2), std::nullopt);
    w.type(Field::texta, u"25");
    w.type(Field::Text1, u"40");
    w.type(Field::Text2, u"6O");  // letter O for zero
    ASSERT_EQ(w.calculate(), std::nullopt);
    ASSERT_EQ(w.fields.focus(), Field::Text2);
    EXPECT_EQ(w.text(Field::Text2), u"6O") << "nothing the user typed is lost";
    w.type(Field::Text2, u"60");
    ASSERT_EQ(w.calculate(), std::nullopt);
    EXPECT_EQ(w.text(Field::produce2), u"75");
    EXPECT_EQ(w.messages.shown.size(), 1u);
}

TEST(Session, AFailedFieldOperationIsToldInChineseAndTheEntriesStay) {
    RecordingWindow w;
    ASSERT_EQ(w.choose(2), std::nullopt);
    w.type(Field::texta, u"25");
    w.type(Field::Text1, u"40");
    w.type(Field::Text2, u"60");
    w.fields.failOn(FieldOp::writeText, Field::produce2);
    ASSERT_EQ(kClickBindings[0].control, "Command1");
    runClick(kClickBindings[0], w.context);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(
        w.messages.shown[0].prompt,
        u"操作未能完成：控件 produce2 的“写入文字”操作失败。已输入的内容都保留着，可以继续使用。");
    EXPECT_EQ(w.messages.shown[0].style, 48);
    EXPECT_EQ(w.messages.shown[0].title, u"");
    EXPECT_EQ(w.text(Field::produce1), u"50");
    EXPECT_EQ(w.text(Field::Text2), u"60");
}

}  // namespace
}  // namespace quotara
