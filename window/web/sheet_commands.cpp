#include "sheet_commands.h"

#include <algorithm>
#include <optional>
#include <string>

#include "calculation_sheet.h"
#include "layout.h"
#include "release.h"

// sheet_commands.js. The clipboard is waited for (Asyncify).
extern "C" {
int quotara_write_clipboard(const char16_t* text, const char16_t* html);
void quotara_local_time(int* parts);
void quotara_open_print();
void quotara_sheet_start(const char* id, const char16_t* title);
void quotara_sheet_paragraph(const char* prefix, const char16_t* text);
void quotara_sheet_table();
void quotara_sheet_row();
void quotara_sheet_cell(int heading, const char16_t* text, int number, int columns);
}

namespace quotara {
namespace {

constexpr std::u16string_view kClipboardFailure =
    u"无法写入剪贴板，计算表没有复制。\n请允许本页面使用剪贴板后再试，或用“打印计算表”。";

// The browser's local time, as every edition writes it.
std::u16string localDateTime() {
    int parts[5] = {};
    quotara_local_time(parts);
    return sheetDateTime({parts[0], parts[1], parts[2], parts[3], parts[4]});
}

void paragraph(std::u16string_view text, const std::string& prefix = "") {
    quotara_sheet_paragraph(prefix.c_str(), std::u16string(text).c_str());
}

void cell(std::u16string_view text, bool number = false, int columns = 1, bool heading = false) {
    quotara_sheet_cell(heading ? 1 : 0, std::u16string(text).c_str(), number ? 1 : 0, columns);
}

// Empties the print section and starts it with the title.
void freshSection() {
    quotara_sheet_start(kSheetSectionId, std::u16string(kSheetTitle).c_str());
}

// The table element by element, every text as text: sheetAsHtml's is a whole document, for the
// clipboard.
void showSheet(const CalculationSheet& sheet) {
    freshSection();
    paragraph(sheet.dateTime);
    paragraph(kNameAndVersion);
    const SheetTable table = sheetTable(sheet);
    quotara_sheet_table();
    for (const std::u16string_view heading : table.header) {
        cell(heading, false, 1, true);
    }
    for (const auto& cells : table.rows) {
        quotara_sheet_row();
        cell(cells[0]);
        for (std::size_t i = 1; i < cells.size(); ++i) {
            cell(cells[i], true);
        }
    }
    for (const auto& [label, value] : table.summary) {
        quotara_sheet_row();
        cell(label, false, 3);
        cell(value, true);
    }
    if (!sheet.fault.empty()) {
        paragraph(sheet.fault);
    }
}

std::string captionOf(std::string_view control, bool accessible) {
    const auto row = std::find_if(kControls.begin(), kControls.end(),
                                  [&](const ControlSpec& c) { return c.name == control; });
    return row == kControls.end() ? std::string(control)
                                  : std::string(accessible ? row->accessibleName : row->caption);
}

// In place of the table: what stopped it, in 计算's words, and the entry they are about.
void showProblem(const SheetProblem& problem) {
    freshSection();
    paragraph(u"计算表未能生成：");
    paragraph(problem.warning,
              problem.entry ? captionOf(fieldName(*problem.entry), true) + "：" : std::string());
    if (problem.focus && isOptionButton(*problem.focus)) {
        paragraph(u"", captionOf("Frame1", false));
    }
    paragraph(u"请在页面上改正后再打印。");
}

void copySheet(const HandlerContext& context) {
    const std::optional<CalculationSheet> sheet = sheetForCommand(context, localDateTime());
    if (!sheet) {
        return;
    }
    const std::u16string text = sheetAsTabSeparated(*sheet);
    const std::u16string html = sheetAsHtml(*sheet, false);
    if (quotara_write_clipboard(text.c_str(), html.c_str()) == 0) {
        context.messages.show(kClipboardFailure, kWarningStyle, u"");
    }
}

void printSheet(const HandlerContext& context) {
    const std::optional<CalculationSheet> sheet = sheetForCommand(context, localDateTime());
    if (!sheet) {
        return;
    }
    showSheet(*sheet);
    quotara_open_print();
}

}  // namespace

const std::array<SheetButton, 2> kSheetButtons = {{
    {sheetCommand(kPageSheetCommands[0]), &copySheet},
    {sheetCommand(kPageSheetCommands[1]), &printSheet},
}};

void prepareSheetForPrint(FieldModel& fields, char16_t decimalSeparator) {
    const auto made = calculationSheetWithoutBox(fields, decimalSeparator, localDateTime());
    if (const auto* sheet = std::get_if<CalculationSheet>(&made)) {
        showSheet(*sheet);
    } else {
        showProblem(std::get<SheetProblem>(made));
    }
}

}  // namespace quotara
