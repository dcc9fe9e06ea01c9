// The Wine prefix gives the window's faces the fonts it was set up with: 宋体 and its names in
// the serif, 黑体 in the monospaced sans, whose spaces and Latin letters are half a Chinese
// character wide, as SimHei's are (the total-area frame's caption places its headings by them).
// A prefix set up without a UTF-8 locale, or a missing font, fails here rather than as a window
// drawn in Japanese glyph forms.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Face {
    const wchar_t* requested;
    const wchar_t* font;  // the full name of the bold face that must stand in
    bool halfWidthLatin;
};

constexpr Face kFaces[] = {
    {L"宋体", L"Noto Serif CJK SC Bold", false},
    {L"SimSun", L"Noto Serif CJK SC Bold", false},
    {L"新宋体", L"Noto Serif CJK SC Bold", false},
    {L"NSimSun", L"Noto Serif CJK SC Bold", false},
    {L"黑体", L"Noto Sans Mono CJK SC Bold", true},
    {L"SimHei", L"Noto Sans Mono CJK SC Bold", true},
};

std::string utf8(const std::wstring& text) {
    std::string out(text.size() * 3 + 1, '\0');
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(),
                                         static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(size > 0 ? static_cast<std::size_t>(size - 1) : 0);
    return out;
}

// The selected font's full name. Wine reports a replaced face's family under the name asked
// for; the full name is the font's own.
std::wstring fullName(HDC dc) {
    const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
    if (size == 0) {
        return L"(no outline font)";
    }
    std::vector<char> buffer(size);
    auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
    if (GetOutlineTextMetricsW(dc, size, metrics) == 0) {
        return L"(no outline font)";
    }
    const auto offset = reinterpret_cast<UINT_PTR>(metrics->otmpFaceName);
    return reinterpret_cast<const wchar_t*>(buffer.data() + offset);
}

int width(HDC dc, const wchar_t* text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &size);
    return size.cx;
}

}  // namespace

int wmain() {
    HDC dc = CreateCompatibleDC(nullptr);
    int failures = 0;
    for (const Face& face : kFaces) {
        HFONT font = CreateFontW(-14, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, face.requested);
        HGDIOBJ previous = SelectObject(dc, font);
        const std::wstring name = fullName(dc);
        if (name != face.font) {
            std::printf("FAIL: %s is %s, not %s\n", utf8(face.requested).c_str(),
                        utf8(name).c_str(), utf8(face.font).c_str());
            ++failures;
        }
        const int chinese = width(dc, L"总");
        const int space = width(dc, L" ");
        const int latin = width(dc, L"A");
        if (face.halfWidthLatin && (2 * space != chinese || 2 * latin != chinese)) {
            std::printf("FAIL: %s sets a space %d and A %d wide beside 总 %d\n",
                        utf8(face.requested).c_str(), space, latin, chinese);
            ++failures;
        }
        SelectObject(dc, previous);
        DeleteObject(font);
    }
    DeleteDC(dc);
    std::printf("%d faces checked, %d failed\n", static_cast<int>(std::size(kFaces)), failures);
    return failures == 0 ? 0 : 1;
}
