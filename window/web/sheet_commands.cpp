#include "sheet_commands.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <optional>
#include <string>

#include "calculation_sheet.h"
#include "layout.h"
#include "page_elements.h"
#include "release.h"

namespace {

// Both forms in one write, through the Clipboard API; where a browser lacks it, through a copy
// event. Either starts within the click, as browsers require. Answers whether the clipboard
// took them.
// clang-format off
EM_ASYNC_JS(int, quotara_write_clipboard, (const char16_t* text, const char16_t* html), {
    const plain = UTF16ToString(text);
    const markup = UTF16ToString(html);
    try {
        if (navigator.clipboard && navigator.clipboard.write && typeof ClipboardItem === "function") {
            await navigator.clipboard.write([new ClipboardItem({
                "text/plain": new Blob([plain], {type: "text/plain"}),
                "text/html": new Blob([markup], {type: "text/html"}),
            })]);
            return 1;
        }
        let written = false;
        const put = event => {
            event.clipboardData.setData("text/plain", plain);
            event.clipboardData.setData("text/html", markup);
            event.preventDefault();
            written = true;
        };
        document.addEventListener("copy", put);
        try {
            document.execCommand("copy");
        } finally {
            document.removeEventListener("copy", put);
        }
        return written ? 1 : 0;
    } catch (error) {
        return 0;
    }
});

// The browser's local time: year, month, day, hour and minute into `parts`.
EM_JS(void, quotara_local_time, (int* parts), {
    const now = new Date();
    HEAP32.set([now.getFullYear(), now.getMonth() + 1, now.getDate(), now.getHours(),
                now.getMinutes()], parts >> 2);
});

// The page's guard lets the beforeprint that print() raises pass: the sheet is in place already.
EM_JS(void, quotara_open_print, (), {
    Module["printingSheet"] = true;
    try {
        print();
    } finally {
        Module["printingSheet"] = false;
    }
});
// clang-format on

}  // namespace

namespace quotara {
namespace {

using emscripten::val;

constexpr std::u16string_view kClipboardFailure =
    u"无法写入剪贴板，计算表没有复制。\n请允许本页面使用剪贴板后再试，或用“打印计算表”。";

// The browser's local time, as every edition writes it.
std::u16string localDateTime() {
    int parts[5] = {};
    quotara_local_time(parts);
    return sheetDateTime({parts[0], parts[1], parts[2], parts[3], parts[4]});
}

val document() {
    return val::global("document");
}

template <typename Text>
val textElement(const char* tag, const Text& text, const char* className = nullptr) {
    val d = document();
    val element = createElement(d, tag);
    element.set("textContent", text);
    if (className != nullptr) {
        element.set("className", std::string(className));
    }
    return element;
}

// Empties the print section and starts it with the title.
val freshSection() {
    val section = document().call<val>("getElementById", std::string(kSheetSectionId));
    section.call<void>("replaceChildren");
    section.call<void>("append", textElement("h1", std::u16string(kSheetTitle)));
    return section;
}

// The table through DOM calls, every text as text: sheetAsHtml's is a whole document, for the
// clipboard.
void showSheet(const CalculationSheet& sheet) {
    val section = freshSection();
    section.call<void>("append", textElement("p", sheet.dateTime));
    section.call<void>("append", textElement("p", std::u16string(kNameAndVersion)));
    const SheetTable table = sheetTable(sheet);
    val d = document();
    val element = createElement(d, "table");
    val head = element.call<val>("createTHead");
    val headings = head.call<val>("insertRow");
    for (const std::u16string_view heading : table.header) {
        headings.call<void>("append", textElement("th", std::u16string(heading)));
    }
    val body = element.call<val>("createTBody");
    for (const auto& cells : table.rows) {
        val row = body.call<val>("insertRow");
        row.call<void>("append", textElement("td", cells[0]));
        for (std::size_t i = 1; i < cells.size(); ++i) {
            row.call<void>("append", textElement("td", cells[i], "number"));
        }
    }
    for (const auto& [label, value] : table.summary) {
        val row = body.call<val>("insertRow");
        val labelCell = textElement("td", std::u16string(label));
        labelCell.set("colSpan", 3);
        row.call<void>("append", labelCell);
        row.call<void>("append", textElement("td", value, "number"));
    }
    section.call<void>("append", element);
    if (!sheet.fault.empty()) {
        section.call<void>("append", textElement("p", sheet.fault));
    }
}

std::string captionOf(std::string_view control, bool accessible) {
    const auto row = std::find_if(kControls.begin(), kControls.end(),
                                  [&](const ControlSpec& c) { return c.name == control; });
    return row == kControls.end() ? std::string(control)
                                  : std::string(accessible ? row->accessibleName : row->caption);
}

// In place of the table: what stopped it, in 计算's words, and the entry they are about.
void showProblem(const SheetProblem& problem) {
    val section = freshSection();
    section.call<void>("append", textElement("p", std::string("计算表未能生成：")));
    val said = textElement("p", problem.warning);
    if (problem.entry) {
        said.call<void>("prepend", captionOf(fieldName(*problem.entry), true) + "：");
    }
    section.call<void>("append", said);
    if (problem.focus && isOptionButton(*problem.focus)) {
        section.call<void>("append", textElement("p", captionOf("Frame1", false)));
    }
    section.call<void>("append", textElement("p", std::string("请在页面上改正后再打印。")));
}

void copySheet(const HandlerContext& context) {
    const std::optional<CalculationSheet> sheet = sheetForCommand(context, localDateTime());
    if (!sheet) {
        return;
    }
    const std::u16string text = sheetAsTabSeparated(*sheet);
    const std::u16string html = sheetAsHtml(*sheet, false);
    if (quotara_write_clipboard(text.c_str(), html.c_str()) == 0) {
        context.messages.show(kClipboardFailure, kWarningStyle, u"");
    }
}

void printSheet(const HandlerContext& context) {
    const std::optional<CalculationSheet> sheet = sheetForCommand(context, localDateTime());
    if (!sheet) {
        return;
    }
    showSheet(*sheet);
    quotara_open_print();
}

}  // namespace

const std::array<SheetButton, 2> kSheetButtons = {{
    {sheetCommand(kPageSheetCommands[0]), &copySheet},
    {sheetCommand(kPageSheetCommands[1]), &printSheet},
}};

void prepareSheetForPrint(FieldModel& fields, char16_t decimalSeparator) {
    const auto made = calculationSheetWithoutBox(fields, decimalSeparator, localDateTime());
    if (const auto* sheet = std::get_if<CalculationSheet>(&made)) {
        showSheet(*sheet);
    } else {
        showProblem(std::get<SheetProblem>(made));
    }
}

}  // namespace quotara
