// Timers that tick at fixed intervals on one clock: the press-and-hold auto-repeat of the
// stepper arrows. The clock is injected, so that tests deliver ticks at exact times; on its own
// the scheduler wakes the event loop when the next tick falls due.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace corvane {

class RepeatScheduler {
  public:
    // Milliseconds; only differences matter.
    using Clock = std::function<qint64()>;

    // Timer `id` ticks every intervals[id] milliseconds while it runs, and `tick` receives
    // each of its ticks.
    RepeatScheduler(std::vector<int> intervals, std::function<void(int id)> tick);

    // By default the system's monotonic clock.
    void set_clock(Clock clock);

    // The clock's time; while a tick is delivered, the time it was due, so that a timer started
    // by a tick counts from that tick however late it is delivered.
    qint64 now() const;

    // Starts a timer: its first tick falls one interval from now. A running timer goes on
    // unchanged.
    void start(int id);
    void stop(int id);
    bool running(int id) const { return timers_[id].running; }
    bool any_running() const;

    // Delivers every tick due by the clock's time, in time order; ticks due at the same moment
    // come in the order their timers were (re)armed. A tick re-arms its timer before it is
    // delivered.
    void run();

  private:
    struct Timer {
        bool running = false;
        qint64 due = 0;           // time of the next tick
        std::uint64_t armed = 0;  // when it was last (re)armed, as a running count
    };

    int next_due(qint64 until) const;  // the tick due first by `until`, or -1
    void schedule();                   // sets the event loop's timer to the next due tick

    std::vector<int> intervals_;
    std::function<void(int)> tick_;
    std::vector<Timer> timers_;
    std::uint64_t arm_count_ = 0;
    std::optional<qint64> tick_time_;  // the due time of the tick being delivered
    QElapsedTimer elapsed_;
    Clock clock_;
    QTimer driver_;
};

}  // namespace corvane
