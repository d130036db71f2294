#include "reflib/Fluido.h"

#include <algorithm>
#include <cmath>

namespace reflib {

double Ancillare::valuta(double T) const {
    const double theta = 1 - T / Tr;
    double s = 0;
    if (theta > 0) {
        const double lt = std::log(theta);
        for (size_t i = 0; i < n.size(); ++i)
            s += n[i] * std::exp(t[i] * lt);
    }
    switch (forma) {
    case Forma::Lineare:
        return valoreRid * (1 + s);
    case Forma::Pressione:
    case Forma::Esponenziale:
        break;
    }
    return valoreRid * std::exp(tauR ? s * Tr / T : s);
}

const ValutatoreTau& Fluido::valutatore(double T) {
    m_val.prepara(eq, eq.Tr / T);
    return m_val;
}

void Fluido::dimentica() {
    m_sat = Saturazione{};
    m_vap.dimentica();
    m_val.dimentica();
}

double Fluido::pressione(double T, double rho) {
    const Residuo r = valutatore(T).residuo(eq, rho / eq.rhor);
    return rho * eq.R * T * (1 + rho / eq.rhor * r.ar_d);
}

double Fluido::entalpia(double T, double rho) {
    return entalpia(T, rho, valutatore(T).residuo(eq, rho / eq.rhor));
}

double Fluido::entalpia(double T, double rho, const Residuo& r) {
    const ValutatoreTau& v = valutatore(T);
    return eq.R / eq.M * T * (1 + v.tau() * (v.a0_t() + r.ar_t) + rho / eq.rhor * r.ar_d);
}

int Fluido::densita(double T, double p, double rho0, bool liquido, double& rho,
                    std::string& errore) {
    const ValutatoreTau& val = valutatore(T);
    const double RT = eq.R * T;
    double x = rho0;
    for (int it = 0; it < 100; ++it) {
        const double delta = x / eq.rhor;
        const Residuo r = val.residuo(eq, delta);
        const double pc = x * RT * (1 + delta * r.ar_d);
        const double dp = RT * (1 + 2 * delta * r.ar_d + delta * delta * r.ar_dd);
        if (!(dp > 0) || !std::isfinite(pc)) {
            // Past a spinodal: step back towards the branch we started on.
            if (it < 60) {
                if (liquido)
                    x *= 1.02;
                else
                    x = std::min(x, p / RT) / 2;
                continue;
            }
            break;
        }
        double passo = (pc - p) / dp;
        double nuovo = x - passo;
        if (nuovo <= 0)
            nuovo = x / 2;
        // Newton converges quadratically: after a step this small the density is within
        // about 1e-11.
        if (std::abs(nuovo - x) <= 1e-6 * x) {
            rho = nuovo;
            return Ok;
        }
        x = nuovo;
    }
    errore = nome + ": densita' non trovata a T = " + std::to_string(T) +
             " K, p = " + std::to_string(p) + " Pa";
    return NonConverge;
}

void Fluido::preparaTabella() {
    m_tabPronta = true;
    m_tab.clear();
    m_tabT0 = Tmin;
    std::string errore;
    for (double T = Tmin; T < Tcrit - 1; T = m_tabT0 + PassoTabella * double(m_tab.size())) {
        // Start from the previous points (extrapolated), or from the ancillaries.
        double dL = rhol.valuta(T) / eq.rhor, dV = rhov.valuta(T) / eq.rhor;
        const size_t n = m_tab.size();
        if (n >= 3) {
            dL = 3 * m_tab[n - 1].dL - 3 * m_tab[n - 2].dL + m_tab[n - 3].dL;
            dV = 3 * m_tab[n - 1].dV - 3 * m_tab[n - 2].dV + m_tab[n - 3].dV;
        }
        PuntoSat punto{};
        if (pseudoPuro) {
            double rL = 0, rV = 0;
            if (densita(T, pl.valuta(T), dL * eq.rhor, true, rL, errore))
                break;
            const double pV = pv.valuta(T);
            const ValutatoreTau& val = valutatore(T);
            const double pi = pV / (eq.R * T * eq.rhor), disc = 1 + 4 * val.viriale() * pi;
            const double dV0 = n >= 3 ? dV : (disc > 0 ? 2 * pi / (1 + std::sqrt(disc)) : pi);
            if (densita(T, pV, dV0 * eq.rhor, false, rV, errore))
                break;
            punto = {rL / eq.rhor, rV / eq.rhor};
        } else {
            double rL = 0, rV = 0;
            Residuo l, v;
            if (equilibrio(T, dL, dV, rL, rV, l, v, errore))
                break;
            punto = {rL / eq.rhor, rV / eq.rhor};
        }
        m_tab.push_back(punto);
    }
}

bool Fluido::partenza(double T, double& dL, double& dV) {
    if (!m_tabPronta)
        preparaTabella();
    const double x = (T - m_tabT0) / PassoTabella;
    const long n = long(m_tab.size());
    if (n >= 3 && x >= 0 && x <= double(n - 1)) {
        const long i = std::clamp(long(std::lround(x)), 1L, n - 2);
        const double u = x - double(i);
        auto q = [u](double a, double b, double c) {
            return b + u * (c - a) / 2 + u * u * (c - 2 * b + a) / 2;
        };
        dL = q(m_tab[i - 1].dL, m_tab[i].dL, m_tab[i + 1].dL);
        dV = q(m_tab[i - 1].dV, m_tab[i].dV, m_tab[i + 1].dV);
        return true;
    }
    dL = rhol.valuta(T) / eq.rhor;
    dV = rhov.valuta(T) / eq.rhor;
    return false;
}

bool Fluido::continua(double T, double& rhoL, double& rhoV, Residuo& l, Residuo& v,
                      std::string& errore) {
    // Close to the critical point the ancillaries can be too far off for Newton: walk
    // there from the last tabulated point, each solution starting the next.
    if (m_tab.empty())
        return false;
    const double T0 = m_tabT0 + PassoTabella * double(m_tab.size() - 1);
    if (!(T > T0))
        return false;
    double dL = m_tab.back().dL, dV = m_tab.back().dV;
    const int passi = 16;
    for (int j = 1; j <= passi; ++j) {
        const double x = double(j) / passi;
        const double Tj = T0 + (T - T0) * (1 - (1 - x) * (1 - x));
        double rL = 0, rV = 0;
        if (equilibrio(Tj, dL, dV, rL, rV, l, v, errore))
            return false;
        dL = rL / eq.rhor;
        dV = rV / eq.rhor;
    }
    rhoL = dL * eq.rhor;
    rhoV = dV * eq.rhor;
    errore.clear();
    return true;
}

int Fluido::equilibrio(double T, double& p, double& rhoL, double& rhoV, std::string& errore) {
    Residuo l, v;
    double dL = 0, dV = 0;
    partenza(T, dL, dV);
    if (int e = equilibrio(T, dL, dV, rhoL, rhoV, l, v, errore)) {
        if (!continua(T, rhoL, rhoV, l, v, errore))
            return e;
    }
    p = rhoV * eq.R * T * (1 + rhoV / eq.rhor * v.ar_d);
    return Ok;
}

int Fluido::equilibrio(double T, double dL, double dV, double& rhoL, double& rhoV, Residuo& l,
                       Residuo& v, std::string& errore) {
    // Equal pressure and Gibbs energy in both phases, Newton on the two reduced densities
    // (Akasaka's formulation).
    const ValutatoreTau& val = valutatore(T);
    bool fatto = false;
    for (int it = 0; it < 100; ++it) {
        l = val.residuo(eq, dL);
        v = val.residuo(eq, dV);
        if (fatto) {
            rhoL = dL * eq.rhor;
            rhoV = dV * eq.rhor;
            return Ok;
        }
        const double JL = dL * (1 + dL * l.ar_d), JV = dV * (1 + dV * v.ar_d);
        const double KL = dL * l.ar_d + l.ar + std::log(dL), KV = dV * v.ar_d + v.ar + std::log(dV);
        const double JdL = 1 + 2 * dL * l.ar_d + dL * dL * l.ar_dd;
        const double JdV = 1 + 2 * dV * v.ar_d + dV * dV * v.ar_dd;
        const double KdL = JdL / dL, KdV = JdV / dV;
        const double f1 = JL - JV, f2 = KL - KV;
        const double det = -JdL * KdV + JdV * KdL;
        if (!(std::abs(det) > 0) || !std::isfinite(det))
            break;
        // [JdL -JdV; KdL -KdV] [xL; xV] = -[f1; f2]
        const double xL = (-f1 * -KdV - -JdV * -f2) / det;
        const double xV = (JdL * -f2 - KdL * -f1) / det;
        double nL = dL + xL, nV = dV + xV;
        // Keep both densities positive and the phases apart.
        double k = 1;
        while ((nL <= 0 || nV <= 0 || nL <= nV) && k > 1e-3) {
            k /= 2;
            nL = dL + k * xL;
            nV = dV + k * xV;
        }
        if (nL <= 0 || nV <= 0 || nL <= nV)
            break;
        // Both densities running together is the trivial solution, not an equilibrium.
        if (nL - nV < 1e-6 * nL)
            break;
        // Quadratic convergence (the error roughly 5 times the square of the step): after a
        // step this small the new densities are within a few 1e-12.
        fatto = std::abs(nL - dL) <= 1e-6 * nL && std::abs(nV - dV) <= 1e-6 * nV;
        dL = nL;
        dV = nV;
    }
    errore = nome + ": equilibrio di fase non trovato a T = " + std::to_string(T) + " K";
    return NonConverge;
}

int Fluido::saturazione(double T, std::string& errore) {
    if (T == m_sat.T)
        return Ok;
    if (!(T >= Tmin) || !(T < Tcrit)) {
        errore = nome + ": T = " + std::to_string(T) + " K fuori dal campo di saturazione (" +
                 std::to_string(Tmin) + " .. " + std::to_string(Tcrit) + " K)";
        return FuoriCampo;
    }
    Saturazione s;
    s.T = T;
    if (pseudoPuro) {
        // The blend's own bubble and dew pressure equations, then the liquid density at
        // the bubble point.
        s.pRugiada = pv.valuta(T);
        const double pB = pl.valuta(T);
        double rhoL = 0, dL0 = 0, dV0 = 0;
        partenza(T, dL0, dV0);
        if (int e = densita(T, pB, dL0 * eq.rhor, true, rhoL, errore))
            return e;
        s.hL = entalpia(T, rhoL);
        s.rhoL = rhoL;
    } else {
        double rhoL = 0, rhoV = 0, dL0 = 0, dV0 = 0;
        Residuo l, v;
        partenza(T, dL0, dV0);
        if (int e = equilibrio(T, dL0, dV0, rhoL, rhoV, l, v, errore)) {
            if (!continua(T, rhoL, rhoV, l, v, errore))
                return e;
        }
        s.pRugiada = rhoV * eq.R * T * (1 + rhoV / eq.rhor * v.ar_d);
        s.hL = entalpia(T, rhoL, l);
        s.rhoL = rhoL;
        s.rhoV = rhoV;
        s.hV = entalpia(T, rhoV, v);
        s.vV = 1 / (rhoV * eq.M);
        s.vaporeNoto = true;
    }
    // A data file whose coefficients overflow gives no figure at all: never remembered as one.
    if (!std::isfinite(s.pRugiada) || !std::isfinite(s.hL) || !std::isfinite(s.hV) ||
        !std::isfinite(s.vV)) {
        errore =
            nome + ": a T = " + std::to_string(T) + " K la saturazione non da' un numero finito";
        return NonConverge;
    }
    m_sat = s;
    return Ok;
}

int Fluido::pressioneRugiada(double T, double& p, std::string& errore) {
    if (int e = saturazione(T, errore))
        return e;
    p = m_sat.pRugiada;
    return Ok;
}

int Fluido::entalpiaLiquido(double T, double& h, std::string& errore) {
    if (int e = saturazione(T, errore))
        return e;
    h = m_sat.hL;
    return Ok;
}

int Fluido::densitaVapore(double T, double p, double& rho, std::string& errore) {
    if (!(T >= Tmin) || !(T <= Tmax)) {
        errore = nome + ": T = " + std::to_string(T) + " K fuori dal campo dell'equazione (" +
                 std::to_string(Tmin) + " .. " + std::to_string(Tmax) + " K)";
        return FuoriCampo;
    }
    // A temperature at or above that of the remembered dew point at this pressure is
    // vapour; otherwise compare with the dew curve.
    const bool surriscaldato = p == m_sat.pRugiada && T >= m_sat.T;
    if (T < Tcrit && !surriscaldato) {
        // Below the dew temperature of p the state is liquid or two-phase; a pressure above
        // the dew pressure by no more than a rounding (a dew pressure computed elsewhere)
        // is still the saturated vapour. The pseudo-pure blends' dew curve is their
        // equation; the pure fluids' ancillary only a close guess of the equation's own
        // curve, which is solved when the state is near it.
        double pSat = pseudoPuro ? pv.valuta(T) : ps.valuta(T);
        if (!pseudoPuro && p > pSat * (1 - 5e-3)) {
            double rL = 0, rV = 0;
            std::string e;
            if (T == m_sat.T)
                pSat = m_sat.pRugiada;
            else if (equilibrio(T, pSat, rL, rV, e) != Ok)
                pSat = ps.valuta(T) * (1 - 5e-3);
        }
        if (p > pSat * (1 + 1e-6)) {
            errore = nome + ": a T = " + std::to_string(T) + " K e p = " + std::to_string(p) +
                     " Pa il refrigerante non e' vapore";
            return FuoriCampo;
        }
    }
    // Start from the second-virial density: Newton then falls below the vapour root at
    // most once and climbs to it from there, never reaching the liquid one.
    const double pi = p / (eq.R * T * eq.rhor);
    const double B = valutatore(T).viriale();
    const double disc = 1 + 4 * B * pi;
    const double delta0 = disc > 0 ? 2 * pi / (1 + std::sqrt(disc)) : pi;
    if (int e = densita(T, p, delta0 * eq.rhor, false, rho, errore))
        return e;
    if (T < Tcrit) {
        // Belt and braces: a vapour below the critical temperature is never denser than
        // midway between the saturated phases (where the table knows them).
        double dL = 0, dV = 0;
        if (partenza(T, dL, dV) && rho / eq.rhor > (dL + dV) / 2) {
            errore = nome + ": a T = " + std::to_string(T) + " K e p = " + std::to_string(p) +
                     " Pa trovata solo la densita' del liquido";
            return NonConverge;
        }
    }
    return Ok;
}

int Fluido::vapore(double T, double p, double& h, double& v, std::string& errore) {
    if (m_vap.trova(T, p, h, v))
        return Ok;
    double hV = 0, vV = 0;
    if (T == m_sat.T && p == m_sat.pRugiada && m_sat.vaporeNoto) {
        // At its own dew point: the saturated vapour of the phase equilibrium.
        hV = m_sat.hV;
        vV = m_sat.vV;
    } else {
        double rho = 0;
        if (int e = densitaVapore(T, p, rho, errore))
            return e;
        hV = entalpia(T, rho);
        vV = 1 / (rho * eq.M);
    }
    if (!std::isfinite(hV) || !std::isfinite(vV)) {
        errore = nome + ": a T = " + std::to_string(T) + " K e p = " + std::to_string(p) +
                 " Pa il vapore non da' un numero finito";
        return NonConverge;
    }
    m_vap.ricorda(T, p, hV, vV);
    h = hV;
    v = vV;
    return Ok;
}

double Fluido::entropia(double T, double rho) {
    const ValutatoreTau& v = valutatore(T);
    const double delta = rho / eq.rhor;
    const Residuo r = v.residuo(eq, delta);
    return eq.R * (v.tau() * (v.a0_t() + r.ar_t) - ideale(eq, v.tau(), delta) - r.ar);
}

void Fluido::proprieta(double T, double rho, Proprieta& r) {
    r.T = T;
    r.p = pressione(T, rho);
    r.v = 1 / (rho * eq.M);
    r.h = entalpia(T, rho);
    r.s = entropia(T, rho) / eq.M;
    // cp = cv + T (dp/dT)^2_rho / (rho^2 dp/drho_T), in the reduced derivatives.
    const double tau = eq.Tr / T, delta = rho / eq.rhor;
    m_val.prepara(eq, tau, true);
    const ResiduoCompleto c = m_val.residuoCompleto(eq, delta);
    const double cv = -tau * tau * (ideale_tt(eq, tau) + c.ar_tt);
    const double num = 1 + delta * c.ar_d - delta * tau * c.ar_dt;
    r.cp = eq.R / eq.M * (cv + num * num / (1 + 2 * delta * c.ar_d + delta * delta * c.ar_dd));
}

int Fluido::pressioneBolla(double T, double& p, std::string& errore) {
    if (!pseudoPuro)
        return pressioneRugiada(T, p, errore);
    if (int e = saturazione(T, errore))
        return e;
    p = pl.valuta(T);
    return Ok;
}

int Fluido::liquidoSaturo(double T, Proprieta& r, std::string& errore) {
    if (int e = saturazione(T, errore))
        return e;
    const Saturazione s = m_sat;
    proprieta(T, s.rhoL, r);
    r.h = s.hL;
    return pressioneBolla(T, r.p, errore);
}

int Fluido::vaporeSaturo(double T, Proprieta& r, std::string& errore) {
    double p = 0;
    if (int e = pressioneRugiada(T, p, errore))
        return e;
    if (m_sat.vaporeNoto) {
        const Saturazione s = m_sat;
        proprieta(T, s.rhoV, r);
        r.p = s.pRugiada;
        r.h = s.hV;
        return Ok;
    }
    return statoVapore(T, p, r, errore);
}

int Fluido::statoVapore(double T, double p, Proprieta& r, std::string& errore) {
    double rho = 0;
    if (int e = densitaVapore(T, p, rho, errore))
        return e;
    proprieta(T, rho, r);
    r.p = p;
    return Ok;
}

int Fluido::statoVaporeCpDifferenze(double T, double p, Proprieta& r, std::string& errore) {
    double rho = 0;
    if (int e = densitaVapore(T, p, rho, errore))
        return e;
    proprieta(T, rho, r);
    // The vapour densities at T -+ dT on the isobar, each from its second-virial start.
    const double dT = 1e-5 * T;
    double h2[2];
    for (int k = 0; k < 2; ++k) {
        const double Tk = T + (k ? dT : -dT);
        const double pi = r.p / (eq.R * Tk * eq.rhor), B = valutatore(Tk).viriale(),
                     disc = 1 + 4 * B * pi;
        const double r0 = (disc > 0 ? 2 * pi / (1 + std::sqrt(disc)) : pi) * eq.rhor;
        double rk = 0;
        std::string e;
        if (densita(Tk, r.p, r0, false, rk, e)) {
            r.cp = std::nan("");
            r.p = p;
            return Ok;
        }
        h2[k] = entalpia(Tk, rk);
    }
    r.cp = (h2[1] - h2[0]) / (2 * dT);
    r.p = p;
    return Ok;
}

} // namespace reflib
