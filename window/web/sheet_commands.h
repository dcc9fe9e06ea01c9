// The calculation sheet on the page: 复制计算表 and 打印计算表 below the window, and the section
// that the print style sheet shows in place of the window.
#pragma once

#include <array>
#include <string_view>

#include "calculation_sheet.h"
#include "handlers.h"
#include "page_markup.h"

namespace quotara {

// A button below the window and what a click on it runs, as a bound click does.
struct SheetButton {
    const SheetCommand& command;  // its id, and its caption, also its accessible name
    void (*run)(const HandlerContext& context);
};

// 复制计算表 reads the sheet as 计算 reads the entries (warning and focusing the same way), then
// puts it on the clipboard as tab-separated text and as HTML; a failed write is told in a
// warning. 打印计算表 reads it likewise, puts it into the print section and opens the browser's
// print. Both suspend (Asyncify) while a warning is open or the clipboard is written.
extern const std::array<SheetButton, 2> kSheetButtons;
inline constexpr const char* kPrintButtonId = sheetCommand(SheetCommandId::print).id;

// Puts the sheet into the print section for a print the page did not start (the browser's
// menu), without any box: where an entry stops it, a note naming the entry and 计算's warning
// stands in its place.
void prepareSheetForPrint(FieldModel& fields, char16_t decimalSeparator);

}  // namespace quotara
