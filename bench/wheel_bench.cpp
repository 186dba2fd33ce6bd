// The wheel's tests: a spin added to the tally, the chi-square test and the arc search of a
// game, the fair wheels of the hot-arc test for games of growing length (spin by spin up to
// kDirectSpins, drawn at once beyond), and a p-value read from them.
#include <benchmark/benchmark.h>

#include "base/random_numbers.h"
#include "wheel/fair_wheels.h"
#include "wheel/fairness.h"

namespace corvane {
namespace {

PocketCounts fair_counts(std::int64_t spins) {
    RandomNumbers numbers(5);
    PocketCounts counts{};
    for (std::int64_t i = 0; i < spins; ++i) {
        ++counts[numbers.next()];
    }
    return counts;
}

void BM_TallyAdd(benchmark::State& state) {
    WheelTally tally;
    RandomNumbers numbers(3);
    for (auto _ : state) {
        tally.add(numbers.next());
    }
    benchmark::DoNotOptimize(tally.spins());
}
BENCHMARK(BM_TallyAdd);

void BM_ExamineGame(benchmark::State& state) {
    const PocketCounts counts = fair_counts(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(examine(counts));
    }
}
BENCHMARK(BM_ExamineGame)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// What the window waits for after a spin: the 9,999 fair wheels of the game's spins.
void BM_FairWheels(benchmark::State& state) {
    for (auto _ : state) {
        const FairWheels wheels(state.range(0));
        benchmark::DoNotOptimize(wheels.complete());
    }
}
BENCHMARK(BM_FairWheels)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(kDirectSpins)
    ->Arg(kDirectSpins + 1)
    ->Arg(1000000)
    ->Arg(100000000)
    ->Unit(benchmark::kMillisecond);

void BM_ArcPValue(benchmark::State& state) {
    const FairWheels wheels(10000);
    const ArcSearch arcs = search_arcs(fair_counts(10000));
    for (auto _ : state) {
        benchmark::DoNotOptimize(wheels.p_value(arcs));
    }
}
BENCHMARK(BM_ArcPValue)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
