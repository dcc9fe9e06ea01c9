// The calculation sheet read from the in-memory window: the numbers a user pastes or prints.
#include <cmath>
#include <cstdio>
#include <random>

#include <gtest/gtest.h>

#include "calculation_sheet.h"
#include "recording_window.h"
#include "release.h"

namespace quotara {
namespace {

void fill(RecordingWindow& w, int count, std::u16string_view core,
          const std::vector<std::u16string>& usable) {
    ASSERT_EQ(w.choose(count), std::nullopt);
    w.type(Field::texta, core);
    for (std::size_t i = 0; i < usable.size(); ++i) {
        w.type(entryFor(static_cast<int>(i + 1)), usable[i]);
    }
}

// The sheet of `w`, checking that building it only read fields and showed no box.
CalculationSheet sheetOf(RecordingWindow& w, std::u16string_view dateTime = u"2025-03-08 09:30") {
    w.fields.clearCalls();
    Step<CalculationSheet> step = calculationSheet(w.context, dateTime);
    for (const MemoryFieldModel::Call& call : w.fields.calls()) {
        EXPECT_TRUE(call.op == FieldOp::readText || call.op == FieldOp::readValue);
    }
    EXPECT_TRUE(w.messages.shown.empty()) << "a fault is named in the sheet, not in a box";
    EXPECT_TRUE(std::holds_alternative<CalculationSheet>(step));
    return std::holds_alternative<CalculationSheet>(step) ? std::get<CalculationSheet>(step)
                                                          : CalculationSheet{};
}

bool contains(const std::u16string& text, std::u16string_view part) {
    return text.find(part) != std::u16string::npos;
}

TEST(Sheet, WorkedExamplePastesAsRowsAndAsAnHtmlTable) {
    RecordingWindow w;
    fill(w, 4, u"30", {u"60", u"70", u"80", u"90"});
    const CalculationSheet sheet = sheetOf(w);
    EXPECT_EQ(sheetAsTabSeparated(sheet),
              u"公摊面积计算表\n2025-03-08 09:30\n" + std::u16string(kNameAndVersion) +
                  u"\n"
                  u"户号\t使用面积\t分摊面积\t建筑面积\n"
                  u"第1户\t60\t6\t66\n第2户\t70\t7\t77\n第3户\t80\t8\t88\n第4户\t90\t9\t99\n"
                  u"合计\t300\t30\t330\n"
                  u"公摊系数 K（核心部分面积 ÷ 使用面积合计）\t0.1\n"
                  u"使用率（%）\t90.90909\n");

    const std::u16string html = sheetAsHtml(sheet);
    EXPECT_TRUE(
        contains(html, u"<th>户号</th><th>使用面积</th><th>分摊面积</th><th>建筑面积</th>"));
    EXPECT_TRUE(contains(html,
                         u"<tr><td>合计</td><td align=\"right\">300</td>"
                         u"<td align=\"right\">30</td><td align=\"right\">330</td></tr>"));
    EXPECT_TRUE(contains(html, u"<td align=\"right\">90.90909</td></tr>\n</table>"));
    EXPECT_LT(html.find(u"<p>2025-03-08 09:30</p>"), html.find(u"<table"));
    EXPECT_FALSE(contains(html, u"计算出错"));
    // Under a policy against inline styles the table keeps its borders by attributes alone.
    const std::u16string plain = sheetAsHtml(sheet, false);
    EXPECT_FALSE(contains(plain, u"style"));
    EXPECT_TRUE(contains(plain, u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\">"));
    EXPECT_TRUE(contains(plain, u"<td align=\"right\">90.90909</td></tr>\n</table>"));
    // Every text goes into the HTML escaped, the caller's date too.
    const std::u16string odd = sheetAsHtml(sheetOf(w, u"<b>8 & 9 \"Mar\" '25</b>"));
    EXPECT_TRUE(contains(odd, u"<p>&lt;b&gt;8 &amp; 9 &quot;Mar&quot; &#39;25&lt;/b&gt;</p>"));
}

TEST(Sheet, AFaultShowsWhatWasComputedAndNamesTheFault) {
    RecordingWindow zeroSum;
    fill(zeroSum, 2, u"30", {u"10", u"-10"});
    const std::u16string text = sheetAsTabSeparated(sheetOf(zeroSum));
    EXPECT_TRUE(contains(text, u"第2户\t-10\t\t\n合计\t0\t30\t\n")) << "no K for a zero sum";
    EXPECT_TRUE(
        text.ends_with(u"\t\n使用率（%）\t\n"
                       u"计算出错：除数为零。请检查各户使用面积之和与总面积是否为零。\n"));

    // The core area minus the usable sum: building areas and total, then the rate faults.
    RecordingWindow negative;
    fill(negative, 2, u"-100", {u"40", u"60"});
    const CalculationSheet sheet = sheetOf(negative);
    ASSERT_EQ(sheet.households.size(), 2u);
    EXPECT_EQ(sheet.households[0].share, u"-40");
    EXPECT_EQ(sheet.households[0].buildingArea, u"0");
    EXPECT_EQ(sheet.totalArea, u"0");
    EXPECT_EQ(sheet.coefficient, u"-1");
    EXPECT_EQ(sheet.usageRate, u"");
    EXPECT_TRUE(contains(sheetAsHtml(sheet), u"<p>计算出错：除数为零。"));
}

TEST(Sheet, ABadEntryWarnsAndFocusesLikeCalculateAndWritesNothing) {
    RecordingWindow w;
    fill(w, 3, u"30", {u"60", u"6O", u"80"});
    w.preset(Field::produce1, u"old");
    const Step<CalculationSheet> step = calculationSheet(w.context, u"");
    ASSERT_TRUE(std::holds_alternative<Stopped>(step));
    EXPECT_EQ(std::get<Stopped>(step).outcome, std::nullopt) << "the user has been told";
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].prompt, u"请输入数字！！");
    EXPECT_EQ(w.fields.focus(), Field::Text2);
    EXPECT_EQ(w.text(Field::produce1), u"old");
}

TEST(Sheet, WithoutABoxAnEntryThatStopsItIsNamedAndNothingMoves) {
    struct Case {
        int count;  // 0: none chosen
        std::u16string core;
        std::vector<std::u16string> usable;
        std::u16string_view warning;
        std::optional<Field> entry, focus;
    };
    const std::u16string_view notANumber = u"请输入数字！！";
    const std::vector<Case> cases = {
        {3, u"30", {u"60", u"6O", u"80"}, notANumber, Field::Text2, Field::Text2},
        {0, u"30", {}, notANumber, Field::Text1, Field::Option2},
        {0, u"3 0", {}, notANumber, Field::texta, Field::texta},
        {2, u"1e39", {u"1", u"2"}, u"输入的数字太大，无法计算！！", Field::texta, Field::texta},
    };
    for (const Case& c : cases) {
        RecordingWindow w;
        if (c.count != 0) {
            fill(w, c.count, c.core, c.usable);
        } else {
            w.type(Field::texta, c.core);
        }
        ASSERT_TRUE(w.fields.setFocus(Field::Option3));
        w.fields.clearCalls();
        const auto made = calculationSheetWithoutBox(w.fields, u'.', u"");
        ASSERT_TRUE(std::holds_alternative<SheetProblem>(made)) << c.count << " " << c.core.size();
        const SheetProblem& problem = std::get<SheetProblem>(made);
        EXPECT_EQ(problem.warning, c.warning);
        EXPECT_EQ(problem.entry, c.entry);
        EXPECT_EQ(problem.focus, c.focus);
        EXPECT_TRUE(w.messages.shown.empty());
        EXPECT_EQ(w.fields.focus(), Field::Option3);
        for (const MemoryFieldModel::Call& call : w.fields.calls()) {
            EXPECT_TRUE(call.op == FieldOp::readText || call.op == FieldOp::readValue);
        }
    }

    // A field that cannot be read: the message names the control, as 计算's would.
    RecordingWindow missing;
    fill(missing, 2, u"30", {u"60", u"70"});
    missing.fields.failOn(FieldOp::readText, Field::Text2);
    const auto made = calculationSheetWithoutBox(missing.fields, u'.', u"");
    ASSERT_TRUE(std::holds_alternative<SheetProblem>(made));
    EXPECT_TRUE(
        std::get<SheetProblem>(made).warning.starts_with(u"操作未能完成：控件 Text2 的“读取文字”"));
    EXPECT_EQ(std::get<SheetProblem>(made).entry, std::nullopt);

    // Entries that make a sheet make the same one as with a box.
    RecordingWindow good;
    fill(good, 4, u"30", {u"60", u"70", u"80", u"90"});
    const auto sheet = calculationSheetWithoutBox(good.fields, u'.', u"2025-03-08 09:30");
    ASSERT_TRUE(std::holds_alternative<CalculationSheet>(sheet));
    EXPECT_EQ(sheetAsTabSeparated(std::get<CalculationSheet>(sheet)),
              sheetAsTabSeparated(sheetOf(good)));
}

// A number as a user might type it: any sign, 1 to 9 significant digits, exponents beyond the
// single range too, now and then 0.
std::u16string randomEntry(std::mt19937& random, char16_t separator) {
    if (random() % 16 == 0) {
        return u"0";
    }
    const double magnitude = std::uniform_real_distribution<double>(1.0, 10.0)(random) *
                             std::pow(10.0, std::uniform_int_distribution<int>(-8, 40)(random));
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*g", static_cast<int>(1 + random() % 9),
                  random() % 4 == 0 ? -magnitude : magnitude);
    std::u16string text;
    for (const char c : std::string(buffer)) {
        text += c == '.' ? separator : static_cast<char16_t>(c);
    }
    return text;
}

TEST(Sheet, RandomEntriesGiveTheResultsCalculateWritesBitForBit) {
    std::mt19937 random(20250308);
    for (int run = 0; run < 3000; ++run) {
        RecordingWindow sheetWindow;
        RecordingWindow calculated;
        sheetWindow.context.decimalSeparator = calculated.context.decimalSeparator =
            run % 3 == 0 ? u',' : u'.';
        const int count = 2 + static_cast<int>(random() % 7);
        const std::u16string core = randomEntry(random, sheetWindow.context.decimalSeparator);
        std::vector<std::u16string> usable;
        for (int i = 0; i < count; ++i) {
            usable.push_back(randomEntry(random, sheetWindow.context.decimalSeparator));
        }
        fill(sheetWindow, count, core, usable);
        fill(calculated, count, core, usable);
        ASSERT_EQ(calculated.calculate(), std::nullopt);
        const Step<CalculationSheet> step = calculationSheet(sheetWindow.context, u"");
        const auto& shown = calculated.messages.shown;
        if (std::holds_alternative<Stopped>(step)) {  // both warned about the same entry
            ASSERT_EQ(shown.size(), 1u) << run;
            EXPECT_EQ(sheetWindow.messages.shown.at(0).prompt, shown[0].prompt);
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
        EXPECT_EQ(sheet.fault, shown.empty() ? u"" : shown[0].prompt) << "run " << run;
    }
}

}  // namespace
}  // namespace quotara
