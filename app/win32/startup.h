// Start-up pieces that wWinMain strings together, kept out of it so that the start-up probe
// runs them too.
#pragma once

#include <windows.h>

#include <memory>

#include "form_builder.h"
#include "handlers.h"
#include "sheet_commands.h"
#include "win32_field_model.h"
#include "win32_message_service.h"

namespace quotara {

// The running window: its controls, the field model and message box over them, the nine bound
// clicks and the calculation sheet's menu and shortcuts. One handler runs at a time.
class MainWindow {
  public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    [[nodiscard]] Win32Form& form() { return *form_; }

    // Shows the window centred on its monitor's work area, the focus on the first count button.
    void show();
    // Runs the window's messages as a dialog does (Tab, the arrow keys in the count buttons),
    // with the sheet's shortcuts, until the window is closed; the process's exit status.
    int run();

  private:
    void bindClicks();
    // Runs `action` unless another is running: a click that comes while a handler waits for its
    // box is dropped.
    template <typename Action>
    void once(Action action);

    std::unique_ptr<Win32Form> form_;
    Win32FieldModel fields_;
    Win32MessageService messages_;
    HandlerContext context_;
    SheetCommands sheet_;
    const ControlSpec* chosen_ = nullptr;  // the count button whose handler ran last
    bool running_ = false;
    bool comReady_ = false;
};

// The user's decimal separator, as the system's regional settings give it.
[[nodiscard]] char16_t userDecimalSeparator();

}  // namespace quotara
