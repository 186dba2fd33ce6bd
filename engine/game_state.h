// The whole game: numbers, bankroll, counters, statistics, history, the five categories with
// their bet marks, and the undo snapshot. Also the board's busy state and animation, since the
// game logic reads and writes them; the window only draws this record.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/history.h"
#include "base/numbers.h"
#include "base/statistics.h"
#include "betting/table_state.h"
#include "chains/category.h"
#include "engine/money_plan.h"
#include "engine/session_log.h"
#include "wheel/tally.h"

namespace corvane {

// The values the undo puts back, taken at the start of every spin.
struct UndoSnapshot {
    double bankroll = kStartBankroll;
    double bankroll_aim = kStartBankrollAim;
    // Per category: the standing bet as its stake labels showed it, as the sides shown.
    std::array<std::array<bool, 3>, kCategoryCount> standing{};
    std::array<CategoryState, kCategoryCount> categories{};
    std::array<int, kCategoryCount> active_chain{};  // 0: no chain flag set
    Statistics stats;
    std::array<FamilyCounts, kFamilyCount> family_counts{};  // the win rates are worked out anew
    EveningMoney evening;
};

inline constexpr int kAnimationTicks = 25;  // 25 ticks of 15 ms from click to prediction
inline constexpr int kGaugeStep = 4;        // CGauge1 grows by 4 per tick, up to 100

// The game is the table (what the bets read and write) with the numbers entered so far, the
// history strip, the undo snapshot and the animation of a spin in progress.
struct GameState : TableState {
    std::vector<std::uint8_t> numbers;          // NumbersList: every number, oldest first
    std::vector<std::uint8_t> statistics_list;  // Statistics_List: the non-zero ones
    // Entries a long headless run let go of from the front of the two lists; they still count
    // in the statistics' base (see Engine::forget_old_numbers).
    std::int64_t forgotten_numbers = 0;
    std::int64_t forgotten_statistics = 0;
    bool input_ready = true;  // the board takes numbers
    HistoryStrip history{};
    // False for a game whose history strip and statistics panel nobody reads (a headless run):
    // its spins leave the strip as it is and count the statistics without working out their
    // percentages, unless trend betting reads them (see Engine::keep_display).
    bool keeps_display = true;
    UndoSnapshot cancel_list;  // Cancel_List
    bool undo_available = false;
    // False for a game that will never be taken back (a headless run): its spins take no
    // snapshot and never offer the undo.
    bool keeps_undo = true;
    SessionLog log;         // every number with its bets, for the player to look back over
    bool keeps_log = true;  // false for a headless run, which nobody looks back over
    EveningMoney evening;   // the money of the log's bets, from the game's first number
    // What the player's money plan said of the last spin, until the next spin, an undo, a new
    // game or the player dismisses it.
    PlanWarnings plan_warnings;
    // Every pocket's hits and gaps, counted as the numbers come; kept through the numbers a
    // long run lets go of, and taken back with the last number.
    WheelTally wheel;

    // Animation of a spin.
    std::array<bool, kNumberCount> pressed{};  // Image0 .. Image36
    bool covers_shown = false;                 // HideBets1 and HideBets2
    int gauge1 = 0;                            // CGauge1, 0..100
    bool timer_running = false;                // Timer_Progress

    // The base of the hit percentages: every non-zero number of the game.
    std::int64_t statistics_base() const {
        return forgotten_statistics + static_cast<std::int64_t>(statistics_list.size());
    }
};

}  // namespace corvane
