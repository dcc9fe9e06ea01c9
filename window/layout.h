// The window's description as data: every control with its kind, container, place and size in
// twips, caption, font and colour, plus the tab order. The Qt adapter builds the window from it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quotara {

// Twips are 1/1440 inch: 15 twips make one logical pixel.
inline constexpr int kTwipsPerPixel = 15;
[[nodiscard]] constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

enum class ControlKind { pictureBox, frame, optionButton, textBox, label, commandButton };

enum class FontFace { song, hei };  // 宋体 and 黑体
struct FontSpec {
    FontFace face;
    int decipoints;  // tenths of a point: 105 for 10.5 pt
    bool bold;
};

struct ControlSpec {
    std::string_view name;  // the control name, used as the widget's object name
    ControlKind kind;
    std::string_view container;    // "Form1" or a frame; positions are relative to its corner
    int left, top, width, height;  // twips
    std::string_view caption;      // UTF-8; empty for text boxes and the picture box
    std::optional<FontSpec> font;  // none: the window's font
    std::optional<std::uint32_t> backColor;  // a system colour; none: the toolkit's default
    std::string_view accessibleName;  // for screen readers, UTF-8; empty where the caption says it
};

struct FormSpec {
    std::string_view name;
    std::string_view caption;
    int clientWidth, clientHeight;  // twips
    FontSpec font;
    std::uint32_t backColor;
};

extern const FormSpec kForm1;

// The two members of each row-label array LabelN are named "LabelN_0" (beside the entry, in
// Frame3) and "LabelN_1" (beside the result, in Frame4).
extern const std::array<ControlSpec, 50> kControls;

// The controls that take the keyboard focus, in tab order. A disabled one is passed over.
extern const std::array<std::string_view, 28> kTabOrder;

}  // namespace quotara
