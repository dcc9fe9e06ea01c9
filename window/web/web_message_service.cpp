#include "web_message_service.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

// Suspends the calling C++ (Asyncify) until the dialog closes, by its button or by Escape.
// The prompt goes in as text, never as markup.
// clang-format off
EM_ASYNC_JS(void, quotara_show_message, (const char16_t* prompt, const char* icon), {
    const dialog = document.getElementById("message");
    document.getElementById("messageText").textContent = UTF16ToString(prompt);
    dialog.setAttribute("data-icon", UTF8ToString(icon));
    const ok = document.getElementById("messageOk");
    const closed = new Promise(resolve => dialog.addEventListener("close", resolve, {once: true}));
    ok.onclick = () => dialog.close();
    dialog.showModal();
    ok.focus();
    await closed;
});
// clang-format on

}  // namespace

namespace quotara {

void WebMessageService::show(std::u16string_view prompt, int style, std::u16string_view) {
    const std::u16string text(prompt);
    // The page's style sheet draws the warning's icon, and no other.
    quotara_show_message(text.c_str(), messageIcon(style) == MessageIcon::warning ? "warning" : "");
}

}  // namespace quotara
