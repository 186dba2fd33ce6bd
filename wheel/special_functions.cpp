#include "wheel/special_functions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace corvane {

namespace {

constexpr double kEpsilon = 1e-15;                                       // relative accuracy sought
constexpr double kTiny = std::numeric_limits<double>::min() / kEpsilon;  // keeps Lentz off 0

// Steps a series or continued fraction may take: enough for its slowest case here, a few
// times the square root of its largest parameter.
int step_limit(double largest) {
    return 1000 + static_cast<int>(20 * std::sqrt(largest));
}

// The factor x^a e^−x / Γ(a) in front of both forms of the incomplete gamma function.
double gamma_front(double a, double x) {
    return std::exp(a * std::log(x) - x - log_gamma(a));
}

// P(a, x) by its series Σ x^n / (a (a+1) ... (a+n)), for x < a + 1.
double gamma_series(double a, double x) {
    double term = 1.0 / a;
    double sum = term;
    double denominator = a;
    const int limit = step_limit(a);
    for (int n = 1; n < limit; ++n) {
        denominator += 1.0;
        term *= x / denominator;
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kEpsilon) {
            break;
        }
    }
    return sum * gamma_front(a, x);
}

// Q(a, x) by its continued fraction, evaluated by Lentz's method, for x ≥ a + 1.
double gamma_fraction(double a, double x) {
    double b = x + 1.0 - a;
    double c = 1.0 / kTiny;
    double d = 1.0 / b;
    double h = d;
    const int limit = step_limit(a);
    for (int i = 1; i < limit; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < kTiny) {
            d = kTiny;
        }
        c = b + an / c;
        if (std::fabs(c) < kTiny) {
            c = kTiny;
        }
        d = 1.0 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) < kEpsilon) {
            break;
        }
    }
    return gamma_front(a, x) * h;
}

// The continued fraction of I_x(a, b), by the modified Lentz method; it converges fast for
// x < (a + 1) / (a + b + 2).
double beta_fraction(double a, double b, double x) {
    const double qab = a + b;
    const double qap = a + 1.0;
    const double qam = a - 1.0;
    const auto guard = [](double v) { return std::fabs(v) < kTiny ? kTiny : v; };
    double c = 1.0;
    double d = 1.0 / guard(1.0 - qab * x / qap);
    double h = d;
    const int limit = step_limit(std::max(a, b));
    for (int m = 1; m < limit; ++m) {
        const double m2 = 2.0 * m;
        double aa = m * (b - m) * x / ((qam + m2) * (a + m2));
        d = 1.0 / guard(1.0 + aa * d);
        c = guard(1.0 + aa / c);
        h *= d * c;
        aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
        d = 1.0 / guard(1.0 + aa * d);
        c = guard(1.0 + aa / c);
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) < kEpsilon) {
            break;
        }
    }
    return h;
}

}  // namespace

double log_gamma(double x) {
    // Lanczos' coefficients for g = 7, n = 9.
    constexpr std::array<double, 9> kCoefficients = {
        0.99999999999980993,  676.5203681218851,     -1259.1392167224028,
        771.32342877765313,   -176.61502916214059,   12.507343278686905,
        -0.13857109526572012, 9.9843695780195716e-6, 1.5056327351493116e-7};
    constexpr double kG = 7.0;
    if (x < 0.5) {
        // The reflection Γ(x) Γ(1 − x) = π / sin(πx).
        return std::log(std::numbers::pi / std::fabs(std::sin(std::numbers::pi * x))) -
               log_gamma(1.0 - x);
    }
    const double z = x - 1.0;
    double sum = kCoefficients[0];
    for (int i = 1; i < 9; ++i) {
        sum += kCoefficients[i] / (z + i);
    }
    const double t = z + kG + 0.5;
    return 0.5 * std::log(2.0 * std::numbers::pi) + (z + 0.5) * std::log(t) - t + std::log(sum);
}

double gamma_p(double a, double x) {
    if (x <= 0.0) {
        return 0.0;
    }
    return x < a + 1.0 ? gamma_series(a, x) : 1.0 - gamma_fraction(a, x);
}

double gamma_q(double a, double x) {
    if (x <= 0.0) {
        return 1.0;
    }
    return x < a + 1.0 ? 1.0 - gamma_series(a, x) : gamma_fraction(a, x);
}

double beta_regularized(double a, double b, double x) {
    if (x <= 0.0) {
        return 0.0;
    }
    if (x >= 1.0) {
        return 1.0;
    }
    const double front = std::exp(log_gamma(a + b) - log_gamma(a) - log_gamma(b) + a * std::log(x) +
                                  b * std::log1p(-x));
    if (x < (a + 1.0) / (a + b + 2.0)) {
        return front * beta_fraction(a, b, x) / a;
    }
    return 1.0 - front * beta_fraction(b, a, 1.0 - x) / b;
}

double chi_square_sf(double x, double df) {
    return gamma_q(df / 2.0, x / 2.0);
}

double noncentral_chi_square_sf(double x, double df, double lambda) {
    if (lambda <= 0.0) {
        return chi_square_sf(x, df);
    }
    const double mean = lambda / 2.0;
    const auto weight = [mean](double j) {
        return std::exp(j * std::log(mean) - mean - log_gamma(j + 1.0));
    };
    const double top = std::floor(mean);
    double sum = 0.0;
    for (double j = top; j >= 0.0; j -= 1.0) {
        const double w = weight(j);
        sum += w * chi_square_sf(x, df + 2.0 * j);
        if (w < 1e-17) {
            break;
        }
    }
    for (double j = top + 1.0;; j += 1.0) {
        const double w = weight(j);
        sum += w * chi_square_sf(x, df + 2.0 * j);
        if (w < 1e-17) {
            break;
        }
    }
    return std::min(sum, 1.0);
}

double chi_square_critical(double alpha, double df) {
    double low = 0.0;
    double high = df + 10.0;
    while (chi_square_sf(high, df) > alpha) {
        high *= 2.0;
    }
    for (int i = 0; i < 200 && high - low > 1e-12 * high; ++i) {
        const double mid = 0.5 * (low + high);
        (chi_square_sf(mid, df) > alpha ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

double binomial_tail(std::int64_t n, double p, std::int64_t k) {
    if (k <= 0) {
        return 1.0;
    }
    if (k > n) {
        return 0.0;
    }
    return beta_regularized(static_cast<double>(k), static_cast<double>(n - k + 1), p);
}

}  // namespace corvane
