#include <benchmark/benchmark.h>

#include "apportion.h"

namespace {

void BM_ApportionEightHouseholds(benchmark::State& state) {
    quotara::ApportionInputs in;
    in.householdCount = 8;
    in.coreArea = 123.45f;
    in.usableArea = {88.1f, 92.3f, 75.5f, 101.2f, 66.6f, 88.8f, 90.0f, 79.9f};
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(quotara::apportion(in));
    }
}
BENCHMARK(BM_ApportionEightHouseholds);

}  // namespace
