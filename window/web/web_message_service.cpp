#include "web_message_service.h"

#include <string>

// Waits (Asyncify) until the box is closed: web_message_service.js.
extern "C" void quotara_show_message(const char16_t* prompt, const char* icon);

namespace quotara {

void WebMessageService::show(std::u16string_view prompt, int style, std::u16string_view) {
    const std::u16string text(prompt);
    // The page's style sheet draws the warning's icon, and no other.
    quotara_show_message(text.c_str(), messageIcon(style) == MessageIcon::warning ? "warning" : "");
}

}  // namespace quotara
