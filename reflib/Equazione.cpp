#include "reflib/Equazione.h"

#include <algorithm>
#include <cmath>

namespace reflib {

void Equazione::completa() {
    auto quarti = [this](const std::vector<double>& t, std::vector<int>& q) {
        q.clear();
        for (double x : t) {
            const double k = 4 * x;
            const bool quarto = k == std::floor(k) && std::abs(k) <= 400;
            q.push_back(quarto ? int(k) : NonQuarto);
        }
    };
    quarti(polyT, polyQ);
    quarti(espT, espQ);
    espM.resize(espN.size(), 0.0);
    gruppiPolyD.clear();
    gruppiEspD.clear();
    gruppiEspL.clear();
    gruppoPoly.clear();
    gruppoEsp.clear();
    for (int d : polyD) {
        auto it = std::find(gruppiPolyD.begin(), gruppiPolyD.end(), d);
        if (it == gruppiPolyD.end())
            it = gruppiPolyD.insert(gruppiPolyD.end(), d);
        gruppoPoly.push_back(int(it - gruppiPolyD.begin()));
    }
    for (size_t i = 0; i < espD.size(); ++i) {
        size_t g = 0;
        while (g < gruppiEspD.size() && (gruppiEspD[g] != espD[i] || gruppiEspL[g] != espL[i]))
            ++g;
        if (g == gruppiEspD.size()) {
            gruppiEspD.push_back(espD[i]);
            gruppiEspL.push_back(espL[i]);
        }
        gruppoEsp.push_back(int(g));
    }
    dMax = 0;
    lUsati = 0;
    for (int d : polyD)
        dMax = std::max(dMax, d);
    for (int d : espD)
        dMax = std::max(dMax, d);
    for (const TermineGauss& g : gauss)
        dMax = std::max(dMax, g.d);
    for (int l : espL) {
        lUsati |= 1u << l;
        dMax = std::max(dMax, l);
    }
}

void ValutatoreTau::prepara(const Equazione& eq, double tau, bool seconde) {
    if (tau == m_tau && (m_seconde || !seconde))
        return;
    m_tau = tau;
    m_seconde = seconde;
    const double lt = std::log(tau);
    const double it = 1.0 / tau;
    // tau^(k/4): whole powers by repeated squaring, the quarters from square roots; far
    // cheaper than one exp and log per term.
    auto intera = [](double x, int n) {
        double r = 1;
        for (; n; n >>= 1, x *= x)
            if (n & 1)
                r *= x;
        return r;
    };
    const double r2 = std::sqrt(tau), r4 = std::sqrt(r2);
    const double quarto[4] = {1, r4, r2, r2 * r4};
    auto fattori = [&](const std::vector<double>& n, const std::vector<double>& t,
                       const std::vector<int>& q, std::vector<double>& a, std::vector<double>& at) {
        a.resize(n.size());
        at.resize(n.size());
        for (size_t i = 0; i < n.size(); ++i) {
            if (q[i] != Equazione::NonQuarto) {
                const int k = q[i];
                const int intero = k >= 0 ? k / 4 : -((-k + 3) / 4);
                a[i] = n[i] * (intero >= 0 ? intera(tau, intero) : intera(it, -intero)) *
                       quarto[k - 4 * intero];
            } else {
                a[i] = n[i] * std::exp(t[i] * lt);
            }
            at[i] = a[i] * t[i] * it;
        }
    };
    fattori(eq.polyN, eq.polyT, eq.polyQ, m_poly, m_polyT);
    fattori(eq.espN, eq.espT, eq.espQ, m_esp, m_espT);
    for (size_t i = 0; i < eq.espM.size() && i < m_esp.size(); ++i) {
        const double m = eq.espM[i];
        if (m == 0)
            continue;
        const double tm = std::exp(m * lt);
        m_esp[i] *= std::exp(-tm);
        m_espT[i] = m_esp[i] * (eq.espT[i] - m * tm) * it;
    }
    m_gPoly.assign(eq.gruppiPolyD.size(), 0);
    m_gPolyT.assign(eq.gruppiPolyD.size(), 0);
    for (size_t i = 0; i < m_poly.size(); ++i) {
        m_gPoly[size_t(eq.gruppoPoly[i])] += m_poly[i];
        m_gPolyT[size_t(eq.gruppoPoly[i])] += m_polyT[i];
    }
    m_gEsp.assign(eq.gruppiEspD.size(), 0);
    m_gEspT.assign(eq.gruppiEspD.size(), 0);
    for (size_t i = 0; i < m_esp.size(); ++i) {
        m_gEsp[size_t(eq.gruppoEsp[i])] += m_esp[i];
        m_gEspT[size_t(eq.gruppoEsp[i])] += m_espT[i];
    }
    m_gau.resize(eq.gauss.size());
    m_gauT.resize(eq.gauss.size());
    for (size_t i = 0; i < eq.gauss.size(); ++i) {
        const TermineGauss& g = eq.gauss[i];
        const double dt = tau - g.gamma;
        m_gau[i] = g.n * std::exp(g.t * lt - g.beta * dt * dt);
        m_gauT[i] = m_gau[i] * (g.t * it - 2 * g.beta * dt);
    }
    if (seconde) {
        // d2/dtau2 of n tau^t exp(-tau^m) and of the Gaussian factor: a (g^2 + g'), g = d ln a / d
        // tau.
        const double it2 = it * it;
        m_gPolyTT.assign(eq.gruppiPolyD.size(), 0);
        for (size_t i = 0; i < m_poly.size(); ++i) {
            const double t = eq.polyT[i];
            m_gPolyTT[size_t(eq.gruppoPoly[i])] += m_poly[i] * t * (t - 1) * it2;
        }
        m_gEspTT.assign(eq.gruppiEspD.size(), 0);
        for (size_t i = 0; i < m_esp.size(); ++i) {
            const double t = eq.espT[i], m = eq.espM[i];
            const double tm = m == 0 ? 0 : std::exp(m * lt);
            const double g = t - m * tm;
            m_gEspTT[size_t(eq.gruppoEsp[i])] += m_esp[i] * (g * g - t - m * (m - 1) * tm) * it2;
        }
        m_gauTT.resize(eq.gauss.size());
        for (size_t i = 0; i < eq.gauss.size(); ++i) {
            const TermineGauss& g = eq.gauss[i];
            const double d = g.t * it - 2 * g.beta * (tau - g.gamma);
            m_gauTT[i] = m_gau[i] * (d * d - g.t * it2 - 2 * g.beta);
        }
    }
    m_a0t = ideale_t(eq, tau);
    m_viriale = 0;
    for (size_t i = 0; i < m_poly.size(); ++i)
        if (eq.polyD[i] == 1)
            m_viriale += m_poly[i];
    for (size_t i = 0; i < m_esp.size(); ++i)
        if (eq.espD[i] == 1)
            m_viriale += m_esp[i];
    for (size_t i = 0; i < eq.gauss.size(); ++i)
        if (eq.gauss[i].d == 1)
            m_viriale +=
                m_gau[i] * std::exp(-eq.gauss[i].eta * eq.gauss[i].epsilon * eq.gauss[i].epsilon);
}

namespace {

// Adds one critical-region term and its derivatives (the second tau ones when `c` is given).
void aggiungiNonAnalitico(const TermineNonAnalitico& k, double tau, double delta, Residuo& r,
                          ResiduoCompleto* c = nullptr) {
    // The term's derivatives are singular at delta = 1 exactly; a nudge keeps them finite.
    if (std::abs(delta - 1) < 1e-10)
        delta = 1 + 1e-10;
    const double dm1 = delta - 1;
    const double q = dm1 * dm1;
    const double theta = (1 - tau) + k.A * std::pow(q, 1 / (2 * k.beta));
    const double Delta = theta * theta + k.B * std::pow(q, k.a);
    const double psi = std::exp(-k.C * q - k.D * (tau - 1) * (tau - 1));
    const double psi_d = -2 * k.C * dm1 * psi;
    const double psi_dd = (2 * k.C * q - 1) * 2 * k.C * psi;
    const double psi_t = -2 * k.D * (tau - 1) * psi;
    const double qa = std::pow(q, 1 / (2 * k.beta) - 1);
    const double D_d =
        dm1 * (k.A * theta * (2 / k.beta) * qa + 2 * k.B * k.a * std::pow(q, k.a - 1));
    const double D_dd = D_d / dm1 + q * (4 * k.B * k.a * (k.a - 1) * std::pow(q, k.a - 2) +
                                         2 * k.A * k.A * (1 / (k.beta * k.beta)) * qa * qa +
                                         k.A * theta * (4 / k.beta) * (1 / (2 * k.beta) - 1) *
                                             std::pow(q, 1 / (2 * k.beta) - 2));
    double Db, Db_d, Db_dd, Db_t;
    if (Delta == 0) {
        Db = Db_d = Db_dd = Db_t = 0;
    } else {
        Db = std::pow(Delta, k.b);
        const double Db1 = Db / Delta;
        Db_d = k.b * Db1 * D_d;
        Db_dd = k.b * (Db1 * D_dd + (k.b - 1) * (Db1 / Delta) * D_d * D_d);
        Db_t = -2 * theta * k.b * Db1;
    }
    r.ar += k.n * Db * delta * psi;
    r.ar_d += k.n * (Db * (psi + delta * psi_d) + Db_d * delta * psi);
    r.ar_dd += k.n * (Db * (2 * psi_d + delta * psi_dd) + 2 * Db_d * (psi + delta * psi_d) +
                      Db_dd * delta * psi);
    r.ar_t += k.n * delta * (Db_t * psi + Db * psi_t);
    if (!c)
        return;
    // Span and Wagner's second derivatives: d2Delta/dtau2 = 2, dtheta/ddelta from the A term.
    double Db_tt = 0, Db_dt = 0;
    if (Delta != 0) {
        const double Db1 = Db / Delta, Db2 = Db1 / Delta;
        Db_tt = 2 * k.b * Db1 + 4 * theta * theta * k.b * (k.b - 1) * Db2;
        Db_dt =
            -k.A * k.b * (2 / k.beta) * Db1 * dm1 * qa - 2 * theta * k.b * (k.b - 1) * Db2 * D_d;
    }
    const double psi_tt = (2 * k.D * (tau - 1) * (tau - 1) - 1) * 2 * k.D * psi;
    const double psi_dt = 4 * k.C * k.D * dm1 * (tau - 1) * psi;
    c->ar_tt += k.n * delta * (Db_tt * psi + 2 * Db_t * psi_t + Db * psi_tt);
    c->ar_dt += k.n * (Db_t * psi + Db * psi_t) +
                k.n * delta * (Db_dt * psi + Db_t * psi_d + Db_d * psi_t + Db * psi_dt);
}

} // namespace

Residuo ValutatoreTau::residuo(const Equazione& eq, double delta) const {
    // Sums of the terms times 1, delta d/ddelta and delta^2 d2/ddelta2: no negative powers.
    // Powers of delta up to the highest exponent (the reader keeps them below 21).
    double pot[24];
    pot[0] = 1;
    for (int i = 1; i <= eq.dMax; ++i)
        pot[i] = pot[i - 1] * delta;
    double el[16];
    for (int l = 1; l < 16; ++l)
        if (eq.lUsati & (1u << l))
            el[l] = std::exp(-pot[l]);
    double s0 = 0, s1 = 0, s2 = 0, st = 0;
    for (size_t g = 0; g < m_gPoly.size(); ++g) {
        const int d = eq.gruppiPolyD[g];
        const double x = pot[d];
        const double a = m_gPoly[g] * x;
        s0 += a;
        s1 += a * d;
        s2 += a * d * (d - 1);
        st += m_gPolyT[g] * x;
    }
    for (size_t g = 0; g < m_gEsp.size(); ++g) {
        const int d = eq.gruppiEspD[g], l = eq.gruppiEspL[g];
        const double u = pot[l];
        const double x = pot[d] * el[l];
        const double a = m_gEsp[g] * x;
        const double k = d - l * u;
        s0 += a;
        s1 += a * k;
        s2 += a * (k * (k - 1) - l * l * u);
        st += m_gEspT[g] * x;
    }
    for (size_t i = 0; i < eq.gauss.size(); ++i) {
        const TermineGauss& g = eq.gauss[i];
        const double de = delta - g.epsilon;
        const double x = pot[g.d] * std::exp(-g.eta * de * de);
        const double a = m_gau[i] * x;
        const double k = g.d - 2 * g.eta * delta * de;
        s0 += a;
        s1 += a * k;
        s2 += a * (k * k - g.d - 2 * g.eta * delta * delta);
        st += m_gauT[i] * x;
    }
    Residuo r;
    r.ar = s0;
    r.ar_d = s1 / delta;
    r.ar_dd = s2 / (delta * delta);
    r.ar_t = st;
    for (const TermineNonAnalitico& k : eq.nonAnalitici)
        aggiungiNonAnalitico(k, m_tau, delta, r);
    return r;
}

ResiduoCompleto ValutatoreTau::residuoCompleto(const Equazione& eq, double delta) const {
    // As residuo(), with the sums of the tau derivatives times 1 and delta d/ddelta and
    // of the second tau derivatives.
    double pot[24];
    pot[0] = 1;
    for (int i = 1; i <= eq.dMax; ++i)
        pot[i] = pot[i - 1] * delta;
    double el[16];
    for (int l = 1; l < 16; ++l)
        if (eq.lUsati & (1u << l))
            el[l] = std::exp(-pot[l]);
    double s0 = 0, s1 = 0, s2 = 0, st = 0, stt = 0, s1t = 0;
    for (size_t g = 0; g < m_gPoly.size(); ++g) {
        const int d = eq.gruppiPolyD[g];
        const double x = pot[d];
        const double a = m_gPoly[g] * x;
        s0 += a;
        s1 += a * d;
        s2 += a * d * (d - 1);
        st += m_gPolyT[g] * x;
        s1t += m_gPolyT[g] * x * d;
        stt += m_gPolyTT[g] * x;
    }
    for (size_t g = 0; g < m_gEsp.size(); ++g) {
        const int d = eq.gruppiEspD[g], l = eq.gruppiEspL[g];
        const double u = pot[l];
        const double x = pot[d] * el[l];
        const double a = m_gEsp[g] * x;
        const double k = d - l * u;
        s0 += a;
        s1 += a * k;
        s2 += a * (k * (k - 1) - l * l * u);
        st += m_gEspT[g] * x;
        s1t += m_gEspT[g] * x * k;
        stt += m_gEspTT[g] * x;
    }
    for (size_t i = 0; i < eq.gauss.size(); ++i) {
        const TermineGauss& g = eq.gauss[i];
        const double de = delta - g.epsilon;
        const double x = pot[g.d] * std::exp(-g.eta * de * de);
        const double a = m_gau[i] * x;
        const double k = g.d - 2 * g.eta * delta * de;
        s0 += a;
        s1 += a * k;
        s2 += a * (k * k - g.d - 2 * g.eta * delta * delta);
        st += m_gauT[i] * x;
        s1t += m_gauT[i] * x * k;
        stt += m_gauTT[i] * x;
    }
    ResiduoCompleto r;
    r.ar = s0;
    r.ar_d = s1 / delta;
    r.ar_dd = s2 / (delta * delta);
    r.ar_t = st;
    r.ar_tt = stt;
    r.ar_dt = s1t / delta;
    for (const TermineNonAnalitico& k : eq.nonAnalitici)
        aggiungiNonAnalitico(k, m_tau, delta, r, &r);
    return r;
}

ResiduoCompleto residuoCompleto(const Equazione& eq, double tau, double delta) {
    ValutatoreTau v;
    v.prepara(eq, tau, true);
    return v.residuoCompleto(eq, delta);
}

Residuo residuo(const Equazione& eq, double tau, double delta) {
    ValutatoreTau v;
    v.prepara(eq, tau);
    return v.residuo(eq, delta);
}

double residuoAlpha(const Equazione& eq, double tau, double delta) {
    return residuo(eq, tau, delta).ar;
}

double ideale(const Equazione& eq, double tau, double delta) {
    double a = std::log(delta) + eq.a1 + eq.a2 * tau + eq.logTau * std::log(tau);
    for (size_t i = 0; i < eq.potN.size(); ++i)
        a += eq.potN[i] * std::pow(tau, eq.potT[i]);
    for (size_t i = 0; i < eq.planckN.size(); ++i)
        a += eq.planckN[i] * std::log(1 - std::exp(-eq.planckT[i] * tau));
    for (size_t i = 0; i < eq.cp0C.size(); ++i) {
        const double c = eq.cp0C[i], t0 = eq.cp0Tau0[i];
        a += c - c * tau / t0 + c * std::log(tau / t0);
    }
    for (size_t i = 0; i < eq.cpPolyC.size(); ++i) {
        const double c = eq.cpPolyC[i], t = eq.cpPolyT[i], T0 = eq.cpPolyT0[i], Tc = eq.cpPolyTc[i];
        a += -c * std::pow(Tc, t) * std::pow(tau, -t) / (t * (t + 1)) -
             c * std::pow(T0, t + 1) * tau / (Tc * (t + 1)) + c * std::pow(T0, t) / t;
    }
    return a;
}

double ideale_t(const Equazione& eq, double tau) {
    double a = eq.a2 + eq.logTau / tau;
    for (size_t i = 0; i < eq.potN.size(); ++i)
        a += eq.potN[i] * eq.potT[i] * std::pow(tau, eq.potT[i] - 1);
    for (size_t i = 0; i < eq.planckN.size(); ++i)
        a += eq.planckN[i] * eq.planckT[i] / std::expm1(eq.planckT[i] * tau);
    for (size_t i = 0; i < eq.cp0C.size(); ++i)
        a += eq.cp0C[i] * (1 / tau - 1 / eq.cp0Tau0[i]);
    for (size_t i = 0; i < eq.cpPolyC.size(); ++i) {
        const double c = eq.cpPolyC[i], t = eq.cpPolyT[i], T0 = eq.cpPolyT0[i], Tc = eq.cpPolyTc[i];
        a += c * std::pow(Tc, t) * std::pow(tau, -t - 1) / (t + 1) -
             c * std::pow(T0, t + 1) / (Tc * (t + 1));
    }
    return a;
}

double ideale_tt(const Equazione& eq, double tau) {
    double a = -eq.logTau / (tau * tau);
    for (size_t i = 0; i < eq.potN.size(); ++i)
        a += eq.potN[i] * eq.potT[i] * (eq.potT[i] - 1) * std::pow(tau, eq.potT[i] - 2);
    for (size_t i = 0; i < eq.planckN.size(); ++i) {
        const double t = eq.planckT[i], e = std::expm1(t * tau);
        a -= eq.planckN[i] * t * t * (e + 1) / (e * e);
    }
    for (size_t i = 0; i < eq.cp0C.size(); ++i)
        a -= eq.cp0C[i] / (tau * tau);
    for (size_t i = 0; i < eq.cpPolyC.size(); ++i) {
        const double c = eq.cpPolyC[i], t = eq.cpPolyT[i], Tc = eq.cpPolyTc[i];
        a -= c * std::pow(Tc, t) * std::pow(tau, -t - 2);
    }
    return a;
}

} // namespace reflib
