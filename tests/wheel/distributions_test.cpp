// The distribution functions against values worked out by other means, and the draws of the
// fair-wheel simulation against the distributions they stand for.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "wheel/fair_wheels.h"
#include "wheel/special_functions.h"

namespace corvane {
namespace {

// Agreement to `digits` significant digits.
void expect_digits(double value, double reference, int digits, const char* what) {
    EXPECT_LE(std::fabs(value - reference), std::fabs(reference) * std::pow(10.0, -digits))
        << what << ": " << value << " against " << reference;
}

struct Reference {
    const char* what;
    double value;
    double reference;
};

// The chi-square tails. With an even number of degrees of freedom 2k the tail is a Poisson sum,
// P(X ≥ x) = e^(−x/2) Σ_{i<k} (x/2)^i / i!, which needs no incomplete gamma function at all;
// these references are that sum worked out at 40 digits (Python's mpmath). With one degree of
// freedom the tail is erfc(√(x/2)), from the C library.
TEST(Distributions, ChiSquareTailsMatchReferenceValues) {
    const Reference cases[] = {
        {"36 df at 36", chi_square_sf(36.0, 36.0), 0.46864766955533584},
        {"36 df at 50", chi_square_sf(50.0, 36.0), 0.060475038284894626},
        {"36 df at 58.619", chi_square_sf(58.619, 36.0), 0.010000489227958835},
        {"36 df at 20", chi_square_sf(20.0, 36.0), 0.98572238640295039},
        {"36 df at 10", chi_square_sf(10.0, 36.0), 0.99999458366173005},
        {"36 df at 100", chi_square_sf(100.0, 36.0), 6.1795306539680369e-8},
        {"2 df at 5.991", chi_square_sf(5.991, 2.0), 0.05001161502657909},
        {"10 df at 18.307", chi_square_sf(18.307, 10.0), 0.05000058909139812},
        {"1 df at 1", chi_square_sf(1.0, 1.0), std::erfc(std::sqrt(0.5))},
        {"1 df at 10", chi_square_sf(10.0, 1.0), std::erfc(std::sqrt(5.0))},
        {"1 df at 3.8415", chi_square_sf(3.841458820694124, 1.0), 0.05},
    };
    for (const Reference& r : cases) {
        expect_digits(r.value, r.reference, 6, r.what);
    }
    // P and Q add up to one on both sides of x = a + 1, where the method changes.
    for (double x : {5.0, 17.9, 19.0, 19.1, 40.0}) {
        EXPECT_NEAR(gamma_p(18.0, x) + gamma_q(18.0, x), 1.0, 1e-14) << x;
    }
    EXPECT_EQ(chi_square_sf(0.0, 36.0), 1.0);
    EXPECT_EQ(gamma_p(18.0, 0.0), 0.0);
}

// The critical values of the NIST/SEMATECH e-Handbook of Statistical Methods (1.3.6.7.4,
// critical values of the chi-square distribution), given there to three decimals.
TEST(Distributions, CriticalValuesMatchThePublishedTable) {
    EXPECT_NEAR(chi_square_critical(0.05, 36.0), 50.998, 5e-4);
    EXPECT_NEAR(chi_square_critical(0.01, 36.0), 58.619, 5e-4);
    EXPECT_NEAR(chi_square_critical(0.05, 1.0), 3.841, 5e-4);
    EXPECT_NEAR(chi_square_critical(0.05, 10.0), 18.307, 5e-4);
}

TEST(Distributions, LogGammaMatchesReferenceValues) {
    // ln Γ at 40 digits (mpmath), and two that follow from Γ(n) = (n − 1)!.
    const Reference cases[] = {
        {"0.5", log_gamma(0.5), 0.57236494292470008707},
        {"18", log_gamma(18.0), 33.505073450136888884},
        {"100.5", log_gamma(100.5), 361.43554046777762156},
        {"1e6", log_gamma(1e6), 12815504.56914761166},
        {"5", log_gamma(5.0), std::log(24.0)},
        {"0.25", log_gamma(0.25), std::log(std::tgamma(0.25))},
    };
    for (const Reference& r : cases) {
        expect_digits(r.value, r.reference, 12, r.what);
    }
    EXPECT_NEAR(log_gamma(1.0), 0.0, 1e-14);
    EXPECT_NEAR(log_gamma(2.0), 0.0, 1e-14);
}

// Binomial tails: exact sums in rational arithmetic (Python's fractions), read at 17 digits.
TEST(Distributions, BinomialTailsMatchExactSums) {
    const Reference cases[] = {
        {"Bin(100, 0.3) >= 40", binomial_tail(100, 0.3, 40), 0.020988576003924679},
        {"Bin(1000, 1/37) >= 40", binomial_tail(1000, 1.0 / 37, 40), 0.010517010651503188},
        {"Bin(1000, 5/37) >= 160", binomial_tail(1000, 5.0 / 37, 160), 0.013497447753198294},
        {"Bin(10, 1/2) >= 10", binomial_tail(10, 0.5, 10), 0.0009765625},
        {"Bin(10, 1/2) >= 1", binomial_tail(10, 0.5, 1), 0.9990234375},
    };
    for (const Reference& r : cases) {
        expect_digits(r.value, r.reference, 9, r.what);
    }
    EXPECT_EQ(binomial_tail(10, 0.5, 0), 1.0);
    EXPECT_EQ(binomial_tail(10, 0.5, -3), 1.0);
    EXPECT_EQ(binomial_tail(10, 0.5, 11), 0.0);
    EXPECT_EQ(binomial_tail(0, 0.5, 0), 1.0);
    // The tail falls as k grows, also far out and for long games.
    for (std::int64_t n : {1000LL, 1000000LL}) {
        double previous = 1.0;
        for (std::int64_t k = n / 37 - 50; k < n / 37 + 2000 && k <= n; k += 25) {
            const double tail = binomial_tail(n, 1.0 / 37, k);
            EXPECT_LE(tail, previous) << n << " " << k;
            previous = tail;
        }
    }
}

// The noncentral tail: the Poisson mixture summed at 40 digits with mpmath's own incomplete
// gamma function; with no noncentrality it is the central tail.
TEST(Distributions, NoncentralChiSquareTailsMatchReferenceValues) {
    expect_digits(noncentral_chi_square_sf(58.619, 36.0, 40.0), 0.87844900933712632, 6,
                  "58.619, 36 df, 40");
    expect_digits(noncentral_chi_square_sf(50.0, 36.0, 10.0), 0.32943684314889014, 6,
                  "50, 36 df, 10");
    EXPECT_EQ(noncentral_chi_square_sf(50.0, 36.0, 0.0), chi_square_sf(50.0, 36.0));
}

// Pearson's statistic of `counts` against expected shares, and its p-value, for the draws.
double goodness_of_fit_p(const std::vector<std::int64_t>& counts,
                         const std::vector<double>& chances) {
    double total = 0;
    for (std::int64_t c : counts) {
        total += static_cast<double>(c);
    }
    double statistic = 0;
    int classes = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (chances[i] == 0.0) {
            continue;  // a class no draw can fall in
        }
        ++classes;
        const double expected = total * chances[i];
        statistic += (static_cast<double>(counts[i]) - expected) *
                     (static_cast<double>(counts[i]) - expected) / expected;
    }
    return chi_square_sf(statistic, classes - 1);
}

// Binomial draws, counted and recursive, have the binomial distribution: a goodness-of-fit
// test over the values, the tails pooled, for n around the point where the method changes
// and beyond.
TEST(Distributions, BinomialDrawsFollowTheBinomialDistribution) {
    struct Case {
        std::int64_t n;
        double p;
    };
    for (const Case& c :
         {Case{20, 0.3}, Case{31, 0.5}, Case{32, 0.5}, Case{200, 1.0 / 37}, Case{5000, 0.4}}) {
        SplitMix64 gen(static_cast<std::uint64_t>(c.n) * 1000 + 17);
        const double mean = static_cast<double>(c.n) * c.p;
        const double sd = std::sqrt(mean * (1 - c.p));
        const auto low = static_cast<std::int64_t>(std::max(0.0, std::floor(mean - 2 * sd)));
        const auto high = static_cast<std::int64_t>(std::ceil(mean + 2 * sd));
        // Classes: below low, each value low..high, above high.
        std::vector<std::int64_t> counts(static_cast<std::size_t>(high - low + 3));
        const int draws = 40000;
        for (int i = 0; i < draws; ++i) {
            const std::int64_t x = binomial(c.n, c.p, gen);
            ASSERT_GE(x, 0);
            ASSERT_LE(x, c.n);
            const std::int64_t at = x < low ? 0 : x > high ? high - low + 2 : x - low + 1;
            ++counts[static_cast<std::size_t>(at)];
        }
        std::vector<double> chances(counts.size());
        chances.front() = 1.0 - binomial_tail(c.n, c.p, low);
        for (std::int64_t k = low; k <= high; ++k) {
            chances[static_cast<std::size_t>(k - low + 1)] =
                binomial_tail(c.n, c.p, k) - binomial_tail(c.n, c.p, k + 1);
        }
        chances.back() = binomial_tail(c.n, c.p, high + 1);
        EXPECT_GT(goodness_of_fit_p(counts, chances), 0.001) << c.n << " " << c.p;
    }
    SplitMix64 gen(3);
    EXPECT_EQ(binomial(0, 0.5, gen), 0);
    EXPECT_EQ(binomial(1000, 0.0, gen), 0);
    EXPECT_EQ(binomial(1000, 1.0, gen), 1000);
}

// Counts drawn at once add up to the spins, and each pocket's count has the mean and the
// spread of a fair wheel's: the first pocket and the last (which takes what is left) alike.
TEST(Distributions, MultinomialCountsBehaveAsAFairWheel) {
    SplitMix64 gen(11);
    const std::int64_t spins = 1000000;
    const int wheels = 400;
    std::array<double, 2> sum{};
    std::array<double, 2> squares{};
    for (int w = 0; w < wheels; ++w) {
        const PocketCounts counts = multinomial_counts(spins, gen);
        std::int64_t total = 0;
        for (std::int64_t c : counts) {
            total += c;
        }
        ASSERT_EQ(total, spins);
        for (int i = 0; i < 2; ++i) {
            const double c = static_cast<double>(counts[i == 0 ? 0 : kPocketCount - 1]);
            sum[i] += c;
            squares[i] += c * c;
        }
    }
    const double mean = static_cast<double>(spins) / kPocketCount;
    const double variance = mean * (1.0 - 1.0 / kPocketCount);
    for (int i = 0; i < 2; ++i) {
        const double m = sum[i] / wheels;
        const double v = squares[i] / wheels - m * m;
        EXPECT_NEAR(m, mean, 4 * std::sqrt(variance / wheels)) << i;
        EXPECT_NEAR(v / variance, 1.0, 0.3) << i;
    }
    const PocketCounts none = multinomial_counts(0, gen);
    EXPECT_EQ(none, PocketCounts{});
}

}  // namespace
}  // namespace corvane
