#include "engine/Condizioni.h"
#include "engine/Numeri.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

InviluppoCompressore inviluppoPieno() {
    InviluppoCompressore inv;
    for (int b = 0; b < NumeroBande; ++b) {
        inv.TEMin[b] = -40 + b; // band b recognisable by its limits
        inv.TEMax[b] = 10 - b;
    }
    return inv;
}

CondFunz punto(double te, double tc) {
    CondFunz cf;
    cf.TE = te;
    cf.TC = tc;
    cf.TU = cf.TL = cf.TA = NonDato;
    cf.TcMin = 30;
    cf.TcMax = 75;
    return cf;
}

struct CasoBanda {
    double tc;
    int banda;
};

TEST(BandaTc, EdgesOfTheBands) {
    const CasoBanda casi[] = {{30, 0},    {34.9, 0}, {35, 1},     {69.99, 7}, {70, 8},
                              {74.99, 8}, {75, 8},   {29.99, -1}, {75.01, -1}};
    for (const auto& c : casi)
        EXPECT_EQ(BandaTc(c.tc), c.banda) << "TC " << c.tc;
}

TEST(VerificaCondizioni, UsesTheBandOfTc) {
    const struct {
        double tc;
        int banda;
    } casi[] = {{75, 8}, {74.99, 8}, {70, 8}, {69.99, 7}, {30, 0}};
    for (const auto& c : casi) {
        CondFunz cf = punto(-20, c.tc);
        EXPECT_TRUE(VerificaCondizioni(cf, inviluppoPieno())) << c.tc;
        EXPECT_EQ(cf.TeMin, -40 + c.banda) << c.tc;
        EXPECT_EQ(cf.TeMax, 10 - c.banda) << c.tc;
    }
}

TEST(VerificaCondizioni, CondensingLimitsComeFirst) {
    CondFunz cf = punto(-100, 60);
    cf.TcMax = 60;
    cf.TeMin = cf.TeMax = 123;
    EXPECT_FALSE(VerificaCondizioni(cf, inviluppoPieno())); // TE refused, TC passed
    EXPECT_EQ(cf.CodiceErrore, 1);

    cf = punto(-100, 60.01);
    cf.TcMax = 60;
    cf.TeMin = cf.TeMax = 123;
    EXPECT_FALSE(VerificaCondizioni(cf, inviluppoPieno()));
    EXPECT_EQ(cf.CodiceErrore, 2);
    EXPECT_EQ(cf.TeMin, 123); // the envelope was not looked at
    EXPECT_EQ(cf.TU, NonDato);
}

TEST(VerificaCondizioni, EvaporatingLimitsInclusiveNullAsZero) {
    InviluppoCompressore inv = inviluppoPieno();
    CondFunz cf = punto(-38, 40); // band 40 is index 2: -38..8
    EXPECT_TRUE(VerificaCondizioni(cf, inv));
    cf = punto(8, 40);
    EXPECT_TRUE(VerificaCondizioni(cf, inv));
    cf = punto(8.01, 40);
    EXPECT_FALSE(VerificaCondizioni(cf, inv));
    EXPECT_EQ(cf.CodiceErrore, 1);

    inv.TEMin[2].reset();
    inv.TEMax[2].reset();
    cf = punto(0, 40);
    EXPECT_TRUE(VerificaCondizioni(cf, inv));
    cf = punto(-1, 40);
    EXPECT_FALSE(VerificaCondizioni(cf, inv));
}

TEST(VerificaCondizioni, TcWithinLimitsButWithoutBandIsRefused) {
    for (double tc : {25.0, 80.0}) {
        CondFunz cf = punto(-10, tc);
        cf.TcMin = 20;
        cf.TcMax = 90;
        EXPECT_FALSE(VerificaCondizioni(cf, inviluppoPieno()));
        EXPECT_EQ(cf.CodiceErrore, 2);
        cf = punto(-10, tc);
        cf.TcMin = 20;
        cf.TcMax = 90;
        cf.TeMin = -40;
        cf.TeMax = 10;
        EXPECT_FALSE(VerificaCondizioniSelezione(cf));
        EXPECT_EQ(cf.CodiceErrore, 2);
    }
}

TEST(VerificaCondizioniSelezione, UsesLimitsSetByTheScreen) {
    CondFunz cf = punto(-10, 40);
    cf.TeMin = -10;
    cf.TeMax = -10;
    EXPECT_TRUE(VerificaCondizioniSelezione(cf));
    cf = punto(-10.5, 40);
    cf.TeMin = -10;
    cf.TeMax = 0;
    EXPECT_FALSE(VerificaCondizioniSelezione(cf));
    EXPECT_EQ(cf.CodiceErrore, 1);
}

struct CasoCompleta {
    const char* nome;
    double tu, tl, ta;
    bool atteso;
    int codice;
    double tuFinale, tlFinale, taFinale;
};

TEST(CompletaCondizioni, DefaultsAndOrder) {
    // TE -10, TC 40
    const CasoCompleta casi[] = {
        {"all empty", NonDato, NonDato, NonDato, true, 0, -10, 31.7, 1.1},
        {"only TA given: TU becomes TE", NonDato, NonDato, 5, false, 3, -10, 31.7, 5},
        {"TU equal to TA passes", 5, 30, 5, true, 0, 5, 30, 5},
        {"TU above TA", 6, 30, 5, false, 3, 6, 30, 5},
        {"TL equal to TC passes", -5, 40, 0, true, 0, -5, 40, 0},
        {"TL above TC", -5, 40.1, 0, false, 4, -5, 40.1, 0},
        {"TL equal to TE", -5, -10, 0, false, 4, -5, -10, 0},
        {"TA equal to TC", 0, 30, 40, false, 5, 0, 30, 40},
        {"TA default below TU", 2, 30, NonDato, false, 3, 2, 30, 1.1},
        {"TU given, defaults for the rest", -5, NonDato, NonDato, true, 0, -5, 31.7, 1.1},
    };
    for (const auto& c : casi) {
        CondFunz cf = punto(-10, 40);
        cf.TU = c.tu;
        cf.TL = c.tl;
        cf.TA = c.ta;
        cf.CodiceErrore = 9;
        EXPECT_EQ(CompletaCondizioni(cf), c.atteso) << c.nome;
        EXPECT_EQ(cf.CodiceErrore, c.atteso ? 0 : c.codice) << c.nome;
        EXPECT_DOUBLE_EQ(cf.TU, c.tuFinale) << c.nome;
        EXPECT_DOUBLE_EQ(cf.TL, c.tlFinale) << c.nome;
        EXPECT_DOUBLE_EQ(cf.TA, c.taFinale) << c.nome;
    }
}

TEST(CompletaCondizioni, TypedSentinelCountsAsNotGiven) {
    CondFunz cf = punto(-10, 40);
    cf.TU = 9999.9;
    cf.TL = 9999.9;
    cf.TA = 9999.9;
    EXPECT_TRUE(CompletaCondizioni(cf));
    EXPECT_TRUE(cf.TuttiNonDati);
}

TEST(LimitiTcDaInviluppo, FirstAndLastNonNullBand) {
    InviluppoCompressore inv;
    inv.TEMin[1] = -30;
    inv.TEMax[1] = 5;
    inv.TEMin[6] = -10;
    inv.TEMax[6] = 10;
    CondFunz cf;
    LimitiTcDaInviluppo(cf, inv);
    EXPECT_EQ(cf.TcMin, 35);
    EXPECT_EQ(cf.TcMax, 60);
    // Edge case of the calculation screen: 32 is below the range.
    cf.TC = 32;
    cf.TE = -10;
    EXPECT_FALSE(VerificaCondizioni(cf, inv));
    EXPECT_EQ(cf.CodiceErrore, 2);

    CondFunz vuoto;
    vuoto.TcMin = 1;
    vuoto.TcMax = 2;
    LimitiTcDaInviluppo(vuoto, InviluppoCompressore{});
    EXPECT_EQ(vuoto.TcMin, 1);
    EXPECT_EQ(vuoto.TcMax, 2);
}

} // namespace

namespace {

// What people read of a completed temperature: 15 significant digits, not the double's
// tail; data files keep the shortest text that reads back unchanged.
TEST(TestiNumeri, DefaultFormAndExactForm) {
    const struct {
        double valore;
        const char* predefinito;
        const char* esatto;
    } casi[] = {
        {-10 + SurriscaldamentoDefault, "1.1", "1.0999999999999996"},
        {40 - SottoraffreddamentoDefault, "31.7", "31.7"},
        {NonDato, "9999.9", "9999.9"},
        {-0.0, "0", "0"},
        {263.15, "263.15", "263.15"},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(testoPredefinito(c.valore), c.predefinito) << c.esatto;
        EXPECT_EQ(testoNumero(c.valore), c.esatto);
    }
    EXPECT_EQ(testoPredefinito(std::nan("")), "-");
}

} // namespace
