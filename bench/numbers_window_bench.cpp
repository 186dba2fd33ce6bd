// What the numbers window costs a spin on games of growing length: the window drawn anew from
// the tally (the sentence, the tests, the ring, the sectors, the sides and the table) and
// painted, after each spin. A game of a million loaded numbers must cost it no more than a
// short one; the hot arc's fair wheels are simulated meanwhile on a thread of their own.
//   corvane_numbers_window_bench [--benchmark_filter=...]   (runs on the offscreen platform)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <string>

#include "base/random_numbers.h"
#include "ui/main_window.h"
#include "ui/numbers_window.h"

namespace {

using corvane::MainWindow;

// A game of `count` seeded numbers, loaded as a number file.
void load(MainWindow& w, std::int64_t count) {
    corvane::RandomNumbers numbers(9);
    std::string bytes;
    for (std::int64_t i = 0; i < count; ++i) {
        bytes += std::to_string(numbers.next()) + '\n';
    }
    w.engine().load_numbers_from(bytes);
    w.refresh();
}

// range(0): numbers in the game. Each iteration: a spin of the engine (well under a
// microsecond), then the window's refresh, and the event loop painting what changed on it.
void BM_NumbersWindowAfterASpin(benchmark::State& state) {
    MainWindow w;
    w.show();
    load(w, state.range(0));
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    auto* numbers = w.findChild<corvane::NumbersWindow*>(QStringLiteral("NumbersWindow"));
    QApplication::processEvents();
    corvane::RandomNumbers spins(4);
    for (auto _ : state) {
        w.engine().spin(spins.next());
        numbers->refresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_NumbersWindowAfterASpin)
    ->Arg(100)
    ->Arg(1000000)
    ->ArgName("numbers")
    ->Unit(benchmark::kMicrosecond);

// The parts, on a game of 1,000 numbers without new spins.
void BM_NumbersWindowParts(benchmark::State& state) {
    MainWindow w;
    w.show();
    load(w, 1000);
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    auto* numbers = w.findChild<corvane::NumbersWindow*>(QStringLiteral("NumbersWindow"));
    QApplication::processEvents();
    QWidget* part = state.range(0) == 1   ? numbers->findChild<QWidget*>("Numbers_Wheel")
                    : state.range(0) == 2 ? numbers->findChild<QWidget*>("Numbers_Table")
                                          : nullptr;
    for (auto _ : state) {
        if (part != nullptr) {
            part->repaint();
            continue;
        }
        numbers->refresh();
        if (state.range(0) == 3) {
            QApplication::processEvents();
        }
    }
}
// 0: the refresh alone; 1: the ring painted; 2: the table painted; 3: the refresh and the
// event loop painting what it marked.
BENCHMARK(BM_NumbersWindowParts)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
