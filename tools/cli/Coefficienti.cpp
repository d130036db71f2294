#include "tools/cli/Coefficienti.h"

namespace {
// Powers of (x, y) of each term.
constexpr int Esponenti[10][2] = {{0, 0}, {1, 0}, {0, 1}, {2, 0}, {1, 1},
                                  {0, 2}, {3, 0}, {2, 1}, {1, 2}, {0, 3}};

int indiceTermine(int i, int j) {
    for (int k = 0; k < 10; ++k)
        if (Esponenti[k][0] == i && Esponenti[k][1] == j)
            return k;
    return -1;
}

// (a + b·t)^n as coefficients of t^0..t^n.
std::array<double, 4> potenzaBinomio(double a, double b, int n) {
    std::array<double, 4> r{1, 0, 0, 0};
    for (int k = 0; k < n; ++k) {
        std::array<double, 4> s{};
        for (int p = 0; p <= k; ++p) {
            s[p] += r[p] * a;
            s[p + 1] += r[p] * b;
        }
        r = s;
    }
    return r;
}
} // namespace

double ValutaPolinomio10(const Coefficienti10& c, double x, double y) {
    return c[0] + c[1] * x + c[2] * y + c[3] * x * x + c[4] * x * y + c[5] * y * y +
           c[6] * x * x * x + c[7] * x * x * y + c[8] * x * y * y + c[9] * y * y * y;
}

Coefficienti10 InFahrenheit(const Coefficienti10& c, double fattore) {
    const double b = 1 / 1.8, a = -32 / 1.8;
    Coefficienti10 r{};
    for (int k = 0; k < 10; ++k) {
        const auto px = potenzaBinomio(a, b, Esponenti[k][0]);
        const auto py = potenzaBinomio(a, b, Esponenti[k][1]);
        for (int p = 0; p <= Esponenti[k][0]; ++p)
            for (int q = 0; q <= Esponenti[k][1]; ++q)
                r[indiceTermine(p, q)] += c[k] * px[p] * py[q];
    }
    for (double& x : r)
        x *= fattore;
    return r;
}
