// The calculation sheet read from the in-memory window: the numbers a user pastes or prints.
#include <cmath>
#include <cstdio>
#include <random>

#include <gtest/gtest.h>

#include "calculation_sheet.h"
#include "recording_window.h"
#include "version.h"

namespace quotara {
namespace {

class Sheet : public ::testing::Test {
  protected:
    void fill(RecordingWindow& window, int count, std::u16string_view core,
              const std::vector<std::u16string>& usable) {
        ASSERT_EQ(window.choose(count), std::nullopt);
        window.type(Field::texta, core);
        for (std::size_t i = 0; i < usable.size(); ++i) {
            window.type(entryFor(static_cast<int>(i + 1)), usable[i]);
        }
    }
    // The sheet of `w`, checking that building it wrote no field and showed no box.
    CalculationSheet sheetOf(std::u16string_view dateTime = u"2025-03-08 09:30") {
        w.fields.clearCalls();
        Step<CalculationSheet> step = calculationSheet(w.context, dateTime);
        for (const MemoryFieldModel::Call& call : w.fields.calls()) {
            EXPECT_TRUE(call.op == FieldOp::readText || call.op == FieldOp::readValue);
        }
        EXPECT_TRUE(w.messages.shown.empty()) << "a fault is named in the sheet, not in a box";
        if (std::holds_alternative<Stopped>(step)) {
            ADD_FAILURE() << "the sheet stopped";
            return {};
        }
        return std::get<CalculationSheet>(step);
    }
    RecordingWindow w;
};

TEST_F(Sheet, WorkedExamplePastesAsRowsAndAsAnHtmlTable) {
    fill(w, 4, u"30", {u"60", u"70", u"80", u"90"});
    const CalculationSheet sheet = sheetOf();
    EXPECT_EQ(sheetAsTabSeparated(sheet),
              u"公摊面积计算表\n"
              u"2025-03-08 09:30\n"
              u"Quotara " QUOTARA_VERSION u"\n"
              u"户号\t使用面积\t分摊面积\t建筑面积\n"
              u"第1户\t60\t6\t66\n"
              u"第2户\t70\t7\t77\n"
              u"第3户\t80\t8\t88\n"
              u"第4户\t90\t9\t99\n"
              u"合计\t300\t30\t330\n"
              u"公摊系数 K（核心部分面积 ÷ 使用面积合计）\t0.1\n"
              u"使用率（%）\t90.90909\n");

    const std::u16string html = sheetAsHtml(sheet);
    for (const std::u16string_view part :
         {u"<meta charset=\"utf-8\">", u"<h2>公摊面积计算表</h2>", u"<p>2025-03-08 09:30</p>",
          u"<th>户号</th><th>使用面积</th><th>分摊面积</th><th>建筑面积</th>",
          u"<tr><td>第4户</td><td align=\"right\">90</td><td align=\"right\">9</td>"
          u"<td align=\"right\">99</td></tr>",
          u"<tr><td>合计</td><td align=\"right\">300</td><td align=\"right\">30</td>"
          u"<td align=\"right\">330</td></tr>",
          u"<td align=\"right\">0.1</td>", u"<td align=\"right\">90.90909</td></tr>\n</table>"}) {
        EXPECT_NE(html.find(part), std::u16string::npos)
            << ::testing::PrintToString(std::u16string(part));
    }
    EXPECT_LT(html.find(u"<p>2025"), html.find(u"<table")) << "the date stands above the table";
    EXPECT_EQ(html.find(u"计算出错"), std::u16string::npos);

    // Every text goes into the HTML escaped, the caller's date too.
    const std::u16string odd = sheetAsHtml(sheetOf(u"<b>8 & 9 \"Mar\" '25</b>"));
    EXPECT_NE(odd.find(u"<p>&lt;b&gt;8 &amp; 9 &quot;Mar&quot; &#39;25&lt;/b&gt;</p>"),
              std::u16string::npos);
    EXPECT_EQ(odd.find(u"<b>"), std::u16string::npos);
}

TEST_F(Sheet, CommaLocaleKeepsCommasInNumbersAndTabsBetweenCells) {
    w.context.decimalSeparator = u',';
    fill(w, 2, u"2,5", {u"12,5", u"12,5"});
    const std::u16string text = sheetAsTabSeparated(sheetOf());
    EXPECT_NE(text.find(u"第1户\t12,5\t1,25\t13,75\n"), std::u16string::npos) << "12,5 × 1,1";
    EXPECT_NE(text.find(u"合计\t25\t2,5\t27,5\n"), std::u16string::npos);
    EXPECT_NE(text.find(u"\t0,1\n"), std::u16string::npos);
}

TEST_F(Sheet, UsableAreasAddingUpToZeroShowTheInputsAndNameTheFault) {
    fill(w, 2, u"30", {u"10", u"-10"});
    const CalculationSheet sheet = sheetOf();
    ASSERT_EQ(sheet.households.size(), 2u);
    EXPECT_EQ(sheet.households[1].usableArea, u"-10");
    EXPECT_EQ(sheet.households[1].share, u"");
    EXPECT_EQ(sheet.households[1].buildingArea, u"");
    EXPECT_EQ(sheet.usableSum, u"0");
    EXPECT_EQ(sheet.coreArea, u"30");
    EXPECT_EQ(sheet.coefficient, u"") << "no K for a zero sum";
    EXPECT_EQ(sheet.totalArea, u"");
    EXPECT_EQ(sheet.usageRate, u"");
    EXPECT_EQ(sheet.fault, u"计算出错：除数为零。请检查各户使用面积之和与总面积是否为零。");
    const std::u16string text = sheetAsTabSeparated(sheet);
    EXPECT_NE(text.find(u"第2户\t-10\t\t\n合计\t0\t30\t\n"), std::u16string::npos);
    EXPECT_TRUE(text.ends_with(
        u"使用率（%）\t\n计算出错：除数为零。请检查各户使用面积之和与总面积是否为零。\n"));
    EXPECT_NE(sheetAsHtml(sheet).find(u"<p>计算出错：除数为零。"), std::u16string::npos);
}

TEST_F(Sheet, CoreMinusTheUsableSumShowsAreasAndTotalThenTheRateFault) {
    fill(w, 2, u"-100", {u"40", u"60"});
    const CalculationSheet sheet = sheetOf();
    ASSERT_EQ(sheet.households.size(), 2u);
    EXPECT_EQ(sheet.households[0].share, u"-40");
    EXPECT_EQ(sheet.households[0].buildingArea, u"0");
    EXPECT_EQ(sheet.households[1].share, u"-60");
    EXPECT_EQ(sheet.totalArea, u"0");
    EXPECT_EQ(sheet.coefficient, u"-1");
    EXPECT_EQ(sheet.usageRate, u"") << "the rate is where the arithmetic stopped";
    EXPECT_NE(sheet.fault.find(u"除数为零"), std::u16string::npos);
}

TEST_F(Sheet, ABadEntryWarnsAndFocusesLikeCalculateAndWritesNothing) {
    fill(w, 3, u"30", {u"60", u"6O", u"80"});
    w.preset(Field::produce1, u"old");
    Step<CalculationSheet> step = calculationSheet(w.context, u"");
    ASSERT_TRUE(std::holds_alternative<Stopped>(step));
    EXPECT_EQ(std::get<Stopped>(step).outcome, std::nullopt) << "the user has been told";
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].prompt, u"请输入数字！！");
    EXPECT_EQ(w.messages.shown[0].style, 48);
    EXPECT_EQ(w.fields.focus(), Field::Text2);
    EXPECT_EQ(w.text(Field::produce1), u"old");
    EXPECT_EQ(w.text(Field::Text2), u"6O");

    RecordingWindow tooLarge;
    fill(tooLarge, 2, u"1e39", {u"1", u"1"});
    ASSERT_TRUE(std::holds_alternative<Stopped>(calculationSheet(tooLarge.context, u"")));
    EXPECT_EQ(tooLarge.messages.shown.at(0).prompt, u"输入的数字太大，无法计算！！");
    EXPECT_EQ(tooLarge.fields.focus(), Field::texta);

    RecordingWindow noCount;
    noCount.type(Field::texta, u"30");
    ASSERT_TRUE(std::holds_alternative<Stopped>(calculationSheet(noCount.context, u"")));
    EXPECT_EQ(noCount.fields.focus(), Field::Option2) << "the count is what is missing";

    RecordingWindow broken;
    fill(broken, 2, u"30", {u"60", u"70"});
    broken.fields.failOn(FieldOp::readText, Field::Text1);
    Step<CalculationSheet> failed = calculationSheet(broken.context, u"");
    ASSERT_TRUE(std::holds_alternative<Stopped>(failed));
    EXPECT_EQ(std::get<Stopped>(failed).outcome, (FieldFault{Field::Text1, FieldOp::readText}));
}

// A number typed as the user might: any sign, 1 to 9 significant digits, a wide exponent range
// (beyond the single range too), now and then a plain 0.
std::u16string randomEntry(std::mt19937& random, char16_t separator) {
    std::uniform_int_distribution<int> digits(1, 9);
    std::uniform_int_distribution<int> exponent(-8, 40);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    if (random() % 16 == 0) {
        return u"0";
    }
    const double value =
        (random() % 4 == 0 ? -1.0 : 1.0) * mantissa(random) * std::pow(10.0, exponent(random));
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits(random), value);
    std::u16string text;
    for (const char c : std::string(buffer)) {
        text += c == '.' ? separator : static_cast<char16_t>(c);
    }
    return text;
}

TEST_F(Sheet, RandomEntriesGiveTheResultsCalculateWritesBitForBit) {
    std::mt19937 random(20250308);
    for (int run = 0; run < 3000; ++run) {
        RecordingWindow sheetWindow;
        RecordingWindow calculated;
        const char16_t separator = run % 3 == 0 ? u',' : u'.';
        sheetWindow.context.decimalSeparator = separator;
        calculated.context.decimalSeparator = separator;
        const int count = 2 + static_cast<int>(random() % 7);
        const std::u16string core = randomEntry(random, separator);
        std::vector<std::u16string> usable;
        for (int i = 0; i < count; ++i) {
            usable.push_back(randomEntry(random, separator));
        }
        fill(sheetWindow, count, core, usable);
        fill(calculated, count, core, usable);
        ASSERT_EQ(calculated.calculate(), std::nullopt);
        const Step<CalculationSheet> step = calculationSheet(sheetWindow.context, u"");

        if (std::holds_alternative<Stopped>(step)) {
            // Both warned about the same entry.
            ASSERT_EQ(calculated.messages.shown.size(), 1u) << run;
            EXPECT_EQ(sheetWindow.messages.shown.at(0).prompt, calculated.messages.shown[0].prompt);
            EXPECT_EQ(sheetWindow.fields.focus(), calculated.fields.focus());
            continue;
        }
        const CalculationSheet& sheet = std::get<CalculationSheet>(step);
        ASSERT_EQ(sheet.households.size(), static_cast<std::size_t>(count));
        for (int i = 1; i <= count; ++i) {
            EXPECT_EQ(sheet.households[static_cast<std::size_t>(i - 1)].buildingArea,
                      calculated.text(resultFor(i)))
                << "run " << run << " household " << i;
        }
        EXPECT_EQ(sheet.totalArea, calculated.text(Field::Text9)) << "run " << run;
        EXPECT_EQ(sheet.usageRate, calculated.text(Field::Text10)) << "run " << run;
        const bool warned = !calculated.messages.shown.empty();
        EXPECT_EQ(sheet.fault, warned ? calculated.messages.shown[0].prompt : u"") << run;
    }
}

}  // namespace
}  // namespace quotara
