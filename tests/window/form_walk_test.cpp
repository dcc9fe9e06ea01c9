// The one walk of the window's description that every toolkit builds from, and the rules the
// toolkits share: the fitted size of a long result, the sheet's shortcuts and dates, the faces
// that stand in for 宋体 and 黑体.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "calculation_sheet.h"
#include "font_faces.h"
#include "form_walk.h"
#include "text_fitting.h"

namespace quotara {
namespace {

// Records what the walk asks of a toolkit, and fails where it asks in the wrong order.
class RecordingToolkit final : public FormToolkit {
  public:
    std::set<std::string, std::less<>> created;
    std::map<std::string, FontSpec, std::less<>> fonts;
    std::map<std::string, bool, std::less<>> enabled;
    std::vector<std::string> fitted, tabOrder;

    void createForm(const FormSpec& form) override { created.emplace(form.name); }
    void createControl(const ControlSpec& row, std::string_view container) override {
        EXPECT_TRUE(created.contains(container)) << row.name << " before " << container;
        created.emplace(row.name);
    }
    void setFont(const ControlSpec& row, const FontSpec& font) override {
        fonts.emplace(row.name, font);
    }
    void setBackColor(const ControlSpec& row, std::uint32_t /*color*/) override { seen(row); }
    void setAccessibleName(const ControlSpec& row, std::string_view /*name*/) override {
        seen(row);
    }
    void setEnabled(const ControlSpec& row, bool on) override { enabled.emplace(row.name, on); }
    void fitTextToWidth(const ControlSpec& row) override { fitted.emplace_back(row.name); }
    void placeInTabOrder(const ControlSpec& row, int position) override {
        EXPECT_EQ(position, static_cast<int>(tabOrder.size()) + 1);
        tabOrder.emplace_back(row.name);
    }

  private:
    void seen(const ControlSpec& row) { EXPECT_TRUE(created.contains(row.name)) << row.name; }
};

TEST(FormWalk, BuildsEveryControlInItsContainerWithItsFontStateAndTabStop) {
    RecordingToolkit toolkit;
    buildForm(toolkit);
    EXPECT_EQ(toolkit.created.size(), 51u);  // the window and its 50 controls
    // The window's own font where a control has none: texta, not its frame's bold caption.
    EXPECT_EQ(toolkit.fonts.at("texta").decipoints, 120);
    EXPECT_FALSE(toolkit.fonts.at("texta").bold);
    EXPECT_TRUE(toolkit.fonts.at("Frame2").bold);
    EXPECT_EQ(toolkit.fonts.at("Frame5").face, FontFace::hei);
    // Only fields get a state: the eight entries off, everything else on.
    EXPECT_EQ(toolkit.enabled.size(), 26u);
    EXPECT_FALSE(toolkit.enabled.at("Text1"));
    EXPECT_TRUE(toolkit.enabled.at("texta"));
    EXPECT_FALSE(toolkit.enabled.contains("Command1"));
    EXPECT_EQ(toolkit.fitted,
              (std::vector<std::string>{"produce1", "produce2", "produce3", "produce4", "produce5",
                                        "produce6", "produce7", "produce8", "Text9", "Text10"}));
    ASSERT_EQ(toolkit.tabOrder.size(), 28u);
    EXPECT_EQ(toolkit.tabOrder[8], "Command1");
    EXPECT_EQ(toolkit.tabOrder[10], "Text3");
    EXPECT_EQ(toolkit.tabOrder[25], "produce2");
    EXPECT_FALSE(takesFocus(*controlNamed("Picture1")));
    EXPECT_TRUE(holdsOptionButtons(*controlNamed("Frame1")));
    EXPECT_FALSE(holdsOptionButtons(*controlNamed("Frame2")));
}

// A text 10 units wide per point, with a little hinting that keeps it from scaling exactly.
double hintedWidth(double points) {
    return points * 10 + (points > 7 ? 3 : 0);
}

TEST(TextFitting, KeepsAFittingSizeShrinksProportionallyThenByQuarterPointsToSixAtLeast) {
    EXPECT_EQ(fittedPoints(9, 100, hintedWidth), 9);  // 93 wide: fits
    // 123 wide at 12 pt in 100: by proportion 9.76 pt, 100.6 wide; a quarter point less fits.
    const double fitted = fittedPoints(12, 100, hintedWidth);
    EXPECT_NEAR(fitted, 12 * 100 / 123.0 - 0.25, 1e-9);
    EXPECT_LE(hintedWidth(fitted), 100);
    // However long the text, never below 6 pt.
    EXPECT_EQ(fittedPoints(12, 20, hintedWidth), 6);
}

TEST(SheetCommands, ShortcutsAndDatesAreWrittenTheSameInEveryEdition) {
    EXPECT_EQ(shortcutText(sheetCommand(SheetCommandId::copy)), "Ctrl+Shift+C");
    EXPECT_EQ(shortcutText(sheetCommand(SheetCommandId::print)), "Ctrl+P");
    EXPECT_EQ(shortcutText(sheetCommand(SheetCommandId::exportPdf)), "Ctrl+Shift+S");
    EXPECT_EQ(sheetDateTime({2026, 12, 8, 9, 5}), u"2026-12-08 09:05");
    EXPECT_EQ(sheetDate({987, 1, 31, 23, 59}), u"0987-01-31");
}

// The desktop tries every face in one order; a browser is given its platform's alone, each face
// belonging to one platform, in that same order.
TEST(FontFaces, EachPlatformHasItsOwnFacesInTheOrderTheDesktopTriesThemIn) {
    for (const FontFace face : {FontFace::song, FontFace::hei}) {
        std::vector<std::string_view> all = {faceName(face)};
        const auto fallbacks = fallbackFaces(face);
        all.insert(all.end(), fallbacks.begin(), fallbacks.end());
        const auto before = [&](std::string_view a, std::string_view b) {
            return std::find(all.begin(), all.end(), a) < std::find(all.begin(), all.end(), b);
        };
        std::vector<std::string_view> everyPlatform;
        for (const FacePlatform platform : kFacePlatforms) {
            const std::vector<std::string_view> faces = platformFaces(face, platform);
            EXPECT_FALSE(faces.empty());
            std::string listed;
            for (const std::string_view name : faces) {
                listed += std::string(name) + "; ";
            }
            EXPECT_TRUE(std::is_sorted(faces.begin(), faces.end(), before)) << listed;
            everyPlatform.insert(everyPlatform.end(), faces.begin(), faces.end());
        }
        // As strings: GoogleTest 1.10 (Debian 11) has no matcher for string_view.
        std::vector<std::string> named(everyPlatform.begin(), everyPlatform.end());
        std::vector<std::string> expected(all.begin(), all.end());
        std::sort(named.begin(), named.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(named, expected);
    }
    // Of the free faces and Microsoft YaHei, the monospaced Noto one first: like SimHei it sets
    // Latin letters half a character wide, by which the total-area frame's caption stands its
    // headings over their fields.
    const auto hei = fallbackFaces(FontFace::hei);
    const auto rank = [&](std::string_view name) {
        return std::find(hei.begin(), hei.end(), name) - hei.begin();
    };
    EXPECT_LT(rank("Noto Sans Mono CJK SC"), rank("Noto Sans CJK SC"));
    EXPECT_LT(rank("Noto Sans Mono CJK SC"), rank("Microsoft YaHei"));
}

}  // namespace
}  // namespace quotara
