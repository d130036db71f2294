#pragma once
// Piecewise Chebyshev expansions of a smooth function of one variable, fitted from its
// values at the Chebyshev-Lobatto points of each interval.
#include <vector>

namespace reflib {

struct TrattoChebyshev {
    double a = 0, b = 0;   // the interval
    std::vector<double> c; // coefficients, first and last already halved
    // Value at x (Clenshaw), and its derivative if asked.
    double valuta(double x, double* derivata = nullptr) const;
};

// Points x_k = mid + half cos(pi k / n), k = 0..n, in increasing order.
std::vector<double> nodiChebyshev(double a, double b, int n);
// Midpoints between those nodes (x = cos(pi (k + 1/2) / n)): where a fit is checked.
std::vector<double> puntiVerifica(double a, double b, int n);
// Coefficients from the values at nodiChebyshev(a, b, n), same order.
TrattoChebyshev adattaChebyshev(double a, double b, const std::vector<double>& valori);

} // namespace reflib
