#include "number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>

#include "float_bits.h"

namespace quotara {
namespace {

std::uint32_t bitsOf(float f) {
    return test::bitCast<std::uint32_t>(f);
}

std::u16string widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// A failing text as printable ASCII (other characters as '?'), cut short: some are a megabyte.
std::string show(std::u16string_view text) {
    std::string shown;
    for (const char16_t c : text.substr(0, 40)) {
        shown.push_back(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
    }
    return text.size() > 40 ? shown + "..." : shown;
}

// 2^-150, half the smallest subnormal, written out exactly (105 significant digits).
constexpr std::string_view kHalfDenormMin =
    "7.00649232162408535461864791644958065640130970938257885878534141944895541342930300743319094181"
    "060791015625e-46";

constexpr std::size_t kMegabyte = 1'000'000;

struct TextCase {
    std::u16string_view text;
    char16_t separator;
};

TEST(NumberText, AcceptsSignedDecimalsWithOptionalExponentAndSurroundingSpaces) {
    const TextCase cases[] = {
        {u"0", '.'},        {u"66", '.'},         {u"-5", '.'},
        {u"+5", '.'},       {u"5.", '.'},         {u".5", '.'},
        {u"007", '.'},      {u"  12.5  ", '.'},   {u"\u300012\u3000", '.'},
        {u"1e5", '.'},      {u"1E-5", '.'},       {u"-.5e+03", '.'},
        {u"12,5", ','},     {u"１２．５", '.'},   {u"１２，５", ','},
        {u"３ｅ－２", '.'}, {u"＋１Ｅ＋２", '.'}, {u"1e0000000000000000000000001", '.'},
    };
    for (const auto& [text, separator] : cases) {
        EXPECT_TRUE(isNumeric(text, separator)) << show(text);
    }
    EXPECT_TRUE(isNumeric(u"０１２３４５６７８９", '.')) << "every full-width digit";
}

TEST(NumberText, RejectsTextThatIsNotAPlainDecimalNumber) {
    const TextCase cases[] = {
        {u"", '.'},      {u"   ", '.'},    {u"\u3000", '.'},   {u"+", '.'},   {u"-", '.'},
        {u".", '.'},     {u"+.", '.'},     {u"-.e5", '.'},     {u"1e", '.'},  {u"1e+", '.'},
        {u"e5", '.'},    {u"1.2.3", '.'},  {u"5..", '.'},      {u"1 2", '.'}, {u"1 e5", '.'},
        {u"1,000", '.'}, {u"12.5", ','},   {u"１２，５", '.'}, {u"$5", '.'},  {u"5\u20AC", '.'},
        {u"0x10", '.'},  {u"&H10", '.'},   {u"inf", '.'},      {u"nan", '.'}, {u"Infinity", '.'},
        {u"\t1", '.'},   {u"1\n", '.'},    {u"1e5.5", '.'},    {u"--1", '.'}, {u"1e--5", '.'},
        {u"1_000", '.'}, {u"\u0663", '.'}, {u"1\u00A0", '.'},  {u"1d5", '.'},
    };
    for (const auto& [text, separator] : cases) {
        EXPECT_FALSE(isNumeric(text, separator)) << show(text);
        const SingleConversion result = textToSingle(text, separator);
        EXPECT_EQ(result.status, ConversionStatus::notNumeric);
        EXPECT_EQ(bitsOf(result.value), 0u);
    }
}

struct ConversionCase {
    std::u16string text;
    char16_t separator;
    std::uint32_t bits;
};

TEST(NumberText, ConvertsToTheNearestSingle) {
    const ConversionCase cases[] = {
        {u"0", '.', 0x00000000},
        {u"-0", '.', 0x80000000},
        {u"66", '.', 0x42840000},
        {u"0.1", '.', 0x3DCCCCCD},
        {u" ＋１２．５\u3000", '.', 0x41480000},
        {u"12,5", ',', 0x41480000},
        {u"９８７６５．４３２１０", '.', 0x47C0E6B7},
        {u"-.25e1", '.', 0xC0200000},
        {u"3.4028235e38", '.', 0x7F7FFFFF},
        {u"1.17549435e-38", '.', 0x00800000},
        {u"1.1754942e-38", '.', 0x007FFFFF},
        {u"1e-45", '.', 0x00000001},
        {u"-1.4e-45", '.', 0x80000001},
    };
    for (const auto& [text, separator, bits] : cases) {
        const SingleConversion result = textToSingle(text, separator);
        EXPECT_EQ(result.status, ConversionStatus::converted);
        EXPECT_EQ(bitsOf(result.value), bits) << show(text);
    }
}

// Each text lies within half a double ulp of a midpoint between two singles, so strtod lands
// exactly on the midpoint and the cast to float then breaks the tie to even, the wrong way.
TEST(NumberText, RoundsOnceWhereConvertingThroughDoubleWouldRoundTwice) {
    const ConversionCase cases[] = {
        {u"1.0000000596046448", '.', 0x3F800001},      // above the midpoint; tie goes down
        {u"1.0000001788139343", '.', 0x3F800001},      // below the midpoint; tie goes up
        {u"-7.000000715255737", '.', 0xC0E00001},      // negative
        {u"0.30000014603137970", '.', 0x3E99999F},     // another binade
        {u"1.0001137204809436e-40", '.', 0x000116CB},  // subnormal
    };
    for (const auto& [text, separator, bits] : cases) {
        const std::string ascii(text.begin(), text.end());
        const SingleConversion result = textToSingle(text, separator);
        EXPECT_EQ(result.status, ConversionStatus::converted);
        EXPECT_EQ(bitsOf(result.value), bits) << ascii;

        const double viaDouble = test::fromChars<double>(ascii);
        EXPECT_NE(bitsOf(static_cast<float>(viaDouble)), bits) << ascii << " no longer bites";
    }
}

TEST(NumberText, ReportsOutOfRangeOnlyWhenTheMagnitudeRoundsPastTheLargestSingle) {
    const std::u16string_view fits[] = {
        u"3.4028235e38",
        u"340282356779733661637539395458142568447.9999999999",  // just under the midpoint
        u"-340282356779733661637539395458142568447",
    };
    for (const auto text : fits) {
        const SingleConversion result = textToSingle(text, '.');
        EXPECT_EQ(result.status, ConversionStatus::converted);
        EXPECT_EQ(std::fabs(result.value), std::numeric_limits<float>::max());
    }
    const std::u16string_view overflows[] = {
        u"340282356779733661637539395458142568448",  // the midpoint itself: ties to even, past max
        u"3.4028236e38",
        u"1e39",
        u"-1e39",
        u"1e99999999999999999999",
        u"-1e+0000000000000000040",
    };
    for (const auto text : overflows) {
        const SingleConversion result = textToSingle(text, '.');
        EXPECT_EQ(result.status, ConversionStatus::outOfRange);
        EXPECT_EQ(bitsOf(result.value), 0u);
    }
}

TEST(NumberText, UnderflowGivesSignedZeroOrTheNearestSubnormal) {
    const ConversionCase cases[] = {
        {u"1e-50", '.', 0x00000000},
        {u"-1e-99999", '.', 0x80000000},
        {u"1e-99999999999999999999999", '.', 0x00000000},
        {widen(kHalfDenormMin), '.', 0x00000000},  // exact midpoint ties to even: zero
        {u"-7e-46", '.', 0x80000000},
        {u"7.0065e-46", '.', 0x00000001},
        {u"1.401298e-45", '.', 0x00000001},
        {u"-2.8e-45", '.', 0x80000002},
    };
    for (const auto& [text, separator, bits] : cases) {
        const SingleConversion result = textToSingle(text, separator);
        EXPECT_EQ(result.status, ConversionStatus::converted);
        EXPECT_EQ(bitsOf(result.value), bits) << show(text);
    }
}

TEST(NumberText, ConvertsMegabyteTextsExactly) {
    const std::string zeros(kMegabyte, '0');
    const std::string nines(kMegabyte, '9');
    const std::string halfDenorm(kHalfDenormMin.substr(0, kHalfDenormMin.size() - 4));
    const ConversionCase cases[] = {
        {widen("0." + zeros + "1e1000001"), '.', 0x3F800000},  // 1
        {widen("0." + nines), '.', 0x3F800000},                // rounds up to 1
        // Just past a midpoint, decided by a digit a megabyte away.
        {widen("1.000000059604644775390625" + zeros), '.', 0x3F800000},
        {widen("1.000000059604644775390625" + zeros + "1"), '.', 0x3F800001},
        {widen(halfDenorm + zeros + "1e-46"), '.', 0x00000001},
        {widen("1e" + zeros + "1"), '.', 0x41200000},  // 10
        {widen("-1e-" + nines), '.', 0x80000000},
    };
    for (const auto& [text, separator, bits] : cases) {
        const SingleConversion result = textToSingle(text, separator);
        EXPECT_EQ(result.status, ConversionStatus::converted);
        EXPECT_EQ(bitsOf(result.value), bits) << show(text);
    }
    EXPECT_EQ(textToSingle(widen("1e" + nines), '.').status, ConversionStatus::outOfRange);
    EXPECT_EQ(textToSingle(widen("1" + zeros), '.').status, ConversionStatus::outOfRange);
}

TEST(NumberText, FormatsWithSevenSignificantDigits) {
    const struct {
        float value;
        char16_t separator;
        std::u16string_view text;
    } cases[] = {
        {66.0f, '.', u"66"},
        {static_cast<float>(300.0 / 330.0 * 100.0), '.', u"90.90909"},
        {static_cast<float>(300.0 / 330.0 * 100.0), ',', u"90,90909"},
        {0.5f, '.', u"0.5"},
        {-0.25f, ',', u"-0,25"},
        {-0.0f, '.', u"0"},
        {100.0f, '.', u"100"},
        {0.1f, '.', u"0.1"},
        {1234567.0f, '.', u"1234567"},
        {9999999.0f, '.', u"9999999"},
        {12345678.0f, '.', u"1.234568E+07"},
        {10000005.0f, '.', u"1E+07"},  // an exact tie rounds to even
        {10000015.0f, '.', u"1.000002E+07"},
        {0.0001f, '.', u"0.0001"},
        {0.00001f, '.', u"1E-05"},
        {-1.5e-10f, ',', u"-1,5E-10"},
        {std::numeric_limits<float>::max(), '.', u"3.402823E+38"},
        {std::numeric_limits<float>::denorm_min(), '.', u"1.401298E-45"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(singleToText(c.value, c.separator), c.text) << c.value;
    }
}

TEST(NumberText, ShowsMarksForInfinitiesAndNaN) {
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(singleToText(inf, '.'), kOverflowMark);
    EXPECT_EQ(singleToText(-inf, '.'), u"-" + std::u16string(kOverflowMark));
    EXPECT_EQ(singleToText(std::numeric_limits<float>::quiet_NaN(), '.'), kInvalidMark);
}

// What the user sees, typed back in, gives the single nearest to the shown 7-digit decimal.
TEST(NumberText, FormattedTextConvertsBackToTheNearestSingleOfTheShownValue) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 20000; ++i) {
        const float value = test::bitCast<float>(static_cast<std::uint32_t>(random()));
        if (!std::isfinite(value)) {
            continue;
        }
        const std::string digits = test::toChars(value, std::chars_format::scientific, 6);
        const float expected = test::fromChars<float>(digits);

        const char16_t separator = i % 2 == 0 ? u'.' : u',';
        const SingleConversion back = textToSingle(singleToText(value, separator), separator);
        ASSERT_EQ(back.status, ConversionStatus::converted) << value;
        ASSERT_EQ(back.value, expected) << digits;
    }
}

// Common magnitudes take an integer fast path; every float must still come out exactly as
// %.7g writes it. Checked on every float near the edges of that path and on a log-uniform
// sample of all magnitudes.
TEST(NumberText, EveryMagnitudeIsWrittenAsSevenDigitGeneralNotation) {
    const auto general = [](float value) {
        std::u16string text;
        for (const char c : test::toChars(value, std::chars_format::general, 7)) {
            text.push_back(c == 'e' ? u'E' : static_cast<char16_t>(c));
        }
        return text;
    };
    const auto sweep = [&](float from, float to) {
        for (float v = from; v < to; v = std::nextafter(v, to)) {
            ASSERT_EQ(singleToText(v, '.'), general(v)) << v;
            ASSERT_EQ(singleToText(-v, '.'), general(-v)) << -v;
        }
    };
    sweep(9.99e-5f, 1.001e-4f);
    sweep(9999000.0f, 10001000.0f);
    sweep(999999.0f, 1000001.0f);
    sweep(0.0999999f, 0.1000001f);
    std::mt19937 random(5);
    std::uniform_real_distribution<double> decade(-46.0, 39.0);
    for (int i = 0; i < 200000; ++i) {
        const auto v = static_cast<float>(std::pow(10.0, decade(random)));
        if (std::isfinite(v) && v != 0.0f) {
            ASSERT_EQ(singleToText(v, '.'), general(v)) << v;
        }
    }
}

}  // namespace
}  // namespace quotara
