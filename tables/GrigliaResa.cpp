#include "tables/GrigliaResa.h"

#include "engine/Prestazioni.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace {
// Nearest integer, halves to even.
int pari(double v) {
    const int prima = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(prima);
    return static_cast<int>(r);
}
} // namespace

std::vector<CurvaResa> grigliaResa(const RigaCompressore& riga) {
    std::vector<CurvaResa> curve;
    if (!riga.MinTC || !riga.MaxTC || !std::isfinite(*riga.MinTC) || !std::isfinite(*riga.MaxTC))
        return curve;
    DatiCompressore dati;
    CaricaDatiCompressore(dati, riga);
    const int iLo = std::max(0, pari((*riga.MinTC - 30) / 5));
    const int iHi = std::min({MassimoCurve - 1, NumeroBande - 1, pari((*riga.MaxTC - 30) / 5)});
    for (int i = iLo; i <= iHi; ++i) {
        const auto& lo = riga.inviluppo.TEMin[size_t(i)];
        const auto& hi = riga.inviluppo.TEMax[size_t(i)];
        if (!lo || !hi)
            continue;
        CurvaResa c;
        c.Tc = 30 + 5 * i;
        // The whole envelope, 4 K apart from its minimum, closed at its maximum.
        std::vector<double> te;
        for (int k = 0; *lo + 4 * k <= *hi; ++k)
            te.push_back(*lo + 4 * k);
        if (te.empty() || te.back() < *hi)
            te.push_back(*hi);
        for (double t : te) {
            const double r = Polinomio(dati.WR, t, c.Tc), w = Polinomio(dati.WA, t, c.Tc);
            if (!std::isfinite(r) || !std::isfinite(w))
                continue;
            c.punti.push_back({t, r, w});
        }
        if (!c.punti.empty())
            curve.push_back(std::move(c));
    }
    return curve;
}
