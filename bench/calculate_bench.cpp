#include <benchmark/benchmark.h>

#include "handlers.h"
#include "memory_field_model.h"

namespace {

class SilentMessages final : public quotara::MessageService {
  public:
    void show(std::u16string_view, int, std::u16string_view) override {}
};

// One Calculate click with eight households filled in, on the in-memory window.
void BM_CalculateEightHouseholds(benchmark::State& state) {
    using quotara::Field;
    quotara::MemoryFieldModel fields;
    SilentMessages messages;
    const quotara::HandlerContext context{fields, messages, u'.'};
    if (!fields.click(Field::Option8) || quotara::Option8_Click(context) ||
        !fields.type(Field::texta, u"123.45")) {
        state.SkipWithError("could not set up the window");
        return;
    }
    for (int i = 1; i <= 8; ++i) {
        if (!fields.type(quotara::entryFor(i), u"88.5")) {
            state.SkipWithError("could not type an entry");
            return;
        }
    }
    for (auto _ : state) {
        fields.clearCalls();
        benchmark::DoNotOptimize(quotara::Command1_Click(context));
    }
}
BENCHMARK(BM_CalculateEightHouseholds);

}  // namespace
