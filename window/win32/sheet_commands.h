// The calculation sheet's way out of the window on Windows: 复制计算表 and 打印计算表… in a
// right-click menu on the window (not on the entries, which keep their own) and as shortcuts
// that work wherever the focus is in the window. Windows' print dialog offers "Microsoft Print to
// PDF" (Windows 10 and later): that is the PDF.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "calculation_sheet.h"
#include "form_builder.h"

namespace quotara {

// Menu and accelerator ids: this plus the command's row in kSheetCommands.
inline constexpr WORD kFirstSheetCommandId = 100;

class SheetCommands {
  public:
    // The sheet is read from the entries through `context`, exactly as 计算 reads them.
    SheetCommands(Win32Form& form, const HandlerContext& context);
    ~SheetCommands();
    SheetCommands(const SheetCommands&) = delete;
    SheetCommands& operator=(const SheetCommands&) = delete;

    // The shortcuts, for the message loop's TranslateAcceleratorW.
    [[nodiscard]] HACCEL accelerators() const { return accelerators_; }
    // Shows the menu at a point on the screen and runs what the user picks.
    void showMenu(POINT where);
    // Runs the command with this menu or accelerator id; false for an id that is none of them.
    bool run(WORD id);

    // Puts the sheet on the clipboard as Unicode text and as "HTML Format".
    void copy();
    // Prints the sheet through the system's print dialog.
    void print();

  private:
    [[nodiscard]] std::optional<CalculationSheet> readSheet();

    Win32Form& form_;
    HandlerContext context_;
    HACCEL accelerators_ = nullptr;
};

// The CF_HTML form of an HTML document: the offsets header that Excel and WPS read, then the
// document, UTF-8, its body marked as the fragment.
[[nodiscard]] std::string clipboardHtml(std::u16string_view html);

}  // namespace quotara
