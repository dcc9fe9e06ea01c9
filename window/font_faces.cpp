#include "font_faces.h"

#include <cstddef>

namespace quotara {
namespace {

struct Fallback {
    std::string_view name;
    FacePlatform platform;
};

constexpr FacePlatform kWindows = FacePlatform::windows;
constexpr FacePlatform kApple = FacePlatform::apple;
constexpr FacePlatform kOther = FacePlatform::other;

constexpr std::array<Fallback, 6> kSongFallbacks = {{
    {"SimSun", kWindows},
    {"Songti SC", kApple},
    {"STSong", kApple},
    {"Noto Serif CJK SC", kOther},
    {"Source Han Serif SC", kOther},
    {"AR PL UMing CN", kOther},
}};
constexpr std::array<Fallback, 8> kHeiFallbacks = {{
    {"SimHei", kWindows},
    {"Heiti SC", kApple},
    {"STHeiti", kApple},
    {"Noto Sans Mono CJK SC", kOther},
    {"Noto Sans CJK SC", kOther},
    {"Source Han Sans SC", kOther},
    {"WenQuanYi Zen Hei", kOther},
    {"Microsoft YaHei", kWindows},
}};

// The names alone, for the toolkits that try every face in turn.
template <std::size_t N>
constexpr std::array<std::string_view, N> namesOf(const std::array<Fallback, N>& faces) {
    std::array<std::string_view, N> names{};
    for (std::size_t i = 0; i < N; ++i) {
        names[i] = faces[i].name;
    }
    return names;
}
constexpr std::array kSongNames = namesOf(kSongFallbacks);
constexpr std::array kHeiNames = namesOf(kHeiFallbacks);

std::span<const Fallback> fallbacks(FontFace face) {
    if (face == FontFace::hei) {
        return kHeiFallbacks;
    }
    return kSongFallbacks;
}

}  // namespace

std::string_view faceName(FontFace face) {
    return face == FontFace::hei ? "黑体" : "宋体";
}

std::span<const std::string_view> fallbackFaces(FontFace face) {
    if (face == FontFace::hei) {
        return kHeiNames;
    }
    return kSongNames;
}

std::vector<std::string_view> platformFaces(FontFace face, FacePlatform platform) {
    std::vector<std::string_view> faces;
    if (platform == FacePlatform::windows) {
        faces.push_back(faceName(face));
    }
    for (const Fallback& fallback : fallbacks(face)) {
        if (fallback.platform == platform) {
            faces.push_back(fallback.name);
        }
    }
    return faces;
}

}  // namespace quotara
