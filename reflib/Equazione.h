#pragma once
// Helmholtz-energy equation of state of one fluid: alpha(tau, delta) = alpha0 + alphar,
// tau = T_r / T, delta = rho / rho_r (molar density).
#include <array>
#include <cstdint>
#include <vector>

namespace reflib {

struct TermineGauss {
    double n, t, eta, epsilon, beta, gamma;
    int d;
};

// Critical-region term: n Delta^b delta psi (Span and Wagner's form).
struct TermineNonAnalitico {
    double n, a, b, beta, A, B, C, D;
};

struct Equazione {
    double R = 0;    // J/(mol K)
    double M = 0;    // kg/mol
    double Tr = 0;   // K
    double rhor = 0; // mol/m3

    // Ideal-gas part.
    double a1 = 0, a2 = 0; // lead term plus reference-state offset
    double logTau = 0;
    std::vector<double> potN, potT;       // n tau^t
    std::vector<double> planckN, planckT; // n ln(1 - exp(-t tau))
    std::vector<double> cp0C, cp0Tau0;    // constant cp0/R = c from T0 (tau0 = Tc / T0)
    std::vector<double> cpPolyC, cpPolyT, cpPolyT0, cpPolyTc; // cp0/R = c T^t

    // Residual part.
    std::vector<double> polyN, polyT; // n delta^d tau^t
    std::vector<int> polyD;
    std::vector<double> espN, espT; // n delta^d tau^t exp(-delta^l) [exp(-tau^m)]
    std::vector<int> espD, espL;
    std::vector<double> espM; // m, 0 for no tau exponential (the reader may leave it short)
    std::vector<TermineGauss> gauss;
    std::vector<TermineNonAnalitico> nonAnalitici;

    // The same tau exponents times 4 when they are whole quarters (most of the pure
    // fluids' are), else NonQuarto: those powers come from square roots and products.
    static constexpr int NonQuarto = 1 << 30;
    std::vector<int> polyQ, espQ;

    // Terms sharing their delta factor are summed per temperature before any density is
    // tried: the groups of equal d (poly) and of equal (d, l) (exp), and each term's group.
    std::vector<int> gruppiPolyD, gruppiEspD, gruppiEspL;
    std::vector<int> gruppoPoly, gruppoEsp;

    int dMax = 0;        // highest delta exponent of the poly and exp terms
    uint32_t lUsati = 0; // bit l set when some exp term has that l

    // Fills dMax and lUsati; the data reader calls it once all terms are in.
    void completa();
};

// Residual part and the derivatives the properties need.
struct Residuo {
    double ar = 0;    // alphar
    double ar_d = 0;  // d alphar / d delta
    double ar_dd = 0; // d2 alphar / d delta2
    double ar_t = 0;  // d alphar / d tau
};

// With the second derivatives in tau that cp and the mixtures' composition derivatives need.
struct ResiduoCompleto : Residuo {
    double ar_tt = 0; // d2 alphar / d tau2
    double ar_dt = 0; // d2 alphar / d delta d tau
};

// The tau-dependent factors of the residual terms, computed once per temperature so that
// the density iterations at that temperature only evaluate the delta factors.
class ValutatoreTau {
public:
    // `seconde`: also the second tau derivatives, for residuoCompleto (the density
    // iterations never need them).
    void prepara(const Equazione& eq, double tau, bool seconde = false);
    // Forgets the prepared temperature (keeping the storage).
    void dimentica() { m_tau = -1; }
    double tau() const { return m_tau; }
    Residuo residuo(const Equazione& eq, double delta) const;
    // Needs prepara(..., true) at this tau.
    ResiduoCompleto residuoCompleto(const Equazione& eq, double delta) const;
    // d alpha0 / d tau.
    double a0_t() const { return m_a0t; }
    // lim delta->0 of d alphar / d delta (the reduced second virial coefficient), without
    // the critical-region terms: a starting value for the vapour density.
    double viriale() const { return m_viriale; }

private:
    double m_tau = -1;
    bool m_seconde = false;
    double m_a0t = 0;
    double m_viriale = 0;
    std::vector<double> m_poly, m_polyT, m_esp, m_espT, m_gau, m_gauT;
    std::vector<double> m_gPoly, m_gPolyT, m_gEsp, m_gEspT; // sums per group
    std::vector<double> m_gauTT, m_gPolyTT, m_gEspTT;       // second tau derivatives
};

// Direct evaluations, used by the tests and where no preparation pays off.
Residuo residuo(const Equazione& eq, double tau, double delta);
double ideale(const Equazione& eq, double tau, double delta); // alpha0
double ideale_t(const Equazione& eq, double tau);             // d alpha0 / d tau
double ideale_tt(const Equazione& eq, double tau);            // d2 alpha0 / d tau2
ResiduoCompleto residuoCompleto(const Equazione& eq, double tau, double delta);
double residuoAlpha(const Equazione& eq, double tau, double delta); // alphar alone

} // namespace reflib
