// The engine keeps the wheel's tally exact through everything a game meets: spins, zeros,
// undo, a new game, loads good and bad, and the numbers a long run lets go of.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/random_numbers.h"
#include "engine/engine.h"
#include "tests/support/invariants.h"

namespace corvane {
namespace {

// The tally of the numbers a game has had, counted afresh.
WheelTally counted(const std::vector<int>& numbers) {
    WheelTally t;
    for (int n : numbers) {
        t.add(n);
    }
    return t;
}

struct Step {
    enum Kind { Spin, Undo, NewGame, Load, BadLoad, Forget } kind;
    std::vector<int> numbers;  // spun, or the file's
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    bool headless = false;  // keeps no session log, as the runs that let go of numbers
};

TEST(WheelTallyInTheGame, FollowsEveryActionExactly) {
    const Scenario scenarios[] = {
        {"spins and zeros", {{Step::Spin, {17, 0, 17, 5, 0, 0, 36}}}},
        {"undo of a number, of a zero, of the first",
         {{Step::Spin, {4}},
          {Step::Undo, {}},
          {Step::Spin, {8, 0}},
          {Step::Undo, {}},
          {Step::Spin, {8}},
          {Step::Undo, {}},
          {Step::Undo, {}}}},
        {"undo after the pocket's longest gap closed",
         {{Step::Spin, {9, 1, 2, 3, 4, 5, 9}}, {Step::Undo, {}}, {Step::Spin, {9}}}},
        {"new game", {{Step::Spin, {1, 2, 3}}, {Step::NewGame, {}}, {Step::Spin, {3}}}},
        {"load, then play on",
         {{Step::Spin, {20, 21}},
          {Step::Load, {5, 0, 17, 17}},
          {Step::Undo, {}},
          {Step::Spin, {5}},
          {Step::Undo, {}}}},
        {"a refused file changes nothing",
         {{Step::Spin, {20, 21}}, {Step::BadLoad, {}}, {Step::Undo, {}}}},
        {"a long run lets go of old numbers",
         {{Step::Spin, {7, 7, 7, 1, 2, 3, 4}},
          {Step::Forget, {}},
          {Step::Spin, {7}},
          {Step::Undo, {}},
          {Step::Spin, {0, 12}}},
         true},
    };
    for (const Scenario& s : scenarios) {
        Engine e;
        e.keep_log(!s.headless);
        std::vector<int> played;  // every number of the game, also those let go of
        for (const Step& step : s.steps) {
            switch (step.kind) {
                case Step::Spin:
                    for (int n : step.numbers) {
                        ASSERT_TRUE(e.spin(n));
                        played.push_back(n);
                    }
                    break;
                case Step::Undo:
                    if (e.undo()) {
                        played.pop_back();
                    }
                    break;
                case Step::NewGame:
                    e.new_game();
                    played.clear();
                    break;
                case Step::Load: {
                    std::string bytes;
                    for (int n : step.numbers) {
                        bytes += std::to_string(n) + "\r\n";
                    }
                    ASSERT_EQ(e.load_numbers_from(bytes), std::nullopt);
                    played = step.numbers;
                    break;
                }
                case Step::BadLoad:
                    ASSERT_NE(e.load_numbers_from("5\r\n37\r\n"), std::nullopt);
                    break;
                case Step::Forget:
                    e.forget_old_numbers(2);
                    break;
            }
            EXPECT_EQ(e.game().wheel, counted(played)) << s.name;
            EXPECT_EQ(broken_invariant(e), "") << s.name;
        }
    }
}

// A long seeded game of spins, undos and now and then a new game, checked after every action.
TEST(WheelTallyInTheGame, StaysExactOverALongGame) {
    SplitMix64 gen(42);
    Engine e;
    std::vector<int> played;
    for (int i = 0; i < 3000; ++i) {
        const std::uint64_t r = gen.next();
        if (r % 50 == 0) {
            e.new_game();
            played.clear();
        } else if (r % 4 == 0) {
            if (e.undo()) {
                played.pop_back();
            }
        } else {
            const int n = static_cast<int>((r >> 8) % kNumberCount);
            ASSERT_TRUE(e.spin(n));
            played.push_back(n);
        }
        ASSERT_EQ(e.game().wheel, counted(played)) << "action " << i;
    }
}

}  // namespace
}  // namespace corvane
