// Start-up pieces that main() strings together, kept out of main() so that tests run them.
#pragma once

#include <QWidget>
#include <memory>

#include "handlers.h"
#include "qt_field_model.h"
#include "qt_message_service.h"
#include "sheet_commands.h"

class QApplication;

namespace quotara {

// The program takes no command line. Qt acts on options of its own (-reverse, -stylesheet,
// -qwindowtitle …), so it is handed the program's name alone.
struct QtCommandLine {
    QtCommandLine() = default;
    QtCommandLine(const QtCommandLine&) = delete;  // argv points into the object itself
    QtCommandLine& operator=(const QtCommandLine&) = delete;

    int argc = 1;
    char name[8] = "quotara";
    char* argv[2] = {name, nullptr};
};

// Names the application for the desktop (WM_CLASS, the Wayland app id). Call before the
// first window is created.
void installApplicationIdentity();

// Chinese for everything the toolkit itself shows (the OK button, the entries' context menus)
// and the Chinese font faces. Call once, after creating the application object.
void installChineseResources(QApplication& app);

// The running window: its widgets, the field model and message box over them, the nine
// bound events (the clicks of 计算 and 清除, and each count button becoming chosen) and the
// calculation sheet's menu.
class MainWindow {
  public:
    explicit MainWindow(char16_t decimalSeparator);
    [[nodiscard]] QWidget& form() { return *form_; }
    [[nodiscard]] SheetMenu& sheetMenu() { return *sheetMenu_; }

  private:
    void bindClicks();

    std::unique_ptr<QWidget> form_;
    QtFieldModel fields_;
    QtMessageService messages_;
    HandlerContext context_;
    SheetMenu* sheetMenu_;  // owned by the form
};

}  // namespace quotara
