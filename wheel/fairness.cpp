#include "wheel/fairness.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "wheel/special_functions.h"

namespace corvane {

namespace {

constexpr double kPower = 0.9;  // "would show": nine times in ten

std::string factor_text(double factor) {
    if (factor == 2.0) {
        return "twice";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%g", factor);
    return std::string(text) + " times";
}

std::string spins_text(std::int64_t spins) {
    return count_text(spins) + (spins == 1 ? " spin" : " spins");
}

// "one game in 31", from a p-value; below 0.001 "fewer than one game in 1,000".
std::string chance_text(double p) {
    if (p < 0.001) {
        return "fewer than one game in 1,000";
    }
    return "about one game in " + count_text(static_cast<std::int64_t>(std::lround(1.0 / p)));
}

// The pockets a biased reading points at: the hot arc when the arc test found more, otherwise
// the pocket standing furthest from its share.
std::string where_text(const WheelFindings& f, double arc_p) {
    if (arc_p <= f.pockets.p) {
        const ArcSearch& a = f.arcs;
        if (a.length() == 1) {
            return "pocket " + std::to_string(a.first_pocket());
        }
        std::string text = "the arc " + std::to_string(a.first_pocket());
        if (a.length() <= 5) {
            for (int i = 1; i < a.length(); ++i) {
                text += ", " + std::to_string(pocket_at(a.first_position() + i));
            }
            return text;
        }
        return "the " + std::to_string(a.length()) + " pockets from " +
               std::to_string(a.first_pocket()) + " to " +
               std::to_string(pocket_at(a.first_position() + a.length() - 1));
    }
    int furthest = 0;
    for (int n = 1; n < kPocketCount; ++n) {
        if (std::fabs(deviation(f.counts[n], f.spins)) >
            std::fabs(deviation(f.counts[furthest], f.spins))) {
            furthest = n;
        }
    }
    return "pocket " + std::to_string(furthest);
}

// What the spins so far could show: the first bias, from the largest, that they could not
// yet.
std::string power_text(std::int64_t spins) {
    for (std::size_t i = 0; i < kPocketBiases.size(); ++i) {
        const PocketBias& bias = kPocketBiases[i];
        if (bias.spins > spins) {
            if (i == 0) {
                return "A pocket hit " + factor_text(bias.factor) +
                       " as often as it should would show after about " + count_text(bias.spins) +
                       " spins.";
            }
            return "A pocket hit " + factor_text(kPocketBiases[i - 1].factor) +
                   " as often as it should would most likely have shown by now; one hit " +
                   factor_text(bias.factor) + " as often would show after about " +
                   count_text(bias.spins) + " spins.";
        }
    }
    return "Even a pocket hit " + factor_text(kPocketBiases.back().factor) +
           " as often as it should would most likely have shown by now.";
}

}  // namespace

ChiSquare chi_square_test(const PocketCounts& counts) {
    ChiSquare c;
    std::int64_t spins = 0;
    for (std::int64_t hits : counts) {
        spins += hits;
    }
    if (spins == 0) {
        return c;
    }
    const double expected = static_cast<double>(spins) / kPocketCount;
    for (std::int64_t hits : counts) {
        const double off = static_cast<double>(hits) - expected;
        c.statistic += off * off / expected;
    }
    c.p = chi_square_sf(c.statistic, c.df);
    return c;
}

double deviation(std::int64_t hits, std::int64_t spins, int pockets) {
    if (spins == 0) {
        return 0.0;
    }
    const double p = static_cast<double>(pockets) / kPocketCount;
    const double n = static_cast<double>(spins);
    return (static_cast<double>(hits) - n * p) / std::sqrt(n * p * (1.0 - p));
}

std::int64_t sector_hits(const PocketCounts& counts, const SectorInfo& sector) {
    std::int64_t hits = 0;
    for (int n = 0; n < kPocketCount; ++n) {
        hits += sector.contains(n) ? counts[n] : 0;
    }
    return hits;
}

double sector_expected(std::int64_t spins, const SectorInfo& sector) {
    return static_cast<double>(spins) * sector.size() / kPocketCount;
}

double combined_p(double pockets, double arc) {
    return std::min(1.0, 2.0 * std::min(pockets, arc));
}

std::int64_t spins_to_show_pocket(double factor) {
    // One pocket at factor/37, the other 36 at (37 − factor)/(36 · 37): Pearson's statistic
    // then has noncentrality spins × Σ (q − 1/37)² · 37 = spins × (factor − 1)² / 36.
    const double per_spin = (factor - 1.0) * (factor - 1.0) / (kPocketCount - 1);
    const double df = kPocketCount - 1;
    const double critical = chi_square_critical(kSign / 2.0, df);
    double low = 0.0;
    double high = 1.0;
    while (noncentral_chi_square_sf(critical, df, high) < kPower) {
        high *= 2.0;
    }
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (low + high);
        (noncentral_chi_square_sf(critical, df, mid) < kPower ? low : high) = mid;
    }
    return static_cast<std::int64_t>(std::ceil(high / per_spin));
}

WheelFindings examine(const PocketCounts& counts) {
    WheelFindings f;
    f.counts = counts;
    for (std::int64_t hits : counts) {
        f.spins += hits;
    }
    f.pockets = chi_square_test(counts);
    f.arcs = search_arcs(counts);
    return f;
}

std::string verdict_text(const WheelFindings& f) {
    const std::string head = spins_text(f.spins) + ": ";
    if (f.spins < kEarliestTest) {
        return head + "too early to tell; a fair test needs " + count_text(kEarliestTest) +
               ", five expected hits per pocket. " + power_text(f.spins);
    }
    if (!f.arc_p) {
        return head + "checking the arcs\u2026";
    }
    const double p = combined_p(f.pockets.p, *f.arc_p);
    if (p >= kWeakSign) {
        return head + "no sign of bias (" + p_text(p) + "). " + power_text(f.spins);
    }
    if (p >= kSign) {
        return head + "a weak sign of bias (" + p_text(p) + "), as a fair wheel gives in " +
               chance_text(p) + ". " + power_text(f.spins);
    }
    return head + "a sign of bias (" + p_text(p) + ") in " + where_text(f, *f.arc_p) +
           ", as a fair wheel gives in " + chance_text(p) +
           ". Count on: a real bias holds over the next spins, a chance one fades.";
}

std::string p_text(double p) {
    if (p < 0.001) {
        return "p < 0.001";
    }
    int decimals = 2;
    for (double bound = 0.1; p < bound; bound /= 10.0) {
        ++decimals;
    }
    const double scale = std::pow(10.0, decimals);
    char text[32];
    std::snprintf(text, sizeof text, "p = %.*f", decimals, std::floor(p * scale + 1e-9) / scale);
    return text;
}

std::string count_text(std::int64_t count) {
    std::string digits = std::to_string(count < 0 ? -count : count);
    for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return count < 0 ? "-" + digits : digits;
}

std::int64_t about(std::int64_t count) {
    std::int64_t unit = 1;
    while (count / unit >= 100) {
        unit *= 10;
    }
    return (count + unit - 1) / unit * unit;
}

}  // namespace corvane
