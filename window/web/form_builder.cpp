#include "form_builder.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "appearance.h"
#include "fitted_text.h"
#include "form_walk.h"
#include "message_service.h"
#include "page_elements.h"
#include "page_layouts.h"
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
    setAttribute(frame, "role", holdsOptionButtons(row) ? "radiogroup" : "group");
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

val createElementFor(val& document, const ControlSpec& row) {
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

// Each control is an element whose id is its control name; a count button is a radio input
// inside the label that places it, which takes the place, font and class.
class WebFormToolkit final : public FormToolkit {
  public:
    explicit WebFormToolkit(val document) : document_(std::move(document)) {}

    val form = val::undefined();

    void createForm(const FormSpec& spec) override {
        document_.set("title", std::string(spec.caption));
        form = createElement(document_, "main");
        form.set("id", std::string(spec.name));
        setAttribute(form, "aria-label", spec.caption);
        setStyleProperty(form, "--width", px(spec.clientWidth));
        setStyleProperty(form, "--height", px(spec.clientHeight));
        form["style"].set("backgroundColor", cssColor(spec.backColor));
        applyFont(form, spec.font);
        built_.emplace(spec.name, Built{form, form});
    }

    void createControl(const ControlSpec& row, std::string_view container) override {
        val field = val::undefined();
        val control = row.kind == ControlKind::optionButton
                          ? createOptionButton(document_, row, field)
                          : createElementFor(document_, row);
        if (field.isUndefined()) {
            field = control;
            field.set("id", std::string(row.name));
        }
        control["classList"].call<void>("add", std::string("control"));
        place(control, row);
        built_.at(container).control.call<void>("append", control);
        built_.emplace(row.name, Built{control, field});
    }

    void setFont(const ControlSpec& row, const FontSpec& font) override {
        applyFont(built_.at(row.name).control, font);
    }

    void setBackColor(const ControlSpec& row, std::uint32_t systemColor) override {
        val control = built_.at(row.name).control;
        control["style"].set("backgroundColor", cssColor(systemColor));
        if (row.kind == ControlKind::textBox) {
            setAttribute(control, kBackColorAttribute, systemColorCode(systemColor));
        }
    }

    void setAccessibleName(const ControlSpec& row, std::string_view name) override {
        val field = built_.at(row.name).field;
        if (row.kind == ControlKind::pictureBox) {
            field.set("alt", std::string(name));
        } else {
            setAttribute(field, "aria-label", name);
        }
    }

    void setEnabled(const ControlSpec& row, bool enabled) override {
        built_.at(row.name).field.set("disabled", !enabled);
    }

    // Fitted once the page is in the document, where its fields can be measured.
    void fitTextToWidth(const ControlSpec& row) override {
        if (const std::optional<Field> field = fieldNamed(row.name)) {
            fitted_.push_back(*field);
        }
    }

    // By tabindex: the controls stand in the page in the table's (reading) order.
    void placeInTabOrder(const ControlSpec& row, int position) override {
        built_.at(row.name).field.set("tabIndex", position);
    }

    [[nodiscard]] const std::vector<Field>& fitted() const { return fitted_; }

  private:
    struct Built {
        val control;  // placed in its container
        val field;    // carries the id, the name, the state
    };
    val document_;
    std::map<std::string_view, Built> built_;
    std::vector<Field> fitted_;
};

}  // namespace

void buildPage(val document) {
    WebFormToolkit toolkit(document);
    buildForm(toolkit);
    val body = document["body"];
    body.call<void>("append", toolkit.form);
    body.call<void>("append", createMessageDialog(document));
    body.call<void>("append", createLiveRegion(document));
    followLayoutInTabOrder();
    for (const Field field : toolkit.fitted()) {
        fitTextToWidth(field);
    }
}

}  // namespace quotara
