#include "Stub.h"
#include "engine/Correzioni.h"
#include "engine/Prestazioni.h"

#include <gtest/gtest.h>

namespace {

StatoMotore statoProva(double tu, double tl, double ta) {
    StatoMotore s;
    s.fattoriTensione = InizializzaFattori();
    CondFunz& cf = s.condFunz;
    cf.NomeGas = "RTEST";
    cf.TE = -10;
    cf.TC = 40;
    cf.T0 = 20;
    cf.TU = tu;
    cf.TL = tl;
    cf.TA = ta;
    return s;
}

TEST(CalcolaCorrezioni, StandardConditionsDoNotCallTheLibrary) {
    StatoMotore s = statoProva(0, 30, 10);
    s.condFunz.CondizioniStandard = true;
    s.correzioni.CoeffResa = s.correzioni.VA = 5;
    s.debug = 1;
    MessaggiRaccolti m;
    stub::chiamate = 0;
    EXPECT_TRUE(CalcolaCorrezioni(s, stub::libreria(), m).ok());
    EXPECT_EQ(stub::chiamate, 0);
    EXPECT_EQ(s.correzioni.CoeffResa, 1);
    EXPECT_EQ(s.correzioni.CoeffResaCompressore, 1);
    EXPECT_EQ(s.correzioni.VA0, 1);
    EXPECT_EQ(s.correzioni.VA, 1);
    EXPECT_FALSE(s.correzioni.debug.daMostrare);
}

TEST(CalcolaCorrezioni, RatingConditionsGiveOne) {
    StatoMotore s = statoProva(20, 40, 20); // TA = T0, TL = TC
    MessaggiRaccolti m;
    ASSERT_TRUE(CalcolaCorrezioni(s, stub::libreria(), m).ok());
    EXPECT_DOUBLE_EQ(s.correzioni.CoeffResaCompressore, 1);
    EXPECT_DOUBLE_EQ(s.correzioni.VA, s.correzioni.VA0);
    EXPECT_TRUE(m.testi.empty());
}

TEST(CalcolaCorrezioni, PhysicalDirections) {
    MessaggiRaccolti m;
    StatoMotore s = statoProva(0, 30, 0); // TU = TA
    ASSERT_TRUE(CalcolaCorrezioni(s, stub::libreria(), m).ok());
    EXPECT_DOUBLE_EQ(s.correzioni.CoeffResa, s.correzioni.CoeffResaCompressore);

    StatoMotore poco = statoProva(5, 35, 20), molto = statoProva(5, 25, 20);
    ASSERT_TRUE(CalcolaCorrezioni(poco, stub::libreria(), m).ok());
    ASSERT_TRUE(CalcolaCorrezioni(molto, stub::libreria(), m).ok());
    // More subcooling: more capacity, same suction state.
    EXPECT_GT(molto.correzioni.CoeffResaCompressore, poco.correzioni.CoeffResaCompressore);
    EXPECT_DOUBLE_EQ(molto.correzioni.VA, poco.correzioni.VA);
    // Warmer suction than rated: lower density.
    StatoMotore caldo = statoProva(5, 40, 30);
    ASSERT_TRUE(CalcolaCorrezioni(caldo, stub::libreria(), m).ok());
    EXPECT_GT(caldo.correzioni.VA, caldo.correzioni.VA0);
}

TEST(CalcolaCorrezioni, UnknownRefrigerantReportsEachStep) {
    StatoMotore s = statoProva(0, 30, 10);
    s.condFunz.NomeGas = "R999";
    s.correzioni.CoeffResa = 0.5;
    s.correzioni.CoeffResaCompressore = 0.6;
    MessaggiRaccolti m;
    Esito e = CalcolaCorrezioni(s, stub::libreria(), m);
    EXPECT_EQ(e.tipo, TipoEsito::ErroreCalcolo);
    EXPECT_EQ(e.grandezza, "CoeffResa");
    ASSERT_EQ(m.testi.size(), 8u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(m.testi[i], " Errore nel calcolo di pressione di vapore3");
    for (int i = 3; i < 6; ++i)
        EXPECT_EQ(m.testi[i],
                  " Errore nel calcolo della pressione  durante la determinazione della VVAP 3");
    // The liquid status 3 with "#######", then the label of the last step.
    for (int i = 6; i < 8; ++i)
        EXPECT_EQ(m.testi[i].rfind("Errore nel calcolo della resa: 3VVAP VA ", 0), 0u)
            << m.testi[i];
    EXPECT_EQ(s.correzioni.VA0, 0);
    EXPECT_EQ(s.correzioni.VA, 0);
    EXPECT_EQ(s.correzioni.CoeffResa, 0.5);
    EXPECT_EQ(s.correzioni.CoeffResaCompressore, 0.6);
}

TEST(CalcolaCorrezioni, DebugText) {
    StatoMotore s = statoProva(20, 40, 20);
    s.debug = 1;
    MessaggiRaccolti m;
    ASSERT_TRUE(CalcolaCorrezioni(s, stub::libreria(), m).ok());
    const TestoDebug& d = s.correzioni.debug;
    EXPECT_TRUE(d.daMostrare);
    size_t pos = 0;
    for (const char* etichetta : {" TE:", " TC:", " TA:", " TL:", " TU:", "HL0:", " HLX:", "HU:",
                                  " HA0:", "VA0:", " VA:"}) {
        const size_t trovato = d.riga1.find(etichetta, pos);
        ASSERT_NE(trovato, std::string::npos) << etichetta << " in " << d.riga1;
        pos = trovato + 1;
    }
    EXPECT_EQ(d.riga1.rfind(" TE:263.1", 0), 0u) << d.riga1;
    EXPECT_EQ(d.riga2.rfind("CoeffResa:", 0), 0u);
    EXPECT_NE(d.riga2.find(" CoeffAbs:1 FattResa: 1"), std::string::npos) << d.riga2;
}

} // namespace
