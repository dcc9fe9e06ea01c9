#include "startup.h"

#include <objbase.h>

#include <algorithm>

namespace quotara {

char16_t userDecimalSeparator() {
    wchar_t separator[4] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) == 2) {
        return static_cast<char16_t>(separator[0]);
    }
    return u'.';
}

MainWindow::MainWindow(HINSTANCE instance)
    : form_(buildForm1(instance)),
      fields_(*form_),
      messages_(form_->window()),
      context_{fields_, messages_, userDecimalSeparator()},
      sheet_(*form_, context_) {
    bindClicks();
    form_->afterFirstPaint = [this] {
        // COM for the accessibility service: loading it is the largest single cost of start-up.
        comReady_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        form_->nameControls();
    };
    form_->onCommand = [this](WORD id) { once([this, id] { sheet_.run(id); }); };
    form_->onContextMenu = [this](POINT where) { once([this, where] { sheet_.showMenu(where); }); };
}

MainWindow::~MainWindow() {
    form_.reset();
    if (comReady_) {
        CoUninitialize();
    }
}

template <typename Action>
void MainWindow::once(Action action) {
    if (running_) {
        return;
    }
    running_ = true;
    action();
    running_ = false;
}

void MainWindow::bindClicks() {
    form_->onControl = [this](const ControlSpec& row, WORD notification) {
        if (notification != BN_CLICKED) {
            return;
        }
        const auto* binding =
            std::find_if(kClickBindings.begin(), kClickBindings.end(),
                         [&](const ClickBinding& b) { return b.control == row.name; });
        if (binding == kClickBindings.end()) {
            return;
        }
        HWND control = form_->control(row.name);
        if (binding->whenChosen) {
            // A count button also tells of a click when it takes the focus unchosen (as the
            // window opens) and when it is clicked again: only its becoming chosen runs it.
            const bool checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
            if (!checked || chosen_ == &row) {
                return;
            }
            if (running_) {
                // Chosen while a handler waits: the choice goes back, no button stays chosen
                // without its handler having run.
                SendMessageW(control, BM_SETCHECK, BST_UNCHECKED, 0);
                if (chosen_ != nullptr) {
                    SendMessageW(form_->control(chosen_->name), BM_SETCHECK, BST_CHECKED, 0);
                }
                return;
            }
            chosen_ = &row;
        }
        once([this, binding] { runClick(*binding, context_); });
    };
}

void MainWindow::show() {
    showCentred(*form_);
    form_->focus(form_->control(kFirstFocus));
}

int MainWindow::run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(form_->window(), sheet_.accelerators(), &message) != 0 ||
            IsDialogMessageW(form_->window(), &message) != 0) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace quotara
