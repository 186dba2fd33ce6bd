// Is the wheel fair? The chi-square test of the 37 pockets, the hot-arc test, the sectors, how
// many spins a bias takes to show, and the plain sentence that reads the result.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "wheel/arcs.h"
#include "wheel/tally.h"

namespace corvane {

// Below this many spins some pocket expects fewer than five hits, and the tests say nothing
// worth reading: it is too early to tell.
inline constexpr std::int64_t kEarliestTest = 5 * kPocketCount;

// A p-value below this is a sign of bias, below kWeakSign a weak one.
inline constexpr double kSign = 0.01;
inline constexpr double kWeakSign = 0.05;

struct ChiSquare {
    double statistic = 0.0;
    int df = kPocketCount - 1;
    double p = 1.0;
};

// Pearson's chi-square of the pocket counts against 1/37 each, with its p-value; no spins give
// the statistic 0 and p 1.
ChiSquare chi_square_test(const PocketCounts& counts);

// How far a count stands from what a fair wheel expects of `pockets` pockets, in standard
// deviations of the binomial count.
double deviation(std::int64_t hits, std::int64_t spins, int pockets = 1);

// The hits of a sector, and what a fair wheel expects there.
std::int64_t sector_hits(const PocketCounts& counts, const SectorInfo& sector);
double sector_expected(std::int64_t spins, const SectorInfo& sector);

// The two tests read together, so that looking at both does not double the false alarms:
// twice the smaller p-value (Bonferroni), at most 1.
double combined_p(double pockets, double arc);

// How many spins it takes for one pocket hit `factor` times as often as it should (the others
// sharing the rest alike) to show: the reading flags it (the combined p below kSign) in at
// least nine games of ten. Measured on seeded biased wheels (tests/wheel/wheel_power_table,
// whose runs the power test repeats); the reading names them, from the largest bias.
struct PocketBias {
    double factor;
    std::int64_t spins;
};
inline constexpr std::array<PocketBias, 3> kPocketBiases = {
    {{2.0, 1400}, {1.5, 4900}, {1.25, 18000}}};

// What the chi-square test alone needs for the same, at half the level (its share of the
// combined p): the spins at which the noncentral chi-square distribution of Pearson's statistic
// under the bias exceeds the critical value nine times in ten. The hot-arc test, which sees a
// single pocket as an arc of one, shows such a bias sooner, so this bounds kPocketBiases.
std::int64_t spins_to_show_pocket(double factor);

// What the tests found in a game, as far as they have come.
struct WheelFindings {
    std::int64_t spins = 0;
    PocketCounts counts{};
    ChiSquare pockets;
    ArcSearch arcs;
    std::optional<double> arc_p;  // nothing until the fair wheels have been simulated
};

// The chi-square test and the arc search of `counts`; the arc's p-value is left to the
// caller, which simulates the fair wheels where it suits it.
WheelFindings examine(const PocketCounts& counts);

// The plain reading of the findings, such as "812 spins: no sign of bias (p = 0.43). A pocket
// hit twice as often as it should would show after about 1,400 spins."
std::string verdict_text(const WheelFindings& findings);

// Texts of the readings: a p-value ("p = 0.43", "p = 0.049", "p = 0.0042", "p < 0.001"), two
// significant digits rounded down, so that it reads below a threshold exactly when it is; a
// count with thousands commas (1,700); a count rounded up to two significant digits, for
// "about".
std::string p_text(double p);
std::string count_text(std::int64_t count);
std::int64_t about(std::int64_t count);

}  // namespace corvane
