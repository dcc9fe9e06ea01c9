// Quotara in a web browser: finds the window the page's markup carries, binds the nine clicks to
// their handlers and the calculation sheet's two buttons to theirs, and hands the page to the
// user. Runs once, when the page loads; the handlers then run on the clicks, each to its
// end (Asyncify waits out a message).
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <optional>
#include <string>

#include "form_builder.h"
#include "handlers.h"
#include "results_announcement.h"
#include "sheet_commands.h"
#include "web_field_model.h"
#include "web_message_service.h"

namespace {

using emscripten::val;
using namespace quotara;

// clang-format off

// The decimal separator of the browser's language, as the desktop program takes the system's;
// the point where the language is no tag Intl knows, such as "C" (WebKitGTK under the C locale).
// Asked once: the first use of Intl loads locale data, tens of milliseconds.
EM_JS(int, quotara_decimal_separator, (), {
    if (Module["decimalSeparator"] === undefined) {
        Module["decimalSeparator"] = 46;
        try {
            const [language] = Intl.getCanonicalLocales(navigator.language);
            const parts = new Intl.NumberFormat(language).formatToParts(1.5);
            const separator = parts.find(part => part.type === "decimal");
            if (language && separator && separator.value.length === 1) {
                Module["decimalSeparator"] = separator.value.charCodeAt(0);
            }
        } catch (error) {
        }
    }
    return Module["decimalSeparator"];
});

// Asks for it once the page has opened, not while it opens.
EM_JS(void, quotara_learn_decimal_separator_soon, (), {
    setTimeout(() => quotara_decimal_separator(), 0);
});

// A click on the control runs `index` through the exported function `handler`, one handler at a
// time: while a handler runs or waits for its message box, a bound click is dropped, as the
// desktop's modal box drops it. The dialog alone cannot tell: it closes some milliseconds before
// the waiting handler goes on, and a second handler started in that gap corrupts the first one's
// suspended stack. Dropping cancels the default too, so that no count button ends up chosen
// without its handler. The second click of a double click is dropped as well: 确定 lies over 计算,
// and a double click on it must not press 计算 once the box has gone.
EM_JS(void, quotara_bind_click, (const char* control, const char* handler, int index), {
    const run = UTF8ToString(handler);
    document.getElementById(UTF8ToString(control)).addEventListener("click", event => {
        if (Module["handlerRunning"] || event.detail > 1) {
            event.preventDefault();
            return;
        }
        Module["handlerRunning"] = true;
        ccall(run, null, ["number"], [index], {async: true});
    });
});

// The last thing quotara_click does, suspended on the way or not: the refits held back while it
// ran (fitted_text.cpp) are done now.
EM_JS(void, quotara_handler_finished, (), {
    Module["handlerRunning"] = false;
    const held = Module["refitsHeldBack"];
    Module["refitsHeldBack"] = undefined;
    if (held) {
        held.forEach(field => Module["_quotara_refit_text"](field));
    }
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

// A print shows the calculation sheet, never the window (the print style sheet). One the page
// did not start, from the browser's menu, cannot wait for a box: the sheet is made as the
// entries stand, a note in place of a warning. While a handler waits for its box no other may
// run, and the note says to close the box first. Ctrl+P goes the way of 打印计算表, warning and
// all.
EM_JS(void, quotara_guard_print, (const char* section, const char* button), {
    const sectionId = UTF8ToString(section);
    const buttonId = UTF8ToString(button);
    addEventListener("beforeprint", () => {
        if (!Module["handlerRunning"]) {
            ccall("quotara_prepare_print", null, [], []);
        } else if (!Module["printingSheet"]) {
            const note = document.createElement("p");
            note.textContent = "请先关闭页面上的提示框，再打印计算表。";
            document.getElementById(sectionId).replaceChildren(note);
        }
    });
    document.addEventListener("keydown", event => {
        if ((event.ctrlKey || event.metaKey) && !event.altKey && !event.shiftKey &&
            event.key.toLowerCase() === "p") {
            event.preventDefault();
            document.getElementById(buttonId).click();
        }
    }, true);
});

// For start.js: the page takes input. Without this mark it says that this browser cannot run it.
// The page's guard (guard.js) lets the clicks through from now on.
EM_JS(void, quotara_mark_started, (), {
    Module["started"] = true;
    quotaraBound();
});
// clang-format on

char16_t browserDecimalSeparator() {
    return static_cast<char16_t>(quotara_decimal_separator());
}

// The running page: the field model and message box over it, and the handlers' context.
struct Page {
    explicit Page(const val& document) : fields(document), context{fields, messages} {}
    WebFieldModel fields;
    WebMessageService messages;
    HandlerContext context;
};
std::optional<Page> page;

// Each click takes the separator, which the first one asks for if the page has not yet.
void learnDecimalSeparator() {
    if (page) {
        page->context.decimalSeparator = browserDecimalSeparator();
    }
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void quotara_click(int index) {
    learnDecimalSeparator();
    if (page && index >= 0 && static_cast<std::size_t>(index) < kClickBindings.size()) {
        runClick(kClickBindings[static_cast<std::size_t>(index)], page->context);
        announceResults(page->fields);
    }
    quotara_handler_finished();
}

extern "C" EMSCRIPTEN_KEEPALIVE void quotara_sheet(int index) {
    learnDecimalSeparator();
    if (page && index >= 0 && static_cast<std::size_t>(index) < kSheetButtons.size()) {
        kSheetButtons[static_cast<std::size_t>(index)].run(page->context);
    }
    quotara_handler_finished();
}

extern "C" EMSCRIPTEN_KEEPALIVE void quotara_prepare_print() {
    learnDecimalSeparator();
    if (page) {
        prepareSheetForPrint(page->fields, page->context.decimalSeparator);
    }
}

int main() {
    val document = val::global("document");
    bindPage();
    page.emplace(document);
    // A count button's click event is its becoming chosen, by the mouse, Space or an arrow key.
    for (std::size_t i = 0; i < kClickBindings.size(); ++i) {
        const std::string control(kClickBindings[i].control);
        quotara_bind_click(control.c_str(), "quotara_click", static_cast<int>(i));
    }
    for (std::size_t i = 0; i < kSheetButtons.size(); ++i) {
        quotara_bind_click(kSheetButtons[i].command.id, "quotara_sheet", static_cast<int>(i));
    }
    quotara_guard_enter();
    quotara_guard_print(kSheetSectionId, kPrintButtonId);
    document.call<val>("getElementById", std::string(fieldName(kFirstFocus))).call<void>("focus");
    quotara_mark_started();
    quotara_learn_decimal_separator_soon();
    return 0;
}
