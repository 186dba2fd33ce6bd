// The many-sessions simulation of the "What to expect" window, played off the window's thread.
// A run configures an engine of its own from the settings text it is given, so that nothing of
// the game on the board reaches the sessions, and plays them as corvane-backtest --sessions
// does: the same job, the same threads by default, the same figures. Its progress and its end
// come back on the window's thread. Runs are stopped, never waited for: a cancelled run's
// threads end after the session each is playing, and are joined once they have said so.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "engine/money_plan.h"
#include "settings/settings.h"
#include "simulation/risk_report.h"
#include "simulation/session_chart.h"

namespace corvane {

// What a run plays: the options as their settings file holds them, the money plan and the
// window's own three fields.
struct ExpectInputs {
    std::string settings_file;  // the bytes of a settings file (settings_file_text)
    MoneyPlan plan;
    std::uint64_t spins = 300;  // at most this many spins a session
    std::uint64_t sessions = 10000;
    std::uint64_t seed = 1;

    friend bool operator==(const ExpectInputs&, const ExpectInputs&) = default;
};

// The job corvane-backtest --sessions builds for the same inputs, on `threads` threads, with
// the chart's points.
SessionsJob expect_job(const ExpectInputs& inputs, unsigned threads);

// The threads the tool plays on by default: every core.
unsigned default_threads();

// The name the window's reports give the options they were played with.
inline constexpr const char* kWindowOptionsName = "current options";

// What a finished run found, worked out off the window's thread.
struct ExpectResult {
    ExpectInputs inputs;
    Settings settings;  // as the run's own engine read them
    RiskReport report;
    SessionChart chart;
    std::string text;  // risk_report_text, as "Copy as text" copies it
    double seconds = 0;
    unsigned threads = 1;
};

class ExpectRun : public QObject {
  public:
    explicit ExpectRun(QObject* parent = nullptr);
    ~ExpectRun() override;  // stops every run and joins its threads

    // Starts a run of `inputs`, stopping the one under way, if any. `threads` 0: every core.
    void start(const ExpectInputs& inputs, unsigned threads = 0);
    // Stops the run under way, if any, and returns at once: it is no longer running, sends no
    // more news, and its threads end after the session each is playing. False when none ran.
    bool cancel();
    // A run is under way (started, and neither finished nor cancelled).
    bool running() const { return current_ != 0; }
    // The inputs of the run under way, or of the last one started.
    const ExpectInputs& inputs() const { return inputs_; }
    // For tests: the runs started so far, and those whose threads are not yet joined (the one
    // under way and those stopped that have not yet said they ended).
    std::uint64_t started() const { return last_id_; }
    std::size_t runs_alive() const { return runs_.size(); }

    // Called on the window's thread. Sessions done of all, now and then while a run plays.
    std::function<void(std::uint64_t done, std::uint64_t sessions)> progressed;
    // The run under way finished; no result when its options could not be read.
    std::function<void(std::shared_ptr<const ExpectResult> result)> finished;

  private:
    struct Worker {
        std::uint64_t id = 0;
        std::jthread thread;
    };

    void play(std::stop_token stop, std::uint64_t id, ExpectInputs inputs, unsigned threads);
    void ended(std::uint64_t id, std::shared_ptr<const ExpectResult> result);

    std::list<Worker> runs_;     // every thread not yet joined, the newest last
    std::uint64_t current_ = 0;  // the run whose news the window wants; 0: none
    std::uint64_t last_id_ = 0;
    ExpectInputs inputs_;
};

}  // namespace corvane
