// What the evening's journal costs: one action written and flushed to the disk (a number, and a
// file loaded with its copy made), the start's reading and replay of a journal before its
// question, and the window's click on a number with the journal kept and without it (the pause
// before the pressed cell shows). Each single action is timed on its own, 500 times, and the
// median reported, so that a slow flush now and then shows in the spread, not in the figure.
//   corvane_journal_bench [--benchmark_filter=...]
// The journal is written in a new folder in the current directory (or in
// $CORVANE_BENCH_FOLDER), on the disk that folder stands on: a tmpfs flushes nothing and would
// flatter the figures. The folder goes at the end; the configuration folder is a temporary
// one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <string>

#include "engine/journal.h"
#include "engine/script.h"
#include "ui/evening_journal.h"
#include "ui/main_window.h"

namespace {

namespace fs = std::filesystem;
using corvane::EveningStep;
using corvane::JournalFolder;

std::string& bench_folder() {
    static std::string folder;
    return folder;
}

// An empty folder of its own under the bench's folder.
std::string fresh(const std::string& name) {
    const std::string folder = bench_folder() + "/" + name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void single_actions(benchmark::internal::Benchmark* b) {
    b->Iterations(1)
        ->Repetitions(500)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics(
            "max",
            [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

// One number: its line written at the end of the journal and flushed to the disk.
void BM_JournalAppend(benchmark::State& state) {
    static JournalFolder journal(fresh("append"));
    static const bool begun = journal.begin({}, std::time(nullptr)) &&
                              journal.append({corvane::spin_action(0), "2026-03-14 21:40", {}});
    const EveningStep step{corvane::spin_action(17), "2026-03-14 21:40", {}};
    for (auto _ : state) {
        if (!begun || !journal.append(step)) {
            state.SkipWithError("the journal cannot be written");
        }
    }
}
BENCHMARK(BM_JournalAppend)->Apply(single_actions);

// A number file of 500 numbers loaded: its copy made beside the journal, then its line.
void BM_JournalAppendLoad(benchmark::State& state) {
    static JournalFolder journal(fresh("load"));
    static const bool begun = journal.begin({}, std::time(nullptr));
    std::string bytes;
    for (int i = 0; i < 500; ++i) {
        bytes += std::to_string(i % 37) + "\n";
    }
    const EveningStep step{
        corvane::file_action(corvane::ScriptAction::Kind::LoadNumbers, "/home/player/monday.kvn"),
        "2026-03-14 21:40", std::make_shared<const std::string>(bytes)};
    for (auto _ : state) {
        if (!begun || !journal.append(step)) {
            state.SkipWithError("the journal cannot be written");
        }
    }
}
BENCHMARK(BM_JournalAppendLoad)->Apply(single_actions);

// The start with a journal of range(0) numbers: read, checked and replayed onto a fresh engine,
// before the question shows.
void BM_JournalStart(benchmark::State& state) {
    std::string text = "# Corvane evening 2026-03-14_21-40-07\n# at 2026-03-14 21:40\n";
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        text += "spin " + std::to_string((i * 7) % 37) + "\n";
    }
    for (auto _ : state) {
        corvane::Engine engine;
        const corvane::ReplayedEvening replayed =
            corvane::replay_journal(engine, corvane::parse_journal(text));
        benchmark::DoNotOptimize(replayed.evening.size());
    }
}
BENCHMARK(BM_JournalStart)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The window's click on a number, up to the pressed cell drawn: range(0) 1 with the journal
// kept, 0 without. The animation and an undo run between two clicks, untimed.
void BM_WindowClick(benchmark::State& state) {
    corvane::EveningJournal::remember(state.range(0) != 0);
    corvane::MainWindow w;
    w.journal().use_folder(QString::fromStdString(fresh("window")));
    w.show_message = [&state](const QString& text) { state.SkipWithError(qPrintable(text)); };
    w.start_evening();
    w.show();
    QApplication::processEvents();
    QWidget* cell = w.findChild<QWidget*>(QStringLiteral("UI_Button_17"));
    QWidget* hover = w.findChild<QWidget*>(QStringLiteral("UI_Button_Hover_17"));
    for (auto _ : state) {
        QTest::mouseMove(cell, QPoint(9, 9));
        QTest::mouseClick(hover, Qt::LeftButton, {}, QPoint(9, 9));
        state.PauseTiming();
        for (int t = 0; t < corvane::kAnimationTicks; ++t) {
            w.animation_tick();
        }
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QTest::mouseMove(w.findChild<QWidget*>(QStringLiteral("Image_UI")), QPoint(2, 200));
        state.ResumeTiming();
    }
    if (state.range(0) != 0 && !w.journal().keeping()) {
        state.SkipWithError("the journal was not kept");
    }
}
BENCHMARK(BM_WindowClick)->Arg(0)->Arg(1)->ArgName("journal")->Apply(single_actions);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const char* folder = std::getenv("CORVANE_BENCH_FOLDER");
    bench_folder() =
        (folder != nullptr && *folder != '\0' ? std::string(folder) : fs::current_path().string()) +
        "/corvane-journal-bench-" + std::to_string(getpid());
    qputenv("XDG_STATE_HOME", bench_folder().c_str());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(bench_folder());
    return 0;
}
