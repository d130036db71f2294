#include "tools/costruttore/Adattamento.h"

#include <cmath>

namespace {

std::array<double, 10> termini(double te, double tc) {
    return {1,       te,           tc,           te * te,      te * tc,
            tc * tc, te * te * te, te * te * tc, te * tc * tc, tc * tc * tc};
}

} // namespace

double polinomio(const Coefficienti& c, double te, double tc) {
    const auto t = termini(te, tc);
    double s = 0;
    for (int i = 0; i < 10; ++i)
        s += c[i] * t[i];
    return s;
}

double derivataTE(const Coefficienti& c, double te, double tc) {
    return c[1] + 2 * c[3] * te + c[4] * tc + 3 * c[6] * te * te + 2 * c[7] * te * tc +
           c[8] * tc * tc;
}

double derivataTC(const Coefficienti& c, double te, double tc) {
    return c[2] + c[4] * te + 2 * c[5] * tc + c[7] * te * te + 2 * c[8] * te * tc +
           3 * c[9] * tc * tc;
}

// Weighted least squares by Householder QR of the design matrix, each column scaled to unit length
// first: the cubic terms reach 1e5 while the constant is 1, and normal equations would square that
// spread.
bool adatta(const std::vector<PuntoMisura>& punti, Coefficienti* c, QString* errore) {
    const size_t m = punti.size();
    if (m < 10) {
        *errore = QString("%1 points cannot fix ten coefficients").arg(m);
        return false;
    }
    std::vector<std::array<double, 10>> a(m);
    std::vector<double> b(m);
    // Each point weighs by 1/|value|: the fit minimises the relative deviations, which
    // keeps the small capacities at the envelope's cold corner as close as the large ones.
    for (size_t i = 0; i < m; ++i) {
        const double peso = punti[i].valore != 0 ? 1 / std::abs(punti[i].valore) : 1;
        a[i] = termini(punti[i].te, punti[i].tc);
        for (double& x : a[i])
            x *= peso;
        b[i] = punti[i].valore * peso;
    }
    std::array<double, 10> scala{};
    for (int j = 0; j < 10; ++j) {
        double s = 0;
        for (size_t i = 0; i < m; ++i)
            s += a[i][j] * a[i][j];
        scala[j] = s > 0 ? std::sqrt(s) : 1;
        for (size_t i = 0; i < m; ++i)
            a[i][j] /= scala[j];
    }
    for (int k = 0; k < 10; ++k) {
        double norma = 0;
        for (size_t i = k; i < m; ++i)
            norma += a[i][k] * a[i][k];
        norma = std::sqrt(norma);
        if (norma < 1e-9) {
            *errore =
                "the points do not spread over both temperatures enough to fix ten coefficients";
            return false;
        }
        const double alfa = a[k][k] > 0 ? -norma : norma;
        std::vector<double> v(m, 0.0);
        v[k] = a[k][k] - alfa;
        for (size_t i = k + 1; i < m; ++i)
            v[i] = a[i][k];
        double vv = 0;
        for (size_t i = k; i < m; ++i)
            vv += v[i] * v[i];
        for (int j = k; j < 10; ++j) {
            double s = 0;
            for (size_t i = k; i < m; ++i)
                s += v[i] * a[i][j];
            for (size_t i = k; i < m; ++i)
                a[i][j] -= 2 * s / vv * v[i];
        }
        double s = 0;
        for (size_t i = k; i < m; ++i)
            s += v[i] * b[i];
        for (size_t i = k; i < m; ++i)
            b[i] -= 2 * s / vv * v[i];
    }
    Coefficienti x{};
    for (int k = 9; k >= 0; --k) {
        double s = b[k];
        for (int j = k + 1; j < 10; ++j)
            s -= a[k][j] * x[j];
        x[k] = s / a[k][k];
    }
    for (int j = 0; j < 10; ++j)
        x[j] /= scala[j];
    *c = x;
    return true;
}

Deviazione deviazione(const Coefficienti& c, const std::vector<PuntoMisura>& punti) {
    Deviazione d;
    double somma = 0;
    for (const auto& p : punti) {
        const double r = (polinomio(c, p.te, p.tc) - p.valore) / p.valore;
        d.massima = std::max(d.massima, std::abs(r));
        somma += r * r;
    }
    if (!punti.empty())
        d.rms = std::sqrt(somma / double(punti.size()));
    return d;
}

Coefficienti arrotonda(const Coefficienti& c) {
    Coefficienti r{};
    for (int i = 0; i < 10; ++i)
        r[i] = numeroTesto(c[i]).toDouble();
    return r;
}

QString numeroTesto(double v) {
    if (v == 0)
        return "0"; // never "-0"
    return QString::number(v, 'g', 10);
}
