#include "ui/repeat_scheduler.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace corvane {

RepeatScheduler::RepeatScheduler(std::vector<int> intervals, std::function<void(int id)> tick)
    : intervals_(std::move(intervals)), tick_(std::move(tick)), timers_(intervals_.size()) {
    elapsed_.start();
    clock_ = [this] { return elapsed_.elapsed(); };
    driver_.setObjectName(QStringLiteral("Timer_AutoRepeat"));
    driver_.setSingleShot(true);
    driver_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&driver_, &QTimer::timeout, [this] { run(); });
}

void RepeatScheduler::set_clock(Clock clock) {
    clock_ = std::move(clock);
}

qint64 RepeatScheduler::now() const {
    return tick_time_ ? *tick_time_ : clock_();
}

void RepeatScheduler::start(int id) {
    Timer& t = timers_[id];
    if (t.running) {
        return;
    }
    t.running = true;
    t.due = now() + intervals_[id];
    t.armed = ++arm_count_;
    schedule();
}

void RepeatScheduler::stop(int id) {
    timers_[id].running = false;
    schedule();
}

bool RepeatScheduler::any_running() const {
    return std::any_of(timers_.begin(), timers_.end(), [](const Timer& t) { return t.running; });
}

void RepeatScheduler::run() {
    const qint64 until = clock_();
    for (int id = next_due(until); id >= 0; id = next_due(until)) {
        Timer& t = timers_[id];
        tick_time_ = t.due;
        t.due += intervals_[id];
        t.armed = ++arm_count_;
        tick_(id);
        tick_time_.reset();
    }
    schedule();
}

int RepeatScheduler::next_due(qint64 until) const {
    int next = -1;
    for (int id = 0; id < static_cast<int>(timers_.size()); ++id) {
        const Timer& t = timers_[id];
        if (!t.running || t.due > until) {
            continue;
        }
        if (next < 0 || t.due < timers_[next].due ||
            (t.due == timers_[next].due && t.armed < timers_[next].armed)) {
            next = id;
        }
    }
    return next;
}

void RepeatScheduler::schedule() {
    std::optional<qint64> next;
    for (const Timer& t : timers_) {
        if (t.running && (!next || t.due < *next)) {
            next = t.due;
        }
    }
    if (!next) {
        driver_.stop();
        return;
    }
    driver_.start(static_cast<int>(std::clamp<qint64>(*next - clock_(), 0, INT_MAX)));
}

}  // namespace corvane
