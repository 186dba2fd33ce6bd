// Reading, checking and replaying a game of a million numbers, and saving it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "base/file_io.h"
#include "base/number_file.h"
#include "engine/engine.h"

namespace corvane {
namespace {

constexpr int kNumbers = 1000000;

std::string million_number_file() {
    static const std::string path = [] {
        std::mt19937 gen(7);
        std::uniform_int_distribution<int> dist(0, kMaxNumber);
        std::vector<std::uint8_t> numbers(kNumbers);
        for (auto& n : numbers) {
            n = static_cast<std::uint8_t>(dist(gen));
        }
        const std::string p = "/tmp/corvane_bench_million.kvn";
        if (!write_file_atomically(p, number_file_text(numbers))) {
            std::abort();
        }
        return p;
    }();
    return path;
}

void BM_LoadMillionNumbers(benchmark::State& state) {
    const std::string path = million_number_file();
    Engine engine;
    for (auto _ : state) {
        if (engine.load_numbers(path)) {
            state.SkipWithError("load failed");
        }
    }
    state.SetItemsProcessed(state.iterations() * kNumbers);
}
BENCHMARK(BM_LoadMillionNumbers)->Unit(benchmark::kMillisecond);

// The same load followed as the window follows it: what the progress reports cost.
void BM_LoadMillionNumbersReported(benchmark::State& state) {
    const std::string path = million_number_file();
    Engine engine;
    std::size_t reports = 0;
    const LoadProgress progress = [&reports](std::size_t, std::size_t) { ++reports; };
    for (auto _ : state) {
        if (engine.load_numbers(path, progress)) {
            state.SkipWithError("load failed");
        }
    }
    benchmark::DoNotOptimize(reports);
    state.SetItemsProcessed(state.iterations() * kNumbers);
}
BENCHMARK(BM_LoadMillionNumbersReported)->Unit(benchmark::kMillisecond);

void BM_SaveMillionNumbers(benchmark::State& state) {
    Engine engine;
    if (engine.load_numbers(million_number_file())) {
        state.SkipWithError("load failed");
    }
    const std::string out = "/tmp/corvane_bench_save.kvn";
    for (auto _ : state) {
        if (engine.save_numbers(out)) {
            state.SkipWithError("save failed");
        }
    }
    std::remove(out.c_str());
}
BENCHMARK(BM_SaveMillionNumbers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
