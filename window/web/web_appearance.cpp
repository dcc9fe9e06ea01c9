#include "web_appearance.h"

#include "field_model.h"

namespace quotara {

std::string cssColor(std::uint32_t systemColor) {
    switch (systemColor) {
        case kScrollBarColor:
            return "#cacaca";
        case kMenuBarColor:
            return "#efefef";
        case kWindowBackgroundColor:
        default:
            return "#ffffff";
    }
}

std::string systemColorCode(std::uint32_t systemColor) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string code = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) {
        code += kHex[(systemColor >> shift) & 0xFu];
    }
    return code;
}

std::string cssFontFamily(FontFace face) {
    // For 黑体 the monospaced Noto face comes before the proportional one: like SimHei it sets
    // spaces half a character wide, which the total-area frame's caption relies on to stand its
    // two headings over their fields.
    if (face == FontFace::hei) {
        return "\"黑体\", SimHei, \"Heiti SC\", STHeiti, \"Noto Sans Mono CJK SC\", "
               "\"Noto Sans CJK SC\", \"Source Han Sans SC\", \"WenQuanYi Zen Hei\", "
               "\"Microsoft YaHei\", sans-serif";
    }
    return "\"宋体\", SimSun, \"Songti SC\", STSong, \"Noto Serif CJK SC\", "
           "\"Source Han Serif SC\", \"AR PL UMing CN\", serif";
}

std::string cssFontSize(const FontSpec& font) {
    std::string size = std::to_string(font.decipoints / 10);
    if (font.decipoints % 10 != 0) {
        size += '.';
        size += static_cast<char>('0' + font.decipoints % 10);
    }
    return size + "pt";
}

}  // namespace quotara
