#include "betting/progression.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

template <std::size_t N, typename Rule>
constexpr std::array<std::int32_t, N> make_table(Rule rule) {
    std::array<std::int32_t, N> t{};
    for (std::size_t k = 0; k < N; ++k) {
        t[k] = rule(static_cast<std::int64_t>(k));
    }
    return t;
}

constexpr std::int32_t power(std::int64_t base, std::int64_t k) {
    std::int64_t v = 1;
    for (std::int64_t i = 0; i < k; ++i) {
        v *= base;
    }
    return static_cast<std::int32_t>(v);
}

constexpr auto kMartingale = make_table<27>([](std::int64_t k) { return power(2, k); });
constexpr auto k3xBet12 = make_table<18>([](std::int64_t k) { return power(3, k); });
constexpr auto kDonald = make_table<2000>([](std::int64_t k) { return std::int32_t(k + 1); });
constexpr auto kBlind12 = make_table<2000>([](std::int64_t k) { return std::int32_t(k + 1); });
constexpr auto k3xBet23 = make_table<18>([](std::int64_t k) { return power(3, k); });
constexpr auto k4xBet = make_table<16>([](std::int64_t k) { return power(4, k); });
constexpr auto kDDonald = make_table<30>([](std::int64_t k) { return power(2, k + 1) - 1; });
constexpr auto kBlind23 =
    make_table<2001>([](std::int64_t k) { return k == 0 ? 1 : std::int32_t(3 * k); });

// Each family's systems in the order of its list of systems.
const std::array<std::array<BettingSystem, 5>, kFamilyCount> kSystems = {{
    {{
        {"Martingale", StepRule::Martingale, kMartingale},
        {"3x Bet", StepRule::Martingale, k3xBet12},
        {"Donald", StepRule::Donald, kDonald},
        {"Blind", StepRule::Blind, kBlind12},
        {"FLAT", StepRule::Flat, {}},
    }},
    {{
        {"3x Bet", StepRule::Martingale, k3xBet23},
        {"4x Bet", StepRule::Martingale, k4xBet},
        {"D-Donald", StepRule::Donald, kDDonald},
        {"Blind", StepRule::Blind, kBlind23},
        {"FLAT", StepRule::Flat, {}},
    }},
}};

}  // namespace

std::int32_t BettingSystem::multiplier(int step) const {
    if (table.empty()) {
        return 1;
    }
    return table[static_cast<std::size_t>(std::clamp(step, 0, last()))];
}

const BettingSystem* find_system(Family family, std::string_view name) {
    for (const BettingSystem& s : kSystems[index_of(family)]) {
        if (s.name == name) {
            return &s;
        }
    }
    return nullptr;
}

const BettingSystem* system_at(Family family, int index) {
    const auto& systems = kSystems[index_of(family)];
    if (index < 0 || index >= static_cast<int>(systems.size())) {
        return nullptr;
    }
    return &systems[static_cast<std::size_t>(index)];
}

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
