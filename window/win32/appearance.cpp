#include "appearance.h"

#include <cmath>
#include <string>

#include "field_model.h"
#include "font_faces.h"
#include "win32_text.h"

namespace quotara {
namespace {

// Whether GDI has a face of that name: the font it makes for the name says which face it took.
// Cheaper than enumerating the system's fonts.
bool installed(const std::wstring& face) {
    LOGFONTW query{};
    query.lfCharSet = GB2312_CHARSET;
    face.copy(query.lfFaceName, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectW(&query);
    HDC screen = GetDC(nullptr);
    HGDIOBJ before = SelectObject(screen, font);
    wchar_t taken[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, taken);
    SelectObject(screen, before);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return lstrcmpiW(taken, face.c_str()) == 0;
}

// Looked up once a face: enumerating the fonts costs more than making one.
const std::wstring& faceFor(FontFace face) {
    static std::wstring chosen[2];
    std::wstring& name = chosen[face == FontFace::hei ? 1 : 0];
    if (name.empty()) {
        name = toWide(faceName(face));
        if (!installed(name)) {
            for (const std::string_view fallback : fallbackFaces(face)) {
                if (installed(toWide(fallback))) {
                    name = toWide(fallback);
                    break;
                }
            }
        }
    }
    return name;
}

}  // namespace

int twipsAt(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

int windowDpi(HWND window) {
    // GetDpiForWindow is Windows 10 1607's: looked up, so that the program starts on Windows 7.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        return static_cast<int>(getDpiForWindow(window));
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int systemColorIndex(std::uint32_t code) {
    return static_cast<int>(code & 0xFFu);
}

HFONT createFont(const FontSpec& font, int dpi) {
    return createFont(font, font.decipoints / 10.0, dpi);
}

HFONT createFont(const FontSpec& font, double points, int dpi) {
    LOGFONTW wanted{};
    wanted.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    wanted.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    wanted.lfCharSet = GB2312_CHARSET;
    wanted.lfOutPrecision = OUT_DEFAULT_PRECIS;
    wanted.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    wanted.lfQuality = DEFAULT_QUALITY;
    wanted.lfPitchAndFamily =
        static_cast<BYTE>(DEFAULT_PITCH | (font.face == FontFace::song ? FF_ROMAN : FF_MODERN));
    faceFor(font.face).copy(wanted.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&wanted);
}

}  // namespace quotara
