#include "reflib/Chebyshev.h"

#include <cmath>
#include <numbers>

namespace reflib {

std::vector<double> nodiChebyshev(double a, double b, int n) {
    std::vector<double> x(size_t(n) + 1);
    // k = n .. 0 gives increasing x; the ends are set exactly.
    for (int k = 0; k <= n; ++k)
        x[size_t(k)] = 0.5 * (a + b) - 0.5 * (b - a) * std::cos(std::numbers::pi * k / n);
    x.front() = a;
    x.back() = b;
    return x;
}

std::vector<double> puntiVerifica(double a, double b, int n) {
    std::vector<double> x(static_cast<size_t>(n), 0.0);
    for (int k = 0; k < n; ++k)
        x[size_t(k)] = 0.5 * (a + b) - 0.5 * (b - a) * std::cos(std::numbers::pi * (k + 0.5) / n);
    return x;
}

TrattoChebyshev adattaChebyshev(double a, double b, const std::vector<double>& valori) {
    // valori[k] is f at u = -cos(pi k / n); with j = n - k, u = cos(pi j / n).
    const int n = int(valori.size()) - 1;
    TrattoChebyshev t;
    t.a = a;
    t.b = b;
    t.c.assign(size_t(n) + 1, 0.0);
    for (int i = 0; i <= n; ++i) {
        double s = 0;
        for (int j = 0; j <= n; ++j) {
            const double w = (j == 0 || j == n) ? 0.5 : 1.0;
            s += w * valori[size_t(n - j)] * std::cos(std::numbers::pi * double(i) * double(j) / n);
        }
        t.c[size_t(i)] = 2.0 / n * s * ((i == 0 || i == n) ? 0.5 : 1.0);
    }
    return t;
}

double TrattoChebyshev::valuta(double x, double* derivata) const {
    const double u = (2 * x - a - b) / (b - a);
    // Forward recurrence of T_k and T_k' (degrees stay small, |u| <= 1).
    double t0 = 1, t1 = u, d0 = 0, d1 = 1;
    double f = c[0] + (c.size() > 1 ? c[1] * u : 0.0), df = c.size() > 1 ? c[1] : 0.0;
    for (size_t k = 2; k < c.size(); ++k) {
        const double t2 = 2 * u * t1 - t0;
        const double d2 = 2 * t1 + 2 * u * d1 - d0;
        f += c[k] * t2;
        df += c[k] * d2;
        t0 = t1;
        t1 = t2;
        d0 = d1;
        d1 = d2;
    }
    if (derivata)
        *derivata = df * 2 / (b - a);
    return f;
}

} // namespace reflib
