// A headless caller tells the engine what it never reads, and the engine leaves that out. These
// tests play long random games of every action on an engine that keeps everything and on one
// told to leave things out, and check after every action that both games are the same in all
// that the bets read and write.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cli/trace.h"
#include "engine/engine.h"
#include "tests/support/invariants.h"

namespace corvane {
namespace {

// A small generator of our own, so the games are the same on every machine.
class Dice {
  public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}
    int below(int n) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
    }

  private:
    std::uint64_t state_;
};

// The trace line without the parts a headless engine may leave out: the percentages with their
// texts and gauges, and the history strip. The counts stay in.
std::string without_display(const Engine& e) {
    std::string line = trace_line(e, "", std::nullopt);
    const std::size_t from = line.find("\"stats\":");
    const std::size_t to = line.find("\"categories\":");
    if (from == std::string::npos || to == std::string::npos || to < from) {
        ADD_FAILURE() << "the trace line has no stats or no categories";
        return line;
    }
    return line.erase(from, to - from);
}

// What the last prediction did, as the sessions and the backtest read it.
std::string last_spin(const Engine& e) {
    std::string out;
    for (const CategorySpin& s : e.game().last_spin) {
        out += std::to_string(s.settled) + std::to_string(s.won) + " " + std::to_string(s.paid) +
               " " + std::to_string(s.charged) + " " + std::to_string(s.chain_found) + " " +
               std::to_string(s.bet_sides) + " " + std::to_string(s.stake) + " " +
               std::to_string(s.chain) + "; ";
    }
    return out;
}

// A number file of a few random numbers, now and then one of zeros only.
std::string numbers_text(Dice& dice) {
    std::string text;
    const bool zeros = dice.below(4) == 0;
    for (int i = dice.below(40); i >= 0; --i) {
        text += std::to_string(zeros ? 0 : dice.below(kNumberCount)) + "\r\n";
    }
    return text;
}

// One random action on both engines: mostly spins, with every option, the undo, the buttons
// and loads between them. Trend betting and short chains come often, so that trend bets are
// marked, laid and ended.
void act(Dice& dice, Engine& a, Engine& b, std::string& done) {
    const auto both = [&](auto action) {
        action(a);
        action(b);
    };
    const auto op = [&](SettingOp o, CategoryId c = {}, int step = 0) {
        both([&](Engine& e) { e.apply(o, c, step); });
        done = "op " + std::to_string(static_cast<int>(o)) + " " + std::to_string(index_of(c)) +
               " " + std::to_string(step);
    };
    const int roll = dice.below(100);
    if (roll < 70) {
        // Zeros come more often than on a wheel, so that games of zeros and zeros after a new
        // game are met too.
        const int n = dice.below(8) == 0 ? 0 : dice.below(kNumberCount);
        both([&](Engine& e) { e.spin(n); });
        done = "spin " + std::to_string(n);
    } else if (roll < 74) {
        both([](Engine& e) { e.undo(); });
        done = "undo";
    } else if (roll < 79) {
        op(dice.below(3) == 0 ? SettingOp::TrendBetting_Off : SettingOp::TrendBetting_On);
    } else if (roll < 81) {
        op(dice.below(2) == 0 ? SettingOp::BetOnUptrend_Select : SettingOp::BetOnDowntrend_Select);
    } else if (roll < 84) {
        const auto c = static_cast<CategoryId>(dice.below(kCategoryCount));
        op(dice.below(2) == 0 ? SettingOp::Category_Off : SettingOp::Category_On, c);
    } else if (roll < 89) {
        op(dice.below(2) == 0 ? SettingOp::CL12_Step : SettingOp::CL23_Step, {},
           dice.below(3) == 0 ? 1 : -1);
    } else if (roll < 91) {
        op(dice.below(2) == 0 ? SettingOp::BS12_Step : SettingOp::BS23_Step, {},
           dice.below(2) == 0 ? 1 : -1);
    } else if (roll < 92) {
        op(dice.below(2) == 0 ? SettingOp::ResetOnZero_On : SettingOp::ResetOnZero_Off);
    } else if (roll < 93) {
        op(SettingOp::StartingBet_Step, {}, dice.below(2) == 0 ? 1 : -1);
    } else if (roll < 94) {
        both([](Engine& e) { e.press_bets(); });
        done = "bets";
    } else if (roll < 96) {
        both([](Engine& e) { e.new_game(); });
        done = "new game";
    } else if (roll < 98) {
        const std::string text = numbers_text(dice);
        both([&](Engine& e) { e.load_numbers_from(text); });
        done = "load numbers";
    } else if (roll < 99) {
        both([](Engine& e) { e.default_settings(); });
        done = "default settings";
    } else {
        both([](Engine& e) { e.finish_spin(); });
        done = "finish";
    }
}

// Both engines start with the shortest chains, where bets come often.
void shortest_chains(Engine& e) {
    for (int i = 0; i < 30; ++i) {
        e.apply(SettingOp::CL12_Step, {}, -1);
        e.apply(SettingOp::CL23_Step, {}, -1);
    }
}

TEST(HeadlessEngine, WithoutItsDisplayPlaysTheSameGame) {
    int trend_spins = 0;
    int hidden_marks = 0;
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Dice dice(seed);
        Engine full;
        Engine headless;
        headless.keep_display(false);
        shortest_chains(full);
        shortest_chains(headless);
        ASSERT_EQ(full.settings().window12, 3);
        for (int step = 0; step < 4000; ++step) {
            std::string done;
            act(dice, full, headless, done);
            SCOPED_TRACE("step " + std::to_string(step) + ": " + done);
            ASSERT_EQ(broken_invariant(full), "");
            ASSERT_EQ(broken_invariant(headless), "");
            ASSERT_EQ(without_display(headless), without_display(full));
            ASSERT_EQ(last_spin(headless), last_spin(full));
            if (full.settings().trend_betting && done.starts_with("spin")) {
                // What the trend check of this spin read.
                ASSERT_EQ(headless.game().stats.shown, full.game().stats.shown);
                ++trend_spins;
                for (const SideMarks& m : full.game().marks) {
                    hidden_marks += m.hidden ? 1 : 0;
                }
            }
        }
    }
    // The games met trend betting often, and its hidden marks.
    EXPECT_GT(trend_spins, 8000);
    EXPECT_GT(hidden_marks, 1000);
}

}  // namespace
}  // namespace corvane
