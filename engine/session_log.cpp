#include "engine/session_log.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

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

// ---- How a row is kept ----
//
// A row's head byte holds its number and says which details follow:
//   the bankroll (kOwnBankroll): a varint, 1 + the zigzag of the steps it moved by from the
//     bankroll of the row before, or 0 and the double's 8 bytes when either of the two is no
//     whole number of steps;
//   the bets (kHasBets), in category order, each as a byte (sides in bits 0-2, won in bit 3,
//     what it paid in bits 4-5, the row's last bet in bit 6), a byte with its category's index
//     in bits 0-2 and its chain in bits 3-7 (31: the chain follows in a byte), its stake as an
//     amount and, unless the bet paid nothing or what its family pays on the stake, what it
//     paid as an amount.
// An amount is a varint, 1 + its steps, or 0 and the double's 8 bytes when it is no whole
// number of steps or below 0. A value is only kept as steps when it reads back bit for bit.

namespace {

// Amounts count in steps of 0,05, the smallest starting bet, so that the stakes and the
// bankroll of a game are whole numbers of steps.
constexpr double kStepsPerUnit = 20;

// What a bet paid: nothing, what its family pays on its stake, or an amount that follows. A
// restart of the progressions between the bet and its win pays a smaller stake than it shows.
enum PaidCode : std::uint8_t { kNothingPaid = 0, kPaidOnStake = 1, kPaidAmount = 2 };

// What a won bet of the family pays on its stake, as the table pays it. A bet that paid
// exactly this keeps no payout of its own; writer and reader both work it out here, so a payout
// the table worked out otherwise is simply kept as it is.
double paid_on(CategoryId category, double stake) {
    return info(family_of(category)).payout * stake;
}

bool same_bits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

double from_steps(std::int64_t steps) {
    return static_cast<double>(steps) / kStepsPerUnit;
}

// The amount as a whole number of steps, when one gives it back bit for bit.
bool to_steps(double amount, std::int64_t& steps) {
    const double scaled = amount * kStepsPerUnit;
    if (!(std::fabs(scaled) < 0x1p52)) {  // also a NaN
        return false;
    }
    steps = static_cast<std::int64_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
    return same_bits(from_steps(steps), amount);
}

std::uint64_t zigzag(std::int64_t v) {
    return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
}

std::int64_t unzigzag(std::uint64_t v) {
    return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
}

std::uint8_t* put_varint(std::uint8_t* p, std::uint64_t v) {
    while (v >= 0x80) {
        *p++ = static_cast<std::uint8_t>(v | 0x80);
        v >>= 7;
    }
    *p++ = static_cast<std::uint8_t>(v);
    return p;
}

std::uint64_t get_varint(const std::uint8_t*& p) {
    std::uint64_t v = 0;
    for (int shift = 0;; shift += 7) {
        const std::uint8_t byte = *p++;
        v |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
        if (byte < 0x80) {
            return v;
        }
    }
}

std::uint8_t* put_double(std::uint8_t* p, double value) {
    *p++ = 0;
    std::memcpy(p, &value, sizeof value);
    return p + sizeof value;
}

double get_double(const std::uint8_t*& p) {
    double value = 0;
    std::memcpy(&value, p, sizeof value);
    p += sizeof value;
    return value;
}

std::uint8_t* put_amount(std::uint8_t* p, double amount) {
    std::int64_t steps = 0;
    if (to_steps(amount, steps) && steps >= 0) {
        return put_varint(p, 1 + static_cast<std::uint64_t>(steps));
    }
    return put_double(p, amount);
}

double get_amount(const std::uint8_t*& p) {
    const std::uint64_t v = get_varint(p);
    return v == 0 ? get_double(p) : from_steps(static_cast<std::int64_t>(v - 1));
}

// Passes over an amount.
void skip_amount(const std::uint8_t*& p) {
    if (get_varint(p) == 0) {
        p += sizeof(double);
    }
}

// A bet's two bytes: its sides, whether it won, what it paid and whether it is the row's last;
// its category and its chain, or kChainFollows and the chain in a byte of its own.
constexpr unsigned kLastBet = 0x40;
constexpr unsigned kChainFollows = 31;

std::uint8_t* put_bet(std::uint8_t* p, int c, const CategorySpin& what, bool last) {
    const CategoryId category = kAllCategories[c];
    const unsigned paid = same_bits(what.paid, 0.0)                             ? kNothingPaid
                          : same_bits(what.paid, paid_on(category, what.stake)) ? kPaidOnStake
                                                                                : kPaidAmount;
    // A bet lies on at most the three sections of its category.
    *p++ = static_cast<std::uint8_t>((what.bet_sides & 7U) | (what.won ? 8U : 0U) | paid << 4 |
                                     (last ? kLastBet : 0U));
    const auto chain = static_cast<std::uint8_t>(what.chain);
    if (chain < kChainFollows) {
        *p++ = static_cast<std::uint8_t>(static_cast<unsigned>(c) | chain << 3);
    } else {
        *p++ = static_cast<std::uint8_t>(static_cast<unsigned>(c) | kChainFollows << 3);
        *p++ = chain;
    }
    p = put_amount(p, what.stake);
    return paid == kPaidAmount ? put_amount(p, what.paid) : p;
}

LoggedBet get_bet(const std::uint8_t*& p, bool& last) {
    LoggedBet bet;
    const std::uint8_t code = *p++;
    const std::uint8_t where = *p++;
    bet.category = kAllCategories[where & 7U];
    bet.sides = code & 7U;
    bet.won = (code & 8U) != 0;
    last = (code & kLastBet) != 0;
    bet.chain = static_cast<std::uint8_t>(where >> 3);
    if (bet.chain == kChainFollows) {
        bet.chain = *p++;
    }
    bet.stake = get_amount(p);
    switch ((code >> 4) & 3U) {
        case kNothingPaid:
            bet.paid = 0;
            break;
        case kPaidOnStake:
            bet.paid = paid_on(bet.category, bet.stake);
            break;
        default:
            bet.paid = get_amount(p);
            break;
    }
    return bet;
}

// Passes over a bet, which says whether it is the row's last.
void skip_bet(const std::uint8_t*& p, bool& last) {
    const std::uint8_t code = *p++;
    const std::uint8_t where = *p++;
    if ((where >> 3) == kChainFollows) {
        ++p;
    }
    skip_amount(p);
    if (((code >> 4) & 3U) == kPaidAmount) {
        skip_amount(p);
    }
    last = (code & kLastBet) != 0;
}

// The bankroll, and per bet its three bytes and two amounts.
constexpr std::size_t kLongestDetails = 9 + kCategoryCount * (3 + 9 + 9);

}  // namespace

LoggedRow SessionLog::row(std::size_t i) const {
    const std::size_t group = i / kGroup;
    Place place = place_at_mark(group);
    const std::uint8_t* const heads = group_heads(group);
    for (std::size_t r = 0; r < i % kGroup; ++r) {
        if ((heads[r] & kDetails) != 0) {
            pass(place, heads[r], nullptr);
        }
    }
    LoggedRow row;
    pass(place, heads_[i], &row.bets);
    row.number = number(i);
    row.bankroll = bankroll_of(place);
    return row;
}

SessionLog::Place SessionLog::place_at_mark(std::size_t group) const {
    Place place;
    place.details = marks_[group].details;
    place.amount = marks_[group].bankroll;
    place.in_steps = to_steps(place.amount, place.steps);
    return place;
}

void SessionLog::pass(Place& place, std::uint8_t head, LoggedBets* bets) const {
    if ((head & kDetails) == 0) {
        return;
    }
    const std::size_t first = Bytes::placed(place.details, kMaxDetails);
    const std::uint8_t* const start = &details_[first];
    const std::uint8_t* p = start;
    if ((head & kOwnBankroll) != 0) {
        if (const std::uint64_t v = get_varint(p); v != 0) {
            place.steps += unzigzag(v - 1);  // the row before was a whole number of steps
        } else {
            place.amount = get_double(p);
            place.in_steps = to_steps(place.amount, place.steps);
        }
    }
    if ((head & kHasBets) != 0) {
        for (bool last = false; !last;) {
            if (bets != nullptr) {
                bets->push_back(get_bet(p, last));
            } else {
                skip_bet(p, last);
            }
        }
    }
    place.details = first + static_cast<std::size_t>(p - start);
}

double SessionLog::bankroll_of(const Place& place) {
    return place.in_steps ? from_steps(place.steps) : place.amount;
}

void SessionLog::append(int number, double bankroll, unsigned bets, const TableState* table) {
    static_assert(kLongestDetails <= kMaxDetails);
    if (size() % kGroup == 0) {
        marks_.push_back({details_.size(), last_bankroll_});
    }
    const bool own_bankroll = !same_bits(bankroll, last_bankroll_);
    heads_.push_back(static_cast<std::uint8_t>(number | (own_bankroll ? kOwnBankroll : 0) |
                                               (bets != 0 ? kHasBets : 0)));
    if (!own_bankroll && bets == 0) {
        return;
    }
    const std::size_t first = details_.allocate(kMaxDetails);
    std::uint8_t* const start = &details_[first];
    std::uint8_t* p = start;
    if (own_bankroll) {
        std::int64_t steps = 0;
        const bool in_steps = to_steps(bankroll, steps);
        p = in_steps && last_in_steps_ ? put_varint(p, 1 + zigzag(steps - last_steps_))
                                       : put_double(p, bankroll);
        remember_bankroll(bankroll, in_steps, steps);
    }
    for (unsigned rest = bets; rest != 0; rest &= rest - 1) {
        const int c = std::countr_zero(rest);
        p = put_bet(p, c, table->last_spin[c], (rest & (rest - 1)) == 0);
    }
    details_.shrink_to(first + static_cast<std::size_t>(p - start));
}

bool SessionLog::add(const TableState& table, int number) {
    unsigned bets = 0;
    for (CategoryId c : kAllCategories) {
        const CategorySpin& what = table.last_spin[index_of(c)];
        if (what.settled && what.bet_sides != 0) {
            bets |= 1U << index_of(c);
        }
    }
    // Most rows are their number alone, in a group already marked and a block with room.
    const auto head = static_cast<std::uint8_t>(number);
    if (bets == 0 && same_bits(table.bankroll, last_bankroll_) && size() % kGroup != 0 &&
        heads_.push_back_if_room(head)) {
        return false;
    }
    append(head, table.bankroll, bets, &table);
    return bets != 0;
}

void SessionLog::add_loaded(int number, double bankroll) {
    append(number, bankroll, 0, nullptr);
}

void SessionLog::drop_last() {
    if (empty()) {
        return;
    }
    // The details and the bankroll as they stood before the last row came, read from the mark
    // of its group on.
    const std::size_t last = size() - 1;
    const std::size_t group = last / kGroup;
    Place place = place_at_mark(group);
    const std::uint8_t* const heads = group_heads(group);
    for (std::size_t r = 0; r < last % kGroup; ++r) {
        if ((heads[r] & kDetails) != 0) {
            pass(place, heads[r], nullptr);
        }
    }
    details_.shrink_to(place.details);
    remember_bankroll(bankroll_of(place), place.in_steps, place.steps);
    heads_.shrink_to(last);
    if (last % kGroup == 0) {
        marks_.shrink_to(group);
    }
    if (!warned_.empty() && warned_.back().first == last) {
        warned_.pop_back();
    }
}

void SessionLog::mark_last(PlanRules rules) {
    if (empty() || rules == 0) {
        return;
    }
    const std::uint64_t last = size() - 1;
    if (!warned_.empty() && warned_.back().first == last) {
        warned_.back().second = rules;
    } else {
        warned_.emplace_back(last, rules);
    }
}

PlanRules SessionLog::warnings(std::size_t i) const {
    const auto at = std::lower_bound(warned_.begin(), warned_.end(), i,
                                     [](const std::pair<std::uint64_t, PlanRules>& w,
                                        std::size_t row) { return w.first < row; });
    return at != warned_.end() && at->first == i ? at->second : PlanRules{0};
}

void SessionLog::clear() {
    heads_.clear();
    details_.clear();
    marks_.clear();
    warned_.clear();
    remember_bankroll(0, true, 0);
    ++generation_;
}

std::int64_t SessionLog::longest_losing_run(Family family) const {
    std::int64_t run = 0;
    std::int64_t longest = 0;
    Place place;
    LoggedBets bets;
    for (std::size_t i = 0; i < size(); ++i) {
        bets.clear();
        pass(place, heads_[i], &bets);
        for (const LoggedBet& bet : bets) {
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
    return out + ",plan_warning\r\n";
}

std::string warnings_text(PlanRules warnings) {
    std::string text;
    for (int r = 0; r < kPlanRuleCount; ++r) {
        if ((warnings >> r) & 1U) {
            text += (text.empty() ? "" : "+") + std::string(kPlanRuleNames[r]);
        }
    }
    return text;
}

void append_csv_row(std::string& out, std::uint64_t spin, int number, double bankroll,
                    std::span<const LoggedBet> bets, PlanRules warnings) {
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
    out += "," + warnings_text(warnings) + "\r\n";
}

std::string session_csv(const SessionLog& log) {
    std::string out = csv_header();
    log.for_each_row([&out, &log](std::size_t i, const LoggedRow& row) {
        append_csv_row(out, i + 1, row.number, row.bankroll, row.bets, log.warnings(i));
    });
    return out;
}

}  // namespace corvane
