// The cost of a backtest spin: a random number, the whole spin and the summary's observation
// of it, with every category on; beside it the same spins without the observation.
#include <benchmark/benchmark.h>

#include "base/random_numbers.h"
#include "engine/engine.h"
#include "simulation/summary.h"

namespace corvane {
namespace {

Engine with_windows(int steps_down12, int steps_down23) {
    Engine engine;
    for (int i = 0; i < steps_down12; ++i) {
        engine.apply(SettingOp::CL12_Step, CategoryId::RB, -1);
    }
    for (int i = 0; i < steps_down23; ++i) {
        engine.apply(SettingOp::CL23_Step, CategoryId::RB, -1);
    }
    return engine;
}

void observed(benchmark::State& state, Engine engine) {
    RandomNumbers numbers(kDefaultSeed);
    SummaryRecorder recorder("bench");
    for (auto _ : state) {
        recorder.spin(engine, numbers.next());
    }
    state.SetItemsProcessed(state.iterations());
    benchmark::DoNotOptimize(recorder.summary().profit);
}

void unobserved(benchmark::State& state, Engine engine) {
    RandomNumbers numbers(kDefaultSeed);
    for (auto _ : state) {
        engine.spin(numbers.next());
    }
    state.SetItemsProcessed(state.iterations());
    benchmark::DoNotOptimize(engine.game().bankroll);
}

// The default chain lengths (10 and 8).
void BM_BacktestSpinDefault(benchmark::State& state) {
    observed(state, Engine());
}
BENCHMARK(BM_BacktestSpinDefault);

void BM_BacktestSpinDefaultUnobserved(benchmark::State& state) {
    unobserved(state, Engine());
}
BENCHMARK(BM_BacktestSpinDefaultUnobserved);

// Chain lengths of 3: chains match and bets are laid on nearly every spin.
void BM_BacktestSpinWindows3(benchmark::State& state) {
    observed(state, with_windows(7, 5));
}
BENCHMARK(BM_BacktestSpinWindows3);

void BM_BacktestSpinWindows3Unobserved(benchmark::State& state) {
    unobserved(state, with_windows(7, 5));
}
BENCHMARK(BM_BacktestSpinWindows3Unobserved);

}  // namespace
}  // namespace corvane
