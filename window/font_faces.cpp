#include "font_faces.h"

namespace quotara {
namespace {

constexpr std::array<std::string_view, 6> kSongFallbacks = {
    "SimSun", "Songti SC", "STSong", "Noto Serif CJK SC", "Source Han Serif SC", "AR PL UMing CN",
};
constexpr std::array<std::string_view, 8> kHeiFallbacks = {
    "SimHei",           "Heiti SC",           "STHeiti",           "Noto Sans Mono CJK SC",
    "Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Zen Hei", "Microsoft YaHei",
};

}  // namespace

std::string_view faceName(FontFace face) {
    return face == FontFace::hei ? "黑体" : "宋体";
}

std::span<const std::string_view> fallbackFaces(FontFace face) {
    if (face == FontFace::hei) {
        return kHeiFallbacks;
    }
    return kSongFallbacks;
}

}  // namespace quotara
