#include "reflib/Miscela.h"

#include <algorithm>
#include <cmath>

namespace reflib {

double ModelloMiscela::tCriticaIdeale(int i) const {
    const Fluido& f = *componenti[size_t(i)];
    return f.TcritMiscela > 0 ? f.TcritMiscela : f.Tcrit;
}

void ModelloMiscela::prepara() {
    for (CoppiaMiscela& c : coppie) {
        const Equazione& a = componenti[size_t(c.i)]->eq;
        const Equazione& b = componenti[size_t(c.j)]->eq;
        c.bT2 = c.betaT * c.betaT;
        c.bV2 = c.betaV * c.betaV;
        c.kT = c.betaT * c.gammaT * std::sqrt(a.Tr * b.Tr);
        const double s = std::cbrt(1 / a.rhor) + std::cbrt(1 / b.rhor);
        c.kV = c.betaV * c.gammaV * s * s * s / 8;
        c.partenza.completa();
    }
    m_valComp.assign(componenti.size(), ValutatoreTau{});
    m_valCopp.assign(coppie.size(), ValutatoreTau{});
}

void ModelloMiscela::riduzione(const double* x, double& Tr, double& vr, double* Tr_x, double* vr_x,
                               double* Tr_xx, double* vr_xx) const {
    const int N = n();
    Tr = 0;
    vr = 0;
    if (Tr_xx) {
        std::fill(Tr_xx, Tr_xx + N * N, 0.0);
        std::fill(vr_xx, vr_xx + N * N, 0.0);
    }
    for (int i = 0; i < N; ++i) {
        const Equazione& e = componenti[size_t(i)]->eq;
        Tr += x[i] * x[i] * e.Tr;
        vr += x[i] * x[i] / e.rhor;
        Tr_x[i] = 2 * x[i] * e.Tr;
        vr_x[i] = 2 * x[i] / e.rhor;
        if (Tr_xx) {
            Tr_xx[i * N + i] = 2 * e.Tr;
            vr_xx[i * N + i] = 2 / e.rhor;
        }
    }
    // 2 x_i x_j (x_i + x_j) / (beta^2 x_i + x_j) times the pair's constant: f = g / D with
    // g = x_i x_j (x_i + x_j), D = beta^2 x_i + x_j.
    for (const CoppiaMiscela& c : coppie) {
        const double xi = x[c.i], xj = x[c.j];
        auto termine = [&](double b2, double k, double& Y, double* Y_x, double* Y_xx) {
            const double D = b2 * xi + xj;
            if (!(D > 0))
                return;
            const double S = xi + xj;
            const double f = xi * xj * S / D;
            const double fi = (xj * S + xi * xj) / D - f * b2 / D;
            const double fj = (xi * S + xi * xj) / D - f / D;
            Y += 2 * k * f;
            Y_x[c.i] += 2 * k * fi;
            Y_x[c.j] += 2 * k * fj;
            if (!Y_xx)
                return;
            const double g = xi * xj * S, gi = 2 * xi * xj + xj * xj, gj = xi * xi + 2 * xi * xj;
            const double D2 = D * D, D3 = D2 * D;
            const double fii = 2 * xj / D - 2 * gi * b2 / D2 + 2 * g * b2 * b2 / D3;
            const double fjj = 2 * xi / D - 2 * gj / D2 + 2 * g / D3;
            const double fij = 2 * S / D - gi / D2 - gj * b2 / D2 + 2 * g * b2 / D3;
            Y_xx[c.i * N + c.i] += 2 * k * fii;
            Y_xx[c.j * N + c.j] += 2 * k * fjj;
            Y_xx[c.i * N + c.j] += 2 * k * fij;
            Y_xx[c.j * N + c.i] += 2 * k * fij;
        };
        termine(c.bT2, c.kT, Tr, Tr_x, Tr_xx);
        termine(c.bV2, c.kV, vr, vr_x, vr_xx);
    }
}

void ModelloMiscela::valuta(double T, double rho, const double* x, bool composizione,
                            StatoMiscela& s) {
    const int N = n();
    double Tr_x[MaxComponenti], vr_x[MaxComponenti];
    riduzione(x, s.Tr, s.vr, Tr_x, vr_x);
    s.tau = s.Tr / T;
    s.delta = rho * s.vr;
    s.R = 0;
    s.M = 0;
    s.ar = s.ar_d = s.ar_dd = s.ar_t = 0;
    s.R = CostanteGas;
    for (int i = 0; i < N; ++i) {
        const Equazione& e = componenti[size_t(i)]->eq;
        s.M += x[i] * e.M;
        ValutatoreTau& v = m_valComp[size_t(i)];
        v.prepara(e, s.tau);
        const Residuo r = v.residuo(e, s.delta);
        s.ar += x[i] * r.ar;
        s.ar_d += x[i] * r.ar_d;
        s.ar_dd += x[i] * r.ar_dd;
        s.ar_t += x[i] * r.ar_t;
        s.ar_x[size_t(i)] = r.ar;
    }
    for (size_t k = 0; k < coppie.size(); ++k) {
        const CoppiaMiscela& c = coppie[k];
        if (c.F == 0)
            continue;
        ValutatoreTau& v = m_valCopp[k];
        v.prepara(c.partenza, s.tau);
        const Residuo r = v.residuo(c.partenza, s.delta);
        const double w = x[c.i] * x[c.j] * c.F;
        s.ar += w * r.ar;
        s.ar_d += w * r.ar_d;
        s.ar_dd += w * r.ar_dd;
        s.ar_t += w * r.ar_t;
        s.ar_x[size_t(c.i)] += x[c.j] * c.F * r.ar;
        s.ar_x[size_t(c.j)] += x[c.i] * c.F * r.ar;
    }
    if (!composizione)
        return;
    // Kunz and Wagner: n (d alphar / d n_i) = delta alphar_delta (1 - n (d rho_r/d n_i) / rho_r)
    //   + tau alphar_tau n (d T_r / d n_i) / T_r + alphar_x_i - sum_k x_k alphar_x_k,
    // with n dY/dn_i = Y_x_i - sum_k x_k Y_x_k and -d rho_r / rho_r = d v_r / v_r.
    double sx = 0, sT = 0, sV = 0;
    for (int k = 0; k < N; ++k) {
        sx += x[k] * s.ar_x[size_t(k)];
        sT += x[k] * Tr_x[k];
        sV += x[k] * vr_x[k];
    }
    const double dd = s.delta * s.ar_d, tt = s.tau * s.ar_t;
    for (int i = 0; i < N; ++i)
        s.dnar[size_t(i)] = s.ar + dd * (1 + (vr_x[i] - sV) / s.vr) + tt * (Tr_x[i] - sT) / s.Tr +
                            s.ar_x[size_t(i)] - sx;
}

double ModelloMiscela::pressione(double T, double rho, const double* x) {
    StatoMiscela s;
    valuta(T, rho, x, false, s);
    return rho * s.R * T * (1 + s.delta * s.ar_d);
}

double ModelloMiscela::entalpia(double T, double rho, const double* x,
                                const StatoMiscela& s) const {
    // Each component's ideal-gas part at its own reduced temperature.
    double a0t = 0;
    for (int i = 0; i < n(); ++i) {
        if (x[i] == 0)
            continue;
        const Equazione& e = componenti[size_t(i)]->eq;
        const double ti = tCriticaIdeale(i) / T;
        a0t += x[i] * ti * ideale_t(e, ti);
    }
    (void)rho;
    return s.R * T * (1 + a0t + s.tau * s.ar_t + s.delta * s.ar_d);
}

double ModelloMiscela::entropia(double T, double rho, const double* x,
                                const StatoMiscela& s) const {
    double a = 0;
    for (int i = 0; i < n(); ++i) {
        if (x[i] == 0)
            continue;
        const Equazione& e = componenti[size_t(i)]->eq;
        const double ti = tCriticaIdeale(i) / T;
        a += x[i] * (ti * ideale_t(e, ti) - ideale(e, ti, rho / e.rhor) - std::log(x[i]));
    }
    return s.R * (a + s.tau * s.ar_t - s.ar);
}

void ModelloMiscela::fugacita(double T, double lnRho, const double* x, double& p, double* lnf) {
    StatoMiscela s;
    const double rho = std::exp(lnRho);
    valuta(T, rho, x, true, s);
    const double lnRT = std::log(s.R * T);
    p = rho * s.R * T * (1 + s.delta * s.ar_d);
    for (int i = 0; i < n(); ++i)
        lnf[i] = std::log(x[i]) + lnRho + lnRT + s.dnar[size_t(i)];
}

void ModelloMiscela::fugacitaDerivate(double T, double lnRho, const double* x,
                                      DerivateFugacita& d) {
    // alphar(delta, tau, x) with delta = rho v_r(x), tau = T_r(x) / T; A(rho, T, x) the same
    // function at fixed rho and T, the fractions independent. Then at T and V
    //   mu_i = d(n alphar)/dn_i = A + rho A_rho + A_x_i - sum_k x_k A_x_k,
    // whose derivatives in ln rho and x_j need A_x_i, rho A_rho,x_i and A_x_i,x_j, written
    // below through the derivatives of alphar (Kunz and Wagner give the same in n).
    const int N = n();
    double Tr = 0, vr = 0, Tx[MaxComponenti], vx[MaxComponenti];
    double Txx[MaxComponenti * MaxComponenti], vxx[MaxComponenti * MaxComponenti];
    riduzione(x, Tr, vr, Tx, vx, Txx, vxx);
    const double rho = std::exp(lnRho);
    const double tau = Tr / T, delta = rho * vr;
    double ar = 0, ar_d = 0, ar_dd = 0, ar_t = 0, ar_tt = 0, ar_dt = 0;
    double a_x[MaxComponenti], a_dx[MaxComponenti], a_tx[MaxComponenti];
    double a_xx[MaxComponenti][MaxComponenti] = {};
    for (int i = 0; i < N; ++i) {
        const Equazione& e = componenti[size_t(i)]->eq;
        ValutatoreTau& v = m_valComp[size_t(i)];
        v.prepara(e, tau, true);
        const ResiduoCompleto r = v.residuoCompleto(e, delta);
        ar += x[i] * r.ar;
        ar_d += x[i] * r.ar_d;
        ar_dd += x[i] * r.ar_dd;
        ar_t += x[i] * r.ar_t;
        ar_tt += x[i] * r.ar_tt;
        ar_dt += x[i] * r.ar_dt;
        a_x[i] = r.ar;
        a_dx[i] = r.ar_d;
        a_tx[i] = r.ar_t;
    }
    for (size_t k = 0; k < coppie.size(); ++k) {
        const CoppiaMiscela& c = coppie[k];
        if (c.F == 0)
            continue;
        ValutatoreTau& v = m_valCopp[k];
        v.prepara(c.partenza, tau, true);
        const ResiduoCompleto r = v.residuoCompleto(c.partenza, delta);
        const double w = x[c.i] * x[c.j] * c.F;
        ar += w * r.ar;
        ar_d += w * r.ar_d;
        ar_dd += w * r.ar_dd;
        ar_t += w * r.ar_t;
        ar_tt += w * r.ar_tt;
        ar_dt += w * r.ar_dt;
        a_x[c.i] += x[c.j] * c.F * r.ar;
        a_x[c.j] += x[c.i] * c.F * r.ar;
        a_dx[c.i] += x[c.j] * c.F * r.ar_d;
        a_dx[c.j] += x[c.i] * c.F * r.ar_d;
        a_tx[c.i] += x[c.j] * c.F * r.ar_t;
        a_tx[c.j] += x[c.i] * c.F * r.ar_t;
        a_xx[c.i][c.j] += c.F * r.ar;
        a_xx[c.j][c.i] += c.F * r.ar;
    }
    // d delta / d x_i and d tau / d x_i.
    double dI[MaxComponenti], tI[MaxComponenti], A[MaxComponenti], rA[MaxComponenti];
    double SA = 0, SrA = 0;
    for (int i = 0; i < N; ++i) {
        dI[i] = rho * vx[i];
        tI[i] = Tx[i] / T;
    }
    for (int i = 0; i < N; ++i) {
        A[i] = ar_d * dI[i] + ar_t * tI[i] + a_x[i];
        rA[i] = dI[i] * (ar_d + delta * ar_dd) + delta * (ar_dt * tI[i] + a_dx[i]);
        SA += x[i] * A[i];
        SrA += x[i] * rA[i];
    }
    double Axx[MaxComponenti][MaxComponenti];
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
            Axx[i][j] = (ar_dd * dI[j] + ar_dt * tI[j] + a_dx[j]) * dI[i] +
                        ar_d * rho * vxx[i * N + j] +
                        (ar_dt * dI[j] + ar_tt * tI[j] + a_tx[j]) * tI[i] +
                        ar_t * Txx[i * N + j] / T + a_dx[i] * dI[j] + a_tx[i] * tI[j] + a_xx[i][j];
    double SAx[MaxComponenti];
    for (int j = 0; j < N; ++j) {
        SAx[j] = 0;
        for (int k = 0; k < N; ++k)
            SAx[j] += x[k] * Axx[k][j];
    }
    const double RT = CostanteGas * T, lnRT = std::log(RT);
    const double dd = delta * ar_d, d2 = delta * delta * ar_dd;
    d.p = rho * RT * (1 + dd);
    d.p_lnRho = rho * RT * (1 + 2 * dd + d2);
    for (int i = 0; i < N; ++i) {
        const double mu = ar + dd + A[i] - SA;
        d.lnf[size_t(i)] = std::log(x[i]) + lnRho + lnRT + mu;
        d.lnf_lnRho[size_t(i)] = 1 + 2 * dd + d2 + rA[i] - SrA;
        d.p_x[size_t(i)] = rho * RT * rA[i];
        for (int j = 0; j < N; ++j)
            d.lnf_x[i][j] = (i == j ? 1 / x[i] : 0) + rA[j] + Axx[i][j] - SAx[j];
    }
}

double ModelloMiscela::capacitaTermica(double T, double rho, const double* x) {
    double Tr = 0, vr = 0, Tx[MaxComponenti], vx[MaxComponenti];
    riduzione(x, Tr, vr, Tx, vx);
    const double tau = Tr / T, delta = rho * vr;
    double ar_d = 0, ar_dd = 0, ar_tt = 0, ar_dt = 0, a0tt = 0;
    for (int i = 0; i < n(); ++i) {
        const Equazione& e = componenti[size_t(i)]->eq;
        ValutatoreTau& v = m_valComp[size_t(i)];
        v.prepara(e, tau, true);
        const ResiduoCompleto r = v.residuoCompleto(e, delta);
        ar_d += x[i] * r.ar_d;
        ar_dd += x[i] * r.ar_dd;
        ar_tt += x[i] * r.ar_tt;
        ar_dt += x[i] * r.ar_dt;
        // Each component's ideal-gas part at its own reduced temperature, as for the enthalpy.
        if (x[i] != 0) {
            const double ti = tCriticaIdeale(i) / T;
            a0tt += x[i] * ti * ti * ideale_tt(e, ti);
        }
    }
    for (size_t k = 0; k < coppie.size(); ++k) {
        const CoppiaMiscela& c = coppie[k];
        if (c.F == 0)
            continue;
        ValutatoreTau& v = m_valCopp[k];
        v.prepara(c.partenza, tau, true);
        const ResiduoCompleto r = v.residuoCompleto(c.partenza, delta);
        const double w = x[c.i] * x[c.j] * c.F;
        ar_d += w * r.ar_d;
        ar_dd += w * r.ar_dd;
        ar_tt += w * r.ar_tt;
        ar_dt += w * r.ar_dt;
    }
    const double cv = -a0tt - tau * tau * ar_tt;
    const double num = 1 + delta * ar_d - delta * tau * ar_dt;
    return CostanteGas * (cv + num * num / (1 + 2 * delta * ar_d + delta * delta * ar_dd));
}

double ModelloMiscela::viriale(const double* x, double tau) {
    double B = 0;
    for (int i = 0; i < n(); ++i) {
        m_valComp[size_t(i)].prepara(componenti[size_t(i)]->eq, tau);
        B += x[i] * m_valComp[size_t(i)].viriale();
    }
    for (size_t k = 0; k < coppie.size(); ++k) {
        const CoppiaMiscela& c = coppie[k];
        if (c.F == 0)
            continue;
        m_valCopp[k].prepara(c.partenza, tau);
        B += x[c.i] * x[c.j] * c.F * m_valCopp[k].viriale();
    }
    return B;
}

int ModelloMiscela::densita(double T, double p, const double* x, bool liquido, double rho0,
                            double& rho) {
    double Tr = 0, vr = 0, Tx[MaxComponenti], vx[MaxComponenti];
    riduzione(x, Tr, vr, Tx, vx);
    const double R = CostanteGas;
    const double RT = R * T;
    double d = rho0 * vr;
    if (!liquido) {
        // Second-virial start: Newton then climbs to the vapour root from below.
        const double pi = p * vr / RT, B = viriale(x, Tr / T), disc = 1 + 4 * B * pi;
        d = disc > 0 ? 2 * pi / (1 + std::sqrt(disc)) : pi;
    }
    StatoMiscela s;
    for (int it = 0; it < 100; ++it) {
        valuta(T, d / vr, x, false, s);
        const double pc = d / vr * RT * (1 + d * s.ar_d);
        const double dp = RT / vr * (1 + 2 * d * s.ar_d + d * d * s.ar_dd);
        if (!(dp > 0) || !std::isfinite(pc)) {
            if (it < 60) {
                if (liquido)
                    d *= 1.02;
                else
                    d = std::min(d, p * vr / RT) / 2;
                continue;
            }
            break;
        }
        double nuovo = d - (pc - p) / dp;
        if (nuovo <= 0)
            nuovo = d / 2;
        if (std::abs(nuovo - d) <= 1e-9 * d) {
            rho = nuovo / vr;
            return Ok;
        }
        d = nuovo;
    }
    return NonConverge;
}

namespace {

// Solves a J = b in place (partial pivoting); false when singular.
bool risolviLineare(int n, double* a, double* b) {
    for (int c = 0; c < n; ++c) {
        int piv = c;
        for (int r = c + 1; r < n; ++r)
            if (std::abs(a[r * n + c]) > std::abs(a[piv * n + c]))
                piv = r;
        if (!(std::abs(a[piv * n + c]) > 0))
            return false;
        if (piv != c) {
            for (int k = 0; k < n; ++k)
                std::swap(a[c * n + k], a[piv * n + k]);
            std::swap(b[c], b[piv]);
        }
        for (int r = c + 1; r < n; ++r) {
            const double f = a[r * n + c] / a[c * n + c];
            if (f == 0)
                continue;
            for (int k = c; k < n; ++k)
                a[r * n + k] -= f * a[c * n + k];
            b[r] -= f * b[c];
        }
    }
    for (int r = n - 1; r >= 0; --r) {
        double s = b[r];
        for (int k = r + 1; k < n; ++k)
            s -= a[r * n + k] * b[k];
        b[r] = s / a[r * n + r];
    }
    return true;
}

} // namespace

int ModelloMiscela::equilibrio(double T, const double* z, bool vaporeFisso,
                               SoluzioneEquilibrio& s) {
    // Unknowns: ln rho_F, ln rho_I, w_1..w_N. Equations: equal pressure, equal fugacity of
    // each component, sum w = 1. The Jacobian is analytic: one evaluation of each phase
    // with its derivatives per step.
    const int N = n(), M = N + 2;
    DerivateFugacita F, I;
    double J[(MaxComponenti + 2) * (MaxComponenti + 2)], r[MaxComponenti + 2];
    bool ultimo = false;
    for (int it = 0; it < 60; ++it) {
        fugacitaDerivate(T, s.lnRhoF, z, F);
        fugacitaDerivate(T, s.lnRhoI, s.w.data(), I);
        // The vapour's pressure is positive and gives the scale; the liquid's may be
        // negative on the way (a start far from the root).
        const double pV = vaporeFisso ? F.p : I.p;
        if (ultimo) {
            s.p = pV;
            return std::isfinite(s.p) && s.p > 0 ? Ok : NonConverge;
        }
        if (!(pV > 0))
            return NonConverge;
        r[0] = (I.p - F.p) / pV;
        double somma = -1;
        for (int i = 0; i < N; ++i) {
            r[1 + i] = I.lnf[size_t(i)] - F.lnf[size_t(i)];
            somma += s.w[size_t(i)];
        }
        r[N + 1] = somma;
        for (int i = 0; i < M; ++i)
            if (!std::isfinite(r[i]))
                return NonConverge;
        std::fill(J, J + M * M, 0.0);
        J[0 * M + 0] = -F.p_lnRho / pV;
        J[0 * M + 1] = I.p_lnRho / pV;
        for (int i = 0; i < N; ++i) {
            J[(1 + i) * M + 0] = -F.lnf_lnRho[size_t(i)];
            J[(1 + i) * M + 1] = I.lnf_lnRho[size_t(i)];
        }
        for (int j = 0; j < N; ++j) {
            J[0 * M + 2 + j] = I.p_x[size_t(j)] / pV;
            for (int i = 0; i < N; ++i)
                J[(1 + i) * M + 2 + j] = I.lnf_x[i][j];
            J[(N + 1) * M + 2 + j] = 1;
        }
        for (int i = 0; i < M; ++i)
            r[i] = -r[i];
        if (!risolviLineare(M, J, r))
            return NonConverge;
        // Damped so that densities move by at most a factor e^0.5 and fractions stay positive.
        double lambda = 1;
        const double dmax = std::max(std::abs(r[0]), std::abs(r[1]));
        if (dmax > 0.5)
            lambda = 0.5 / dmax;
        for (int k = 0; k < 40; ++k) {
            bool positivi = true;
            for (int j = 0; j < N; ++j)
                positivi = positivi && s.w[size_t(j)] + lambda * r[2 + j] > 0;
            if (positivi)
                break;
            lambda /= 2;
        }
        double passo = 0;
        s.lnRhoF += lambda * r[0];
        s.lnRhoI += lambda * r[1];
        passo = std::max(std::abs(lambda * r[0]), std::abs(lambda * r[1]));
        for (int j = 0; j < N; ++j) {
            s.w[size_t(j)] += lambda * r[2 + j];
            passo = std::max(passo, std::abs(lambda * r[2 + j]));
        }
        // Both phases running together is the trivial solution, not an equilibrium.
        if (std::abs(s.lnRhoI - s.lnRhoF) < 1e-4)
            return NonConverge;
        // Newton converges quadratically: after a step this small the error is far below it.
        if (lambda == 1 && passo < 1e-10)
            ultimo = true;
    }
    return NonConverge;
}

// ---------------------------------------------------------------------------------------

namespace {

// Fitted curves are checked against the equilibrium solved at the points between nodes.
constexpr int GradoTratto = 12;
constexpr double TolleranzaAdattamento = 2e-10;
constexpr double PassoMarcia = 2.0;
// The curves end where the saturated liquid is less than this many times denser than the
// vapour: a few kelvin below the blend's critical region, where Newton stays reliable.
constexpr double RapportoDensitaMinimo = 3.0;
// A state above the dew line by no more than a rounding of the pressure is its saturated vapour.
constexpr double TolleranzaRugiada = 1e-6;

std::string numeroK(double T) {
    return std::to_string(T) + " K";
}

} // namespace

double Miscela::massaMolare(const double* x) const {
    double M = 0;
    for (int i = 0; i < modello.n(); ++i)
        M += x[i] * modello.componenti[size_t(i)]->eq.M;
    return M;
}

double Miscela::tMaxSaturazione() const {
    return m_Tb;
}

void Miscela::dimentica() {
    m_vap.dimentica();
    m_ultimoT = -1;
    m_ultimoTratto = nullptr;
}

void Miscela::dimenticaCurve() {
    dimentica();
    m_curveFatte = false;
    m_tratti.clear();
    m_marcia.clear();
}

void Miscela::partenzaMarcia(double T, bool rugiada, SoluzioneEquilibrio& s) const {
    // Linear interpolation (or extrapolation) between the two nearest solved points.
    const size_t n = m_marcia.size();
    size_t k = 1;
    while (k + 1 < n && m_marcia[k].T < T)
        ++k;
    const PuntoMarcia& a = m_marcia[k - 1];
    const PuntoMarcia& b = m_marcia[k];
    const SoluzioneEquilibrio& sa = rugiada ? a.d : a.b;
    const SoluzioneEquilibrio& sb = rugiada ? b.d : b.b;
    const double u = (T - a.T) / (b.T - a.T);
    s.lnRhoF = sa.lnRhoF + u * (sb.lnRhoF - sa.lnRhoF);
    s.lnRhoI = sa.lnRhoI + u * (sb.lnRhoI - sa.lnRhoI);
    for (size_t i = 0; i < s.w.size(); ++i)
        s.w[i] = std::max(sa.w[i] + u * (sb.w[i] - sa.w[i]), 0.5 * sa.w[i]);
}

bool Miscela::risolvi(double T, bool rugiada, SoluzioneEquilibrio& s) {
    return modello.equilibrio(T, z.data(), rugiada, s) == Ok;
}

int Miscela::rugiadaEsatta(double T, SoluzioneEquilibrio& s, std::string& errore) {
    if (int e = curve(errore))
        return e;
    if (!(T >= TMinSaturazione && T <= m_Tb)) {
        errore = nome + ": T = " + numeroK(T) + " fuori dal campo di saturazione";
        return FuoriCampo;
    }
    partenzaMarcia(T, true, s);
    if (!risolvi(T, true, s)) {
        errore = nome + ": punto di rugiada non trovato a T = " + numeroK(T);
        return NonConverge;
    }
    return Ok;
}

int Miscela::bollaEsatta(double T, SoluzioneEquilibrio& s, std::string& errore) {
    if (int e = curve(errore))
        return e;
    if (!(T >= TMinSaturazione && T <= m_Tb)) {
        errore = nome + ": T = " + numeroK(T) + " fuori dal campo di saturazione";
        return FuoriCampo;
    }
    partenzaMarcia(T, false, s);
    if (!risolvi(T, false, s)) {
        errore = nome + ": punto di bolla non trovato a T = " + numeroK(T);
        return NonConverge;
    }
    return Ok;
}

int Miscela::curve(std::string& errore) {
    if (!m_curveFatte) {
        m_curveFatte = true;
        m_esitoCurve = preparaCurve(m_erroreCurve) ? Ok : NonConverge;
    }
    if (m_esitoCurve != Ok)
        errore = m_erroreCurve;
    return m_esitoCurve;
}

bool Miscela::preparaCurve(std::string& errore) {
    m_tratti.clear();
    m_marcia.clear();
    const int N = modello.n();
    // First point: ideal-solution estimates from the components' own vapour pressures.
    double T = TMinSaturazione;
    double sommaInv = 0, somma = 0, vL = 0;
    double ps[MaxComponenti], rl[MaxComponenti];
    for (int i = 0; i < N; ++i) {
        const Fluido& f = *modello.componenti[size_t(i)];
        ps[i] = f.ps.presente() ? f.ps.valuta(T) : f.pv.valuta(T);
        rl[i] = f.rhol.valuta(T);
        sommaInv += z[size_t(i)] / ps[i];
        somma += z[size_t(i)] * ps[i];
        vL += z[size_t(i)] / rl[i];
    }
    PuntoMarcia primo{T, {}, {}};
    {
        SoluzioneEquilibrio& d = primo.d;
        const double p = 1 / sommaInv;
        double vI = 0;
        for (int i = 0; i < N; ++i) {
            d.w[size_t(i)] = z[size_t(i)] * p / ps[i];
            vI += d.w[size_t(i)] / rl[i];
        }
        double rho = 0;
        if (modello.densita(T, p, z.data(), false, 0, rho))
            rho = p / (8.314 * T);
        d.lnRhoF = std::log(rho);
        d.lnRhoI = -std::log(vI);
        if (modello.densita(T, p, d.w.data(), true, 1 / vI, rho) == Ok)
            d.lnRhoI = std::log(rho);
        SoluzioneEquilibrio& b = primo.b;
        const double pb = somma;
        for (int i = 0; i < N; ++i)
            b.w[size_t(i)] = z[size_t(i)] * ps[i] / pb;
        if (modello.densita(T, pb, b.w.data(), false, 0, rho))
            rho = pb / (8.314 * T);
        b.lnRhoI = std::log(rho);
        b.lnRhoF = -std::log(vL);
        if (modello.densita(T, pb, z.data(), true, 1 / vL, rho) == Ok)
            b.lnRhoF = std::log(rho);
    }
    if (!risolvi(T, true, primo.d) || !risolvi(T, false, primo.b)) {
        errore = nome + ": equilibrio di fase non trovato a T = " + numeroK(T);
        return false;
    }
    m_marcia.push_back(primo);
    // March upwards, each point started from the last two, until the phases come close.
    for (;;) {
        const double Tn = m_marcia.back().T + PassoMarcia;
        PuntoMarcia p{Tn, m_marcia.back().d, m_marcia.back().b};
        if (m_marcia.size() >= 2) {
            partenzaMarcia(Tn, true, p.d);
            partenzaMarcia(Tn, false, p.b);
        }
        if (!risolvi(Tn, true, p.d) || !risolvi(Tn, false, p.b))
            break;
        if (p.d.lnRhoI - p.d.lnRhoF < std::log(RapportoDensitaMinimo) ||
            p.b.lnRhoF - p.b.lnRhoI < std::log(RapportoDensitaMinimo))
            break;
        m_marcia.push_back(p);
        if (Tn > 450)
            break;
    }
    if (m_marcia.size() < 4) {
        errore =
            nome + ": curve di saturazione non risolte oltre T = " + numeroK(m_marcia.back().T);
        return false;
    }
    m_Tb = m_marcia.back().T;
    // Fit in intervals of about 30 K, halved where a fit misses the check.
    const double a = TMinSaturazione, b = m_Tb;
    const int pezzi = std::max(1, int(std::ceil((b - a) / 30.0)));
    for (int k = 0; k < pezzi; ++k) {
        const double ta = a + (b - a) * k / pezzi,
                     tb = k + 1 == pezzi ? b : a + (b - a) * (k + 1) / pezzi;
        if (!adattaTratto(ta, tb, 0, errore))
            return false;
    }
    return true;
}

bool Miscela::adattaTratto(double a, double b, int profondita, std::string& errore) {
    struct Valori {
        double lnPD, lnPB, hL, lnRhoL, lnRhoV;
    };
    auto calcola = [&](double T, Valori& v) {
        SoluzioneEquilibrio d, bo;
        partenzaMarcia(T, true, d);
        partenzaMarcia(T, false, bo);
        if (!risolvi(T, true, d) || !risolvi(T, false, bo))
            return false;
        StatoMiscela s;
        const double rhoL = std::exp(bo.lnRhoF);
        modello.valuta(T, rhoL, z.data(), false, s);
        v = {std::log(d.p), std::log(bo.p), modello.entalpia(T, rhoL, z.data(), s) / s.M, bo.lnRhoF,
             d.lnRhoF};
        return true;
    };
    const std::vector<double> nodi = nodiChebyshev(a, b, GradoTratto);
    std::vector<double> f[5];
    for (double T : nodi) {
        Valori v{};
        if (!calcola(T, v)) {
            errore = nome + ": equilibrio di fase non trovato a T = " + numeroK(T);
            return false;
        }
        f[0].push_back(v.lnPD);
        f[1].push_back(v.lnPB);
        f[2].push_back(v.hL);
        f[3].push_back(v.lnRhoL);
        f[4].push_back(v.lnRhoV);
    }
    Tratto t{adattaChebyshev(a, b, f[0]), adattaChebyshev(a, b, f[1]), adattaChebyshev(a, b, f[2]),
             adattaChebyshev(a, b, f[3]), adattaChebyshev(a, b, f[4])};
    bool buono = true;
    for (double T : puntiVerifica(a, b, GradoTratto)) {
        Valori v{};
        if (!calcola(T, v)) {
            errore = nome + ": equilibrio di fase non trovato a T = " + numeroK(T);
            return false;
        }
        const double scarto =
            std::max({std::abs(t.lnPD.valuta(T) - v.lnPD), std::abs(t.lnPB.valuta(T) - v.lnPB),
                      std::abs(t.hL.valuta(T) / v.hL - 1), std::abs(t.lnRhoL.valuta(T) - v.lnRhoL),
                      std::abs(t.lnRhoV.valuta(T) - v.lnRhoV)});
        if (!(scarto <= TolleranzaAdattamento)) {
            buono = false;
            break;
        }
    }
    if (buono) {
        m_tratti.push_back(std::move(t));
        return true;
    }
    if (profondita >= 6) {
        errore = nome + ": curve di saturazione non approssimabili tra " + numeroK(a) + " e " +
                 numeroK(b);
        return false;
    }
    const double m = 0.5 * (a + b);
    return adattaTratto(a, m, profondita + 1, errore) && adattaTratto(m, b, profondita + 1, errore);
}

int Miscela::saturazione(double T, const Tratto*& t, std::string& errore) {
    if (T == m_ultimoT && m_ultimoTratto) {
        t = m_ultimoTratto;
        return Ok;
    }
    if (int e = curve(errore))
        return e;
    if (!(T >= TMinSaturazione) || !(T <= m_Tb)) {
        errore = nome + ": T = " + numeroK(T) + " fuori dal campo di saturazione (" +
                 numeroK(TMinSaturazione) + " .. " + numeroK(m_Tb) + ", sotto la regione critica)";
        return FuoriCampo;
    }
    t = &m_tratti.back();
    for (const Tratto& c : m_tratti)
        if (T <= c.lnPD.b) {
            t = &c;
            break;
        }
    m_ultimoT = T;
    m_ultimoTratto = t;
    return Ok;
}

int Miscela::pressioneRugiada(double T, double& p, std::string& errore) {
    const Tratto* t = nullptr;
    if (int e = saturazione(T, t, errore))
        return e;
    p = std::exp(t->lnPD.valuta(T));
    return Ok;
}

int Miscela::pressioneBolla(double T, double& p, std::string& errore) {
    const Tratto* t = nullptr;
    if (int e = saturazione(T, t, errore))
        return e;
    p = std::exp(t->lnPB.valuta(T));
    return Ok;
}

int Miscela::entalpiaLiquido(double T, double& h, std::string& errore) {
    const Tratto* t = nullptr;
    if (int e = saturazione(T, t, errore))
        return e;
    h = t->hL.valuta(T);
    return Ok;
}

int Miscela::densitaVapore(double T, double p, double& rho, std::string& errore) {
    if (!(T >= std::max(Tmin, TMinSaturazione)) || !(T <= Tmax)) {
        errore = nome + ": T = " + numeroK(T) + " fuori dal campo dell'equazione";
        return FuoriCampo;
    }
    if (int e = curve(errore))
        return e;
    // Vapour up to the dew line; past the end of the curves, below their last dew pressure
    // (the dew pressure rises with T up to the critical region).
    const Tratto* t = nullptr;
    double pRugiada = 0;
    if (T <= m_Tb) {
        std::string e;
        saturazione(T, t, e);
        pRugiada = std::exp(t->lnPD.valuta(T));
    } else {
        pRugiada = std::exp(m_tratti.back().lnPD.valuta(m_Tb));
    }
    if (p > pRugiada * (1 + TolleranzaRugiada)) {
        errore = nome + ": a T = " + numeroK(T) + " e p = " + std::to_string(p) +
                 " Pa il refrigerante non e' vapore" +
                 (T > m_Tb ? " (o e' nella regione critica)" : "");
        return FuoriCampo;
    }
    if (modello.densita(T, p, z.data(), false, 0, rho)) {
        errore = nome + ": densita' del vapore non trovata a T = " + numeroK(T) +
                 ", p = " + std::to_string(p) + " Pa";
        return NonConverge;
    }
    // Belt and braces: a vapour below the critical region is less dense than the mixture's
    // reducing density.
    double Tr = 0, vr = 0, Tx[MaxComponenti], vx[MaxComponenti];
    modello.riduzione(z.data(), Tr, vr, Tx, vx);
    if (!(rho * vr < 1)) {
        errore = nome + ": a T = " + numeroK(T) + " e p = " + std::to_string(p) +
                 " Pa trovata solo la densita' del liquido";
        return NonConverge;
    }
    return Ok;
}

int Miscela::vapore(double T, double p, double& h, double& v, std::string& errore) {
    if (m_vap.trova(T, p, h, v))
        return Ok;
    double rho = 0;
    if (int e = densitaVapore(T, p, rho, errore))
        return e;
    StatoMiscela st;
    modello.valuta(T, rho, z.data(), false, st);
    const double hV = modello.entalpia(T, rho, z.data(), st) / st.M, vV = 1 / (rho * st.M);
    if (!std::isfinite(hV) || !std::isfinite(vV)) {
        errore = nome + ": a T = " + numeroK(T) + " il vapore non da' un numero finito";
        return NonConverge;
    }
    m_vap.ricorda(T, p, hV, vV);
    h = hV;
    v = vV;
    return Ok;
}

void Miscela::proprieta(double T, double rho, const double* x, Proprieta& r) {
    StatoMiscela s;
    modello.valuta(T, rho, x, false, s);
    r.T = T;
    r.p = rho * s.R * T * (1 + s.delta * s.ar_d);
    r.v = 1 / (rho * s.M);
    r.h = modello.entalpia(T, rho, x, s) / s.M;
    r.s = modello.entropia(T, rho, x, s) / s.M;
    r.cp = modello.capacitaTermica(T, rho, x) / s.M;
}

int Miscela::liquidoSaturo(double T, Proprieta& r, std::string& errore) {
    const Tratto* t = nullptr;
    if (int e = saturazione(T, t, errore))
        return e;
    proprieta(T, std::exp(t->lnRhoL.valuta(T)), z.data(), r);
    r.h = t->hL.valuta(T);
    r.p = std::exp(t->lnPB.valuta(T));
    return Ok;
}

int Miscela::vaporeSaturo(double T, Proprieta& r, std::string& errore) {
    double p = 0;
    if (int e = pressioneRugiada(T, p, errore))
        return e;
    return statoVapore(T, p, r, errore);
}

int Miscela::statoVapore(double T, double p, Proprieta& r, std::string& errore) {
    double rho = 0;
    if (int e = densitaVapore(T, p, rho, errore))
        return e;
    proprieta(T, rho, z.data(), r);
    r.p = p;
    return Ok;
}

int Miscela::statoVaporeCpDifferenze(double T, double p, Proprieta& r, std::string& errore) {
    double rho = 0;
    if (int e = densitaVapore(T, p, rho, errore))
        return e;
    proprieta(T, rho, z.data(), r);
    const double dT = 1e-3 * T * 1e-2;
    double h2[2];
    for (int k = 0; k < 2; ++k) {
        const double Tk = T + (k ? dT : -dT);
        double rk = 0;
        if (modello.densita(Tk, r.p, z.data(), false, rho, rk)) {
            r.cp = std::nan("");
            r.p = p;
            return Ok;
        }
        StatoMiscela sk;
        modello.valuta(Tk, rk, z.data(), false, sk);
        h2[k] = modello.entalpia(Tk, rk, z.data(), sk) / sk.M;
    }
    r.cp = (h2[1] - h2[0]) / (2 * dT);
    r.p = p;
    return Ok;
}

} // namespace reflib
