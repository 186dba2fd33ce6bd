#include "settings/betting_systems.h"

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

// Each family's systems in the order in which its list of systems offers them.
constexpr BettingSystem kSystems12[] = {
    {"Martingale", StepRule::Martingale, kMartingale},
    {"3x Bet", StepRule::Martingale, k3xBet12},
    {"Donald", StepRule::Donald, kDonald},
    {"Blind", StepRule::Blind, kBlind12},
    {"FLAT", StepRule::Flat, {}},
};
constexpr BettingSystem kSystems23[] = {
    {"3x Bet", StepRule::Martingale, k3xBet23},
    {"4x Bet", StepRule::Martingale, k4xBet},
    {"D-Donald", StepRule::Donald, kDDonald},
    {"Blind", StepRule::Blind, kBlind23},
    {"FLAT", StepRule::Flat, {}},
};
constexpr std::array<std::span<const BettingSystem>, kFamilyCount> kSystems = {kSystems12,
                                                                               kSystems23};

}  // namespace

std::int32_t BettingSystem::multiplier(int step) const {
    if (table.empty()) {
        return 1;
    }
    return table[static_cast<std::size_t>(std::clamp(step, 0, last()))];
}

std::span<const BettingSystem> systems_of(Family family) {
    return kSystems[index_of(family)];
}

const BettingSystem* find_system(Family family, std::string_view name) {
    for (const BettingSystem& s : systems_of(family)) {
        if (s.name == name) {
            return &s;
        }
    }
    return nullptr;
}

const BettingSystem* system_at(Family family, int index) {
    const std::span<const BettingSystem> systems = systems_of(family);
    if (index < 0 || index >= static_cast<int>(systems.size())) {
        return nullptr;
    }
    return &systems[static_cast<std::size_t>(index)];
}

}  // namespace corvane
