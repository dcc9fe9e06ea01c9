// Start-up pieces that main() strings together, kept out of main() so that tests run them.
#pragma once

#include <QWidget>
#include <memory>

#include "handlers.h"
#include "qt_field_model.h"
#include "qt_message_service.h"

class QApplication;

namespace quotara {

// Chinese for everything the toolkit itself shows (the OK button, the entries' context menus)
// and the Chinese font faces. Call once, after creating the application object.
void installChineseResources(QApplication& app);

// The running window: its widgets, the field model and message box over them, and the nine
// clicks bound to their handlers.
class MainWindow {
  public:
    explicit MainWindow(char16_t decimalSeparator);
    [[nodiscard]] QWidget& form() { return *form_; }

  private:
    void bindClicks();

    std::unique_ptr<QWidget> form_;
    QtFieldModel fields_;
    QtMessageService messages_;
    HandlerContext context_;
};

}  // namespace quotara
