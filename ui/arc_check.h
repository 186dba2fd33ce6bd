// The hot-arc test's fair wheels, simulated off the window's thread. The window asks for the
// p-value of the arcs it found and gets it at once when the fair wheels of that many spins are
// at hand; otherwise the simulation starts on a thread of its own and `answered` is called on
// the window's thread once it is done. A newer question stops an older one still running.
#pragma once

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "wheel/fair_wheels.h"

namespace corvane {

class ArcCheck : public QObject {
  public:
    explicit ArcCheck(QObject* parent = nullptr);
    ~ArcCheck() override;  // stops the simulation and waits for its thread

    // The p-value of `arcs` if the fair wheels of its spins are known; otherwise nothing, and
    // the simulation of those wheels is asked for.
    std::optional<double> p_value(const ArcSearch& arcs);

    // Called on the window's thread whenever the fair wheels of the spins last asked for are
    // known.
    std::function<void()> answered;

  private:
    void work();

    // The fair wheels of the last few spin counts, for the spins just before an undo too.
    static constexpr std::size_t kKept = 3;
    std::vector<std::shared_ptr<const FairWheels>> known_;  // newest last

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<std::int64_t> asked_;  // spins whose wheels are wanted, not yet taken up
    std::int64_t running_ = -1;          // spins being simulated now
    bool quit_ = false;
    std::atomic<bool> stop_{false};  // stops the simulation running now
    std::thread thread_;
};

}  // namespace corvane
