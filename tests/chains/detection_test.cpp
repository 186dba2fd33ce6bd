#include "chains/detection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "betting/settlement.h"
#include "chains/catalogue.h"
#include "chains/outcome_windows.h"
#include "engine/engine.h"
#include "engine/spin.h"
#include "tests/support/engine_access.h"

namespace corvane {
namespace {

bool bet_on(const GameState& g, Side s) {
    return g.mark(s).field && g.mark(s).stake;
}

std::vector<Side> sides_of(CategoryId c) {
    std::vector<Side> sides;
    for (int k = 0; k < info(c).side_count; ++k) {
        sides.push_back(static_cast<Side>(index_of(info(c).first_side) + k));
    }
    return sides;
}

struct DetectionCase {
    CategoryId category;
    int n;
    char mark;
    const char* window;
    int chain;  // 0: no hit
    int line;
    std::vector<Side> bet;
};

TEST(Detection, FindsTheChainThatBeginsExactlyAtTheWindow) {
    const std::vector<DetectionCase> cases = {
        {CategoryId::RB, 10, '0', "1111111111", 1, 0, {Side::Black}},
        {CategoryId::RB, 10, '1', "1111111111", 0, 0, {}},
        {CategoryId::RB, 10, '1', "0101010101", 2, 1, {Side::Red}},
        {CategoryId::RB, 3, '0', "110", 3, 0, {Side::Black}},
        {CategoryId::EO, 10, '0', "1111111111", 1, 0, {Side::Odd}},
        {CategoryId::LM, 10, '1', "0000000000", 1, 1, {Side::Less}},
        {CategoryId::D, 8, '3', "11112222", 17, 6, {Side::Dozen1, Side::Dozen2}},
        {CategoryId::D, 8, '1', "11112222", 0, 0, {}},
        {CategoryId::D, 8, '2', "12121212", 2, 0, {Side::Dozen2, Side::Dozen3}},
        {CategoryId::C, 3, '3', "123", 2, 6, {Side::Column2, Side::Column3}},
        {CategoryId::C, 3, '2', "111", 1, 0, {Side::Column2, Side::Column3}},
    };
    for (const DetectionCase& t : cases) {
        SCOPED_TRACE(std::string(t.window) + " after " + t.mark);
        GameState g;
        Settings s;
        s.window12 = s.window23 = t.n;
        CategoryState& st = g.category(t.category);
        st.list_window.assign(t.window);
        st.first_mark = t.mark;
        g.current_num = 1;
        analyse_category(g, s, t.category, 1);

        const bool hit = t.chain != 0;
        EXPECT_EQ(st.match, hit);
        EXPECT_EQ(st.chainactive, hit ? (1U << t.chain) : 0U);
        EXPECT_EQ(st.current_pattern, t.line);
        EXPECT_EQ(st.pattern_step, hit ? 2 : 1);  // the bet of the same spin advanced it
        for (Side side : sides_of(t.category)) {
            const bool want = std::find(t.bet.begin(), t.bet.end(), side) != t.bet.end();
            EXPECT_EQ(bet_on(g, side), want) << index_of(side);
            EXPECT_EQ(g.mark(side).chain, want) << index_of(side);
        }
        const double charge = !hit ? 0.0 : family_of(t.category) == Family::F12 ? 1.0 : 2.0;
        EXPECT_EQ(g.bankroll, kStartBankroll - charge);
        EXPECT_EQ(g.chain_label[index_of(t.category)], t.chain);
    }
}

// Every line's beginning is found once a different code stands before it, and never while the
// mark before the window is still none.
TEST(Detection, NoMarkBlocksEveryHit) {
    for (CategoryId c : {CategoryId::RB, CategoryId::D}) {
        const Family f = family_of(c);
        for (int n : {3, 8, 10, 30}) {
            for (int k = 1; k <= kChainCount; ++k) {
                for (int i = 0; i < chain_line_count(f, k); ++i) {
                    const std::string_view line = chain_line(f, k, i);
                    const char other = f == Family::F12 ? (line[0] == '1' ? '0' : '1')
                                                        : (line[0] == '1' ? '2' : '1');
                    for (char mark : {kNoMark, other}) {
                        GameState g;
                        Settings s;
                        s.window12 = s.window23 = n;
                        g.category(c).list_window.assign(line.substr(0, n));
                        g.category(c).first_mark = mark;
                        g.current_num = 1;
                        analyse_category(g, s, c, g.current_num);
                        EXPECT_EQ(g.category(c).match, mark != kNoMark)
                            << "chain " << k << " line " << i << " n " << n;
                    }
                }
            }
        }
    }
}

TEST(Detection, TenNumbersAreNeverEnoughForAWindowOfTen) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> number(0, 36);
    for (int trial = 0; trial < 150; ++trial) {
        Engine e;
        testing::settings_of(e).window23 = 10;
        int nonzero = 0;
        while (nonzero < 10) {
            const int n = number(rng);
            ASSERT_TRUE(e.spin(n));
            nonzero += n != 0 ? 1 : 0;
        }
        for (CategoryId c : kAllCategories) {
            EXPECT_FALSE(e.game().category(c).match);
            EXPECT_EQ(e.game().category(c).first_mark, kNoMark);
        }
        EXPECT_EQ(e.game().bankroll, kStartBankroll);
    }
}

// The detection rule line by line: the lowest chain with a line whose first codes are the whole
// window, whose first code differs from the mark before the window, the last such line in it.
std::pair<int, int> by_rule(Family f, std::string_view window, char mark) {
    for (int k = 1; k <= kChainCount; ++k) {
        int found = -1;
        for (int i = 0; i < chain_line_count(f, k); ++i) {
            const std::string_view l = chain_line(f, k, i);
            if (l.substr(0, window.size()) == window && mark != kNoMark && mark != l[0]) {
                found = i;
            }
        }
        if (found >= 0) {
            return {k, found};
        }
    }
    return {0, 0};
}

// Windows fed code by code through the window operation, following pieces of catalogue lines
// with random codes and zeros in between, while the window length changes now and then (so
// windows are cut by several codes at once). After every number the detection and the
// indicator must agree with the rule; a found chain is then reset to keep searching.
TEST(Detection, AgreesWithTheLineByLineRuleOnFedWindows) {
    std::mt19937 rng(99);
    const auto pick = [&](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    for (CategoryId c : {CategoryId::EO, CategoryId::C}) {
        const Family f = family_of(c);
        const std::string codes = f == Family::F12 ? "01" : "123";
        // A number for each code: EO '0' odd, '1' even; C '1'..'3' the first three numbers.
        const auto number_of = [&](char code) {
            return f == Family::F12 ? (code == '1' ? 2 : 1) : code - '0';
        };
        GameState g;
        Settings s;
        int hits = 0;
        for (int round = 0; round < 400; ++round) {
            const int n = pick(3, 30);
            s.window12 = s.window23 = n;
            const int k = pick(1, kChainCount);
            const std::string_view line = chain_line(f, k, pick(0, chain_line_count(f, k) - 1));
            std::string feed;
            for (int r = pick(0, 3); r > 0; --r) {
                feed +=
                    codes[static_cast<std::size_t>(pick(0, static_cast<int>(codes.size()) - 1))];
            }
            feed +=
                line.substr(static_cast<std::size_t>(pick(0, 2)), static_cast<std::size_t>(n + 3));
            for (char code : feed) {
                const int number = pick(0, 9) == 0 ? 0 : number_of(code);
                CategoryState& st = g.category(c);
                list_add(st, c, number, n);
                g.current_num = number;
                analyse_category(g, s, c, g.current_num);
                const auto [chain, pattern] = number == 0 || st.list_window.size() != n
                                                  ? std::pair<int, int>{0, 0}
                                                  : by_rule(f, st.list_window.str(), st.first_mark);
                ASSERT_EQ(st.chainactive, chain == 0 ? 0U : (1U << chain))
                    << st.list_window.str() << " after " << static_cast<int>(st.first_mark);
                ASSERT_EQ(st.current_pattern, pattern);
                if (number != 0 && chain == 0) {
                    const std::string ind = st.ind_window.str();
                    const bool alert = ind.size() == static_cast<std::size_t>(n - 1) &&
                                       by_rule(f, ind, st.ind_mark).first != 0;
                    ASSERT_EQ(g.mark(info(c).first_side).indicator, alert) << ind;
                }
                hits += chain != 0 ? 1 : 0;
                category_reset(g, c);
            }
        }
        EXPECT_GT(hits, 200);
    }
}

TEST(BetIndicator, WithWindowThreeEveryPairAfterADifferentCodeShows) {
    for (CategoryId c : {CategoryId::RB, CategoryId::D}) {
        const std::string codes = family_of(c) == Family::F12 ? "01" : "123";
        for (char a : codes) {
            for (char b : codes) {
                for (char mark : std::string(1, kNoMark) + codes) {
                    GameState g;
                    Settings s;
                    s.window12 = s.window23 = 3;
                    g.category(c).ind_window.assign(std::string{a, b});
                    g.category(c).ind_mark = mark;
                    bet_indicator(g, s, c);
                    for (Side side : sides_of(c)) {  // all of the category's sides alike
                        EXPECT_EQ(g.mark(side).indicator, mark != kNoMark && mark != a)
                            << a << b << " after " << static_cast<int>(mark);
                    }
                }
            }
        }
    }
}

TEST(BetIndicator, AnActiveChainOnlyHides) {
    GameState g;
    Settings s;
    CategoryState& d = g.category(CategoryId::D);
    d.ind_window.assign("1111222");
    d.ind_mark = '3';
    d.match = true;
    for (Side side : sides_of(CategoryId::D)) {
        g.mark(side).indicator = true;
    }
    bet_indicator(g, s, CategoryId::D);
    for (Side side : sides_of(CategoryId::D)) {
        EXPECT_FALSE(g.mark(side).indicator);
    }
}

TEST(BetIndicator, ThroughSpins) {
    for (bool after_black : {true, false}) {
        Engine e;
        // A black (or a red) then nine reds.
        for (int n : {after_black ? 2 : 21, 1, 3, 5, 7, 9, 12, 14, 16, 18}) {
            ASSERT_TRUE(e.spin(n));
        }
        EXPECT_EQ(e.game().mark(Side::Red).indicator, after_black);
        EXPECT_EQ(e.game().mark(Side::Black).indicator, after_black);
        if (after_black) {
            ASSERT_TRUE(e.spin(19));  // the tenth red: the chain and its bet hide the alert
            EXPECT_FALSE(e.game().mark(Side::Red).indicator);
            EXPECT_FALSE(e.game().mark(Side::Black).indicator);
            EXPECT_TRUE(bet_on(e.game(), Side::Black));
        }
    }
}

TEST(ResetActiveChains, KeepsOnlyTheLowestFlagOfEachCategory) {
    struct Case {
        std::array<std::vector<int>, kCategoryCount> before;
        std::array<std::uint32_t, kCategoryCount> after;
    };
    const std::vector<Case> cases = {
        {{{{3, 7}, {5}, {}, {22}, {1}}}, {1U << 3, 1U << 5, 0, 1U << 22, 1U << 1}},
        {{{{}, {}, {22, 2, 9}, {}, {}}}, {0, 0, 1U << 2, 0, 0}},
        {{{{}, {}, {}, {}, {}}}, {0, 0, 0, 0, 0}},
    };
    for (const Case& t : cases) {
        GameState g;
        for (int c = 0; c < kCategoryCount; ++c) {
            for (int k : t.before[c]) {
                g.categories[c].set_chain_flag(k);
            }
            g.categories[c].match = true;
            g.categories[c].current_pattern = 2;
        }
        reset_active_chains(g.categories);
        for (int c = 0; c < kCategoryCount; ++c) {
            EXPECT_EQ(g.categories[c].chainactive, t.after[c]) << c;
            EXPECT_TRUE(g.categories[c].match);
            EXPECT_EQ(g.categories[c].current_pattern, 2);
        }
    }
}

}  // namespace
}  // namespace corvane
