// What a spin and its undo cost the window while the session log is open, on games of growing
// length: the click, the ticks of its animation (each draws the whole state), the undo, and
// the log window painted after each. A game of a million loaded numbers must cost a spin no
// more than a short one.
//   corvane_log_window_bench [--benchmark_filter=...]   (runs on the offscreen platform)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <string>

#include "ui/main_window.h"

namespace {

using corvane::MainWindow;

// A game of `count` numbers, loaded as a number file.
void load(MainWindow& w, std::int64_t count) {
    std::string bytes;
    for (std::int64_t i = 0; i < count; ++i) {
        bytes += std::to_string(i % 37) + '\n';
    }
    w.engine().load_numbers_from(bytes);
    w.refresh();
}

void click_and_run(MainWindow& w, int n) {
    QTest::mouseMove(w.findChild<QWidget*>(QStringLiteral("UI_Button_%1").arg(n)), QPoint(9, 9));
    QTest::mouseClick(w.findChild<QWidget*>(QStringLiteral("UI_Button_Hover_%1").arg(n)),
                      Qt::LeftButton, {}, QPoint(9, 9));
    for (int t = 0; t < corvane::kAnimationTicks; ++t) {
        w.animation_tick();
    }
}

// range(0): numbers in the game; range(1): 1 with the log window open, 0 without it.
void BM_SpinAndUndo(benchmark::State& state) {
    MainWindow w;
    w.show();
    load(w, state.range(0));
    QWidget* log = nullptr;
    if (state.range(1) != 0) {
        QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
        log = w.findChild<QWidget*>(QStringLiteral("SessionLogWindow"));
    }
    QApplication::processEvents();
    for (auto _ : state) {
        click_and_run(w, 17);
        if (log != nullptr) {
            log->repaint();
        }
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        if (log != nullptr) {
            log->repaint();
        }
    }
}
BENCHMARK(BM_SpinAndUndo)
    ->ArgsProduct({{100, 1000000}, {0, 1}})
    ->ArgNames({"numbers", "log"})
    ->Unit(benchmark::kMicrosecond);

// A spin and its undo in the window with a money plan, whose strip shows the evening's money
// and whose rules judge every spin, against the window without one. range(0): 1 with the plan.
void BM_SpinAndUndoWithPlan(benchmark::State& state) {
    MainWindow w;
    w.show();
    if (state.range(0) != 0) {
        corvane::MoneyPlan plan;
        plan.bankroll = 1e12;
        plan.table_max = 1e12;
        plan.stop_loss = 1e11;
        plan.target = 1e11;
        w.use_plan(plan, false);
    }
    load(w, 100);
    QApplication::processEvents();
    for (auto _ : state) {
        click_and_run(w, 17);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    }
}
BENCHMARK(BM_SpinAndUndoWithPlan)->Arg(0)->Arg(1)->ArgName("plan")->Unit(benchmark::kMicrosecond);

// The same with the log open after a game played through the engine, whose rows carry bets
// and bankrolls: the log decodes what it shows from them.
void BM_SpinAndUndoAfterPlay(benchmark::State& state) {
    MainWindow w;
    w.show();
    std::uint64_t x = 20261209;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        x = x * 6364136223846793005ULL + 1442695040888963407ULL;
        w.engine().spin(static_cast<int>((x >> 33) % 37));
    }
    w.refresh();
    QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
    QWidget* log = w.findChild<QWidget*>(QStringLiteral("SessionLogWindow"));
    QApplication::processEvents();
    for (auto _ : state) {
        click_and_run(w, 17);
        log->repaint();
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        log->repaint();
    }
}
BENCHMARK(BM_SpinAndUndoAfterPlay)
    ->Arg(100)
    ->Arg(1000000)
    ->ArgName("numbers")
    ->Unit(benchmark::kMicrosecond);

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
