#include "page_builder.h"

#include <algorithm>
#include <map>
#include <string>

#include "field_model.h"
#include "fitted_text.h"
#include "layout.h"
#include "message_service.h"
#include "page_elements.h"
#include "page_layouts.h"
#include "web_appearance.h"
#include "web_field_model.h"

namespace quotara {
namespace {

using emscripten::val;

std::string px(int twips) {
    return std::to_string(twipsToPixels(twips)) + "px";
}

// A frame: a group named by its caption, the caption set into the top edge of an etched border,
// and the children placed from the frame's outer corner, as on the desktop.
val createFrame(val& document, const ControlSpec& row) {
    val frame = createElement(document, "div");
    frame["classList"].call<void>("add", std::string("frame"));
    // The frame that holds the option buttons is their radio group.
    const bool holdsOptions = std::any_of(kControls.begin(), kControls.end(), [&](const auto& c) {
        return c.kind == ControlKind::optionButton && c.container == row.name;
    });
    setAttribute(frame, "role", holdsOptions ? "radiogroup" : "group");
    const std::string captionId = std::string(row.name) + "_caption";
    setAttribute(frame, "aria-labelledby", captionId);
    val border = createElement(document, "div");
    border["classList"].call<void>("add", std::string("border"));
    frame.call<void>("append", border);
    val caption = createElement(document, "span");
    caption["classList"].call<void>("add", std::string("caption"));
    caption.set("id", captionId);
    caption.set("textContent", std::string(row.caption));  // spaces kept: white-space: pre
    // The caption's own background hides the border line behind it.
    caption["style"].set("backgroundColor", cssColor(kForm1.backColor));
    frame.call<void>("append", caption);
    return frame;
}

// An option button: a radio input carrying the control name, inside the label that places it.
val createOptionButton(val& document, const ControlSpec& row, val& input) {
    val label = createElement(document, "label");
    label["classList"].call<void>("add", std::string("option"));
    input = createElement(document, "input");
    input.set("type", std::string("radio"));
    input.set("name", std::string("households"));
    input.set("id", std::string(row.name));
    val caption = createElement(document, "span");
    caption.set("textContent", std::string(row.caption));
    label.call<void>("append", input);
    label.call<void>("append", caption);
    return label;
}

val createControl(val& document, const ControlSpec& row) {
    switch (row.kind) {
        case ControlKind::pictureBox: {
            // The banner at its natural size from the top-left corner, never scaled.
            val picture = createElement(document, "img");
            picture.set("src", document["body"]["dataset"]["banner"]);
            picture["classList"].call<void>("add", std::string("picture"));
            return picture;
        }
        case ControlKind::frame:
            return createFrame(document, row);
        case ControlKind::textBox: {
            val box = createElement(document, "input");
            box.set("type", std::string("text"));
            box.set("autocomplete", std::string("off"));
            box.set("spellcheck", false);
            // A phone's keyboard with digits and the decimal separator, not the full pinyin one.
            setAttribute(box, "inputmode", "decimal");
            return box;
        }
        case ControlKind::label: {
            val label = createElement(document, "span");
            label["classList"].call<void>("add", std::string("label"));
            label.set("textContent", std::string(row.caption));
            return label;
        }
        case ControlKind::commandButton: {
            val button = createElement(document, "button");
            button.set("type", std::string("button"));
            button.set("textContent", std::string(row.caption));
            return button;
        }
        case ControlKind::optionButton:
            break;
    }
    return createElement(document, "div");
}

// The place as the window layout's, for the style sheet to use there: inline left and top would
// beat the phone layout's rules.
void place(val& element, const ControlSpec& row) {
    setStyleProperty(element, "--left", px(row.left));
    setStyleProperty(element, "--top", px(row.top));
    setStyleProperty(element, "--width", px(row.width));
    setStyleProperty(element, "--height", px(row.height));
}

// The warning box: icon, prompt and one 确定 button; no title.
val createMessageDialog(val& document) {
    val dialog = createElement(document, "dialog");
    dialog.set("id", std::string("message"));
    setAttribute(dialog, "role", "alertdialog");
    setAttribute(dialog, "aria-labelledby", "messageText");
    applyFont(dialog, kForm1.font);
    val icon = createElement(document, "div");
    icon["classList"].call<void>("add", std::string("icon"));
    setAttribute(icon, "aria-hidden", "true");
    val text = createElement(document, "p");
    text.set("id", std::string("messageText"));
    val buttons = createElement(document, "div");
    buttons["classList"].call<void>("add", std::string("buttons"));
    val ok = createElement(document, "button");
    ok.set("type", std::string("button"));
    ok.set("id", std::string("messageOk"));
    ok.set("textContent", std::string(kOkCaption));
    buttons.call<void>("append", ok);
    dialog.call<void>("append", icon);
    dialog.call<void>("append", text);
    dialog.call<void>("append", buttons);
    return dialog;
}

// Where screen readers hear, politely, what a calculation wrote; never seen.
val createLiveRegion(val& document) {
    val region = createElement(document, "div");
    region.set("id", std::string(kLiveRegionId));
    setAttribute(region, "aria-live", "polite");
    setAttribute(region, "aria-atomic", "true");
    region["classList"].call<void>("add", std::string("unseen"));
    return region;
}

}  // namespace

void buildPage(val document) {
    document.set("title", std::string(kForm1.caption));

    val form = createElement(document, "main");
    form.set("id", std::string(kForm1.name));
    setAttribute(form, "aria-label", kForm1.caption);
    setStyleProperty(form, "--width", px(kForm1.clientWidth));
    setStyleProperty(form, "--height", px(kForm1.clientHeight));
    form["style"].set("backgroundColor", cssColor(kForm1.backColor));
    applyFont(form, kForm1.font);

    std::map<std::string_view, val> built{{kForm1.name, form}};
    for (const ControlSpec& row : kControls) {
        val field = val::undefined();
        val control = row.kind == ControlKind::optionButton
                          ? createOptionButton(document, row, field)
                          : createControl(document, row);
        if (field.isUndefined()) {
            field = control;
            field.set("id", std::string(row.name));
        }
        control["classList"].call<void>("add", std::string("control"));
        place(control, row);
        // Set even where it is the window's font, so that a control does not take its frame's
        // caption font.
        applyFont(control, row.font.value_or(kForm1.font));
        if (row.backColor) {
            control["style"].set("backgroundColor", cssColor(*row.backColor));
            if (row.kind == ControlKind::textBox) {
                setAttribute(control, kBackColorAttribute, systemColorCode(*row.backColor));
            }
        }
        if (!row.accessibleName.empty()) {
            if (row.kind == ControlKind::pictureBox) {
                field.set("alt", std::string(row.accessibleName));
            } else {
                setAttribute(field, "aria-label", row.accessibleName);
            }
        }
        if (const std::optional<Field> known = fieldNamed(row.name)) {
            field.set("disabled", !initialState(*known).enabled);
        }
        built.at(row.container).call<void>("append", control);
        built.emplace(row.name, field);
    }
    // Tab order by tabindex: the controls stand in the page in the table's (reading) order.
    for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
        built.at(kTabOrder[i]).set("tabIndex", static_cast<int>(i + 1));
    }

    val body = document["body"];
    body.call<void>("append", form);
    body.call<void>("append", createMessageDialog(document));
    body.call<void>("append", createLiveRegion(document));
    followLayoutInTabOrder();
    for (int i = 0; i < kFieldCount; ++i) {
        if (const auto field = static_cast<Field>(i); isResultField(field)) {
            fitTextToWidth(fieldName(field));
        }
    }
}

}  // namespace quotara
