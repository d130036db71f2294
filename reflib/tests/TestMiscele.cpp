// The blends computed as mixtures: the model's derivatives, limiting cases that must
// reduce to known answers, the dew-line tolerance, statuses, and the C++ interface.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "reflib/ILK.h"
#include "reflib/Miscela.h"
#include "reflib/Stato.h"

namespace {

using reflib::Composizione;
using reflib::ModelloMiscela;
using reflib::StatoMiscela;

const std::string Reflibs = std::string(SELCOMP_SOURCE_DIR) + "/reflib/data/Reflibs";

class Miscele : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(ILK_Set_Fluids(Reflibs.c_str()), ILK_OK) << ILK_Ultimo_Errore(); }
    static reflib::Miscela& miscela(const char* nome) {
        int esito = 0;
        auto* m = dynamic_cast<reflib::Miscela*>(reflib::libreriaProcesso().trova(nome, esito));
        EXPECT_NE(m, nullptr) << nome;
        return *m;
    }
    static reflib::Refrigerante& refrigerante(const char* nome) {
        int esito = 0;
        return *reflib::libreriaProcesso().trova(nome, esito);
    }
};

double alphaR(ModelloMiscela& m, double T, double rho, const double* x) {
    StatoMiscela s;
    m.valuta(T, rho, x, false, s);
    return s.ar;
}

// alphar's delta and tau derivatives, and d(n alphar)/dn_i at T and V, against central
// differences, for a five-component blend in the vapour and in the liquid.
TEST_F(Miscele, DerivateControNumeriche) {
    reflib::Miscela& r448 = miscela("R448A");
    ModelloMiscela& m = r448.modello;
    const int N = m.n();
    ASSERT_EQ(N, 5);
    Composizione x = r448.z;
    x[0] += 0.05;  // off the blend's own composition, so nothing is special
    x[4] -= 0.05;
    for (const double rho : {150.0, 12000.0}) {  // mol/m3
        const double T = 280;
        StatoMiscela s;
        m.valuta(T, rho, x.data(), true, s);
        // delta and tau derivatives at fixed x: vary rho and T, which map onto delta and tau.
        const double hd = 1e-5 * rho;
        const double ad = (alphaR(m, T, rho + hd, x.data()) - alphaR(m, T, rho - hd, x.data())) / (2 * hd);
        EXPECT_NEAR(ad * rho / s.delta, s.ar_d, 1e-7 * std::abs(s.ar_d) + 1e-12);
        StatoMiscela sp, sm;
        m.valuta(T, rho + hd, x.data(), false, sp);
        m.valuta(T, rho - hd, x.data(), false, sm);
        EXPECT_NEAR((sp.ar_d - sm.ar_d) / (2 * hd) * rho / s.delta, s.ar_dd, 1e-6 * std::abs(s.ar_dd));
        const double hT = 1e-5 * T;
        const double at = (alphaR(m, T + hT, rho, x.data()) - alphaR(m, T - hT, rho, x.data())) / (2 * hT);
        // d tau / d T = -tau / T.
        EXPECT_NEAR(at * (-T / s.tau), s.ar_t, 1e-7 * std::abs(s.ar_t));
        // d(n alphar)/dn_i: add moles of i at constant T and V.
        for (int i = 0; i < N; ++i) {
            auto nAlpha = [&](double dn) {
                Composizione y{};
                for (int k = 0; k < N; ++k) y[size_t(k)] = x[size_t(k)] + (k == i ? dn : 0);
                const double n = 1 + dn;
                for (int k = 0; k < N; ++k) y[size_t(k)] /= n;
                return n * alphaR(m, T, rho * n, y.data());
            };
            const double e = 1e-6;
            const double numerica = (nAlpha(e) - nAlpha(-e)) / (2 * e);
            EXPECT_NEAR(s.dnar[size_t(i)], numerica, 1e-7 * (1 + std::abs(numerica))) << "component " << i << " rho " << rho;
        }
    }
}

// Two identical components are the pure fluid: the same alphar at any split, and a dew
// and bubble pressure equal to the pure fluid's saturation pressure (scaled by the
// mixture model's gas constant, the only difference between the two).
TEST_F(Miscele, BinariaDiComponentiUgualiComeIlPuro) {
    reflib::Fluido* r32 = reflib::libreriaProcesso().trovaFluido("R32");
    ASSERT_NE(r32, nullptr);
    reflib::Miscela m;
    m.nome = "R32+R32";
    m.modello.componenti = {r32, r32};
    reflib::CoppiaMiscela c;
    c.i = 0;
    c.j = 1;
    m.modello.coppie = {c};
    m.modello.prepara();
    m.z = {0.3, 0.7};
    m.Tmin = r32->Tmin;
    m.Tmax = r32->Tmax;
    const double T = 263.15, rho = 9000;
    EXPECT_NEAR(alphaR(m.modello, T, rho, m.z.data()), reflib::residuoAlpha(r32->eq, r32->eq.Tr / T, rho / r32->eq.rhor),
                1e-13);
    double pPuro = 0, pD = 0, pB = 0, rL = 0, rV = 0;
    std::string errore;
    ASSERT_EQ(r32->equilibrio(T, pPuro, rL, rV, errore), reflib::Ok) << errore;
    ASSERT_EQ(m.pressioneRugiada(T, pD, errore), reflib::Ok) << errore;
    ASSERT_EQ(m.pressioneBolla(T, pB, errore), reflib::Ok) << errore;
    const double scala = reflib::CostanteGas / r32->eq.R;
    EXPECT_NEAR(pD / (pPuro * scala), 1, 1e-9);
    EXPECT_NEAR(pB / (pPuro * scala), 1, 1e-9);
}

// A component at 0 % changes nothing: R448A's model with R1234ze(E) at zero against the
// four-component model without it.
TEST_F(Miscele, ComponenteAZeroComeAssente) {
    ModelloMiscela& cinque = miscela("R448A").modello;
    ASSERT_EQ(cinque.componenti.back()->nome, "R1234ze(E)");
    ModelloMiscela quattro;
    quattro.componenti.assign(cinque.componenti.begin(), cinque.componenti.end() - 1);
    for (const reflib::CoppiaMiscela& c : cinque.coppie)
        if (c.i < 4 && c.j < 4) quattro.coppie.push_back(c);
    quattro.prepara();
    const Composizione x5 = {0.45, 0.2, 0.15, 0.2, 0.0}, x4 = {0.45, 0.2, 0.15, 0.2};
    for (const double rho : {200.0, 11000.0}) {
        StatoMiscela a, b;
        cinque.valuta(300, rho, x5.data(), true, a);
        quattro.valuta(300, rho, x4.data(), true, b);
        EXPECT_DOUBLE_EQ(a.ar, b.ar);
        EXPECT_DOUBLE_EQ(a.ar_d, b.ar_d);
        EXPECT_DOUBLE_EQ(a.ar_t, b.ar_t);
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(a.dnar[size_t(i)], b.dnar[size_t(i)], 1e-13);
        EXPECT_DOUBLE_EQ(cinque.entalpia(300, rho, x5.data(), a), quattro.entalpia(300, rho, x4.data(), b));
        EXPECT_NEAR(cinque.entropia(300, rho, x5.data(), a), quattro.entropia(300, rho, x4.data(), b), 1e-12);
    }
}

// The fitted curves answer as the equilibrium solved from scratch, between the fit's nodes too.
TEST_F(Miscele, CurveComeEquilibrioRisolto) {
    for (const char* gas : {"R448A", "R455A", "R513A"}) {
        reflib::Miscela& m = miscela(gas);
        for (double T = 214.0; T < m.tMaxSaturazione(); T += 7.3) {
            reflib::SoluzioneEquilibrio d, b;
            std::string errore;
            ASSERT_EQ(m.rugiadaEsatta(T, d, errore), reflib::Ok) << errore;
            ASSERT_EQ(m.bollaEsatta(T, b, errore), reflib::Ok) << errore;
            double pD = 0, pB = 0;
            ASSERT_EQ(ILK_p_D(gas, T, &pD), ILK_OK);
            ASSERT_EQ(m.pressioneBolla(T, pB, errore), reflib::Ok);
            EXPECT_NEAR(pD / d.p, 1, 1e-9) << gas << " T " << T;
            EXPECT_NEAR(pB / b.p, 1, 1e-9) << gas << " T " << T;
        }
    }
}

// A state on the dew line, or above it by a rounding of the pressure, is saturated vapour
// (for every kind of refrigerant); further above it is not vapour.
TEST_F(Miscele, TolleranzaDellaLineaDiRugiada) {
    struct Caso {
        const char* gas;
        double T, sopra;
        int16_t atteso;
    } casi[] = {
        {"R448A", 263.15, 0, ILK_OK},        {"R448A", 263.15, 9e-7, ILK_OK},
        {"R448A", 263.15, 3e-6, ILK_ERR_FUORI_CAMPO},
        {"R134a", 263.15, 9e-7, ILK_OK},     {"R134a", 263.15, 3e-6, ILK_ERR_FUORI_CAMPO},
        {"R404A", 285.94, 9e-7, ILK_OK},     {"R404A", 285.94, 3e-6, ILK_ERR_FUORI_CAMPO},
    };
    for (const Caso& c : casi) {
        double p = 0, h = 0, v = 0, hSat = 0;
        ASSERT_EQ(ILK_p_D(c.gas, c.T, &p), ILK_OK);
        ASSERT_EQ(ILK_h_V(c.gas, c.T, p, &hSat), ILK_OK);
        reflib::libreriaProcesso().dimentica();  // not from the remembered dew point
        EXPECT_EQ(ILK_h_V(c.gas, c.T, p * (1 + c.sopra), &h), c.atteso) << c.gas << " +" << c.sopra;
        EXPECT_EQ(ILK_V_V(c.gas, c.T, p * (1 + c.sopra), &v), c.atteso) << c.gas << " +" << c.sopra;
        // (dh/dp)_T of the vapour times the extra 1e-6 of pressure: a few 0.01 J/kg.
        if (c.atteso == ILK_OK) {
            EXPECT_NEAR(h, hSat, 0.1) << c.gas;
        }
    }
    // A dew pressure computed elsewhere, differing from ours in the 8th digit.
    double h = 0;
    EXPECT_EQ(ILK_h_V("R404A", 285.94, 884910.19, &h), ILK_OK) << ILK_Ultimo_Errore();
}

TEST_F(Miscele, Esiti) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    double x = 0, p = 0;
    // Liquid: the dew pressure of 30 degC at 0 degC, and the bubble pressure at its own T.
    ASSERT_EQ(ILK_p_D("R448A", 303.15, &p), ILK_OK);
    EXPECT_EQ(ILK_h_V("R448A", 273.15, p, &x), ILK_ERR_FUORI_CAMPO);
    std::string errore;
    ASSERT_EQ(refrigerante("R455A").pressioneBolla(263.15, p, errore), reflib::Ok);
    EXPECT_EQ(ILK_V_V("R455A", 263.15, p, &x), ILK_ERR_FUORI_CAMPO);
    // Saturation in or above the critical region, and below the range.
    for (const char* gas : {"R448A", "R454C", "R513A"}) {
        EXPECT_EQ(ILK_p_D(gas, 365, &x), ILK_ERR_FUORI_CAMPO) << gas;
        EXPECT_EQ(ILK_h_L(gas, 365, &x), ILK_ERR_FUORI_CAMPO) << gas;
        EXPECT_EQ(ILK_p_D(gas, 200, &x), ILK_ERR_FUORI_CAMPO) << gas;
    }
    // Above the critical region: vapour at low pressure, refused at a dense one.
    EXPECT_EQ(ILK_h_V("R448A", 380, 1e6, &x), ILK_OK) << ILK_Ultimo_Errore();
    EXPECT_EQ(ILK_h_V("R448A", 380, 6e6, &x), ILK_ERR_FUORI_CAMPO);
    EXPECT_EQ(ILK_h_L("R449A", nan, &x), ILK_ERR_ARGOMENTO);
    EXPECT_EQ(ILK_h_V("R449A", 280, nan, &x), ILK_ERR_ARGOMENTO);
    EXPECT_EQ(ILK_p_D("R449B", 263.15, &x), ILK_ERR_REFRIGERANTE_SCONOSCIUTO);
    // Catalogue spellings.
    for (const char* nome : {"R448A", "R-448A", "r448a"}) EXPECT_EQ(ILK_p_D(nome, 263.15, &x), ILK_OK) << nome;
}

// The C++ interface: the glide, and entropy consistent with the enthalpy through
// dh = T ds + v dp, for a blend, a pseudo-pure blend and a pure fluid.
TEST_F(Miscele, InterfacciaCpp) {
    struct Glide {
        const char* gas;
        double min, max;
    } glide[] = {{"R448A", 4, 7}, {"R513A", 0, 1}, {"R455A", 6, 14}, {"R134a", 0, 1e-6}};
    for (const Glide& g : glide) {
        reflib::Refrigerante& r = refrigerante(g.gas);
        std::string errore;
        double p = 0, tB = 0, tD = 0;
        ASSERT_EQ(r.pressioneRugiada(263.15, p, errore), reflib::Ok) << errore;
        ASSERT_EQ(r.glide(p, tB, tD, errore), reflib::Ok) << errore;
        EXPECT_NEAR(tD, 263.15, 1e-6) << g.gas;
        EXPECT_GE(tD - tB, g.min) << g.gas;
        EXPECT_LE(tD - tB, g.max) << g.gas;
    }
    for (const char* gas : {"R448A", "R407C", "R32"}) {
        reflib::Refrigerante& r = refrigerante(gas);
        std::string errore;
        double p = 0;
        ASSERT_EQ(r.pressioneRugiada(263.15, p, errore), reflib::Ok);
        const double T = 290, dT = 0.01, dp = 1e-4 * p;
        reflib::Proprieta a, b, c, d, o;
        ASSERT_EQ(r.statoVapore(T, p, o, errore), reflib::Ok) << errore;
        ASSERT_EQ(r.statoVapore(T - dT, p, a, errore), reflib::Ok);
        ASSERT_EQ(r.statoVapore(T + dT, p, b, errore), reflib::Ok);
        ASSERT_EQ(r.statoVapore(T, p - dp, c, errore), reflib::Ok);
        ASSERT_EQ(r.statoVapore(T, p + dp, d, errore), reflib::Ok);
        EXPECT_NEAR((b.h - a.h) / (b.s - a.s), T, 1e-4) << gas;
        EXPECT_NEAR((d.h - c.h) - T * (d.s - c.s), o.v * 2 * dp, 1e-5 * o.v * 2 * dp) << gas;
        EXPECT_NEAR(o.cp, (b.h - a.h) / (2 * dT), 1e-5 * o.cp) << gas;
        // Isentropic compression to the dew pressure of 40 degC keeps the entropy.
        double p2 = 0;
        ASSERT_EQ(r.pressioneRugiada(313.15, p2, errore), reflib::Ok);
        reflib::Proprieta fine;
        ASSERT_EQ(r.isentropica(p2, o.s, T + 30, fine, errore), reflib::Ok) << errore;
        EXPECT_NEAR(fine.s, o.s, 1e-6) << gas;
        EXPECT_GT(fine.T, T + 10) << gas;
    }
}

}  // namespace
