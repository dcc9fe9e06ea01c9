#include "appearance.h"

#include <algorithm>

#include "field_model.h"
#include "font_faces.h"

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
    // A name of letters and digits alone stands as it is; any other is quoted.
    const auto quoted = [](std::string_view name) {
        const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        });
        return plain ? std::string(name) : "\"" + std::string(name) + "\"";
    };
    std::string family = quoted(faceName(face));
    for (const std::string_view name : fallbackFaces(face)) {
        family += ", " + quoted(name);
    }
    return family + (face == FontFace::hei ? ", sans-serif" : ", serif");
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
