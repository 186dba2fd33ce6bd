#include "engine/session_log.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "engine/engine.h"
#include "tests/support/files.h"
#include "tests/support/scenes.h"

namespace corvane {
namespace {

// Red/Black alone with windows of three codes. A black and three reds make chain 1, and a bet
// of 1 on Black follows; a red loses it (2 next), the zero loses that (4 next), a black wins 8.
//
//   spin  number  bankroll  the bet that stood on the number
//   1-3   2 1 3   1000000   -
//   4     5       999999    -           (the bet of 1 is laid)
//   5     7       999997    Black 1     lost
//   6     0       999993    Black 2     lost
//   7     2       1000001   Black 4     won, paid 8
Engine played_game() {
    Engine e = testing::red_black_with_windows_of_three();
    for (int n : {2, 1, 3, 5, 7, 0, 2}) {
        e.spin(n);
    }
    return e;
}

const char* const kHeader =
    "spin,number,bankroll,RB_bet,RB_stake,RB_chain,RB_won,RB_paid,EO_bet,EO_stake,EO_chain,"
    "EO_won,EO_paid,LM_bet,LM_stake,LM_chain,LM_won,LM_paid,D_bet,D_stake,D_chain,D_won,D_paid,"
    "C_bet,C_stake,C_chain,C_won,C_paid,plan_warning\r\n";

TEST(SessionLog, FollowsAHandComputedGame) {
    const Engine e = played_game();
    const SessionLog& log = e.game().log;
    ASSERT_EQ(log.size(), 7U);
    const std::vector<int> numbers = {2, 1, 3, 5, 7, 0, 2};
    const std::vector<double> bankrolls = {1000000, 1000000, 1000000, 999999,
                                           999997,  999993,  1000001};
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log.number(i), numbers[i]) << i;
        EXPECT_EQ(log.bankroll(i), bankrolls[i]) << i;
        EXPECT_EQ(log.bets(i).size(), i < 4 ? 0U : 1U) << i;
    }
    struct Bet {
        double stake;
        bool won;
        double paid;
    };
    const Bet expected[] = {{1, false, 0}, {2, false, 0}, {4, true, 8}};
    for (std::size_t i = 4; i < 7; ++i) {
        const LoggedBet& bet = log.bets(i)[0];
        EXPECT_EQ(bet.category, CategoryId::RB);
        EXPECT_EQ(bet_sides_text(bet.category, bet.sides), "Black");
        EXPECT_EQ(bet.chain, 1);
        EXPECT_EQ(bet.stake, expected[i - 4].stake) << i;
        EXPECT_EQ(bet.won, expected[i - 4].won) << i;
        EXPECT_EQ(bet.paid, expected[i - 4].paid) << i;
    }
    EXPECT_EQ(log.longest_losing_run(Family::F12), 2);
    EXPECT_EQ(log.longest_losing_run(Family::F23), 0);
}

TEST(SessionLog, CsvOfTheGameByteForByte) {
    const std::string none = ",,,,,0,,,,,0,,,,,0,,,,,0,\r\n";
    const std::string csv = std::string(kHeader) + "1,2,1000000" + ",,,,,0" + none +
                            "2,1,1000000,,,,,0" + none + "3,3,1000000,,,,,0" + none +
                            "4,5,999999,,,,,0" + none + "5,7,999997,Black,1,1,0,0" + none +
                            "6,0,999993,Black,2,1,0,0" + none + "7,2,1000001,Black,4,1,1,8" + none;
    const Engine e = played_game();
    EXPECT_EQ(session_csv(e.game().log), csv);

    const std::string path = testing::temp_path("session.csv");
    ASSERT_EQ(e.export_csv(path), std::nullopt);
    EXPECT_EQ(testing::read_bytes(path), csv);
    std::remove(path.c_str());
}

// The spins where the money plan warned are marked in the log and named in the CSV's last
// column; an undo takes the mark away with its row.
TEST(SessionLog, TheSpinsThePlanWarnedOn) {
    Engine e = played_game();
    e.new_game();
    MoneyPlan plan;
    plan.table_max = 3;
    plan.stop_loss = 7;
    e.set_plan(plan);
    for (int n : {2, 1, 3, 5, 7, 0, 2}) {
        e.spin(n);
    }
    const SessionLog& log = e.game().log;
    const PlanRules table = rule_bit(PlanRule::TableLimit);
    // The zero loses the bet of 2 and lays 4: more than the table takes, and a net of -3.
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log.warnings(i), i == 5 ? table : PlanRules{0}) << i;
    }
    const std::string csv = session_csv(log);
    EXPECT_NE(csv.find("\r\n6,0,999993,Black,2,1,0,0,,,,,0,,,,,0,,,,,0,,,,,0,table_limit\r\n"),
              std::string::npos);
    EXPECT_EQ(warnings_text(rule_bit(PlanRule::StopLoss) | rule_bit(PlanRule::Ruined)),
              "stop_loss+ruined");
    ASSERT_TRUE(e.undo());
    ASSERT_TRUE(e.undo() == false);  // one level
    e.spin(2);                       // instead of the last number, which had no mark
    EXPECT_EQ(log.warnings(5), table);
    e.new_game();
    e.spin(1);
    EXPECT_EQ(log.warnings(0), PlanRules{0});
}

TEST(SessionLog, UndoNewGameAndLoadFollowTheGame) {
    Engine e = played_game();
    ASSERT_TRUE(e.undo());
    EXPECT_EQ(e.game().log.size(), 6U);
    EXPECT_EQ(e.game().log.number(5), 0);
    EXPECT_EQ(e.game().log.longest_losing_run(Family::F12), 2);
    e.spin(2);  // the same win again, in a row of its own
    ASSERT_EQ(e.game().log.size(), 7U);
    EXPECT_EQ(e.game().log.bets(6).size(), 1U);
    EXPECT_TRUE(e.game().log.bets(6)[0].won);

    e.new_game();
    EXPECT_TRUE(e.game().log.empty());
    EXPECT_EQ(session_csv(e.game().log), kHeader);

    ASSERT_EQ(e.load_numbers_from("5\r\n0\r\n17\r\n"), std::nullopt);
    const SessionLog& log = e.game().log;
    ASSERT_EQ(log.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(log.bets(i).empty());
        EXPECT_EQ(log.bankroll(i), kStartBankroll);
    }
    EXPECT_EQ(log.number(2), 17);
    e.spin(4);  // play goes on after the loaded numbers
    EXPECT_EQ(log.size(), 4U);
    EXPECT_EQ(log.number(3), 4);
}

// A long game with short windows lays several bets on most spins, so the log's rows carry
// bets of every kind group after group, and an undo now and then takes one back. Every row
// must still read what the table settled on that spin.
TEST(SessionLog, LongGameWithUndosReadsWhatEachSpinSettled) {
    Engine e;
    for (int i = 0; i < 7; ++i) {
        e.apply(SettingOp::CL12_Step, {}, -1);
        e.apply(SettingOp::CL23_Step, {}, -1);
    }
    struct Expected {
        int number;
        double bankroll;
        std::vector<LoggedBet> bets;
    };
    std::vector<Expected> expected;
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> number(0, kMaxNumber);
    std::size_t total_bets = 0;
    for (int spin = 1; total_bets < 3 * 4096; ++spin) {
        e.spin(number(gen));
        std::array<LoggedBet, kCategoryCount> settled;
        const int count = settled_bets(e.game(), settled);
        expected.push_back(
            {e.game().current_num, e.game().bankroll, {settled.begin(), settled.begin() + count}});
        total_bets += static_cast<std::size_t>(count);
        if (spin % 41 == 0) {
            ASSERT_TRUE(e.undo());
            total_bets -= expected.back().bets.size();
            expected.pop_back();
        }
    }
    const SessionLog& log = e.game().log;
    ASSERT_EQ(log.size(), expected.size());
    std::size_t multi = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(log.number(i), expected[i].number) << "row " << i;
        ASSERT_EQ(log.bankroll(i), expected[i].bankroll) << "row " << i;
        const auto bets = log.bets(i);
        ASSERT_EQ(bets.size(), expected[i].bets.size()) << "row " << i;
        for (std::size_t k = 0; k < bets.size(); ++k) {
            EXPECT_EQ(bets[k].category, expected[i].bets[k].category) << "row " << i;
            EXPECT_EQ(bets[k].sides, expected[i].bets[k].sides) << "row " << i;
            EXPECT_EQ(bets[k].stake, expected[i].bets[k].stake) << "row " << i;
            EXPECT_EQ(bets[k].paid, expected[i].bets[k].paid) << "row " << i;
            EXPECT_EQ(bets[k].won, expected[i].bets[k].won) << "row " << i;
            EXPECT_EQ(bets[k].chain, expected[i].bets[k].chain) << "row " << i;
        }
        multi += bets.size() > 1 ? 1 : 0;
    }
    EXPECT_GT(multi, expected.size() / 4);  // the rows do hold several bets each
}

// Doubles compared bit for bit, so that -0 is not 0 and a NaN is itself.
std::uint64_t bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

struct ExpectedRow {
    int number;
    double bankroll;
    std::vector<LoggedBet> bets;
};

void expect_row(const LoggedRow& row, const ExpectedRow& expected, std::size_t i) {
    ASSERT_EQ(row.number, expected.number) << "row " << i;
    ASSERT_EQ(bits(row.bankroll), bits(expected.bankroll)) << "row " << i;
    ASSERT_EQ(row.bets.size(), expected.bets.size()) << "row " << i;
    for (std::size_t k = 0; k < row.bets.size(); ++k) {
        const LoggedBet& got = row.bets[k];
        const LoggedBet& want = expected.bets[k];
        EXPECT_EQ(got.category, want.category) << "row " << i;
        EXPECT_EQ(got.sides, want.sides) << "row " << i;
        EXPECT_EQ(bits(got.stake), bits(want.stake)) << "row " << i << " stake " << want.stake;
        EXPECT_EQ(bits(got.paid), bits(want.paid)) << "row " << i << " paid " << want.paid;
        EXPECT_EQ(got.won, want.won) << "row " << i;
        EXPECT_EQ(got.chain, want.chain) << "row " << i;
    }
}

// Every row read on its own, every row read in one pass, and a copy of the log.
void expect_log(const SessionLog& log, const std::vector<ExpectedRow>& expected) {
    ASSERT_EQ(log.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_NO_FATAL_FAILURE(expect_row(log.row(i), expected[i], i));
        ASSERT_EQ(log.number(i), expected[i].number) << "row " << i;
    }
    std::size_t passed = 0;
    log.for_each_row([&](std::size_t i, const LoggedRow& row) {
        ASSERT_EQ(i, passed++);
        expect_row(row, expected[i], i);
    });
    EXPECT_EQ(passed, expected.size());
    const SessionLog copy = log;
    ASSERT_EQ(copy.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_NO_FATAL_FAILURE(expect_row(copy.row(i), expected[i], i));
    }
}

// The log keeps amounts as whole numbers of 0,05 where that gives them back exactly, and as
// they are otherwise; a bet's payout is left out when it is what the family pays on the stake.
// Rows built straight from tables, with every kind of amount, must all read back bit for bit,
// also after rows are taken back across the log's groups of rows.
TEST(SessionLog, EveryAmountReadsBackBitForBit) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> amounts = {0.0,
                                         -0.0,
                                         0.05,
                                         0.15,
                                         0.1 + 0.2,
                                         1.0,
                                         2.5,
                                         16384.0,
                                         -7.0,
                                         1e-7,
                                         1e300,
                                         std::numeric_limits<double>::denorm_min(),
                                         std::ldexp(1.0, 46),
                                         std::ldexp(1.0, 46) + 0.25,
                                         std::ldexp(1.0, 48),
                                         std::numeric_limits<double>::infinity(),
                                         nan};
    std::mt19937 gen(11);
    auto pick = [&](const std::vector<double>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(gen)];
    };
    auto coin = [&](int in) { return std::uniform_int_distribution<int>(0, in - 1)(gen) == 0; };

    SessionLog log;
    std::vector<ExpectedRow> expected;
    double bankroll = 1000000;
    auto add_row = [&] {
        TableState table;
        table.current_num = std::uniform_int_distribution<int>(0, kMaxNumber)(gen);
        if (coin(2)) {
            bankroll = coin(3) ? pick(amounts) : bankroll + pick({-2.0, 0.05, 8.0, 0.1});
        }
        table.bankroll = bankroll;
        ExpectedRow row{table.current_num, bankroll, {}};
        for (CategoryId c : kAllCategories) {
            if (coin(2)) {
                continue;  // no bet settled, whatever else the record says
            }
            CategorySpin& what = table.last_spin[index_of(c)];
            what.settled = !coin(4);
            what.bet_sides = static_cast<std::uint8_t>(
                coin(4) ? 0 : std::uniform_int_distribution<int>(1, 7)(gen));
            what.won = coin(2);
            what.stake = pick(amounts);
            what.paid = coin(2) ? info(family_of(c)).payout * what.stake : pick(amounts);
            what.chain = coin(4) ? std::uniform_int_distribution<int>(0, 255)(gen)
                                 : std::uniform_int_distribution<int>(0, 22)(gen);
            if (what.settled && what.bet_sides != 0) {
                row.bets.push_back({what.stake, what.paid, c, what.bet_sides,
                                    static_cast<std::uint8_t>(what.chain), what.won});
            }
        }
        log.add(table, table.current_num);
        expected.push_back(row);
    };
    for (int step = 0; step < 6000; ++step) {
        if (coin(5)) {
            const int n = std::uniform_int_distribution<int>(0, kMaxNumber)(gen);
            bankroll = coin(2) ? bankroll : pick(amounts);
            log.add_loaded(n, bankroll);
            expected.push_back({n, bankroll, {}});
        } else if (coin(20) && !expected.empty()) {
            // A row back, or several, across a group's first row now and then.
            for (int k = coin(3) ? 1 + std::uniform_int_distribution<int>(0, 70)(gen) : 1;
                 k > 0 && !expected.empty(); --k) {
                log.drop_last();
                expected.pop_back();
            }
            bankroll = expected.empty() ? 1000000 : expected.back().bankroll;
        } else {
            add_row();
        }
    }
    ASSERT_GT(expected.size(), 1000U);
    expect_log(log, expected);

    log.clear();
    EXPECT_TRUE(log.empty());
    log.add_loaded(0, -0.0);
    ASSERT_EQ(log.size(), 1U);
    EXPECT_EQ(bits(log.bankroll(0)), bits(-0.0));
    log.add_loaded(36, 0.0);
    EXPECT_EQ(bits(log.bankroll(1)), bits(0.0));
}

// An undo after every spin of a long game, so that each row has been taken back once: the
// first row of every group of rows and the rows on both sides of every block of the log's
// storage among them. The starting bet moves now and then, so stakes are fractions of a unit
// too, and the bankroll crosses its aim. Every row must read what the table settled on it.
TEST(SessionLog, AnUndoAfterEverySpinOfALongGameLosesNothing) {
    Engine e;
    for (int i = 0; i < 7; ++i) {
        e.apply(SettingOp::CL12_Step, {}, -1);
        e.apply(SettingOp::CL23_Step, {}, -1);
    }
    e.apply(SettingOp::BetAutomaticReset_On);
    std::vector<ExpectedRow> expected;
    std::mt19937 gen(5);
    std::uniform_int_distribution<int> number(0, kMaxNumber);
    for (int spin = 1; spin <= 70000; ++spin) {
        if (spin % 997 == 0) {
            e.apply(SettingOp::StartingBet_Step, {}, spin % 2 == 0 ? 1 : -1);
        }
        e.spin(number(gen));
        ASSERT_TRUE(e.undo());
        e.spin(number(gen));
        std::array<LoggedBet, kCategoryCount> settled;
        const int count = settled_bets(e.game(), settled);
        expected.push_back(
            {e.game().current_num, e.game().bankroll, {settled.begin(), settled.begin() + count}});
    }
    ASSERT_NO_FATAL_FAILURE(expect_log(e.game().log, expected));

    std::string csv = csv_header();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        append_csv_row(csv, i + 1, expected[i].number, expected[i].bankroll, expected[i].bets, 0);
    }
    EXPECT_EQ(session_csv(e.game().log), csv);
}

TEST(SessionLog, AHeadlessGameKeepsNone) {
    Engine e;
    e.keep_log(false);
    e.spin(5);
    EXPECT_TRUE(e.game().log.empty());
}

TEST(SessionLog, PairsOfSectionsReadAsBothNames) {
    EXPECT_EQ(bet_sides_text(CategoryId::D, 0b011), "D1+D2");
    EXPECT_EQ(bet_sides_text(CategoryId::C, 0b101), "C1+C3");
    EXPECT_EQ(bet_sides_text(CategoryId::LM, 0b10), "19-36");
    EXPECT_EQ(bet_sides_text(CategoryId::EO, 0b01), "Even");
}

}  // namespace
}  // namespace corvane
