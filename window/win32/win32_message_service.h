// The warning as Windows' own message box, owned by the window: its icon, one 确定 button and
// the prompt, whatever language the system's own texts are in.
#pragma once

#include <windows.h>

#include "message_service.h"

namespace quotara {

class Win32MessageService final : public MessageService {
  public:
    explicit Win32MessageService(HWND owner) : owner_(owner) {}
    void show(std::u16string_view prompt, int style, std::u16string_view title) override;

  private:
    HWND owner_;
};

}  // namespace quotara
