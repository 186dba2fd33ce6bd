// What lies on the table between two spins, and all that the betting rules read and write: the
// five categories' chain and progression state, the bet marks and labels on the board, the
// bankroll with its aim, the bet and win counters, and the statistics the trend check reads.
// The game (engine/game_state.h) is this table plus the numbers, the history strip, the undo
// snapshot and the animation of a spin.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "base/numbers.h"
#include "base/statistics.h"
#include "chains/category.h"

namespace corvane {

inline constexpr double kStartBankroll = 1000000.0;
inline constexpr double kStartBankrollAim = 1000001.0;

// What the board shows for one side or section of the layout.
struct SideMarks {
    bool field = false;      // BetField_X: an open bet lies on the side
    bool stake = false;      // Bet_X: the amount label
    bool chain = false;      // Bet_X_Chain: the chain label
    bool hidden = false;     // HiddenBetField_X: a trend bet that was only marked
    bool indicator = false;  // BetIndicator_X: a chain may form on the next spin

    friend bool operator==(const SideMarks&, const SideMarks&) = default;
};

// The chain a category's hint text describes; chain 0 means the text is still empty.
struct HintRef {
    int chain = 0;
    int line = 0;
    friend bool operator==(const HintRef&, const HintRef&) = default;
};

// What one category's part of the last prediction did, for tools that follow a game spin by
// spin; the window reads none of it.
struct CategorySpin {
    bool settled = false;  // an open bet was judged against the number
    bool won = false;      // ... and won
    double paid = 0;       // paid out on that win
    double charged = 0;    // charged for the bet laid in this spin
    int chain_found = 0;   // the chain matched in this spin, if one was
    // The bet that stood on the number and was settled: its sides or sections (bit k for the
    // category's k-th side), its stake on each and its chain, as its labels showed them; for
    // the session log.
    std::uint8_t bet_sides = 0;
    double stake = 0;
    int chain = 0;
};

// The bet and win counters of a family and its win rate: bets_count_12, wins_count_12 and
// CGauge_WinRate12 for the 1/2 family, those ending in 23 for the 2/3 family.
struct FamilyCounts {
    std::int64_t bets_count = 0;
    std::int64_t wins_count = 0;
    int win_rate = 0;  // set at settlement, reset and undo

    friend bool operator==(const FamilyCounts&, const FamilyCounts&) = default;
};

// The bets the last spin laid for the next number, all categories together: what they took from
// the bankroll and the largest stake on one side or section, with the category whose bet holds
// it (-1 while none was laid). What a money plan reads of every spin, kept as the bets are laid.
struct SpinBets {
    double cost = 0;
    double largest_stake = 0;
    int largest = -1;
};

struct TableState {
    int current_num = 0;  // CurrentNum: the number being processed
    double bankroll = kStartBankroll;
    double bankroll_aim = kStartBankrollAim;
    std::array<FamilyCounts, kFamilyCount> family_counts{};  // by index_of(Family)
    Statistics stats;
    std::array<CategoryState, kCategoryCount> categories{};
    std::array<SideMarks, kSideCount> marks{};
    std::array<int, kCategoryCount> chain_label{};  // the N of every chain label's "Ch N"
    std::array<HintRef, kCategoryCount> hints{};    // hint text = tooltip of the chain labels
    std::array<double, kCategoryCount> stake_label = {1.0, 1.0, 1.0, 1.0, 1.0};  // Bet_X texts
    std::array<CategorySpin, kCategoryCount> last_spin{};  // what the last prediction did
    SpinBets spin_bets;  // the bets of the last prediction, taken together

    CategoryState& category(CategoryId c) { return categories[index_of(c)]; }
    const CategoryState& category(CategoryId c) const { return categories[index_of(c)]; }
    SideMarks& mark(Side s) { return marks[index_of(s)]; }
    const SideMarks& mark(Side s) const { return marks[index_of(s)]; }
    FamilyCounts& counts(Family f) { return family_counts[index_of(f)]; }
    const FamilyCounts& counts(Family f) const { return family_counts[index_of(f)]; }
};

// The marks of a category's sides, the side of its family's first code first.
inline std::span<SideMarks> marks_of(TableState& table, CategoryId c) {
    return std::span(table.marks).subspan(index_of(info(c).first_side), info(c).side_count);
}
inline std::span<const SideMarks> marks_of(const TableState& table, CategoryId c) {
    return std::span(table.marks).subspan(index_of(info(c).first_side), info(c).side_count);
}

// The sides of a category as bits of Side.
constexpr std::uint32_t side_bits(CategoryId c) {
    return ((1U << info(c).side_count) - 1U) << index_of(info(c).first_side);
}

// The sides whose stake label shows, as bits of Side.
inline std::uint32_t stakes_on_show(const TableState& table) {
    std::uint32_t bits = 0;
    for (int s = 0; s < kSideCount; ++s) {
        bits |= static_cast<std::uint32_t>(table.marks[static_cast<std::size_t>(s)].stake) << s;
    }
    return bits;
}

// The sides of a category with the mark `which` set, as bits: bit k for its k-th side.
inline std::uint8_t sides_marked(const TableState& table, CategoryId c, bool SideMarks::*which) {
    const std::span<const SideMarks> marks = marks_of(table, c);
    std::uint8_t bits = 0;
    for (std::size_t k = 0; k < marks.size(); ++k) {
        bits |= static_cast<std::uint8_t>(static_cast<unsigned>(marks[k].*which) << k);
    }
    return bits;
}

// A category has a bet on show while one of its stake labels shows: what the bet counting, the
// switching off of a category and the undo read.
inline bool stake_on_show(const TableState& table, CategoryId c) {
    return sides_marked(table, c, &SideMarks::stake) != 0;
}

}  // namespace corvane
