// Quotara in a web browser: finds the window the page's markup carries, binds the nine clicks to
// their handlers and the calculation sheet's two buttons to theirs, and hands the page to the
// user. Runs once, when the page loads; the handlers then run on the clicks, each to its
// end (Asyncify waits out a message).
#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "form_builder.h"
#include "handlers.h"
#include "rehearsal.h"
#include "results_announcement.h"
#include "sheet_commands.h"
#include "web_field_model.h"
#include "web_message_service.h"

// main.js.
extern "C" {
int quotara_decimal_separator();
void quotara_learn_decimal_separator_soon();
void quotara_bind_click(const char* control, const char* handler, int index);
void quotara_handler_finished();
void quotara_guard_enter();
void quotara_guard_print(const char* section, const char* button);
void quotara_mark_started();
void quotara_rehearse_soon();
}

namespace {

using namespace quotara;

char16_t browserDecimalSeparator() {
    return static_cast<char16_t>(quotara_decimal_separator());
}

// The running page: the field model and message box over it, and the handlers' context.
struct Page {
    Page() : context{fields, messages} {}
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

// Once the page has opened, never beside a handler (main.js): a first 计算 rehearsed in memory,
// which compiles its code before the user's own.
extern "C" EMSCRIPTEN_KEEPALIVE void quotara_rehearse() {
    static_cast<void>(rehearseFirstCalculation(browserDecimalSeparator()));
}

int main() {
    // The fields first: the text fitting bound next finds them through the field model.
    page.emplace();
    bindPage();
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
    page->fields.setFocus(kFirstFocus);
    quotara_mark_started();
    quotara_learn_decimal_separator_soon();
    quotara_rehearse_soon();
    return 0;
}
