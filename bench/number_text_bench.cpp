#include <benchmark/benchmark.h>

#include <string>

#include "number_text.h"

namespace {

// What every entry goes through on Calculate: the numeric test, then the conversion.
void testAndConvert(benchmark::State& state, const std::u16string& text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(quotara::isNumeric(text, u'.'));
        benchmark::DoNotOptimize(quotara::textToSingle(text, u'.'));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size() * sizeof(char16_t)));
}

void BM_TypicalEntry(benchmark::State& state) {
    testAndConvert(state, u" 123.45 ");
}
BENCHMARK(BM_TypicalEntry);

// A megabyte of pasted digits must not freeze the window.
void BM_MegabyteEntry(benchmark::State& state) {
    std::u16string text = u"1.";
    text.append(512 * 1024 - 2, u'7');
    testAndConvert(state, text);
}
BENCHMARK(BM_MegabyteEntry)->Unit(benchmark::kMillisecond);

void BM_FormatResult(benchmark::State& state) {
    float value = 90.90909f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(quotara::singleToText(value, u'.'));
    }
}
BENCHMARK(BM_FormatResult);

}  // namespace
