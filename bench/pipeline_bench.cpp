// The cost of one whole spin: the click, the animation's ticks and the prediction with every
// category on.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/engine.h"

namespace corvane {
namespace {

std::vector<int> random_numbers(std::size_t count) {
    std::mt19937 gen(20261209);
    std::uniform_int_distribution<int> dist(0, kMaxNumber);
    std::vector<int> out(count);
    for (int& n : out) {
        n = dist(gen);
    }
    return out;
}

void run_spins(benchmark::State& state, Engine& engine) {
    const std::vector<int> numbers = random_numbers(1 << 16);
    std::size_t i = 0;
    for (auto _ : state) {
        engine.spin(numbers[i++ & 0xffff]);
    }
    state.SetItemsProcessed(state.iterations());
    benchmark::DoNotOptimize(engine.game().bankroll);
}

void BM_SpinDefaultSettings(benchmark::State& state) {
    Engine engine;
    run_spins(state, engine);
}
BENCHMARK(BM_SpinDefaultSettings);

// The same without the session log, the window's record of every spin: what the log costs.
void BM_SpinDefaultSettingsWithoutLog(benchmark::State& state) {
    Engine engine;
    engine.keep_log(false);
    run_spins(state, engine);
}
BENCHMARK(BM_SpinDefaultSettingsWithoutLog);

// The same with a money plan: after every spin its rules judge the evening and the bets just
// suggested. Its amounts lie far away, so no warning is made; what this costs is the judging.
void BM_SpinDefaultSettingsWithPlan(benchmark::State& state) {
    Engine engine;
    MoneyPlan plan;
    plan.bankroll = 1e12;
    plan.table_max = 1e12;
    plan.stop_loss = 1e11;
    plan.target = 1e11;
    engine.set_plan(plan);
    run_spins(state, engine);
}
BENCHMARK(BM_SpinDefaultSettingsWithPlan);

// Windows of three codes: chains match and bets are laid on nearly every spin.
void BM_SpinShortWindows(benchmark::State& state) {
    Engine engine;
    for (int i = 0; i < 7; ++i) {
        engine.apply(SettingOp::CL12_Step, CategoryId::RB, -1);
    }
    for (int i = 0; i < 5; ++i) {
        engine.apply(SettingOp::CL23_Step, CategoryId::RB, -1);
    }
    run_spins(state, engine);
}
BENCHMARK(BM_SpinShortWindows);

}  // namespace
}  // namespace corvane
