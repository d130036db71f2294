#include "reflib/Fluido.h"

#include <cmath>

namespace reflib {

double Ancillare::valuta(double T) const {
    const double theta = 1 - T / Tr;
    double s = 0;
    for (size_t i = 0; i < n.size(); ++i) s += n[i] * std::pow(theta, t[i]);
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
    m_vap = StatoVapore{};
    m_val = ValutatoreTau{};
}

double Fluido::pressione(double T, double rho) {
    const Residuo r = valutatore(T).residuo(eq, rho / eq.rhor);
    return rho * eq.R * T * (1 + rho / eq.rhor * r.ar_d);
}

double Fluido::entalpia(double T, double rho) {
    const ValutatoreTau& v = valutatore(T);
    const double delta = rho / eq.rhor;
    const Residuo r = v.residuo(eq, delta);
    return eq.R / eq.M * T * (1 + v.tau() * (v.a0_t() + r.ar_t) + delta * r.ar_d);
}

int Fluido::densita(double T, double p, double rho0, bool liquido, double& rho, std::string& errore) {
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
            if (liquido && it < 60) { x *= 1.02; continue; }
            break;
        }
        double passo = (pc - p) / dp;
        double nuovo = x - passo;
        if (nuovo <= 0) nuovo = x / 2;
        if (std::abs(nuovo - x) <= 1e-14 * x) {
            rho = nuovo;
            return Ok;
        }
        x = nuovo;
    }
    errore = nome + ": densita' non trovata a T = " + std::to_string(T) + " K, p = " + std::to_string(p) + " Pa";
    return NonConverge;
}

int Fluido::equilibrio(double T, double& p, double& rhoL, double& rhoV, std::string& errore) {
    // Equal pressure and Gibbs energy in both phases, Newton on the two reduced densities
    // (Akasaka's formulation), started from the ancillary densities.
    const ValutatoreTau& val = valutatore(T);
    double dL = rhol.valuta(T) / eq.rhor, dV = rhov.valuta(T) / eq.rhor;
    for (int it = 0; it < 100; ++it) {
        const Residuo l = val.residuo(eq, dL), v = val.residuo(eq, dV);
        const double JL = dL * (1 + dL * l.ar_d), JV = dV * (1 + dV * v.ar_d);
        const double KL = dL * l.ar_d + l.ar + std::log(dL), KV = dV * v.ar_d + v.ar + std::log(dV);
        const double JdL = 1 + 2 * dL * l.ar_d + dL * dL * l.ar_dd;
        const double JdV = 1 + 2 * dV * v.ar_d + dV * dV * v.ar_dd;
        const double KdL = JdL / dL, KdV = JdV / dV;
        const double f1 = JL - JV, f2 = KL - KV;
        const double det = -JdL * KdV + JdV * KdL;
        if (!(std::abs(det) > 0) || !std::isfinite(det)) break;
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
        if (nL <= 0 || nV <= 0 || nL <= nV) break;
        const bool fatto = std::abs(nL - dL) <= 1e-13 * nL && std::abs(nV - dV) <= 1e-13 * nV;
        dL = nL;
        dV = nV;
        if (fatto) {
            const Residuo r = val.residuo(eq, dV);
            rhoL = dL * eq.rhor;
            rhoV = dV * eq.rhor;
            p = rhoV * eq.R * T * (1 + dV * r.ar_d);
            return Ok;
        }
    }
    errore = nome + ": equilibrio di fase non trovato a T = " + std::to_string(T) + " K";
    return NonConverge;
}

int Fluido::saturazione(double T, std::string& errore) {
    if (T == m_sat.T) return Ok;
    if (!(T >= Tmin) || !(T < Tcrit)) {
        errore = nome + ": T = " + std::to_string(T) + " K fuori dal campo di saturazione ("
                 + std::to_string(Tmin) + " .. " + std::to_string(Tcrit) + " K)";
        return FuoriCampo;
    }
    Saturazione s;
    s.T = T;
    if (pseudoPuro) {
        // The blend's own bubble and dew pressure equations, then the liquid density at
        // the bubble point.
        s.pRugiada = pv.valuta(T);
        const double pB = pl.valuta(T);
        double rhoL = 0;
        if (int e = densita(T, pB, rhol.valuta(T), true, rhoL, errore)) return e;
        s.hL = entalpia(T, rhoL);
    } else {
        double p = 0, rhoL = 0, rhoV = 0;
        if (int e = equilibrio(T, p, rhoL, rhoV, errore)) return e;
        s.pRugiada = p;
        s.hL = entalpia(T, rhoL);
        s.rhoV = rhoV;
        s.hV = entalpia(T, rhoV);
        s.vV = 1 / (rhoV * eq.M);
        s.vaporeNoto = true;
    }
    m_sat = s;
    return Ok;
}

int Fluido::pressioneRugiada(double T, double& p, std::string& errore) {
    if (int e = saturazione(T, errore)) return e;
    p = m_sat.pRugiada;
    return Ok;
}

int Fluido::entalpiaLiquido(double T, double& h, std::string& errore) {
    if (int e = saturazione(T, errore)) return e;
    h = m_sat.hL;
    return Ok;
}

int Fluido::vapore(double T, double p, double& h, double& v, std::string& errore) {
    if (T == m_vap.T && p == m_vap.p) {
        h = m_vap.h;
        v = m_vap.v;
        return Ok;
    }
    if (!(T >= Tmin) || !(T <= Tmax)) {
        errore = nome + ": T = " + std::to_string(T) + " K fuori dal campo dell'equazione ("
                 + std::to_string(Tmin) + " .. " + std::to_string(Tmax) + " K)";
        return FuoriCampo;
    }
    StatoVapore s{T, p, 0, 0};
    if (T == m_sat.T && p == m_sat.pRugiada && m_sat.vaporeNoto) {
        // At its own dew point: the saturated vapour of the phase equilibrium.
        s.h = m_sat.hV;
        s.v = m_sat.vV;
    } else {
        if (T < Tcrit) {
            // Below the dew temperature of p the state is liquid or two-phase. The pure
            // fluids' ancillary is only a close guess of the equation's own curve, hence
            // the margin; the blends' dew curve is that equation itself.
            const double pSat = pseudoPuro ? pv.valuta(T) : ps.valuta(T);
            const double margine = pseudoPuro ? 1e-9 : 5e-3;
            if (p > pSat * (1 + margine)) {
                errore = nome + ": a T = " + std::to_string(T) + " K e p = " + std::to_string(p)
                         + " Pa il refrigerante non e' vapore";
                return FuoriCampo;
            }
        }
        // Newton from the ideal-gas density approaches the vapour root from below and so
        // can never land on the liquid one.
        double rho = 0;
        if (int e = densita(T, p, p / (eq.R * T), false, rho, errore)) return e;
        s.h = entalpia(T, rho);
        s.v = 1 / (rho * eq.M);
    }
    m_vap = s;
    h = s.h;
    v = s.v;
    return Ok;
}

}  // namespace reflib
