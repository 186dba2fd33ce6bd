// The session log: every number of the game with the bets that stood on it, what they paid and
// the bankroll after the spin, for the player to look back over the evening or take it to a
// spreadsheet. It follows the game: the undo takes its last row away, a new game empties it,
// and a loaded game fills it with the file's numbers and no bets (a load replays no bets).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "base/block_store.h"
#include "betting/table_state.h"
#include "engine/money_plan.h"

namespace corvane {

// A bet of one category that stood on a number and was settled.
struct LoggedBet {
    double stake = 0;  // on each side or section
    double paid = 0;   // 0 for a lost bet
    CategoryId category = CategoryId::RB;
    std::uint8_t sides = 0;  // bit k: the category's k-th side or section
    std::uint8_t chain = 0;
    bool won = false;
};

// The bets settled in the spin the table just finished, in category order; how many there are.
int settled_bets(const TableState& table, std::array<LoggedBet, kCategoryCount>& out);

// The bets that stood on one number, in category order, as the log gives them back: a value of
// its own, so it stays as it is whatever the log does next.
class LoggedBets {
  public:
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    const LoggedBet* begin() const { return bets_.data(); }
    const LoggedBet* end() const { return bets_.data() + count_; }
    const LoggedBet& operator[](std::size_t k) const& { return bets_[k]; }
    LoggedBet operator[](std::size_t k) const&& { return bets_[k]; }
    // Seen through a span for as long as this value lives, so never one of a temporary.
    operator std::span<const LoggedBet>() const& { return {bets_.data(), count_}; }
    operator std::span<const LoggedBet>() const&& = delete;

    void push_back(const LoggedBet& bet) { bets_[count_++] = bet; }
    void clear() { count_ = 0; }

  private:
    std::array<LoggedBet, kCategoryCount> bets_{};
    std::size_t count_ = 0;
};

// One row of the log: a number of the game, the bankroll after it and the bets that stood on it.
struct LoggedRow {
    int number = 0;
    double bankroll = 0;
    LoggedBets bets;
};

// The log holds every row of an endless game, so a row takes as few bytes as it can: most
// numbers settle no bet and leave the bankroll as it was, and such a row is one byte, its number.
// The others add what changed (the bankroll, the bets) in a few bytes each, amounts as whole
// numbers of 0,05 wherever that gives them back bit for bit. A game of millions of numbers
// then takes a few megabytes, and a spin seldom reaches a page of memory the log has not
// touched before: the first touch of a page costs far more than writing a row.
class SessionLog {
  public:
    std::size_t size() const { return heads_.size(); }
    bool empty() const { return heads_.size() == 0; }
    // How many times the log was emptied. A reader that keeps its place in the log by its
    // size alone cannot tell a new game or a loaded one of the same length from the game it
    // read; with this it can.
    std::uint64_t generation() const { return generation_; }

    // Row i is the game's (i + 1)-th number. Reading a row decodes at most a group's rows
    // before it; session_csv() and longest_losing_run() read the log in one pass.
    LoggedRow row(std::size_t i) const;
    int number(std::size_t i) const { return heads_[i] & kNumberBits; }
    double bankroll(std::size_t i) const { return row(i).bankroll; }
    LoggedBets bets(std::size_t i) const { return row(i).bets; }

    // The row of the spin of `number` the table just finished; true when it holds bets.
    bool add(const TableState& table, int number);
    // A number of a loaded game: no bets.
    void add_loaded(int number, double bankroll);
    void drop_last();
    void clear();

    // The spins where the player's money plan warned: the last row is marked with the rules
    // that fired on it. Few rows are, so the marks are kept apart from the rows.
    void mark_last(PlanRules rules);
    PlanRules warnings(std::size_t i) const;

    // The most bets lost in a row in the family so far, in the order the spins settled them.
    std::int64_t longest_losing_run(Family family) const;

    // Every row in order, in one pass: f(index, row).
    template <typename F>
    void for_each_row(F&& f) const;

  private:
    // A row's head byte: the number, and which of its parts follow in details_.
    static constexpr std::uint8_t kNumberBits = 0x3f;
    static constexpr std::uint8_t kOwnBankroll = 0x40;  // the bankroll differs from the row before
    static constexpr std::uint8_t kHasBets = 0x80;
    static constexpr std::uint8_t kDetails = kOwnBankroll | kHasBets;
    static_assert(kMaxNumber <= kNumberBits);
    // Every group of rows starts at a mark, so reading a row decodes no more than a group.
    static constexpr std::size_t kGroup = 64;
    struct Mark {
        std::uint64_t details;  // details_.size() before the group's first row
        double bankroll;        // the bankroll of the row before it (0 before the first row)
    };
    // The most bytes a row's details take; each row's details are allocated as many, so that
    // they lie in one block, and then cut to what they took.
    static constexpr std::size_t kMaxDetails = 128;
    using Bytes = BlockStore<std::uint8_t, 65536>;
    static_assert(Bytes::kBlock % kGroup == 0);

    // The heads of a group's rows, side by side: a group never spans two blocks.
    const std::uint8_t* group_heads(std::size_t group) const { return &heads_[group * kGroup]; }

    // Adds a row; `bets` has bit index_of(c) for each category c whose bet the table settled.
    // Out of line, so that add() keeps its common case, a number alone, free of any call.
    [[gnu::noinline]] void append(int number, double bankroll, unsigned bets,
                                  const TableState* table);
    // How far a reader has come: where the details read so far end, and the bankroll of the
    // row last read: its steps of 0,05 when it is a whole number of them (so that the moves
    // that follow add up as whole numbers), else the amount itself.
    struct Place {
        std::size_t details = 0;
        bool in_steps = true;
        std::int64_t steps = 0;
        double amount = 0;
    };
    // Just before the group's first row.
    Place place_at_mark(std::size_t group) const;
    // Moves `place` past a row with `head`, decoding its bets into `bets` if given, else
    // passing over them.
    void pass(Place& place, std::uint8_t head, LoggedBets* bets) const;
    static double bankroll_of(const Place& place);

    // The last row's bankroll, and its steps of 0,05 when it is a whole number of them (always
    // as to_steps() finds them, as a reader does): the next bankroll of its own is written as
    // the steps it moved by.
    void remember_bankroll(double bankroll, bool in_steps, std::int64_t steps) {
        last_bankroll_ = bankroll;
        last_in_steps_ = in_steps;
        last_steps_ = steps;
    }

    Bytes heads_;    // a byte a row
    Bytes details_;  // what the rows with more than a number add, one after the other
    BlockStore<Mark> marks_;
    double last_bankroll_ = 0;  // the last row's bankroll, or 0 in an empty log
    bool last_in_steps_ = true;
    std::int64_t last_steps_ = 0;
    std::uint64_t generation_ = 0;
    std::vector<std::pair<std::uint64_t, PlanRules>> warned_;  // by row, in order
};

template <typename F>
void SessionLog::for_each_row(F&& f) const {
    Place place;  // as the first mark has it
    LoggedRow row;
    for (std::size_t i = 0; i < size(); ++i) {
        const std::uint8_t head = heads_[i];
        row.bets.clear();
        pass(place, head, &row.bets);
        row.number = head & kNumberBits;
        row.bankroll = bankroll_of(place);
        f(i, std::as_const(row));
    }
}

// The log as CSV (RFC 4180, CR LF line ends, decimal points): a header row, then a row per
// number. The columns: spin, number, bankroll, then for each category RB, EO, LM, D, C:
// <CAT>_bet, <CAT>_stake, <CAT>_chain, <CAT>_won, <CAT>_paid.
// The CSV's last column, plan_warning, names the rules of the money plan that fired on the spin
// ("table_limit", "stop_loss+ruined"), and is empty where none did.
std::string csv_header();
void append_csv_row(std::string& out, std::uint64_t spin, int number, double bankroll,
                    std::span<const LoggedBet> bets, PlanRules warnings);

// The plan's rules that fired, by their names joined with "+": "stop_loss+ruined".
std::string warnings_text(PlanRules warnings);
std::string session_csv(const SessionLog& log);

// How a bet's sides read in the CSV: "Red", "1-18", "D1+D2", "C2+C3".
std::string bet_sides_text(CategoryId category, std::uint8_t sides);

}  // namespace corvane
