// C++20 library pieces that emscripten's C++ library lacks and the unit tests use: std::bit_cast
// and std::from_chars / std::to_chars for floating point. Put before every test source of the
// WebAssembly build only. Built on the C library (strtof, strtod, snprintf), not on the
// libraries behind the number text, so that the tests still check it against a conversion of
// its own.
#pragma once

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>
#include <type_traits>
#include <version>

namespace std {

#if !defined(__cpp_lib_bit_cast)
template <class To, class From>
requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> &&
         is_trivially_copyable_v<From>) constexpr To bit_cast(const From& from) noexcept {
    return __builtin_bit_cast(To, from);
}
#endif

namespace quotara_compat {

template <class T>
from_chars_result fromChars(const char* first, const char* last, T& value) {
    const string text(first, last);
    char* end = nullptr;
    errno = 0;
    T parsed{};
    if constexpr (is_same_v<T, float>) {
        parsed = strtof(text.c_str(), &end);
    } else {
        parsed = strtod(text.c_str(), &end);
    }
    if (end == text.c_str()) {
        return {first, errc::invalid_argument};
    }
    const char* ptr = first + (end - text.c_str());
    // The C library also says ERANGE for a subnormal result, which from_chars accepts.
    if (errno == ERANGE &&
        (parsed == 0 || parsed > numeric_limits<T>::max() || parsed < -numeric_limits<T>::max())) {
        return {ptr, errc::result_out_of_range};
    }
    value = parsed;
    return {ptr, errc{}};
}

inline to_chars_result toChars(char* first, char* last, double value, chars_format format,
                               int precision) {
    const char* pattern = format == chars_format::scientific ? "%.*e"
                          : format == chars_format::fixed    ? "%.*f"
                                                             : "%.*g";
    const int length =
        snprintf(first, static_cast<size_t>(last - first), pattern, precision, value);
    if (length < 0 || length >= last - first) {
        return {last, errc::value_too_large};
    }
    return {first + length, errc{}};
}

}  // namespace quotara_compat

inline from_chars_result from_chars(const char* first, const char* last, float& value,
                                    chars_format = chars_format::general) {
    return quotara_compat::fromChars(first, last, value);
}

inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format = chars_format::general) {
    return quotara_compat::fromChars(first, last, value);
}

inline to_chars_result to_chars(char* first, char* last, float value, chars_format format,
                                int precision) {
    return quotara_compat::toChars(first, last, value, format, precision);
}

}  // namespace std
