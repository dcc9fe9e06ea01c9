// The number-text services of the Calculate command: is a text a number, text to single, and
// single to text. Toolkit-free: the caller passes the user's locale's decimal separator.
#pragma once

#include <string>
#include <string_view>

namespace quotara {

// True when `text` reads as a number: optional spaces (U+0020 or the ideographic space U+3000)
// around an optional sign, decimal digits with at most one decimal separator and an optional
// exponent (E or e, an optionally signed integer). Full-width digits, sign, point and exponent
// letter, as a Chinese input method types them, count as their ASCII twins.
[[nodiscard]] bool isNumeric(std::u16string_view text, char16_t decimalSeparator);

enum class ConversionStatus {
    converted,   // `value` holds the single nearest to the text's decimal value
    notNumeric,  // the text fails isNumeric
    outOfRange,  // numeric, but its magnitude rounds beyond the largest finite single
};

struct SingleConversion {
    ConversionStatus status = ConversionStatus::notNumeric;
    float value = 0.0f;  // 0 unless converted
};

// Converts numeric text to the nearest single, rounding once. An underflow gives zero or a
// subnormal and counts as converted. Linear in the length of the text.
[[nodiscard]] SingleConversion textToSingle(std::u16string_view text, char16_t decimalSeparator);

// A single as text: at most 7 significant digits, correctly rounded (ties to even) from the
// single's exact value; trailing zeros and a bare separator dropped; a leading 0 before the
// separator; "-" only for negative values (-0 shows "0"); no grouping. Magnitudes from 0.0001 up
// to below 1E+07 are written out in full, others in exponent form such as "1.234568E+07" or
// "1E-05". An infinity shows the overflow mark, a NaN the invalid mark.
[[nodiscard]] std::u16string singleToText(float value, char16_t decimalSeparator);

inline constexpr std::u16string_view kOverflowMark = u"溢出";
inline constexpr std::u16string_view kInvalidMark = u"无效";

}  // namespace quotara
