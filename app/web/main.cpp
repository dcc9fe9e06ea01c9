// Quotara in a web browser: builds the page from the window's description, binds the nine
// clicks to their handlers and hands the page to the user. Runs once, when the page loads;
// the handlers then run on the clicks, each to its end (Asyncify waits out a message).
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <optional>

#include "handlers.h"
#include "page_builder.h"
#include "web_field_model.h"
#include "web_message_service.h"

namespace {

using emscripten::val;
using namespace quotara;

// The decimal separator of the browser's language, as the desktop program takes the system's.
char16_t browserDecimalSeparator() {
    const val language = val::global("navigator")["language"];
    const std::u16string sample = val(1.5).call<std::u16string>("toLocaleString", language);
    for (const char16_t c : sample) {
        if (c < u'0' || c > u'9') {
            return c;
        }
    }
    return u'.';
}

// The running page: the field model and message box over it, and the handlers' context.
struct Page {
    explicit Page(const val& document)
        : fields(document), context{fields, messages, browserDecimalSeparator()} {}
    WebFieldModel fields;
    WebMessageService messages;
    HandlerContext context;
};
std::optional<Page> page;

// A click on the control runs binding number `index`. While the message box is open the page
// takes no input (the dialog is modal), and a click sent by a script is turned away too: the
// handler it would interrupt is still waiting for the box.
// clang-format off
EM_JS(void, quotara_bind_click, (const char* control, int index), {
    const element = document.getElementById(UTF8ToString(control));
    element.addEventListener("click", () => {
        if (document.getElementById("message").open) {
            return;
        }
        ccall("quotara_click", null, ["number"], [index], {async: true});
    });
});

// Neither command button is a default button: Enter on a focused button presses nothing.
// (Escape presses nothing on the page anyway; in the message box it closes the box.) Enter in an
// entry is left alone: an input method uses it to commit Chinese text.
EM_JS(void, quotara_guard_enter, (), {
    document.addEventListener("keydown", event => {
        if (event.key === "Enter" && event.target instanceof HTMLButtonElement &&
            !event.target.closest("dialog")) {
            event.preventDefault();
        }
    }, true);
});
// clang-format on

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void quotara_click(int index) {
    if (!page || index < 0 || static_cast<std::size_t>(index) >= kClickBindings.size()) {
        return;
    }
    runClick(kClickBindings[static_cast<std::size_t>(index)], page->context);
}

int main() {
    val document = val::global("document");
    buildPage(document);
    page.emplace(document);
    for (std::size_t i = 0; i < kClickBindings.size(); ++i) {
        const std::string control(kClickBindings[i].control);
        quotara_bind_click(control.c_str(), static_cast<int>(i));
    }
    quotara_guard_enter();
    // The focus starts on the first household-count button, without choosing it.
    document.call<val>("getElementById", std::string("Option2")).call<void>("focus");
    return 0;
}
