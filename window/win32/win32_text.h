// Text from the toolkit-free code as Windows' wide strings: UTF-8 for the window's description
// and control names, UTF-16 for field texts and messages. On Windows wchar_t is UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace quotara {

[[nodiscard]] std::wstring toWide(std::string_view utf8);

[[nodiscard]] inline std::wstring toWide(std::u16string_view utf16) {
    return {utf16.begin(), utf16.end()};
}

[[nodiscard]] inline std::u16string toU16(std::wstring_view wide) {
    return {wide.begin(), wide.end()};
}

}  // namespace quotara
