#include "ui/expect_run.h"

#include <QMetaObject>
#include <algorithm>
#include <cerrno>
#include <chrono>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "engine/engine.h"
#include "simulation/session_runner.h"

namespace corvane {

namespace {

// How far the sessions' threads stand back from the window's, in nice steps.
constexpr int kNiceSteps = 10;

// Lowers the calling thread's priority, so that on a machine whose every core the sessions keep
// busy the window's thread still runs as soon as it has something to do. Only the threads that
// play the sessions stand back: the one that hands the result to the window keeps the window's
// priority, since the window waits for it to end.
void stand_back() {
#ifdef __linux__
    // Linux keeps a priority per thread: this one alone stands back, from where it stood.
    const auto self = static_cast<id_t>(gettid());
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, self);
    if (errno == 0) {
        setpriority(PRIO_PROCESS, self, nice + kNiceSteps);
    }
#endif
}

}  // namespace

SessionsJob expect_job(const ExpectInputs& inputs, unsigned threads) {
    SessionsJob job;
    job.sessions = inputs.sessions;
    job.seed = inputs.seed;
    job.rules.spins = inputs.spins;
    static_cast<MoneyPlan&>(job.rules) = inputs.plan;
    job.threads = threads;
    job.chart_points = kChartPoints;
    return job;
}

unsigned default_threads() {
    return std::max(1U, std::thread::hardware_concurrency());
}

ExpectRun::ExpectRun(QObject* parent) : QObject(parent) {}

ExpectRun::~ExpectRun() {
    // Every run is told at once, then each is waited for: none is still playing a session
    // while an older one is joined.
    for (Worker& w : runs_) {
        w.thread.request_stop();
    }
    runs_.clear();
}

void ExpectRun::start(const ExpectInputs& inputs, unsigned threads) {
    cancel();
    const std::uint64_t id = ++last_id_;
    current_ = id;
    inputs_ = inputs;
    const unsigned count = threads == 0 ? default_threads() : threads;
    runs_.push_back({id, {}});
    runs_.back().thread = std::jthread([this, id, inputs, count](std::stop_token stop) {
        play(std::move(stop), id, inputs, count);
    });
}

bool ExpectRun::cancel() {
    if (current_ == 0) {
        return false;
    }
    for (Worker& w : runs_) {
        if (w.id == current_) {
            w.thread.request_stop();
        }
    }
    current_ = 0;
    return true;
}

// On a thread of its own. What it tells the window is posted to this object, whose events are
// dropped if it is gone; it cannot be gone before this thread is joined.
void ExpectRun::play(std::stop_token stop, std::uint64_t id, ExpectInputs inputs,
                     unsigned threads) {
    std::shared_ptr<ExpectResult> result;
    {
        // A fresh engine with the options alone, as the tool's engine after a settings load.
        Engine configured;
        if (!configured.load_settings_from(inputs.settings_file)) {
            SessionsJob job = expect_job(inputs, threads);
            job.stop = stop;
            job.on_thread_start = stand_back;
            const auto begin = std::chrono::steady_clock::now();
            const SessionsRun run =
                run_sessions(configured, job, [this, id, &job](std::uint64_t done, std::uint64_t) {
                    QMetaObject::invokeMethod(
                        this,
                        [this, id, done, all = job.sessions] {
                            if (id == current_ && progressed) {
                                progressed(done, all);
                            }
                        },
                        Qt::QueuedConnection);
                });
            if (!run.cancelled) {
                result = std::make_shared<ExpectResult>();
                result->inputs = std::move(inputs);
                result->settings = configured.settings();
                result->report = risk_report(run, job);
                const std::optional<std::string> name(kWindowOptionsName);
                result->chart = session_chart(run, job, result->settings, name);
                result->text = risk_report_text(result->report, result->settings, name);
                result->threads = threads;
                result->seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
            }
        }
    }  // the sessions' results are let go of here, off the window's thread
    QMetaObject::invokeMethod(
        this,
        [this, id, done = std::shared_ptr<const ExpectResult>(std::move(result))] {
            ended(id, done);
        },
        Qt::QueuedConnection);
}

void ExpectRun::ended(std::uint64_t id, std::shared_ptr<const ExpectResult> result) {
    // The thread has nothing left to do but return.
    runs_.remove_if([id](const Worker& w) { return w.id == id; });
    if (id != current_) {
        return;
    }
    current_ = 0;
    if (finished) {
        finished(std::move(result));
    }
}

}  // namespace corvane
