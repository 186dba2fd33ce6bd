// The whole game: numbers, bankroll, counters, statistics, history, the five categories with
// their bet marks, and the undo snapshot. Also the board's busy state and animation, since the
// game logic reads and writes them; the window only draws this record.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "chains/category.h"
#include "core/history.h"
#include "core/numbers.h"
#include "core/statistics.h"

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
};

// The values the undo puts back, taken at the start of every spin.
struct UndoSnapshot {
    double bankroll = kStartBankroll;
    double bankroll_aim = kStartBankrollAim;
    // Per category: the standing bet as its stake labels showed it, as the sides shown.
    std::array<std::array<bool, 3>, kCategoryCount> standing{};
    std::array<CategoryState, kCategoryCount> categories{};
    std::array<int, kCategoryCount> active_chain{};  // 0: no chain flag set
    Statistics stats;
    std::int64_t bets_count_12 = 0;
    std::int64_t wins_count_12 = 0;
    std::int64_t bets_count_23 = 0;
    std::int64_t wins_count_23 = 0;
};

inline constexpr int kAnimationTicks = 25;  // 25 ticks of 15 ms from click to prediction
inline constexpr int kGaugeStep = 4;        // CGauge1 grows by 4 per tick, up to 100

struct GameState {
    std::vector<std::uint8_t> numbers;          // NumbersList: every number, oldest first
    std::vector<std::uint8_t> statistics_list;  // Statistics_List: the non-zero ones
    // Entries a long headless run let go of from the front of the two lists; they still count
    // in the statistics' base (see Engine::forget_old_numbers).
    std::int64_t forgotten_numbers = 0;
    std::int64_t forgotten_statistics = 0;
    int current_num = 0;  // CurrentNum: the number being processed
    int input_ready = 1;  // the board takes numbers
    double bankroll = kStartBankroll;
    double bankroll_aim = kStartBankrollAim;
    std::int64_t bets_count_12 = 0;
    std::int64_t wins_count_12 = 0;
    std::int64_t bets_count_23 = 0;
    std::int64_t wins_count_23 = 0;
    int win_rate_12 = 0;  // CGauge_WinRate12, set at settlement, reset and undo
    int win_rate_23 = 0;  // CGauge_WinRate23
    Statistics stats;
    HistoryStrip history{};
    std::array<CategoryState, kCategoryCount> categories{};
    std::array<SideMarks, kSideCount> marks{};
    std::array<int, kCategoryCount> chain_label{};  // the N of every chain label's "Ch N"
    std::array<HintRef, kCategoryCount> hints{};    // hint text = tooltip of the chain labels
    std::array<double, kCategoryCount> stake_label = {1.0, 1.0, 1.0, 1.0, 1.0};  // Bet_X texts
    UndoSnapshot cancel_list;                                                    // Cancel_List
    std::array<CategorySpin, kCategoryCount> last_spin{};  // what the last prediction did
    bool undo_available = false;

    // Animation of a spin.
    std::array<bool, kNumberCount> pressed{};  // Image0 .. Image36
    bool covers_shown = false;                 // HideBets1 and HideBets2
    int gauge1 = 0;                            // CGauge1, 0..100
    bool timer_running = false;                // Timer_Progress

    CategoryState& category(CategoryId c) { return categories[index_of(c)]; }
    const CategoryState& category(CategoryId c) const { return categories[index_of(c)]; }
    SideMarks& mark(Side s) { return marks[index_of(s)]; }
    // The base of the hit percentages: every non-zero number of the game.
    std::int64_t statistics_base() const {
        return forgotten_statistics + static_cast<std::int64_t>(statistics_list.size());
    }
    const SideMarks& mark(Side s) const { return marks[index_of(s)]; }
};

}  // namespace corvane
