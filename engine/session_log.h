// The session log: every number of the game with the bets that stood on it, what they paid and
// the bankroll after the spin, for the player to look back over the evening or take it to a
// spreadsheet. It follows the game: the undo takes its last row away, a new game empties it,
// and a loaded game fills it with the file's numbers and no bets (a load replays no bets).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "base/block_store.h"
#include "betting/table_state.h"

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

class SessionLog {
  public:
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.size() == 0; }
    // How many times the log was emptied. A reader that keeps its place in the log by its
    // size alone cannot tell a new game or a loaded one of the same length from the game it
    // read; with this it can.
    std::uint64_t generation() const { return generation_; }

    // Row i is the game's (i + 1)-th number.
    int number(std::size_t i) const { return rows_[i].number; }
    double bankroll(std::size_t i) const { return rows_[i].bankroll; }
    std::span<const LoggedBet> bets(std::size_t i) const;

    // The row of the spin of `number` the table just finished.
    void add(const TableState& table, int number);
    // A number of a loaded game: no bets.
    void add_loaded(int number, double bankroll);
    void drop_last();
    void clear();

    // The most bets lost in a row in the family so far, in the order the spins settled them.
    std::int64_t longest_losing_run(Family family) const;

  private:
    struct Row {
        double bankroll;
        std::uint32_t first_bet;  // into bets_
        std::uint8_t number;
        std::uint8_t bet_count;
    };
    BlockStore<Row> rows_;
    BlockStore<LoggedBet> bets_;
    std::uint64_t generation_ = 0;
};

// The log as CSV (RFC 4180, CR LF line ends, decimal points): a header row, then a row per
// number. The columns: spin, number, bankroll, then for each category RB, EO, LM, D, C:
// <CAT>_bet, <CAT>_stake, <CAT>_chain, <CAT>_won, <CAT>_paid.
std::string csv_header();
void append_csv_row(std::string& out, std::uint64_t spin, int number, double bankroll,
                    std::span<const LoggedBet> bets);
std::string session_csv(const SessionLog& log);

// How a bet's sides read in the CSV: "Red", "1-18", "D1+D2", "C2+C3".
std::string bet_sides_text(CategoryId category, std::uint8_t sides);

}  // namespace corvane
