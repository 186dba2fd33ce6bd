#include "ui/arc_check.h"

#include <QMetaObject>

namespace corvane {

ArcCheck::ArcCheck(QObject* parent) : QObject(parent), thread_([this] { work(); }) {}

ArcCheck::~ArcCheck() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

std::optional<double> ArcCheck::p_value(const ArcSearch& arcs) {
    const std::lock_guard lock(mutex_);
    for (const std::shared_ptr<const FairWheels>& wheels : known_) {
        if (wheels->spins() == arcs.spins) {
            return wheels->p_value(arcs);
        }
    }
    if (running_ != arcs.spins && asked_ != arcs.spins) {
        asked_ = arcs.spins;
        stop_ = running_ >= 0;  // an older question gives way
        wake_.notify_all();
    }
    return std::nullopt;
}

void ArcCheck::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || asked_.has_value(); });
        if (quit_) {
            return;
        }
        const std::int64_t spins = *asked_;
        asked_.reset();
        running_ = spins;
        stop_ = false;
        lock.unlock();
        auto wheels =
            std::make_shared<const FairWheels>(spins, kFairWheelCount, kFairWheelSeed, &stop_);
        lock.lock();
        running_ = -1;
        if (quit_) {
            return;
        }
        if (wheels->complete()) {
            known_.push_back(std::move(wheels));
            if (known_.size() > kKept) {
                known_.erase(known_.begin());
            }
            // Posted while the lock is held, so never after the destructor has begun.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (answered) {
                        answered();
                    }
                },
                Qt::QueuedConnection);
        }
    }
}

}  // namespace corvane
