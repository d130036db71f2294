// Analytic derivatives of every term type against central differences.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "reflib/Equazione.h"

using namespace reflib;

namespace {

// An equation holding terms of one type only.
struct Caso {
    std::string nome;
    std::function<void(Equazione&)> riempi;
};

Equazione equazione(const Caso& c) {
    Equazione eq;
    eq.R = 8.314462618;
    eq.M = 0.1;
    eq.Tr = 350;
    eq.rhor = 5000;
    c.riempi(eq);
    eq.completa();
    return eq;
}

const Caso Residui[] = {
    {"poli_quarti",
     [](Equazione& e) { // tau exponents taken by the square-root path
         e.polyN = {0.7, -1.3, 0.02};
         e.polyD = {1, 2, 4};
         e.polyT = {-0.75, 2.25, 12};
     }},
    {"poli_generici",
     [](Equazione& e) {
         e.polyN = {0.9, -0.4};
         e.polyD = {1, 3};
         e.polyT = {0.241, 1.37};
     }},
    {"esp",
     [](Equazione& e) {
         e.espN = {-0.6, 0.3, 0.05};
         e.espD = {1, 2, 5};
         e.espT = {1.5, 0.692, 3};
         e.espL = {1, 2, 3};
     }},
    {"esptau",
     [](Equazione& e) { // exp(-tau^m) as in R125's equation
         e.espN = {0.4, -0.2};
         e.espD = {1, 3};
         e.espT = {1.2, 2.5};
         e.espL = {1, 2};
         e.espM = {1, 2};
     }},
    {"gauss",
     [](Equazione& e) {
         e.gauss = {{-0.3, 1.0, 0.96, 1.0, 1.28, 1.27, 2}, {0.2, 3.0, 1.2, 1.1, 0.9, 1.1, 3}};
     }},
    {"nonanalitico",
     [](Equazione& e) { // the first critical-region term of R744
         e.nonAnalitici = {{-0.14874640856724, 3.5, 0.875, 0.3, 0.7, 0.3, 10, 275}};
     }},
};

class Derivate : public ::testing::TestWithParam<Caso> {};

TEST_P(Derivate, ResiduoComeDifferenze) {
    const Equazione eq = equazione(GetParam());
    // Points on both sides of the critical density, away from delta = 1 where the
    // critical-region term is singular.
    const double punti[][2] = {{0.9, 0.2}, {1.05, 0.8}, {0.98, 1.3}, {1.6, 2.6}};
    for (const auto& pt : punti) {
        const double tau = pt[0], delta = pt[1];
        SCOPED_TRACE("tau " + std::to_string(tau) + " delta " + std::to_string(delta));
        const Residuo r = residuo(eq, tau, delta);
        const double h = 1e-5;
        const double d =
            (residuoAlpha(eq, tau, delta + h) - residuoAlpha(eq, tau, delta - h)) / (2 * h);
        const double dd =
            (residuo(eq, tau, delta + h).ar_d - residuo(eq, tau, delta - h).ar_d) / (2 * h);
        const double t =
            (residuoAlpha(eq, tau + h, delta) - residuoAlpha(eq, tau - h, delta)) / (2 * h);
        const double scala = std::abs(r.ar) + std::abs(r.ar_d) + std::abs(r.ar_dd) + 1e-3;
        EXPECT_NEAR(r.ar_d, d, 1e-7 * scala);
        EXPECT_NEAR(r.ar_dd, dd, 1e-7 * scala);
        EXPECT_NEAR(r.ar_t, t, 1e-7 * scala);
        // The second tau derivatives (cp, the mixtures' composition derivatives), and the
        // first ones as residuo() gives them.
        const ResiduoCompleto c = residuoCompleto(eq, tau, delta);
        const double tt =
            (residuo(eq, tau + h, delta).ar_t - residuo(eq, tau - h, delta).ar_t) / (2 * h);
        const double dt =
            (residuo(eq, tau, delta + h).ar_t - residuo(eq, tau, delta - h).ar_t) / (2 * h);
        const double scalaT = scala + std::abs(c.ar_t) + std::abs(c.ar_tt);
        EXPECT_NEAR(c.ar_tt, tt, 1e-7 * scalaT);
        EXPECT_NEAR(c.ar_dt, dt, 1e-7 * scalaT);
        EXPECT_NEAR(c.ar, r.ar, 1e-14 * scala);
        EXPECT_NEAR(c.ar_d, r.ar_d, 1e-14 * scala);
        EXPECT_NEAR(c.ar_dd, r.ar_dd, 1e-14 * scala);
        EXPECT_NEAR(c.ar_t, r.ar_t, 1e-14 * scala);
    }
}

// The fast tau powers give the same values as the plain formula.
TEST(Derivate, PotenzeDiTauComeFormula) {
    const Equazione eq = equazione(Residui[0]);
    const double tau = 1.234, delta = 0.7;
    double atteso = 0;
    for (size_t i = 0; i < eq.polyN.size(); ++i)
        atteso += eq.polyN[i] * std::pow(delta, eq.polyD[i]) * std::pow(tau, eq.polyT[i]);
    EXPECT_NEAR(residuoAlpha(eq, tau, delta), atteso, 1e-14 * std::abs(atteso));
}

INSTANTIATE_TEST_SUITE_P(Termini, Derivate, ::testing::ValuesIn(Residui),
                         [](const auto& info) { return info.param.nome; });

TEST(Derivate, IdealeComeDifferenze) {
    Equazione eq;
    eq.a1 = 3.1;
    eq.a2 = -2.2;
    eq.logTau = -1;
    eq.potN = {-9.7, -3.9};
    eq.potT = {-0.5, -0.75};
    eq.planckN = {1.99, 0.62};
    eq.planckT = {3.15, 6.11};
    eq.cp0C = {4.005};
    eq.cp0Tau0 = {369.295 / 273.15};
    eq.cpPolyC = {1.2e-4};
    eq.cpPolyT = {1};
    eq.cpPolyT0 = {273.15};
    eq.cpPolyTc = {369.295};
    eq.completa();
    for (double tau : {0.8, 1.0, 1.4, 2.5}) {
        const double h = 1e-5;
        const double numerica = (ideale(eq, tau + h, 1) - ideale(eq, tau - h, 1)) / (2 * h);
        EXPECT_NEAR(ideale_t(eq, tau), numerica, 1e-8 * (1 + std::abs(numerica))) << "tau " << tau;
        const double seconda = (ideale_t(eq, tau + h) - ideale_t(eq, tau - h)) / (2 * h);
        EXPECT_NEAR(ideale_tt(eq, tau), seconda, 1e-7 * (1 + std::abs(seconda))) << "tau " << tau;
    }
}

// The cp0 terms: -tau^2 d2alpha0/dtau2 is the cp0/R they stand for, minus the ideal-gas 1.
TEST(Derivate, Cp0DaiTermini) {
    Equazione eq;
    eq.cp0C = {4.0};
    eq.cp0Tau0 = {1.35};
    eq.cpPolyC = {2e-3};
    eq.cpPolyT = {1};
    eq.cpPolyT0 = {273.15};
    eq.cpPolyTc = {369.295};
    eq.completa();
    const double tau = 1.2, T = 369.295 / tau, h = 1e-4;
    const double d2 = (ideale_t(eq, tau + h) - ideale_t(eq, tau - h)) / (2 * h);
    EXPECT_NEAR(-tau * tau * d2, 4.0 + 2e-3 * T, 1e-6);
}

} // namespace
