#include "wheel/tally.h"

#include <algorithm>

#include "base/categories.h"

namespace corvane {

void WheelTally::add(int number) {
    step_ = {number, last_[number], closed_gap_[number]};
    ++spins_;
    closed_gap_[number] = std::max(closed_gap_[number], spins_ - 1 - last_[number]);
    last_[number] = spins_;
    ++hits_[number];
}

bool WheelTally::take_back() {
    if (step_.number < 0) {
        return false;
    }
    const int n = step_.number;
    --hits_[n];
    last_[n] = step_.last;
    closed_gap_[n] = step_.closed_gap;
    --spins_;
    step_ = {};
    return true;
}

std::int64_t WheelTally::longest_gap(int number) const {
    return std::max(closed_gap_[number], since(number));
}

std::int64_t WheelTally::since_side(Side side) const {
    std::int64_t last = 0;
    for (int n = 1; n <= kMaxNumber; ++n) {
        if (number_on(side, n)) {
            last = std::max(last, last_[n]);
        }
    }
    return last == 0 ? -1 : spins_ - last;
}

}  // namespace corvane
