// Quotara in a web browser: builds the page from the window's description, binds the nine
// clicks to their handlers and hands the page to the user. Runs once, when the page loads;
// the handlers then run on the clicks, each to its end (Asyncify waits out a message).
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <optional>
#include <string>

#include "handlers.h"
#include "page_builder.h"
#include "results_announcement.h"
#include "web_field_model.h"
#include "web_message_service.h"

namespace {

using emscripten::val;
using namespace quotara;

// clang-format off

// The decimal separator of the browser's language, as the desktop program takes the system's;
// the point where the language is no tag Intl knows, such as "C" (WebKitGTK under the C locale).
EM_JS(int, quotara_decimal_separator, (), {
    try {
        const [language] = Intl.getCanonicalLocales(navigator.language);
        const parts = new Intl.NumberFormat(language).formatToParts(1.5);
        const separator = parts.find(part => part.type === "decimal");
        if (language && separator && separator.value.length === 1) {
            return separator.value.charCodeAt(0);
        }
    } catch (error) {
    }
    return 46;
});

// A click on the control runs binding number `index`, one handler at a time: while a handler
// runs or waits for its message box, a bound click is dropped, as the desktop's modal box drops
// it. The dialog alone cannot tell: it closes some milliseconds before the waiting handler goes
// on, and a second handler started in that gap corrupts the first one's suspended stack.
// Dropping cancels the default too, so that no count button ends up chosen without its handler.
// The second click of a double click is dropped as well: 确定 lies over 计算, and a double click
// on it must not press 计算 once the box has gone.
EM_JS(void, quotara_bind_click, (const char* control, int index), {
    document.getElementById(UTF8ToString(control)).addEventListener("click", event => {
        if (Module["handlerRunning"] || event.detail > 1) {
            event.preventDefault();
            return;
        }
        Module["handlerRunning"] = true;
        ccall("quotara_click", null, ["number"], [index], {async: true});
    });
});

// The last thing quotara_click does, suspended on the way or not.
EM_JS(void, quotara_handler_finished, (), {
    Module["handlerRunning"] = false;
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

// For start.js: the page takes input. Without this mark it says that this browser cannot run it.
EM_JS(void, quotara_mark_started, (), {
    Module["started"] = true;
});
// clang-format on

char16_t browserDecimalSeparator() {
    return static_cast<char16_t>(quotara_decimal_separator());
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

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void quotara_click(int index) {
    if (page && index >= 0 && static_cast<std::size_t>(index) < kClickBindings.size()) {
        runClick(kClickBindings[static_cast<std::size_t>(index)], page->context);
        announceResults(page->fields);
    }
    quotara_handler_finished();
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
    quotara_mark_started();
    return 0;
}
