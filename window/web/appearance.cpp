#include "appearance.h"

#include <algorithm>
#include <vector>

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

std::string cssFontFamily(FontFace face, std::optional<FacePlatform> platform) {
    // A name of letters and digits alone stands as it is; any other is quoted.
    const auto quoted = [](std::string_view name) {
        const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        });
        return plain ? std::string(name) : "\"" + std::string(name) + "\"";
    };
    std::vector<std::string_view> names;
    if (platform) {
        names = platformFaces(face, *platform);
    } else {
        names.push_back(faceName(face));
        const auto fallbacks = fallbackFaces(face);
        names.insert(names.end(), fallbacks.begin(), fallbacks.end());
    }
    std::string family;
    for (const std::string_view name : names) {
        family += quoted(name) + ", ";
    }
    return family + (face == FontFace::hei ? "sans-serif" : "serif");
}

std::string_view cssFontProperty(FontFace face) {
    return face == FontFace::hei ? "--hei" : "--song";
}

std::string_view platformAttributeValue(FacePlatform platform) {
    switch (platform) {
        case FacePlatform::windows:
            return "windows";
        case FacePlatform::apple:
            return "apple";
        case FacePlatform::other:
        default:
            return "other";
    }
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
