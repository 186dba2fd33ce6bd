// The tests of a fair wheel: the chi-square test and the hot-arc search on known counts,
// p-values that are uniform on fair wheels, the power the README's table states, and the
// sentence that reads the result.
#include "wheel/fairness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/support/biased_wheels.h"
#include "wheel/fair_wheels.h"
#include "wheel/special_functions.h"

namespace corvane {
namespace {

using testing::Bias;
using testing::flagged_share;

PocketCounts all(std::int64_t hits) {
    PocketCounts c{};
    c.fill(hits);
    return c;
}

TEST(ChiSquareTest, ReadsTheCounts) {
    // An even wheel: nothing to see.
    ChiSquare even = chi_square_test(all(10));
    EXPECT_EQ(even.statistic, 0.0);
    EXPECT_EQ(even.df, 36);
    EXPECT_EQ(even.p, 1.0);
    // No spins at all.
    EXPECT_EQ(chi_square_test(PocketCounts{}).p, 1.0);
    // Pocket 17 with 40, pockets 1 to 5 with none, the other 31 with 10 each: 350 spins,
    // 350/37 expected each.
    PocketCounts c = all(10);
    c[17] = 40;
    for (int n = 1; n <= 5; ++n) {
        c[n] = 0;
    }
    const double e = 350.0 / 37.0;
    const double statistic = (40 - e) * (40 - e) / e + 5 * e + 31 * (10 - e) * (10 - e) / e;
    const ChiSquare t = chi_square_test(c);
    EXPECT_NEAR(t.statistic, statistic, 1e-9);
    EXPECT_NEAR(t.p / chi_square_sf(statistic, 36), 1.0, 1e-12);
    EXPECT_LT(t.p, 1e-9);
}

// Every arc of every length, counted one by one round the rim.
TEST(ArcSearch, FindsTheBestArcOfEachLength) {
    SplitMix64 gen(5);
    for (int game = 0; game < 20; ++game) {
        PocketCounts c{};
        for (int s = 0; s < 300; ++s) {
            ++c[gen.next() % kPocketCount];
        }
        const ArcSearch a = search_arcs(c);
        EXPECT_EQ(a.spins, 300);
        for (int length = 1; length <= kArcLengths; ++length) {
            std::int64_t best = -1;
            int first = 0;
            for (int p = 0; p < kPocketCount; ++p) {
                std::int64_t hits = 0;
                for (int i = 0; i < length; ++i) {
                    hits += c[pocket_at(p + i)];
                }
                if (hits > best) {
                    best = hits;
                    first = p;
                }
            }
            EXPECT_EQ(a.best_hits[length - 1], best);
            EXPECT_EQ(a.best_first[length - 1], first);
            EXPECT_DOUBLE_EQ(a.tail[length - 1], binomial_tail(300, length / 37.0, best));
            EXPECT_GE(a.tail[length - 1], a.smallest_tail());
        }
    }
    // A hot arc across the zero: 26, 0, 32 with 30 hits each on an even wheel of 5.
    PocketCounts c = all(5);
    for (int n : {26, 0, 32}) {
        c[n] = 30;
    }
    const ArcSearch a = search_arcs(c);
    EXPECT_EQ(a.length(), 3);
    EXPECT_EQ(a.first_pocket(), 26);
    EXPECT_EQ(a.hits(), 90);
    EXPECT_DOUBLE_EQ(a.expected(), a.spins * 3.0 / 37.0);
}

// The Kolmogorov-Smirnov test of a sample against the uniform distribution on (0, 1): its
// statistic D and the asymptotic p-value Q(λ) = 2 Σ (−1)^(j−1) e^(−2 j² λ²) with Stephens'
// λ = (√N + 0.12 + 0.11/√N) D.
double ks_uniform_p(std::vector<double> sample) {
    std::sort(sample.begin(), sample.end());
    const double n = static_cast<double>(sample.size());
    double d = 0;
    for (std::size_t i = 0; i < sample.size(); ++i) {
        d = std::max({d, (static_cast<double>(i) + 1) / n - sample[i],
                      sample[i] - static_cast<double>(i) / n});
    }
    const double lambda = (std::sqrt(n) + 0.12 + 0.11 / std::sqrt(n)) * d;
    double q = 0;
    for (int j = 1; j <= 100; ++j) {
        q += 2 * ((j % 2 == 1) ? 1 : -1) * std::exp(-2.0 * j * j * lambda * lambda);
    }
    return std::clamp(q, 0.0, 1.0);
}

double share_below(const std::vector<double>& ps, double level) {
    return static_cast<double>(
               std::count_if(ps.begin(), ps.end(), [level](double p) { return p < level; })) /
           static_cast<double>(ps.size());
}

// On fair wheels both p-values are uniform: 2,000 seeded games of 1,000 spins.
TEST(FairWheels, PValuesAreUniformOnFairWheels) {
    const std::int64_t spins = 1000;
    const FairWheels fair(spins);
    ASSERT_TRUE(fair.complete());
    std::vector<double> pockets;
    std::vector<double> arcs;
    SplitMix64 seeds(20261210);
    for (int game = 0; game < 2000; ++game) {
        RandomNumbers numbers(seeds.next());
        PocketCounts c{};
        for (std::int64_t s = 0; s < spins; ++s) {
            ++c[numbers.next()];
        }
        const WheelFindings f = examine(c);
        pockets.push_back(f.pockets.p);
        arcs.push_back(fair.p_value(f.arcs));
    }
    for (const auto& [name, ps] : {std::pair{"pockets", pockets}, std::pair{"arcs", arcs}}) {
        const double ks = ks_uniform_p(ps);
        const double below = share_below(ps, 0.05);
        std::printf("%s: Kolmogorov-Smirnov p = %.3f, share below 0.05 = %.4f, below 0.01 = %.4f\n",
                    name, ks, below, share_below(ps, 0.01));
        EXPECT_GT(ks, 0.05) << name;
        EXPECT_GE(below, 0.03) << name;
        EXPECT_LE(below, 0.07) << name;
    }
    // The test's own check: a sample that is not uniform is rejected.
    std::vector<double> squared = pockets;
    for (double& p : squared) {
        p *= p;
    }
    EXPECT_LT(ks_uniform_p(squared), 0.001);
}

TEST(FairWheels, PValueCountsTheObservationAndStopsWhenAsked) {
    const FairWheels fair(500, 99);
    // The most even wheel there is: every fair wheel is hotter, p is 1 less half a wheel.
    PocketCounts even{};
    for (int n = 0; n < 500; ++n) {
        ++even[n % kPocketCount];
    }
    EXPECT_DOUBLE_EQ(fair.p_value(search_arcs(even)), 99.5 / 100);
    // All spins on one pocket: none is as hot, p is half of 1/(wheels + 1).
    PocketCounts one{};
    one[7] = 500;
    EXPECT_DOUBLE_EQ(fair.p_value(search_arcs(one)), 0.5 / 100);
    // After one spin every wheel's best arcs hold that spin: all of them tie with the
    // observation, which counts half with them, so p is one half.
    PocketCounts single{};
    single[17] = 1;
    EXPECT_DOUBLE_EQ(FairWheels(1, 99).p_value(search_arcs(single)), 0.5);
    // Games of more than kDirectSpins spins draw their counts at once, alike.
    const FairWheels long_games(kDirectSpins * 4, 99);
    PocketCounts many = all(kDirectSpins * 4 / kPocketCount);
    EXPECT_GT(long_games.p_value(search_arcs(many)), 0.5);
    const std::atomic<bool> stop{true};
    EXPECT_FALSE(FairWheels(1000, 99, kFairWheelSeed, &stop).complete());
}

// The README's table: each bias is flagged (combined p below 0.01) in at least nine of ten
// seeded runs at the spins it states, and not yet at the spins one step below. A pocket at
// twice its chance and an arc of five at 1.5 times among them.
TEST(Power, BiasesShowAtTheSpinsTheReadmeStates) {
    for (const testing::PowerRow& row : testing::kPowerTable) {
        const double share = flagged_share(row.bias, row.spins, testing::kPowerRuns, row.seed);
        std::int64_t step = 1;  // of the second significant digit
        while (row.spins / step >= 100) {
            step *= 10;
        }
        const std::int64_t fewer = row.spins - step;
        const double short_share = flagged_share(row.bias, fewer, testing::kPowerRuns, row.seed);
        std::printf("%s: %.3f flagged at %lld spins, %.3f at %lld\n", row.what, share,
                    static_cast<long long>(row.spins), short_share, static_cast<long long>(fewer));
        EXPECT_GE(share, 0.9) << row.what;
        EXPECT_LT(short_share, 0.9) << row.what;
    }
    // The reading names the pocket rows of the table, and the chi-square test alone would need
    // more spins for them.
    for (const PocketBias& bias : kPocketBiases) {
        const auto row =
            std::find_if(std::begin(testing::kPowerTable), std::end(testing::kPowerTable),
                         [&](const testing::PowerRow& r) {
                             return r.bias.length == 1 && r.bias.factor == bias.factor;
                         });
        ASSERT_NE(row, std::end(testing::kPowerTable)) << bias.factor;
        EXPECT_EQ(row->spins, bias.spins);
        EXPECT_GT(spins_to_show_pocket(bias.factor), bias.spins);
    }
    EXPECT_EQ(spins_to_show_pocket(2.0), 1632);  // 36 λ with λ = 45.3, found by bisection
}

TEST(Verdict, ReadsTheFindingsInOneSentence) {
    WheelFindings f = examine(all(22));  // 814 spins
    f.pockets.p = 0.43;
    f.arc_p = 0.8;
    EXPECT_EQ(verdict_text(f),
              "814 spins: no sign of bias (p = 0.86). A pocket hit twice as often as it should "
              "would show after about 1,400 spins.");
    f.arc_p.reset();
    EXPECT_EQ(verdict_text(f), "814 spins: checking the arcs\u2026");
    f.arc_p = 0.015;
    EXPECT_EQ(verdict_text(f),
              "814 spins: a weak sign of bias (p = 0.030), as a fair wheel gives in about one "
              "game in 33. A pocket hit twice as often as it should would show after about "
              "1,400 spins.");
    // Too early: fewer than five expected hits per pocket.
    WheelFindings early = examine(all(4));
    EXPECT_EQ(verdict_text(early),
              "148 spins: too early to tell; a fair test needs 185, five expected hits per "
              "pocket. A pocket hit twice as often as it should would show after about 1,400 "
              "spins.");
    EXPECT_EQ(verdict_text(examine(PocketCounts{})).substr(0, 30),
              "0 spins: too early to tell; a ");
    PocketCounts one{};
    one[3] = 1;
    EXPECT_EQ(verdict_text(examine(one)).substr(0, 7), "1 spin:");
    // A sign of bias points at the hot arc, or at the pocket furthest from its share.
    PocketCounts hot = all(200);
    for (int n : {17, 34, 6}) {
        hot[n] = 300;
    }
    WheelFindings biased = examine(hot);
    biased.pockets.p = 0.002;
    biased.arc_p = 0.0001;
    EXPECT_EQ(verdict_text(biased),
              "7,700 spins: a sign of bias (p < 0.001) in the arc 17, 34, 6, as a fair wheel "
              "gives in fewer than one game in 1,000. Count on: a real bias holds over the next "
              "spins, a chance one fades.");
    biased.arc_p = 0.5;
    EXPECT_NE(verdict_text(biased).find("(p = 0.0040) in pocket 6,"), std::string::npos);
    // Long games tell of smaller biases.
    WheelFindings long_game = examine(all(100));
    long_game.pockets.p = long_game.arc_p.emplace(0.5);
    EXPECT_EQ(verdict_text(long_game),
              "3,700 spins: no sign of bias (p = 1.00). A pocket hit twice as often as it should "
              "would most likely have shown by now; one hit 1.5 times as often would show after "
              "about 4,900 spins.");
    WheelFindings endless = examine(all(500));
    endless.pockets.p = endless.arc_p.emplace(0.5);
    EXPECT_EQ(verdict_text(endless),
              "18,500 spins: no sign of bias (p = 1.00). Even a pocket hit 1.25 times as often "
              "as it should would most likely have shown by now.");
}

TEST(Verdict, TextsOfItsFigures) {
    struct Case {
        double p;
        const char* text;
    };
    for (const Case& c :
         {Case{1.0, "p = 1.00"}, Case{0.43, "p = 0.43"}, Case{0.0999, "p = 0.099"},
          Case{0.05, "p = 0.050"}, Case{0.0499, "p = 0.049"}, Case{0.01, "p = 0.010"},
          Case{0.00999, "p = 0.0099"}, Case{0.001, "p = 0.0010"}, Case{0.000999, "p < 0.001"}}) {
        EXPECT_EQ(p_text(c.p), c.text) << c.p;
    }
    EXPECT_EQ(count_text(0), "0");
    EXPECT_EQ(count_text(999), "999");
    EXPECT_EQ(count_text(1000), "1,000");
    EXPECT_EQ(count_text(1234567), "1,234,567");
    for (const auto& [count, rounded] :
         {std::pair{0LL, 0LL}, std::pair{99LL, 99LL}, std::pair{101LL, 110LL},
          std::pair{1690LL, 1700LL}, std::pair{1700LL, 1700LL}, std::pair{1701LL, 1800LL},
          std::pair{167890LL, 170000LL}}) {
        EXPECT_EQ(about(count), rounded) << count;
    }
    EXPECT_NEAR(combined_p(0.3, 0.2), 0.4, 1e-15);
    EXPECT_EQ(combined_p(0.9, 0.7), 1.0);
}

TEST(Sectors, HitsAgainstExpected) {
    PocketCounts c{};
    for (int n = 0; n < kPocketCount; ++n) {
        c[n] = n;  // 666 spins
    }
    EXPECT_EQ(sector_hits(c, kSectors[2]), 17 + 34 + 6 + 1 + 20 + 14 + 31 + 9);
    EXPECT_DOUBLE_EQ(sector_expected(666, kSectors[0]), 666.0 * 17 / 37);
    std::int64_t total = 0;
    for (const SectorInfo& s : kSectors) {
        total += sector_hits(c, s);
    }
    EXPECT_EQ(total, 666);
    EXPECT_DOUBLE_EQ(deviation(37 + 6, 37 * 37, 1), 6.0 / std::sqrt(37.0 * 36.0 / 37.0));
    EXPECT_EQ(deviation(0, 0), 0.0);
}

}  // namespace
}  // namespace corvane
