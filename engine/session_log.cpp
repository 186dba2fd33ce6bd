#include "engine/session_log.h"

#include <algorithm>

#include "base/amount.h"

namespace corvane {

namespace {

LoggedBet logged(CategoryId c, const CategorySpin& what) {
    return {what.stake, what.paid, c, what.bet_sides, static_cast<std::uint8_t>(what.chain),
            what.won};
}

}  // namespace

int settled_bets(const TableState& table, std::array<LoggedBet, kCategoryCount>& out) {
    int count = 0;
    for (CategoryId c : kAllCategories) {
        const CategorySpin& what = table.last_spin[index_of(c)];
        if (what.settled && what.bet_sides != 0) {
            out[static_cast<std::size_t>(count++)] = logged(c, what);
        }
    }
    return count;
}

std::span<const LoggedBet> SessionLog::bets(std::size_t i) const {
    return bets_.span(rows_[i].first_bet, rows_[i].bet_count);
}

void SessionLog::add(const TableState& table, int number) {
    std::array<LoggedBet, kCategoryCount> settled;
    const int count = settled_bets(table, settled);
    const std::size_t first = bets_.allocate(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        bets_[first + static_cast<std::size_t>(k)] = settled[static_cast<std::size_t>(k)];
    }
    rows_[rows_.allocate(1)] = {table.bankroll, static_cast<std::uint32_t>(first),
                                static_cast<std::uint8_t>(number),
                                static_cast<std::uint8_t>(count)};
}

void SessionLog::add_loaded(int number, double bankroll) {
    rows_[rows_.allocate(1)] = {bankroll, static_cast<std::uint32_t>(bets_.size()),
                                static_cast<std::uint8_t>(number), 0};
}

void SessionLog::drop_last() {
    if (rows_.size() != 0) {
        bets_.shrink_to(rows_[rows_.size() - 1].first_bet);
        rows_.shrink_to(rows_.size() - 1);
    }
}

void SessionLog::clear() {
    rows_.clear();
    bets_.clear();
    ++generation_;
}

std::int64_t SessionLog::longest_losing_run(Family family) const {
    std::int64_t run = 0;
    std::int64_t longest = 0;
    for (std::size_t i = 0; i < size(); ++i) {
        for (const LoggedBet& bet : bets(i)) {
            if (family_of(bet.category) == family) {
                run = bet.won ? 0 : run + 1;
                longest = std::max(longest, run);
            }
        }
    }
    return longest;
}

// ---- CSV ----

namespace {

// A number with a decimal point, as spreadsheets in every locale read a CSV file.
std::string decimal(double value) {
    std::string text = format_amount(value);
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

}  // namespace

std::string bet_sides_text(CategoryId category, std::uint8_t sides) {
    std::string text;
    const int first = index_of(info(category).first_side);
    for (int k = 0; k < info(category).side_count; ++k) {
        if ((sides >> k) & 1U) {
            text += (text.empty() ? "" : "+") + std::string(kSides[first + k].label);
        }
    }
    return text;
}

std::string csv_header() {
    std::string out = "spin,number,bankroll";
    for (const CategoryInfo& ci : kCategories) {
        for (const char* column : {"_bet", "_stake", "_chain", "_won", "_paid"}) {
            out += "," + std::string(ci.prefix) + column;
        }
    }
    return out + "\r\n";
}

void append_csv_row(std::string& out, std::uint64_t spin, int number, double bankroll,
                    std::span<const LoggedBet> bets) {
    out += std::to_string(spin) + "," + std::to_string(number) + "," + decimal(bankroll);
    auto bet = bets.begin();
    for (CategoryId c : kAllCategories) {
        if (bet != bets.end() && bet->category == c) {
            out += "," + bet_sides_text(c, bet->sides) + "," + decimal(bet->stake) + "," +
                   std::to_string(bet->chain) + "," + (bet->won ? "1" : "0") + "," +
                   decimal(bet->paid);
            ++bet;
        } else {
            out += ",,,,,0";
        }
    }
    out += "\r\n";
}

std::string session_csv(const SessionLog& log) {
    std::string out = csv_header();
    for (std::size_t i = 0; i < log.size(); ++i) {
        append_csv_row(out, i + 1, log.number(i), log.bankroll(i), log.bets(i));
    }
    return out;
}

}  // namespace corvane
