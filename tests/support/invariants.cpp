#include "tests/support/invariants.h"

#include <bit>
#include <cmath>

namespace corvane {

namespace {

bool codes_of_family(std::string_view codes, Family family) {
    for (char c : codes) {
        if (!info(family).has_code(c)) {
            return false;
        }
    }
    return true;
}

std::string category_rule(const CategoryState& c, const CategoryInfo& ci) {
    const std::string name(ci.prefix);
    if ((c.chainactive & ~(((1U << kChainCount) - 1) << 1)) != 0) {
        return name + ": a chain flag outside 1..22";
    }
    if (std::popcount(c.chainactive) != (c.match ? 1 : 0)) {
        return name + ": the chain flags do not follow match";
    }
    if (c.list_window.size() > 30 || c.ind_window.size() > 29) {
        return name + ": a window longer than the longest chain length";
    }
    if (!codes_of_family(c.list_window.str(), ci.family) ||
        !codes_of_family(c.ind_window.str(), ci.family)) {
        return name + ": a window holds a code of another family";
    }
    if (!std::isfinite(c.bet) || c.bet < 0) {
        return name + ": the stake is not a finite amount";
    }
    if (c.progression_step < 0 || c.progression_step > 2000) {
        return name + ": the progression step is outside every table";
    }
    return {};
}

}  // namespace

std::string broken_invariant(const Engine& engine) {
    const GameState& g = engine.game();
    for (const CategoryInfo& ci : kCategories) {
        if (std::string rule = category_rule(g.category(ci.id), ci); !rule.empty()) {
            return rule;
        }
    }
    if (!std::isfinite(g.bankroll) || !std::isfinite(g.bankroll_aim)) {
        return "the bankroll or its aim is not finite";
    }
    if (!g.timer_running) {
        if (!g.input_ready) {
            return "the board stays busy with no spin in progress";
        }
        if (g.covers_shown || g.gauge1 != 0) {
            return "the bet area stays covered with no spin in progress";
        }
        for (bool pressed : g.pressed) {
            if (pressed) {
                return "a pressed cell stays shown with no spin in progress";
            }
        }
    }
    if (g.gauge1 < 0 || g.gauge1 > 100) {
        return "the progress line is outside 0..100";
    }
    if (g.statistics_base() > g.forgotten_numbers + static_cast<std::int64_t>(g.numbers.size())) {
        return "more statistics entries than numbers";
    }
    if (g.keeps_log && g.forgotten_numbers == 0 &&
        g.log.size() + (g.timer_running ? 1 : 0) != g.numbers.size()) {
        return "the session log does not hold a row for every number";
    }
    for (std::size_t i = 0; g.keeps_log && i < g.log.size(); ++i) {
        if (g.log.number(i) != g.numbers[i]) {
            return "a row of the session log has another number than the game";
        }
    }
    for (std::uint8_t n : g.numbers) {
        if (n > kMaxNumber) {
            return "a number outside 0..36";
        }
    }
    if (g.wheel.spins() != g.forgotten_numbers + static_cast<std::int64_t>(g.numbers.size())) {
        return "the wheel's tally has not counted every number";
    }
    if (g.forgotten_numbers == 0) {
        WheelTally recounted;
        for (std::uint8_t n : g.numbers) {
            recounted.add(n);
        }
        if (!(recounted == g.wheel)) {
            return "the wheel's tally differs from the numbers counted afresh";
        }
    }
    const Settings& s = engine.settings();
    for (const Option* o : kOptions) {
        if (o->kind == OptionKind::List && !in_list(o->list, s.*o->index)) {
            return "an option's index is outside its list";
        }
    }
    for (const FamilyOptions& f : kFamilyOptions) {
        if (s.*f.window != list_number(f.chain_lengths, s.*f.chain_length_index)) {
            return "a window length differs from the chain length shown";
        }
    }
    // The spins look for hidden marks only while trend betting is on.
    if (!s.trend_betting) {
        for (const SideMarks& m : g.marks) {
            if (m.hidden) {
                return "a side is marked hidden while trend betting is off";
            }
        }
    }
    if (engine.settings_text().size() < static_cast<std::size_t>(kSettingsLines)) {
        return "the settings text has fewer lines than the options";
    }
    return {};
}

}  // namespace corvane
