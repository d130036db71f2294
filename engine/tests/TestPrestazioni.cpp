#include "engine/Prestazioni.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Polinomio, TermOrder) {
    // At TE = -10, TC = 40 each coefficient alone gives its term.
    const double termini[10] = {1, -10, 40, 100, -400, 1600, -1000, 4000, -16000, 64000};
    for (int k = 0; k < 10; ++k) {
        std::array<double, 12> c{};
        c[k] = 1;
        EXPECT_DOUBLE_EQ(Polinomio(c, -10, 40), termini[k]) << "C" << k;
    }
}

DatiCompressore motore() {
    DatiCompressore d;
    const double w[] = {1000, 2000, 3000, 4000};
    const double a[] = {2, 3.5, 5.5, 8};
    for (int k = 0; k < 4; ++k) {
        d.W[k] = w[k];
        d.A[k] = a[k];
    }
    return d;
}

TEST(CorrenteDaPotenza, Segments) {
    const DatiCompressore d = motore();
    const struct {
        const char* nome;
        double p, atteso;
    } casi[] = {
        {"below the first point: proportional", 500, 1.0},
        {"at a table point", 3000, 5.5},
        {"inside a segment", 2500, 4.5},
        {"at the last point", 4000, 8},
        {"above the table: first segment", 5000, 8.0}, // 2 + 1.5/1000 * 4000
        {"at the first point: first segment", 1000, 2},
    };
    for (const auto& c : casi)
        EXPECT_NEAR(CorrenteDaPotenza(d, c.p, SegmentiMotore), c.atteso, 1e-12) << c.nome;
}

TEST(CorrenteDaPotenza, BrokenTablesGiveNoNumber) {
    DatiCompressore vuoto;
    EXPECT_FALSE(std::isfinite(CorrenteDaPotenza(vuoto, 1500, SegmentiMotore)));
    DatiCompressore doppio = motore();
    doppio.W[1] = 1000; // first segment with two equal points
    EXPECT_FALSE(std::isfinite(CorrenteDaPotenza(doppio, 5000, SegmentiMotore)));
    // A segment count beyond the table is kept within the 22 points.
    EXPECT_NEAR(CorrenteDaPotenza(motore(), 2500, 500), 4.5, 1e-12);
}

StatoMotore statoProva() {
    StatoMotore s;
    s.fattoriTensione = InizializzaFattori();
    s.condFunz.TE = -10;
    s.condFunz.TC = 40;
    s.datiCompressore = motore();
    s.datiCompressore.WR[0] = 10000; // 10 kW
    s.datiCompressore.WR[1] = 100;   // 9 kW at -10
    s.datiCompressore.WA[0] = 2500;  // 2.5 kW
    s.datiCompressore.PM[0] = 0.05;  // kg/s
    return s;
}

TEST(CalcolaPrestazioni, StandardConditions) {
    StatoMotore s = statoProva();
    ASSERT_TRUE(CalcolaPrestazioni(s).ok());
    const Risultati& r = s.risultati;
    EXPECT_DOUBLE_EQ(r.ResaStd, 9);
    EXPECT_DOUBLE_EQ(r.ResaEvaporatore, r.ResaStd);
    EXPECT_DOUBLE_EQ(r.ResaCompressore, r.ResaStd);
    EXPECT_DOUBLE_EQ(r.PotenzaAssorbita, 2.5);
    EXPECT_DOUBLE_EQ(r.CorrenteStd, 4.5);
    EXPECT_DOUBLE_EQ(r.CorrenteAssorbita, 4.5);
    EXPECT_DOUBLE_EQ(r.PortataMassaStd, 180);
    EXPECT_DOUBLE_EQ(r.PortataMassa, r.PortataMassaStd);
    EXPECT_DOUBLE_EQ(r.COP, 3.6);
    EXPECT_DOUBLE_EQ(r.COPStd, r.COP);
    EXPECT_DOUBLE_EQ(r.CaloreCondensatore, 11.5);
    EXPECT_DOUBLE_EQ(r.CaloreCondensatoreStd, 11.5);
}

TEST(CalcolaPrestazioni, SupplyFactors) {
    const struct {
        int16_t indice;
        double resa, potenza, corrente, portata;
    } casi[] = {
        {0, 9, 2.5, 4.5, 180},
        {1, 9, 2.5, 4.5 * 1.732, 180},
        {2, 9 * 1.18, 2.5 * 1.2, 4.5, 180 * 1.18},
        {3, 9 * 1.18, 2.5 * 1.2, 4.5 * 1.2, 180 * 1.18},
        {4, 9 * 1.18, 2.5 * 1.2, 4.5 * 2.08, 180 * 1.18},
    };
    for (const auto& c : casi) {
        StatoMotore s = statoProva();
        s.condFunz.IndiceTensione = c.indice;
        ASSERT_TRUE(CalcolaPrestazioni(s).ok());
        EXPECT_NEAR(s.risultati.ResaStd, c.resa, 1e-12) << c.indice;
        EXPECT_NEAR(s.risultati.PotenzaAssorbita, c.potenza, 1e-12) << c.indice;
        EXPECT_NEAR(s.risultati.CorrenteStd, c.corrente, 1e-12) << c.indice;
        EXPECT_NEAR(s.risultati.PortataMassaStd, c.portata, 1e-9) << c.indice;
    }
}

TEST(CalcolaPrestazioni, CorrectionFactorsApply) {
    StatoMotore s = statoProva();
    s.correzioni.CoeffResa = 1.1;
    s.correzioni.CoeffResaCompressore = 1.2;
    s.correzioni.VA0 = 2;
    s.correzioni.VA = 4;
    ASSERT_TRUE(CalcolaPrestazioni(s).ok());
    EXPECT_DOUBLE_EQ(s.risultati.ResaEvaporatore, 9.9);
    EXPECT_DOUBLE_EQ(s.risultati.ResaCompressore, 10.8);
    EXPECT_DOUBLE_EQ(s.risultati.PortataMassa, 90);
    EXPECT_DOUBLE_EQ(s.risultati.COP, 10.8 / 2.5);
    EXPECT_DOUBLE_EQ(s.risultati.CaloreCondensatore, 13.3);
}

TEST(CalcolaPrestazioni, IndexOutOfRangeWritesNothing) {
    for (int16_t indice : {int16_t(6), int16_t(-1)}) {
        StatoMotore s = statoProva();
        s.risultati.ResaStd = 77;
        s.condFunz.IndiceTensione = indice;
        Esito e = CalcolaPrestazioni(s);
        EXPECT_EQ(e.tipo, TipoEsito::ErroreCalcolo);
        EXPECT_EQ(e.grandezza, "IndiceTensione");
        EXPECT_EQ(s.risultati.ResaStd, 77);
    }
}

TEST(CalcolaPrestazioni, FaultEndsTheRatingAtItsStep) {
    // All coefficients zero: capacity, power, mass flow 0, the COP step faults.
    StatoMotore zero;
    zero.fattoriTensione = InizializzaFattori();
    zero.datiCompressore = motore();
    zero.risultati.COP = zero.risultati.CaloreCondensatore = 77;
    Esito e = CalcolaPrestazioni(zero);
    EXPECT_EQ(e.tipo, TipoEsito::ErroreCalcolo);
    EXPECT_EQ(e.grandezza, "COP");
    EXPECT_NE(e.messaggio.find("COP"), std::string::npos);
    EXPECT_EQ(zero.risultati.PortataMassa, 0); // written before the fault
    EXPECT_EQ(zero.risultati.COP, 77);         // not written
    EXPECT_EQ(zero.risultati.CaloreCondensatore, 77);

    // No motor table: everything but the current is rated; the current is not known.
    StatoMotore senzaMotore = statoProva();
    senzaMotore.datiCompressore.W = {};
    senzaMotore.datiCompressore.A = {};
    senzaMotore.risultati.PortataMassaStd = 77;
    senzaMotore.risultati.CorrenteStd = 77;
    ASSERT_TRUE(CalcolaPrestazioni(senzaMotore).ok());
    EXPECT_DOUBLE_EQ(senzaMotore.risultati.PotenzaAssorbita, 2.5);
    EXPECT_NE(senzaMotore.risultati.PortataMassaStd, 77);
    EXPECT_TRUE(std::isfinite(senzaMotore.risultati.CaloreCondensatore));
    EXPECT_TRUE(std::isnan(senzaMotore.risultati.CorrenteStd));
    EXPECT_TRUE(std::isnan(senzaMotore.risultati.CorrenteAssorbita));

    // Overflow in a polynomial.
    StatoMotore enorme = statoProva();
    enorme.datiCompressore.WR[9] = 1e305;
    e = CalcolaPrestazioni(enorme);
    EXPECT_EQ(e.grandezza, "ResaStd");
    EXPECT_NE(e.messaggio.find("overflow"), std::string::npos);
}

} // namespace

namespace {

// An eight-cylinder part-winding model offers 380-420 V/50 Hz and 440-480 V/60 Hz only.
TEST(TensioneOfferta, ByModel) {
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(TensioneOfferta(i, false)) << i;
        EXPECT_EQ(TensioneOfferta(i, true), i == 0 || i == 2) << i;
    }
    EXPECT_FALSE(TensioneOfferta(5, false));
    EXPECT_FALSE(TensioneOfferta(-1, false));
}

} // namespace
