// The distribution functions the wheel's tests rest on, written once: the log-gamma function,
// the regularised incomplete gamma and beta functions, and from them the tails of the
// chi-square (central and noncentral) and binomial distributions.
#pragma once

#include <cstdint>

namespace corvane {

// ln Γ(x) for x > 0 (Lanczos' approximation, g = 7, nine terms: about 15 significant digits).
double log_gamma(double x);

// The regularised incomplete gamma functions P(a, x) and Q(a, x) = 1 − P(a, x), for a > 0 and
// x ≥ 0: a series where x < a + 1, a continued fraction (Lentz's method) elsewhere, each used
// where it converges fast, and the other found as the complement.
double gamma_p(double a, double x);
double gamma_q(double a, double x);

// The regularised incomplete beta function I_x(a, b) for a, b > 0 and 0 ≤ x ≤ 1, by its
// continued fraction (Lentz's method), turned round by I_x(a, b) = 1 − I_{1−x}(b, a) where it
// converges faster that way.
double beta_regularized(double a, double b, double x);

// P(X ≥ x) for X chi-square distributed with `df` degrees of freedom: Q(df/2, x/2).
double chi_square_sf(double x, double df);

// P(X ≥ x) for X noncentral chi-square with `df` degrees of freedom and noncentrality
// `lambda`: the Poisson(lambda/2) mixture of central chi-square tails with df + 2j degrees of
// freedom, summed out from its largest term until the terms no longer count.
double noncentral_chi_square_sf(double x, double df, double lambda);

// The x whose chi-square tail P(X ≥ x) is `alpha` (0 < alpha < 1), by bisection.
double chi_square_critical(double alpha, double df);

// P(X ≥ k) for X binomial with n trials of chance p: 1 for k ≤ 0, 0 for k > n, otherwise
// I_p(k, n − k + 1).
double binomial_tail(std::int64_t n, double p, std::int64_t k);

}  // namespace corvane
