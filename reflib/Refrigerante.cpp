#include "reflib/Refrigerante.h"

#include <cmath>
#include <string>

namespace reflib {

namespace {

// Saturation temperature at p on the dew or the bubble curve: regula falsi (Illinois) on
// ln p against 1/T, nearly a straight line, bracketed by the curve's ends.
int temperaturaSaturazione(Refrigerante& r, bool rugiada, double p, double& T,
                           std::string& errore) {
    auto f = [&](double t, double& y) {
        double ps = 0;
        const int e = rugiada ? r.pressioneRugiada(t, ps, errore) : r.pressioneBolla(t, ps, errore);
        y = std::log(ps / p);
        return e;
    };
    double ta = r.tMinSaturazione(), tb = 0;
    double fa = 0, fb = 0;
    if (int e = f(ta, fa))
        return e;
    // The equilibrium solve may fail a hair below the critical point (R1234yf does): the
    // bracket's upper end backs off until it is solved.
    for (double scosta : {1e-9, 1e-7, 1e-5, 1e-3, 1e-2}) {
        tb = r.tMaxSaturazione() * (1 - scosta);
        const int e = f(tb, fb);
        if (e == Ok)
            break;
        if (scosta == 1e-2)
            return e;
    }
    if (fa > 0 || fb < 0) {
        errore = r.nome + ": p = " + std::to_string(p) + " Pa fuori dal campo di saturazione";
        return FuoriCampo;
    }
    double xa = 1 / ta, xb = 1 / tb;
    int lato = 0;
    for (int it = 0; it < 100; ++it) {
        const double x = (xa * fb - xb * fa) / (fb - fa);
        double fx = 0;
        if (int e = f(1 / x, fx))
            return e;
        if (fx == 0 || std::abs(1 / xa - 1 / xb) < 1e-10) {
            T = 1 / x;
            return Ok;
        }
        if ((fx > 0) == (fa > 0)) {
            xa = x;
            fa = fx;
            if (lato == -1)
                fb /= 2;
            lato = -1;
        } else {
            xb = x;
            fb = fx;
            if (lato == 1)
                fa /= 2;
            lato = 1;
        }
        if (std::abs(fx) < 1e-14) {
            T = 1 / x;
            return Ok;
        }
    }
    errore = r.nome + ": temperatura di saturazione non trovata a p = " + std::to_string(p) + " Pa";
    return NonConverge;
}

} // namespace

int Refrigerante::glide(double p, double& tBolla, double& tRugiada, std::string& errore) {
    double tb = 0, td = 0;
    if (int e = temperaturaSaturazione(*this, false, p, tb, errore))
        return e;
    if (int e = temperaturaSaturazione(*this, true, p, td, errore))
        return e;
    tBolla = tb;
    tRugiada = td;
    return Ok;
}

int Refrigerante::isentropica(double p, double s, double tPartenza, Proprieta& r,
                              std::string& errore) {
    // Newton on T, (ds/dT)_p = cp / T, kept on the vapour side: a start or a step that
    // lands below the dew temperature of p is moved back up.
    double T = tPartenza, tValida = 0;
    for (int it = 0; it < 60; ++it) {
        Proprieta q;
        const int e = statoVaporeCpDifferenze(T, p, q, errore);
        if (e == FuoriCampo && T < tMaxSaturazione() + 50) {
            T = tValida > 0 ? 0.5 * (T + tValida) : T + 10;
            continue;
        }
        if (e)
            return e;
        if (!std::isfinite(q.cp) || !(q.cp > 0))
            break;
        tValida = T;
        const double passo = (s - q.s) * T / q.cp;
        if (std::abs(passo) < 1e-9 * T) {
            if (int e2 = statoVapore(T + passo, p, r, errore))
                return e2;
            return Ok;
        }
        T += std::max(-0.2 * T, std::min(0.2 * T, passo));
    }
    errore = nome + ": compressione isentropica non risolta a p = " + std::to_string(p) + " Pa";
    return NonConverge;
}

} // namespace reflib
