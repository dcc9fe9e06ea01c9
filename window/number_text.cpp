#include "number_text.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <system_error>

namespace quotara {

namespace {

// A midpoint between two adjacent floats has at most 113 significant decimal digits (the worst is
// an odd multiple of 2^-150). Keeping more digits than that, plus one nonzero "sticky" digit
// standing for everything dropped, rounds exactly like the full text while bounding the work
// the conversion does on a megabyte of digits.
constexpr std::size_t kMaxSignificantDigits = 128;

// Saturation bound for the exponent: far beyond any float, yet cannot overflow int64 when the
// digit-position shift (bounded by the text length) is added.
constexpr std::int64_t kExponentCap = 1'000'000'000'000;

// With the value written as 0.d1d2d3... x 10^E (d1 nonzero), E >= 40 means at least 1E+39, past
// FLT_MAX; E <= -46 means below 1E-46, under half the smallest subnormal (about 7.0E-46).
constexpr std::int64_t kOverflowExponent = 40;
constexpr std::int64_t kZeroExponent = -46;

// Input methods for Chinese type full-width forms; they mean the same as their ASCII twins.
char16_t toAscii(char16_t c) {
    if (c >= u'\uFF10' && c <= u'\uFF19') {
        return static_cast<char16_t>(u'0' + (c - u'\uFF10'));
    }
    switch (c) {
        case u'\uFF0B':
            return u'+';
        case u'\uFF0D':
            return u'-';
        case u'\uFF0E':
            return u'.';
        case u'\uFF0C':
            return u',';
        case u'\uFF45':
            return u'e';
        case u'\uFF25':
            return u'E';
        default:
            return c;
    }
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool isTrimmedSpace(char16_t c) {
    return c == u' ' || c == u'\u3000';
}

std::u16string_view trimSpaces(std::u16string_view text) {
    while (!text.empty() && isTrimmedSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isTrimmedSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A numeric text reduced to sign, significant digits and scale: the magnitude is
// 0.<digits> x 10^exponent, or zero when there are no digits.
struct ParsedNumber {
    bool negative = false;
    // No leading zeros; at most kMaxSignificantDigits + 1 (the sticky digit). A fixed buffer:
    // every entry goes through here twice per Calculate.
    std::array<char, kMaxSignificantDigits + 1> digits{};
    std::size_t digitCount = 0;
    std::int64_t exponent = 0;
};

std::optional<ParsedNumber> parse(std::u16string_view text, char16_t decimalSeparator) {
    text = trimSpaces(text);
    const char16_t separator = toAscii(decimalSeparator);
    std::size_t pos = 0;
    auto peek = [&]() -> char16_t { return pos < text.size() ? toAscii(text[pos]) : u'\0'; };

    ParsedNumber number;
    if (peek() == u'+' || peek() == u'-') {
        number.negative = peek() == u'-';
        ++pos;
    }

    std::size_t mantissaDigits = 0;
    std::size_t integerDigits = 0;
    std::size_t leadingZeros = 0;
    bool sawSeparator = false;
    bool sticky = false;
    for (; pos < text.size(); ++pos) {
        const char16_t c = peek();
        if (isDigit(c)) {
            ++mantissaDigits;
            if (!sawSeparator) {
                ++integerDigits;
            }
            if (number.digitCount == 0 && c == u'0') {
                ++leadingZeros;
            } else if (number.digitCount < kMaxSignificantDigits) {
                number.digits[number.digitCount++] = static_cast<char>(c);
            } else if (c != u'0') {
                sticky = true;
            }
        } else if (c == separator && !sawSeparator) {
            sawSeparator = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }

    std::int64_t exponent = 0;
    if (peek() == u'e' || peek() == u'E') {
        ++pos;
        bool negativeExponent = false;
        if (peek() == u'+' || peek() == u'-') {
            negativeExponent = peek() == u'-';
            ++pos;
        }
        const std::size_t exponentStart = pos;
        for (; isDigit(peek()); ++pos) {
            exponent = std::min(exponent * 10 + (peek() - u'0'), kExponentCap);
        }
        if (pos == exponentStart) {
            return std::nullopt;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }

    if (sticky) {
        number.digits[number.digitCount++] = '1';
    }
    number.exponent = static_cast<std::int64_t>(integerDigits) -
                      static_cast<std::int64_t>(leadingZeros) + exponent;
    return number;
}

}  // namespace

bool isNumeric(std::u16string_view text, char16_t decimalSeparator) {
    return parse(text, decimalSeparator).has_value();
}

SingleConversion textToSingle(std::u16string_view text, char16_t decimalSeparator) {
    const std::optional<ParsedNumber> number = parse(text, decimalSeparator);
    if (!number) {
        return {ConversionStatus::notNumeric, 0.0f};
    }
    const float zero = number->negative ? -0.0f : 0.0f;
    if (number->digitCount == 0 || number->exponent <= kZeroExponent) {
        return {ConversionStatus::converted, zero};
    }
    if (number->exponent >= kOverflowExponent) {
        return {ConversionStatus::outOfRange, 0.0f};
    }

    // "0.<digits>e<exponent>": fast_float rounds the decimal value to float in one step, which
    // going through double would not (a double can land exactly on a float midpoint). It is
    // the library inside several standard libraries' from_chars, and unlike from_chars<float>
    // it is there on every platform we build for.
    std::array<char, kMaxSignificantDigits + 16> buffer{};
    char* out = buffer.data();
    *out++ = '0';
    *out++ = '.';
    out = std::copy_n(number->digits.begin(), number->digitCount, out);
    *out++ = 'e';
    out = std::to_chars(out, buffer.data() + buffer.size(), number->exponent).ptr;

    float magnitude = 0.0f;
    const auto [end, error] = fast_float::from_chars(buffer.data(), out, magnitude);
    if (error != std::errc{} || end != out) {
        return {ConversionStatus::notNumeric, 0.0f};  // unreachable for a parsed number
    }
    // Past the largest single it gives infinity; below half the smallest subnormal, zero.
    if (std::isinf(magnitude)) {
        return {ConversionStatus::outOfRange, 0.0f};
    }
    return {ConversionStatus::converted, number->negative ? -magnitude : magnitude};
}

// Writes a positive single the way %.7g does, for magnitudes whose 7-digit rounding lies in
// [1E-04, 1E+07): every result a user normally sees. Exact integer arithmetic on the single's
// binary value does it in a tenth of the time of the general path. Returns nullptr for other
// magnitudes, which go through {fmt}.
char* writeCommonMagnitude(float magnitude, char* out) {
    int binaryExponent = 0;
    const float fraction = std::frexp(magnitude, &binaryExponent);
    // magnitude = mantissa / 2^shift exactly, with the mantissa below 2^24.
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 24));
    const int shift = 24 - binaryExponent;
    if (shift < 0 || shift > 40) {
        return nullptr;  // 2^24 and above, or below 2^-16
    }
    constexpr std::uint64_t kLow = 1'000'000;
    constexpr std::uint64_t kHigh = 10'000'000;
    // Scale by 10^decimals into [10^6, 10^7): seven digits before the binary point. Below
    // 10^7 * 2^40 everything fits 64 bits.
    std::uint64_t scaled = mantissa;
    if (scaled >= (kHigh << shift)) {
        return nullptr;
    }
    int decimals = 0;
    while (scaled < (kLow << shift)) {
        if (decimals == 10) {
            return nullptr;
        }
        scaled *= 10;
        ++decimals;
    }
    std::uint64_t digits = scaled >> shift;
    if (shift > 0) {  // round the dropped binary fraction, ties to even
        const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        if (rest > half || (rest == half && (digits & 1) != 0)) {
            ++digits;
        }
    }
    int exponent = 6 - decimals;  // of the first digit
    if (digits == kHigh) {
        digits = kLow;
        if (++exponent == 7) {
            return nullptr;
        }
    }
    std::array<char, 7> text{};
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        *it = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    const int integerDigits = std::max(exponent + 1, 1);
    int length = 7;
    while (length > integerDigits && text[static_cast<std::size_t>(length - 1)] == '0') {
        --length;
    }
    if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        return std::copy_n(text.begin(), length, out);
    }
    out = std::copy_n(text.begin(), integerDigits, out);
    if (length > integerDigits) {
        *out++ = '.';
        out = std::copy(text.begin() + integerDigits, text.begin() + length, out);
    }
    return out;
}

std::u16string singleToText(float value, char16_t decimalSeparator) {
    if (std::isnan(value)) {
        return std::u16string(kInvalidMark);
    }
    if (std::isinf(value)) {
        return value > 0 ? std::u16string(kOverflowMark) : u"-" + std::u16string(kOverflowMark);
    }
    if (value == 0.0f) {
        return u"0";  // also for -0, which users should not see
    }

    // {fmt} is locale-free and, like %.7g, rounds the exact value to 7 significant digits, drops
    // trailing zeros and writes the exponent with a sign and at least two digits. The format is
    // compiled with the program, which then holds only the float formatter: a third of the
    // WebAssembly's size goes with the rest.
    std::array<char, 32> buffer{};
    char* out = buffer.data();
    if (value < 0) {
        *out++ = '-';
    }
    char* end = writeCommonMagnitude(std::fabs(value), out);
    if (end == nullptr) {
        end = fmt::format_to_n(out, static_cast<std::size_t>(buffer.data() + buffer.size() - out),
                               FMT_COMPILE("{:.7g}"), std::fabs(value))
                  .out;
    }
    std::u16string text;
    text.reserve(static_cast<std::size_t>(end - buffer.data()));
    for (const char* p = buffer.data(); p != end; ++p) {
        switch (*p) {
            case '.':
                text.push_back(decimalSeparator);
                break;
            case 'e':
                text.push_back(u'E');
                break;
            default:
                text.push_back(static_cast<char16_t>(*p));
                break;
        }
    }
    return text;
}

}  // namespace quotara
