#include "page_markup.h"

#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "appearance.h"
#include "form_walk.h"
#include "message_service.h"

namespace quotara {
namespace {

std::string px(int twips) {
    return std::to_string(twipsToPixels(twips)) + "px";
}

// The two captions the window's description gives in UTF-16.
std::string utf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// One element of the markup. Its style goes into the page's style sheet as a rule for
// `selector`: the page's policy takes no style attribute.
struct Element {
    std::string tag;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;
    std::vector<std::unique_ptr<Element>> children;
    std::string selector;
    std::vector<std::string> declarations;  // "property:value"

    explicit Element(std::string name) : tag(std::move(name)) {}

    Element& set(std::string name, std::string value) {
        attributes.emplace_back(std::move(name), std::move(value));
        return *this;
    }
    Element& append(std::string name) {
        children.push_back(std::make_unique<Element>(std::move(name)));
        return *children.back();
    }
    void declare(std::string_view property, std::string_view value) {
        if (selector.empty()) {
            for (const auto& [name, id] : attributes) {
                if (name == "id") {
                    selector = "#" + id;
                }
            }
        }
        declarations.emplace_back(std::string(property) + ":" + std::string(value));
    }
    void applyFont(const FontSpec& font) {
        declare("font-family", "var(" + std::string(cssFontProperty(font.face)) + ")");
        declare("--font-size", cssFontSize(font));
        declare("font-weight", font.bold ? "700" : "400");
    }

    void write(std::string& out) const {
        out += "<" + tag;
        for (const auto& [name, value] : attributes) {
            out += " " + name;
            if (!value.empty()) {
                out += "=\"" + escaped(value) + "\"";
            }
        }
        out += ">";
        if (tag == "input" || tag == "img") {
            return;
        }
        out += escaped(text);
        for (const auto& child : children) {
            child->write(out);
        }
        out += "</" + tag + ">";
    }
    // Each declaration with the selectors of every element that has it.
    void collectStyle(std::map<std::string, std::string>& rules) const {
        for (const std::string& declaration : declarations) {
            std::string& selectors = rules[declaration];
            selectors += (selectors.empty() ? "" : ",") + selector;
        }
        for (const auto& child : children) {
            child->collectStyle(rules);
        }
    }
};

// A frame: a group named by its caption, the caption set into the top edge of an etched border,
// and the children placed from the frame's outer corner, as on the desktop.
void makeFrame(Element& frame, const ControlSpec& row) {
    frame.set("class", "frame control");
    frame.set("role", holdsOptionButtons(row) ? "radiogroup" : "group");
    const std::string captionId = std::string(row.name) + "_caption";
    frame.set("aria-labelledby", captionId);
    frame.append("div").set("class", "border");
    Element& caption = frame.append("span");
    caption.set("class", "caption").set("id", captionId);
    caption.text = row.caption;  // spaces kept: white-space: pre
    // The caption's own background hides the border line behind it.
    caption.declare("background-color", cssColor(kForm1.backColor));
}

// Each control is an element whose id is its control name; a count button is a radio input
// inside the label that places it, which takes the place, font and class.
class HtmlFormToolkit final : public FormToolkit {
  public:
    Element form{"main"};
    std::string title;

    void createForm(const FormSpec& description) override {
        title = description.caption;
        form.set("id", std::string(description.name))
            .set("aria-label", std::string(description.caption));
        form.declare("--width", px(description.clientWidth));
        form.declare("--height", px(description.clientHeight));
        form.declare("background-color", cssColor(description.backColor));
        form.applyFont(description.font);
        built_.emplace(description.name, Built{&form, &form});
    }

    void createControl(const ControlSpec& row, std::string_view container) override {
        Element& parent = *built_.at(container).control;
        Element* control = nullptr;
        Element* field = nullptr;
        const std::string id(row.name);
        switch (row.kind) {
            case ControlKind::pictureBox:
                // The banner at its natural size from the top-left corner, never scaled.
                control = &parent.append("img");
                control->set("src", kBannerPlaceholder).set("class", "picture control");
                break;
            case ControlKind::frame:
                control = &parent.append("div");
                makeFrame(*control, row);
                break;
            case ControlKind::optionButton: {
                control = &parent.append("label");
                control->set("class", "option control").set("for", id);
                control->selector = "label[for=" + id + "]";
                field = &control->append("input");
                field->set("type", "radio").set("name", "households");
                control->append("span").text = row.caption;
                break;
            }
            case ControlKind::textBox:
                control = &parent.append("input");
                control->set("type", "text").set("autocomplete", "off").set("spellcheck", "false");
                // A phone's keyboard with digits and the decimal separator, not the full pinyin
                // one.
                control->set("inputmode", "decimal").set("class", "control");
                break;
            case ControlKind::label:
                control = &parent.append("span");
                control->set("class", "label control");
                control->text = row.caption;
                break;
            case ControlKind::commandButton:
                control = &parent.append("button");
                control->set("type", "button").set("class", "control");
                control->text = row.caption;
                break;
        }
        if (field == nullptr) {
            field = control;
        }
        field->set("id", id);
        // The place as the window layout's, for the style sheet to use there.
        control->declare("--left", px(row.left));
        control->declare("--top", px(row.top));
        control->declare("--width", px(row.width));
        control->declare("--height", px(row.height));
        built_.emplace(row.name, Built{control, field});
    }

    void setFont(const ControlSpec& row, const FontSpec& font) override {
        built_.at(row.name).control->applyFont(font);
    }

    void setBackColor(const ControlSpec& row, std::uint32_t systemColor) override {
        Element& control = *built_.at(row.name).control;
        control.declare("background-color", cssColor(systemColor));
        if (row.kind == ControlKind::textBox) {
            control.set(kBackColorAttribute, systemColorCode(systemColor));
        }
    }

    void setAccessibleName(const ControlSpec& row, std::string_view name) override {
        built_.at(row.name).field->set(row.kind == ControlKind::pictureBox ? "alt" : "aria-label",
                                       std::string(name));
    }

    void setEnabled(const ControlSpec& row, bool enabled) override {
        if (!enabled) {
            built_.at(row.name).field->set("disabled", "");
        }
    }

    // The program fits the results' text as they are written; empty, each fits already.
    void fitTextToWidth(const ControlSpec&) override {}

    // By tabindex: the controls stand in the page in the table's (reading) order.
    void placeInTabOrder(const ControlSpec& row, int position) override {
        built_.at(row.name).field->set("tabindex", std::to_string(position));
    }

  private:
    struct Built {
        Element* control;  // placed in its container
        Element* field;    // carries the id, the name, the state
    };
    std::map<std::string_view, Built> built_;
};

// The warning box: icon, prompt and one 确定 button; no title.
Element messageDialog() {
    Element dialog("dialog");
    dialog.set("id", "message").set("role", "alertdialog").set("aria-labelledby", "messageText");
    dialog.applyFont(kForm1.font);
    dialog.append("div").set("class", "icon").set("aria-hidden", "true");
    dialog.append("p").set("id", "messageText");
    Element& ok = dialog.append("div").set("class", "buttons").append("button");
    ok.set("type", "button").set("id", "messageOk").text = kOkCaption;
    return dialog;
}

// Where screen readers hear, politely, what a calculation wrote; never seen. In the window's
// face, which the page has loaded already: in the browser's default face the first results
// announced would load a font of their own, in the middle of the first 计算.
Element liveRegion() {
    Element region("div");
    region.set("id", kLiveRegionId).set("aria-live", "polite").set("aria-atomic", "true");
    region.set("class", "unseen");
    region.applyFont(kForm1.font);
    return region;
}

Element sheetButtons() {
    Element group("div");
    group.set("id", "sheetButtons").set("role", "group").set("aria-label", utf8(kSheetTitle));
    // The column layout draws the buttons on the window's colour, as the end of the window.
    group.declare("--back-color", cssColor(kForm1.backColor));
    for (const SheetCommandId id : kPageSheetCommands) {
        const SheetCommand& command = sheetCommand(id);
        Element& button = group.append("button");
        button.set("type", "button").set("id", command.id).text = utf8(command.caption);
        button.applyFont(kForm1.font);
    }
    return group;
}

// The table is set in the window's Song face and size.
Element sheetSection() {
    Element section("section");
    section.set("id", kSheetSectionId);
    section.applyFont(kForm1.font);
    return section;
}

// The root's face lists (cssFontProperty): every platform's, then the one platform's for a root
// the guard has marked.
std::string fontProperties() {
    const auto lists = [](std::optional<FacePlatform> platform) {
        std::string declarations;
        for (const FontFace face : {FontFace::song, FontFace::hei}) {
            declarations += (declarations.empty() ? "" : ";") + std::string(cssFontProperty(face)) +
                            ":" + cssFontFamily(face, platform);
        }
        return "{" + declarations + "}\n";
    };
    std::string style = ":root" + lists(std::nullopt);
    for (const FacePlatform platform : kFacePlatforms) {
        style += ":root[" + std::string(kPlatformAttribute) + "=" +
                 std::string(platformAttributeValue(platform)) + "]" + lists(platform);
    }
    return style;
}

}  // namespace

PageMarkup pageMarkup() {
    HtmlFormToolkit toolkit;
    buildForm(toolkit);
    PageMarkup markup;
    markup.title = escaped(toolkit.title);
    // After the window in the body: the box, the live region, the sheet's buttons and section.
    const Element parts[] = {messageDialog(), liveRegion(), sheetButtons(), sheetSection()};
    toolkit.form.write(markup.body);
    markup.style = fontProperties();
    // One rule per declaration, for all the elements that share it: most share a font, a weight.
    std::map<std::string, std::string> rules;
    toolkit.form.collectStyle(rules);
    for (const Element& part : parts) {
        part.write(markup.body);
        part.collectStyle(rules);
    }
    for (const auto& [declaration, selectors] : rules) {
        markup.style += selectors + "{" + declaration + "}\n";
    }
    return markup;
}

}  // namespace quotara
