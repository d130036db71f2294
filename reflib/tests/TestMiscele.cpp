// The blends computed as mixtures: the model's derivatives, limiting cases that must
// reduce to known answers, the dew-line tolerance, statuses, and the C++ interface.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
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
    void SetUp() override {
        ASSERT_EQ(ILK_Set_Fluids(Reflibs.c_str()), ILK_OK) << ILK_Ultimo_Errore();
    }
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
    x[0] += 0.05; // off the blend's own composition, so nothing is special
    x[4] -= 0.05;
    for (const double rho : {150.0, 12000.0}) { // mol/m3
        const double T = 280;
        StatoMiscela s;
        m.valuta(T, rho, x.data(), true, s);
        // delta and tau derivatives at fixed x: vary rho and T, which map onto delta and tau.
        const double hd = 1e-5 * rho;
        const double ad =
            (alphaR(m, T, rho + hd, x.data()) - alphaR(m, T, rho - hd, x.data())) / (2 * hd);
        EXPECT_NEAR(ad * rho / s.delta, s.ar_d, 1e-7 * std::abs(s.ar_d) + 1e-12);
        StatoMiscela sp, sm;
        m.valuta(T, rho + hd, x.data(), false, sp);
        m.valuta(T, rho - hd, x.data(), false, sm);
        EXPECT_NEAR((sp.ar_d - sm.ar_d) / (2 * hd) * rho / s.delta, s.ar_dd,
                    1e-6 * std::abs(s.ar_dd));
        const double hT = 1e-5 * T;
        const double at =
            (alphaR(m, T + hT, rho, x.data()) - alphaR(m, T - hT, rho, x.data())) / (2 * hT);
        // d tau / d T = -tau / T.
        EXPECT_NEAR(at * (-T / s.tau), s.ar_t, 1e-7 * std::abs(s.ar_t));
        // d(n alphar)/dn_i: add moles of i at constant T and V.
        for (int i = 0; i < N; ++i) {
            auto nAlpha = [&](double dn) {
                Composizione y{};
                for (int k = 0; k < N; ++k)
                    y[size_t(k)] = x[size_t(k)] + (k == i ? dn : 0);
                const double n = 1 + dn;
                for (int k = 0; k < N; ++k)
                    y[size_t(k)] /= n;
                return n * alphaR(m, T, rho * n, y.data());
            };
            const double e = 1e-6;
            const double numerica = (nAlpha(e) - nAlpha(-e)) / (2 * e);
            EXPECT_NEAR(s.dnar[size_t(i)], numerica, 1e-7 * (1 + std::abs(numerica)))
                << "component " << i << " rho " << rho;
        }
    }
}

// The equilibrium Newton's Jacobian: pressure and ln f_i with their derivatives in ln rho
// and in each x_j (independent), against central differences of the fugacities. Vapour
// and liquid; R455A holds R744 with its critical-region terms.
TEST_F(Miscele, DerivateFugacitaControNumeriche) {
    struct Caso {
        const char* gas;
        double T, rho;
    } casi[] = {
        {"R448A", 280, 150}, {"R448A", 280, 12000}, {"R455A", 250, 13000}, {"R513A", 330, 900}};
    for (const Caso& c : casi) {
        reflib::Miscela& misc = miscela(c.gas);
        ModelloMiscela& m = misc.modello;
        const int N = m.n();
        Composizione x = misc.z;
        x[0] += 0.03; // off the blend's composition
        x[size_t(N - 1)] -= 0.03;
        const double lnRho = std::log(c.rho);
        reflib::DerivateFugacita d;
        m.fugacitaDerivate(c.T, lnRho, x.data(), d);
        double p = 0, lnf[reflib::MaxComponenti], pa = 0, pb = 0, lnfa[reflib::MaxComponenti],
               lnfb[reflib::MaxComponenti];
        m.fugacita(c.T, lnRho, x.data(), p, lnf);
        const std::string caso = std::string(c.gas) + " rho " + std::to_string(c.rho);
        EXPECT_NEAR(d.p, p, 1e-12 * std::abs(p)) << caso;
        for (int i = 0; i < N; ++i)
            EXPECT_NEAR(d.lnf[size_t(i)], lnf[i], 1e-12 * std::abs(lnf[i])) << caso;
        const double h = 1e-6;
        m.fugacita(c.T, lnRho + h, x.data(), pa, lnfa);
        m.fugacita(c.T, lnRho - h, x.data(), pb, lnfb);
        EXPECT_NEAR(d.p_lnRho, (pa - pb) / (2 * h), 1e-6 * (std::abs(d.p_lnRho) + std::abs(p)))
            << caso;
        for (int i = 0; i < N; ++i) {
            const double num = (lnfa[i] - lnfb[i]) / (2 * h);
            EXPECT_NEAR(d.lnf_lnRho[size_t(i)], num, 1e-6 * (1 + std::abs(num)))
                << caso << " i " << i;
        }
        for (int j = 0; j < N; ++j) {
            Composizione xa = x, xb = x;
            xa[size_t(j)] += h;
            xb[size_t(j)] -= h;
            m.fugacita(c.T, lnRho, xa.data(), pa, lnfa);
            m.fugacita(c.T, lnRho, xb.data(), pb, lnfb);
            EXPECT_NEAR(d.p_x[size_t(j)], (pa - pb) / (2 * h),
                        1e-6 * (std::abs(d.p_x[size_t(j)]) + std::abs(p)))
                << caso << " j " << j;
            for (int i = 0; i < N; ++i) {
                const double num = (lnfa[i] - lnfb[i]) / (2 * h);
                EXPECT_NEAR(d.lnf_x[i][j], num, 1e-6 * (1 + std::abs(num)))
                    << caso << " i " << i << " j " << j;
            }
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
    EXPECT_NEAR(alphaR(m.modello, T, rho, m.z.data()),
                reflib::residuoAlpha(r32->eq, r32->eq.Tr / T, rho / r32->eq.rhor), 1e-13);
    double pPuro = 0, pD = 0, pB = 0, rL = 0, rV = 0;
    std::string errore;
    ASSERT_EQ(r32->equilibrio(T, pPuro, rL, rV, errore), reflib::Ok) << errore;
    ASSERT_EQ(m.pressioneRugiada(T, pD, errore), reflib::Ok) << errore;
    ASSERT_EQ(m.pressioneBolla(T, pB, errore), reflib::Ok) << errore;
    const double scala = reflib::CostanteGas / r32->eq.R;
    EXPECT_NEAR(pD / (pPuro * scala), 1, 1e-9);
    EXPECT_NEAR(pB / (pPuro * scala), 1, 1e-9);
    // The entropy's reference: each component's own (IIR) offsets, plus the ideal mixing
    // term -R sum x ln x, which the pure fluid has not.
    const double miscelamento = -reflib::CostanteGas * (0.3 * std::log(0.3) + 0.7 * std::log(0.7));
    for (const double r : {rL, rV}) {
        StatoMiscela s;
        m.modello.valuta(T, r, m.z.data(), false, s);
        EXPECT_NEAR(m.modello.entropia(T, r, m.z.data(), s),
                    scala * r32->entropia(T, r) + miscelamento, 1e-9)
            << "rho " << r;
    }
}

// A component at 0 % changes nothing: R448A's model with R1234ze(E) at zero against the
// four-component model without it.
TEST_F(Miscele, ComponenteAZeroComeAssente) {
    ModelloMiscela& cinque = miscela("R448A").modello;
    ASSERT_EQ(cinque.componenti.back()->nome, "R1234ze(E)");
    ModelloMiscela quattro;
    quattro.componenti.assign(cinque.componenti.begin(), cinque.componenti.end() - 1);
    for (const reflib::CoppiaMiscela& c : cinque.coppie)
        if (c.i < 4 && c.j < 4)
            quattro.coppie.push_back(c);
    quattro.prepara();
    const Composizione x5 = {0.45, 0.2, 0.15, 0.2, 0.0}, x4 = {0.45, 0.2, 0.15, 0.2};
    for (const double rho : {200.0, 11000.0}) {
        StatoMiscela a, b;
        cinque.valuta(300, rho, x5.data(), true, a);
        quattro.valuta(300, rho, x4.data(), true, b);
        EXPECT_DOUBLE_EQ(a.ar, b.ar);
        EXPECT_DOUBLE_EQ(a.ar_d, b.ar_d);
        EXPECT_DOUBLE_EQ(a.ar_t, b.ar_t);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(a.dnar[size_t(i)], b.dnar[size_t(i)], 1e-13);
        EXPECT_DOUBLE_EQ(cinque.entalpia(300, rho, x5.data(), a),
                         quattro.entalpia(300, rho, x4.data(), b));
        EXPECT_NEAR(cinque.entropia(300, rho, x5.data(), a),
                    quattro.entropia(300, rho, x4.data(), b), 1e-12);
    }
}

// The fitted curves answer as the equilibrium solved from scratch, between the fit's nodes
// too, for every blend from below -50 degC to the end of its curves (a few kelvin below
// its critical region); past the end the answer is "out of range", never a figure.
TEST_F(Miscele, CurveComeEquilibrioRisolto) {
    for (const char* gas :
         {"R448A", "R449A", "R452A", "R454A", "R454C", "R455A", "R513A", "R407F", "R450A"}) {
        reflib::Miscela& m = miscela(gas);
        double x = 0;
        ASSERT_EQ(ILK_p_D(gas, 263.15, &x), ILK_OK) << ILK_Ultimo_Errore();
        const double fine = m.tMaxSaturazione();
        EXPECT_GT(fine, 333.15) << gas; // the reference table's last row
        EXPECT_EQ(ILK_p_D(gas, fine, &x), ILK_OK) << gas;
        EXPECT_EQ(ILK_p_D(gas, fine + 0.01, &x), ILK_ERR_FUORI_CAMPO) << gas;
        EXPECT_EQ(ILK_h_L(gas, fine + 0.01, &x), ILK_ERR_FUORI_CAMPO) << gas;
        for (double T = 214.0; T < fine; T += 2.5) {
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
        {"R448A", 263.15, 0, ILK_OK},
        {"R448A", 263.15, 9e-7, ILK_OK},
        {"R448A", 263.15, 3e-6, ILK_ERR_FUORI_CAMPO},
        {"R134a", 263.15, 9e-7, ILK_OK},
        {"R134a", 263.15, 3e-6, ILK_ERR_FUORI_CAMPO},
        {"R404A", 285.94, 9e-7, ILK_OK},
        {"R404A", 285.94, 3e-6, ILK_ERR_FUORI_CAMPO},
    };
    for (const Caso& c : casi) {
        double p = 0, h = 0, v = 0, hSat = 0;
        ASSERT_EQ(ILK_p_D(c.gas, c.T, &p), ILK_OK);
        ASSERT_EQ(ILK_h_V(c.gas, c.T, p, &hSat), ILK_OK);
        reflib::libreriaProcesso().dimentica(); // not from the remembered dew point
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
    for (const char* nome : {"R448A", "R-448A", "r448a"})
        EXPECT_EQ(ILK_p_D(nome, 263.15, &x), ILK_OK) << nome;
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
    // Every refrigerant, the pure ones included, from the cold end to near the critical point:
    // the saturation temperatures bracket up to the critical point, where R1234yf's
    // equilibrium solve once failed and took the glide of every pressure with it.
    for (const char* gas :
         {"R22",        "R134a", "R404A", "R407C", "R507A", "R410A", "R448A", "R449A",
          "R407F",      "R452A", "R454A", "R454C", "R455A", "R513A", "R450A", "R1234yf",
          "R1234ze(E)", "R290",  "R600a", "R32",   "R125",  "R744"}) {
        reflib::Refrigerante& r = refrigerante(gas);
        const bool pura = std::set<std::string>{"R22",   "R134a", "R1234yf", "R1234ze(E)", "R290",
                                                "R600a", "R32",   "R125",    "R744"}
                              .count(gas) > 0;
        double p263 = 0;
        std::string e263;
        r.pressioneRugiada(263.15, p263, e263); // a blend's range is known once its curves are
        for (double frazione : {0.6, 0.75, 0.9, 0.97}) {
            const double T =
                r.tMinSaturazione() + frazione * (r.tMaxSaturazione() - r.tMinSaturazione());
            std::string errore;
            double p = 0, tB = 0, tD = 0;
            ASSERT_EQ(r.pressioneRugiada(T, p, errore), reflib::Ok) << gas << " " << errore;
            ASSERT_EQ(r.glide(p, tB, tD, errore), reflib::Ok) << gas << " " << T << " " << errore;
            EXPECT_NEAR(tD, T, 1e-6) << gas;
            EXPECT_LE(tB, tD + 1e-6) << gas;
            if (pura) {
                EXPECT_NEAR(tB, tD, 1e-6) << gas;
            }
        }
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

// cp of the C++ interface against (dh/dT)_p = h_T - h_rho p_T / p_rho, the partial
// derivatives at fixed rho or T taken by differences at the state's own density: saturated
// liquid and vapour of pure fluids (R744 near its critical point), a pseudo-pure blend and
// mixtures.
TEST_F(Miscele, CpComeDifferenze) {
    struct Caso {
        const char* gas;
        double T;
    } casi[] = {{"R32", 263.15},   {"R744", 295},  {"R404A", 263.15},
                {"R448A", 263.15}, {"R448A", 330}, {"R455A", 263.15}};
    for (const Caso& c : casi) {
        reflib::Refrigerante& r = refrigerante(c.gas);
        auto* f = dynamic_cast<reflib::Fluido*>(&r);
        auto* m = dynamic_cast<reflib::Miscela*>(&r);
        // Enthalpy (J/kg) and pressure at (T, molar density).
        auto h = [&](double T, double rho) {
            if (f)
                return f->entalpia(T, rho);
            StatoMiscela s;
            m->modello.valuta(T, rho, m->z.data(), false, s);
            return m->modello.entalpia(T, rho, m->z.data(), s) / s.M;
        };
        auto p = [&](double T, double rho) {
            return f ? f->pressione(T, rho) : m->modello.pressione(T, rho, m->z.data());
        };
        const double M = f ? f->eq.M : [&] {
            StatoMiscela s;
            m->modello.valuta(c.T, 1, m->z.data(), false, s);
            return s.M;
        }();
        std::string errore;
        reflib::Proprieta stati[2];
        ASSERT_EQ(r.liquidoSaturo(c.T, stati[0], errore), reflib::Ok) << errore;
        ASSERT_EQ(r.vaporeSaturo(c.T, stati[1], errore), reflib::Ok) << errore;
        for (const reflib::Proprieta& q : stati) {
            const double T = q.T, rho = 1 / (q.v * M), dT = 1e-4 * T, dr = 1e-5 * rho;
            const double hT = (h(T + dT, rho) - h(T - dT, rho)) / (2 * dT);
            const double hr = (h(T, rho + dr) - h(T, rho - dr)) / (2 * dr);
            const double pT = (p(T + dT, rho) - p(T - dT, rho)) / (2 * dT);
            const double pr = (p(T, rho + dr) - p(T, rho - dr)) / (2 * dr);
            const double cp = hT - hr * pT / pr;
            EXPECT_NEAR(q.cp, cp, 1e-6 * cp) << c.gas << " T " << T << " rho " << rho;
        }
    }
}

// The isentrope from the entropy is the one of dh = v dp: the work h2 - h1 equals the
// integral of v dp along it (Simpson's rule in ln p over the isentrope's own states).
TEST_F(Miscele, IsentropicaComeIntegraleDiVdp) {
    for (const char* gas : {"R448A", "R455A", "R513A", "R32"}) {
        reflib::Refrigerante& r = refrigerante(gas);
        std::string errore;
        double p1 = 0, p2 = 0;
        ASSERT_EQ(r.pressioneRugiada(263.15, p1, errore), reflib::Ok);
        ASSERT_EQ(r.pressioneRugiada(318.15, p2, errore), reflib::Ok);
        reflib::Proprieta inizio;
        ASSERT_EQ(r.statoVapore(273.15, p1, inizio, errore), reflib::Ok) << errore;
        const int n = 16;
        double integrale = 0, fineH = 0, t = 300;
        for (int k = 0; k <= n; ++k) {
            const double lnp = std::log(p1) + (std::log(p2) - std::log(p1)) * k / n;
            reflib::Proprieta q;
            ASSERT_EQ(r.isentropica(std::exp(lnp), inizio.s, t, q, errore), reflib::Ok)
                << gas << " " << errore;
            t = q.T;
            const double peso = k == 0 || k == n ? 1 : (k % 2 ? 4 : 2);
            integrale += peso * q.v * q.p;
            fineH = q.h;
        }
        integrale *= (std::log(p2) - std::log(p1)) / n / 3;
        EXPECT_NEAR(fineH - inizio.h, integrale, 1e-6 * integrale) << gas;
    }
}

} // namespace
