// The betting systems of both families, each with its name, its step rule and its multiplier
// table. The options' lists of systems and the progressions both read them from here, so a
// system is added in one place: its row in betting_systems.cpp.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/numbers.h"

namespace corvane {

enum class StepRule {
    Martingale,  // a win goes back to the start, a loss climbs one entry
    Donald,      // a win goes back one entry, a loss climbs one
    Blind,       // every settled bet climbs one entry
    Flat,        // no table: the stake is always the starting bet
};

struct BettingSystem {
    std::string_view name;  // as the family's list of systems shows it
    StepRule rule;
    std::span<const std::int32_t> table;  // empty for "FLAT"

    int last() const { return static_cast<int>(table.size()) - 1; }
    // The table entry at a step, bounded to the table so that a step left over from a longer
    // table reads the last entry.
    std::int32_t multiplier(int step) const;
};

// The family's systems, in the order of its list of systems.
std::span<const BettingSystem> systems_of(Family family);

// The family's system of that exact name; nullptr for a name the family does not know.
const BettingSystem* find_system(Family family, std::string_view name);

// The system at an index of the family's list of systems; nullptr outside the list.
const BettingSystem* system_at(Family family, int index);

}  // namespace corvane
