// The risk report's sessions with the default settings and no stop rule (so every session plays
// out), on 1 and on 2 threads. items_per_second counts spins.
#include <benchmark/benchmark.h>

#include "engine/engine.h"
#include "simulation/session_runner.h"

namespace corvane {
namespace {

// 1,000 sessions of 1,000 spins, from another seed at every iteration.
void BM_Sessions(benchmark::State& state) {
    const Engine configured;
    SessionsJob job;
    job.sessions = 1000;
    job.threads = static_cast<unsigned>(state.range(0));
    std::uint64_t spins = 0;
    for (auto _ : state) {
        const SessionsRun run = run_sessions(configured, job);
        for (const SessionResult& r : run.results) {
            spins += r.spins;
        }
        ++job.seed;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(spins));
}
BENCHMARK(BM_Sessions)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The run the window's risk report asks for: 10,000 sessions of 1,000 spins with the default
// settings and no stop rule, on 1 and on 2 threads, from the tool's default seed each time. The
// time is that of the whole run in seconds; items_per_second counts spins, and
// spins_per_thread_second what one thread plays in a second.
void BM_SessionsTenThousand(benchmark::State& state) {
    const Engine configured;
    SessionsJob job;
    job.sessions = 10000;
    job.rules.spins = 1000;
    job.threads = static_cast<unsigned>(state.range(0));
    std::uint64_t spins = 0;
    for (auto _ : state) {
        const SessionsRun run = run_sessions(configured, job);
        for (const SessionResult& r : run.results) {
            spins += r.spins;
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(spins));
    state.counters["spins_per_thread_second"] = benchmark::Counter(
        static_cast<double>(spins) / static_cast<double>(job.threads), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SessionsTenThousand)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->UseRealTime();

// One session's spins on one thread, the report's unit of work.
void BM_SessionSpin(benchmark::State& state) {
    const Engine configured;
    SessionRules rules;
    rules.spins = 1000;
    std::uint64_t seed = 0;
    std::uint64_t spins = 0;
    for (auto _ : state) {
        spins += play_session(configured, rules, session_seed(1, seed++)).spins;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(spins));
}
BENCHMARK(BM_SessionSpin)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
