// Bit patterns and decimal text of floating-point numbers, for the tests' own expectations. The
// standard library's bit_cast, to_chars and from_chars where it has them; emscripten's libc++ and
// libstdc++ 10 lack them, so otherwise the C library's. Never the libraries behind the number
// text, which the tests check against these.
#pragma once

#include <charconv>
#include <concepts>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <version>
#if defined(__cpp_lib_bit_cast)
#include <bit>
#endif

namespace quotara::test {

// The same bits read as another type of the same size.
template <class To, class From>
To bitCast(const From& from) {
    static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
                  std::is_trivially_copyable_v<From>);
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<To>(from);
#else
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
#endif
}

// The value as printf writes it with "%.*e" (scientific), "%.*f" (fixed) or "%.*g" (general) in
// the C locale; empty if it does not fit 100 characters.
template <std::floating_point Float>
std::string toChars(Float value, std::chars_format format, int precision) {
    char digits[100];
#if defined(__cpp_lib_to_chars)
    const auto [end, error] =
        std::to_chars(digits, digits + sizeof digits, value, format, precision);
    return error == std::errc{} ? std::string(digits, end) : std::string();
#else
    const char* pattern = format == std::chars_format::scientific ? "%.*e"
                          : format == std::chars_format::fixed    ? "%.*f"
                                                                  : "%.*g";
    const int length = std::snprintf(digits, sizeof digits, pattern, precision, double{value});
    return length >= 0 && length < int{sizeof digits}
               ? std::string(digits, static_cast<std::size_t>(length))
               : std::string();
#endif
}

// The value nearest to a decimal number in the text (in range: the tests read back what
// toChars wrote).
template <std::floating_point Float>
Float fromChars(std::string_view text) {
    Float value{};
#if defined(__cpp_lib_to_chars)
    std::from_chars(text.data(), text.data() + text.size(), value);
#else
    const std::string terminated(text);
    if constexpr (std::is_same_v<Float, float>) {
        value = std::strtof(terminated.c_str(), nullptr);
    } else {
        value = std::strtod(terminated.c_str(), nullptr);
    }
#endif
    return value;
}

}  // namespace quotara::test
