// Quotara on Windows: apportions a floor's shared core area among its households.
#include <windows.h>

#include <commctrl.h>

#include "startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    // The themed standard controls of the manifest.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    int status = 0;
    {
        quotara::MainWindow window(instance);
        window.show();
#ifdef QUOTARA_STARTUP_PROBE
        // For the start-up benchmark: done once the window and its controls have painted. What
        // is posted for after the first paint is not waited for, as the user does not wait.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT) != 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        GdiFlush();
#else
        status = window.run();
#endif
    }
    return status;
}
