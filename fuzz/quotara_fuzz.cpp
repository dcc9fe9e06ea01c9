// Arbitrary texts through the number-text services and through a Calculate click. A crash, a
// sanitizer report or a broken invariant below stops the fuzzer.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "float_bits.h"
#include "handlers.h"
#include "memory_field_model.h"
#include "number_text.h"

namespace {

using namespace quotara;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The value rounded to 7 significant digits, decided independently of singleToText.
float roundedToSevenDigits(float value) {
    return test::fromChars<float>(test::toChars(value, std::chars_format::scientific, 6));
}

void checkNumberText(std::u16string_view text, char16_t separator) {
    const bool numeric = isNumeric(text, separator);
    const SingleConversion number = textToSingle(text, separator);
    require(numeric == (number.status != ConversionStatus::notNumeric));
    if (number.status != ConversionStatus::converted) {
        return;
    }
    require(std::isfinite(number.value));
    const std::u16string shown = singleToText(number.value, separator);
    const SingleConversion back = textToSingle(shown, separator);
    require(back.status == ConversionStatus::converted);
    require(back.value == roundedToSevenDigits(number.value));
}

class SilentMessages final : public MessageService {
  public:
    void show(std::u16string_view, int, std::u16string_view) override {}
};

void checkCalculate(const std::vector<std::u16string>& texts, int count, char16_t separator) {
    MemoryFieldModel fields;
    SilentMessages messages;
    const HandlerContext context{fields, messages, separator};
    require(fields.click(optionFor(count)));
    // The bindings list Option2 … Option8 at positions 2 … 8.
    require(!kClickBindings[static_cast<std::size_t>(count)].handler(context));
    require(fields.type(Field::texta, texts[0]));
    for (int i = 1; i <= count; ++i) {
        require(fields.type(entryFor(i), texts[static_cast<std::size_t>(i)]));
    }
    require(!Command1_Click(context));
    // Nothing the user typed is lost.
    require(fields.state(Field::texta).text == texts[0]);
    for (int i = 1; i <= count; ++i) {
        require(fields.state(entryFor(i)).text == texts[static_cast<std::size_t>(i)]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const char16_t separator = (data[0] & 1) ? u',' : u'.';
    const int count = 2 + (data[0] >> 1) % 7;
    std::u16string text((size - 1) / 2, u'\0');
    std::memcpy(text.data(), data + 1, text.size() * sizeof(char16_t));

    checkNumberText(text, separator);

    // Up to nine entries, split at U+000A (which no entry can hold: it is no number).
    std::vector<std::u16string> texts(9);
    std::size_t entry = 0;
    for (const char16_t c : text) {
        if (c == u'\n') {
            entry = (entry + 1) % texts.size();
        } else {
            texts[entry] += c;
        }
    }
    for (const std::u16string& part : texts) {
        checkNumberText(part, separator);
    }
    checkCalculate(texts, count, separator);
    return 0;
}
