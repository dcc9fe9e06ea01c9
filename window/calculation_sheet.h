// The calculation sheet (公摊面积计算表): the whole calculation from the entries as they stand,
// as a table to paste, print or save, and its two clipboard forms. Toolkit-free, so that the
// desktop and the browser edition put out the same table.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "entry_reading.h"

namespace quotara {

// Every number is a text in the window's form (singleToText, the user's decimal separator).
// An empty text is a number the arithmetic did not reach: a sheet never shows a made-up one.
struct SheetHousehold {
    std::u16string usableArea;
    std::u16string share;  // its share of the core area
    std::u16string buildingArea;
};

struct CalculationSheet {
    std::u16string dateTime;  // as the caller gave it
    std::vector<SheetHousehold> households;
    std::u16string usableSum;  // Σ 使用面积
    std::u16string coreArea;
    std::u16string totalArea;
    std::u16string coefficient;  // 公摊系数 K = core area ÷ Σ 使用面积
    std::u16string usageRate;    // a percentage
    std::u16string fault;        // the warning 计算 shows for the fault it stopped at, if any
};

inline constexpr std::u16string_view kSheetTitle = u"公摊面积计算表";

// The commands that hand the sheet over, as every edition names them; the browser has no
// 导出 PDF, its print dialog saves PDFs.
struct SheetCommand {
    const char* id;  // the action's or the element's name
    std::u16string_view caption;
    bool opensDialog;  // menus show it with "…", as they mark a command that asks for more
    char key;          // the shortcut: Ctrl with this letter, and Shift where `shift`
    bool shift;
};
enum class SheetCommandId { copy, print, exportPdf };
inline constexpr std::array<SheetCommand, 3> kSheetCommands = {{
    {"copySheet", u"复制计算表", false, 'C', true},
    {"printSheet", u"打印计算表", true, 'P', false},
    {"exportSheet", u"导出 PDF", true, 'S', true},
}};
[[nodiscard]] constexpr const SheetCommand& sheetCommand(SheetCommandId id) {
    return kSheetCommands[static_cast<std::size_t>(id)];
}
// "Ctrl+Shift+C": the shortcut as menus show it and Qt's key sequences read it.
[[nodiscard]] std::string shortcutText(const SheetCommand& command);

// A moment of the user's local time.
struct LocalTime {
    int year, month, day, hour, minute;
};
// The sheet's date line, yyyy-MM-dd HH:mm, and the date alone, yyyy-MM-dd, for a file name.
[[nodiscard]] std::u16string sheetDateTime(const LocalTime& time);
[[nodiscard]] std::u16string sheetDate(const LocalTime& time);

// Reads the entries exactly as 计算 does, warning and focusing the same way, and apportions
// them; writes no field. Building areas, total and rate are those 计算 writes, bit for bit;
// each share is rounded once from the exact difference of building and usable area, so that
// usable + share = building wherever single precision allows.
[[nodiscard]] Step<CalculationSheet> calculationSheet(const HandlerContext& context,
                                                      std::u16string_view dateTime);

// calculationSheet for a command that hands the sheet over: a failed field operation is told to
// the user as after a click. None when reading stopped; the user has been told why.
[[nodiscard]] std::optional<CalculationSheet> sheetForCommand(const HandlerContext& context,
                                                              std::u16string_view dateTime);

// Why a sheet read without a box could not be made: 计算's warning, and the entry it is about.
struct SheetProblem {
    std::u16string warning;
    std::optional<Field> entry;  // none where the warning names a control itself
    std::optional<Field> focus;  // where 计算 would put the focus (Option2: choose a count first)
};

// As calculationSheet, for a print that cannot wait for a box: shows nothing, moves no focus
// and writes no field; what would have stopped it comes back as a problem instead.
[[nodiscard]] std::variant<CalculationSheet, SheetProblem> calculationSheetWithoutBox(
    FieldModel& fields, char16_t decimalSeparator, std::u16string_view dateTime);

// The sheet as a table of texts, from which every form of it is made: the four column headings,
// one row per household then the totals row, and two rows of a label over three columns and a
// value (K and the usage rate).
struct SheetTable {
    std::array<std::u16string_view, 4> header;
    std::vector<std::array<std::u16string, 4>> rows;
    std::array<std::pair<std::u16string_view, std::u16string>, 2> summary;
};
[[nodiscard]] SheetTable sheetTable(const CalculationSheet& sheet);

// Tab-separated rows (title, date, program, header, households, totals, K, rate, fault) that a
// spreadsheet pastes as cells. Lines end in LF.
[[nodiscard]] std::u16string sheetAsTabSeparated(const CalculationSheet& sheet);

// An HTML document with the title and date above a <table>, for word processors; every text
// escaped. Without `inlineStyle` the table's look is left to its border, cellspacing and
// cellpadding attributes, for a page whose Content-Security-Policy forbids inline styles:
// Chromium checks the markup a page puts on the clipboard against it.
[[nodiscard]] std::u16string sheetAsHtml(const CalculationSheet& sheet, bool inlineStyle = true);

}  // namespace quotara
