#include "betting/progression.h"

#include <algorithm>

namespace corvane {

double stake(const BettingSystem& system, int step, double starting_bet) {
    if (system.rule == StepRule::Flat) {
        return starting_bet;
    }
    return starting_bet * system.multiplier(step);
}

double charge(Family family, const BettingSystem& system, int step, double starting_bet) {
    const double sides = info(family).sides_per_bet;
    if (system.rule == StepRule::Flat) {
        return sides * starting_bet;
    }
    return sides * starting_bet * system.multiplier(step);
}

double payout(Family family, double bet) {
    return info(family).payout * bet;
}

int step_after(const BettingSystem& system, int step, bool won) {
    if (system.rule == StepRule::Flat) {
        return step;
    }
    const int last = system.last();
    step = std::clamp(step, 0, last);
    const int up = step == last ? step : step + 1;
    switch (system.rule) {
        case StepRule::Martingale:
            return won ? 0 : up;
        case StepRule::Donald:
            return won ? (step == 0 ? 0 : step - 1) : up;
        case StepRule::Blind:
        case StepRule::Flat:
            return up;
    }
    return step;
}

}  // namespace corvane
