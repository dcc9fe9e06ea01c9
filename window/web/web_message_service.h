// The message service as the page's modal <dialog>: the icon of the style, the prompt and one
// 确定 button. show() returns only once the user has closed it, so the handlers stay as they are.
#pragma once

#include "message_service.h"

namespace quotara {

class WebMessageService final : public MessageService {
  public:
    // The page's dialog must carry no title, whatever `title` says: the handlers pass an empty
    // one, and a browser dialog has no title bar to show it in.
    void show(std::u16string_view prompt, int style, std::u16string_view title) override;
};

}  // namespace quotara
