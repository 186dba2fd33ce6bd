// Plays games of numbers for corvane-backtest: each game on a fresh copy of the configured
// engine, observed spin by spin, with a progress line for long runs.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "base/file_io.h"
#include "cli/trace.h"
#include "engine/engine.h"
#include "simulation/long_games.h"
#include "simulation/summary.h"

namespace corvane {

// The progress line on standard error: only on a terminal, only once a run has lasted a
// second, redrawn in place a few times a second and wiped at the end.
class Progress {
  public:
    // `total` things to do, named `unit` on the line ("spins", "sessions").
    explicit Progress(std::uint64_t total, const char* unit = "spins");

    // Cheap enough for every spin: the clock is read every 4096 spins.
    void spins_done(std::uint64_t done) {
        if (!shown_ || (done & 4095U) != 0) {
            return;
        }
        redraw(done, done);
    }

    // `done` of the things counted, which took `spins` spins so far.
    void update(std::uint64_t done, std::uint64_t spins) {
        if (shown_) {
            redraw(done, spins);
        }
    }

    void finish();

  private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kDelay{1000};
    static constexpr std::chrono::milliseconds kInterval{250};

    // Draws the line again if its time has come.
    void redraw(std::uint64_t done, std::uint64_t spins);

    std::uint64_t total_;
    const char* unit_;
    bool shown_;
    bool drawn_ = false;
    Clock::time_point start_;
    Clock::time_point next_;
};

class Runner {
  public:
    // `trace`: print the trace line after every spin; `total`: the spins of all games, for
    // the progress line; `csv`: where the session log's rows of every spin go, if anywhere.
    Runner(bool trace, std::uint64_t total, StreamingFile* csv = nullptr)
        : trace_(trace), progress_(total), csv_(csv) {}

    // One fresh game of `next()`'s numbers, `count` of them.
    template <typename Next>
    RunSummary run(const Engine& configured, std::string name, std::uint64_t count, Next next) {
        Engine engine = configured;
        engine.keep_log(false);  // nobody looks back over a backtest's game in the window
        if (!trace_) {
            engine.keep_undo(false);     // the trace shows whether the undo is offered
            engine.keep_display(false);  // ... and the history strip and the statistics
        }
        SummaryRecorder recorder(std::move(name));
        for (std::uint64_t i = 0; i < count; ++i) {
            const int n = next();
            recorder.spin(engine, n);
            if (!trace_) {  // the trace lists every number of the game
                forget_old_numbers_now_and_then(engine, i + 1);
            }
            if (trace_) {
                const std::string line =
                    trace_line(engine, "spin " + std::to_string(n), std::nullopt);
                std::fwrite(line.data(), 1, line.size(), stdout);
                std::fputc('\n', stdout);
            }
            if (csv_ != nullptr) {
                csv_row(engine.game(), i + 1);
            }
            progress_.spins_done(++done_);
        }
        if (csv_ != nullptr) {
            csv_->write(csv_buffer_);
            csv_buffer_.clear();
        }
        return recorder.summary();
    }

    void finish() { progress_.finish(); }

  private:
    // The spin's row, as the window's session log would write it; written out in batches.
    void csv_row(const GameState& game, std::uint64_t spin);

    bool trace_;
    Progress progress_;
    std::uint64_t done_ = 0;
    StreamingFile* csv_;
    std::string csv_buffer_;
};

}  // namespace corvane
