// The "What to expect" window never freezes: while it plays its default run (10,000 sessions
// of 300 spins on every core) a 10 ms timer ticks on the window's thread, and the largest gap
// between two ticks is measured, from the click on Run until the result is drawn and its chart
// painted. The goal: no gap over 50 ms.
//   corvane_expect_window_bench [--benchmark_filter=...]   (runs on the offscreen platform)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include "ui/expect_window.h"
#include "ui/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

// range(0): the sessions, range(1): their spins. Each iteration is one run of the window; with
// no sessions, the timer alone ticks for a second and a half, for the gaps the machine makes
// without a run.
void BM_ExpectWindowRun(benchmark::State& state) {
    corvane::MainWindow w;
    w.show();
    w.open_expectations();
    auto* x = w.findChild<corvane::ExpectWindow*>(QStringLiteral("ExpectWindow"));
    x->findChild<QSpinBox*>(QStringLiteral("Expect_Sessions"))
        ->setValue(static_cast<int>(state.range(0)));
    x->findChild<QSpinBox*>(QStringLiteral("Expect_Spins"))
        ->setValue(static_cast<int>(state.range(1)));
    QApplication::processEvents();

    // The largest gaps while the sessions play and after, when the result is drawn and the
    // chart painted.
    double largest_gap = 0;
    double while_playing = 0;
    double ticks = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QTimer tick;
        tick.setInterval(10);
        tick.setTimerType(Qt::PreciseTimer);
        Clock::time_point last = Clock::now();
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const Clock::time_point now = Clock::now();
            const double gap = std::chrono::duration<double, std::milli>(now - last).count();
            largest_gap = std::max(largest_gap, gap);
            if (x->running()) {
                while_playing = std::max(while_playing, gap);
            }
            last = now;
            ++ticks;
        });
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!x->running()) {
                loop.quit();
            }
        });
        tick.start();
        if (state.range(0) > 0) {
            poll.start();
        }
        last = Clock::now();
        if (state.range(0) == 0) {
            QTimer::singleShot(1500, &loop, &QEventLoop::quit);
        } else {
            x->run();
        }
        loop.exec();
        // The result is drawn and the chart painted on the next turns of the loop.
        QTimer::singleShot(200, &loop, &QEventLoop::quit);
        loop.exec();
        tick.stop();
        if (state.range(0) > 0 && x->result() == nullptr) {
            state.SkipWithError("the run gave no result");
            return;
        }
    }
    state.counters["largest_gap_ms"] = largest_gap;
    state.counters["playing_gap_ms"] = while_playing;
    state.counters["ticks"] = benchmark::Counter(ticks, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ExpectWindowRun)
    ->Args({0, 0})
    ->Args({10000, 300})
    ->ArgNames({"sessions", "spins"})
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

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
