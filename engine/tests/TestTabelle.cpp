#include "engine/Prestazioni.h"
#include "engine/Tabelle.h"

#include <gtest/gtest.h>

namespace {

DatiCompressore compressore() {
    DatiCompressore d;
    d.WR[0] = 10000;
    d.WR[1] = 100;
    d.WA[0] = 2500;
    d.PM[0] = 0.05;
    d.W[0] = 1000;
    d.W[1] = 3000;
    d.A[0] = 2;
    d.A[1] = 5;
    d.WMAX = 21;
    return d;
}

TEST(CalcolaTabelle, RowsAndColumnsFollowTheEnvelope) {
    InviluppoCompressore inv;
    inv.TEMin[0] = -40; // Tc30: -40 .. 10
    inv.TEMax[0] = 10;
    inv.TEMin[8] = -10; // Tc70: -10 .. 15
    inv.TEMax[8] = 15;
    for (int b = 1; b < 8; ++b) {
        inv.TEMin[b] = -35;
        inv.TEMax[b] = 5;
    }
    TabellePrestazioni t;
    ASSERT_TRUE(CalcolaTabelle(compressore(), inv, InizializzaFattori(), 0, true, t).ok());
    const auto& resa = t.tabelle[TabResa];
    ASSERT_EQ(resa.size(), 12u); // -40, -35, ..., 15
    EXPECT_EQ(resa.front().Tvap, -40);
    EXPECT_EQ(resa.back().Tvap, 15);
    for (const auto& riga : resa) {
        EXPECT_EQ(riga.Tc[0].has_value(), riga.Tvap <= 10) << riga.Tvap;
        EXPECT_EQ(riga.Tc[8].has_value(), riga.Tvap >= -10) << riga.Tvap;
    }
    EXPECT_DOUBLE_EQ(*resa[0].Tc[0], 6.0); // (10000 - 4000) W in kW
}

TEST(CalcolaTabelle, UnitsAndSupplyOption) {
    InviluppoCompressore inv;
    inv.TEMin[2] = -10;
    inv.TEMax[2] = -10;
    const auto F = InizializzaFattori();
    TabellePrestazioni kw, watt, opz4;
    ASSERT_TRUE(CalcolaTabelle(compressore(), inv, F, 0, true, kw).ok());
    ASSERT_TRUE(CalcolaTabelle(compressore(), inv, F, 0, false, watt).ok());
    ASSERT_TRUE(CalcolaTabelle(compressore(), inv, F, 4, true, opz4).ok());
    auto cella = [](const TabellePrestazioni& t, int k) { return *t.tabelle[k][0].Tc[2]; };
    EXPECT_DOUBLE_EQ(cella(watt, TabResa), 1000 * cella(kw, TabResa));
    EXPECT_DOUBLE_EQ(cella(watt, TabPotenza), 1000 * cella(kw, TabPotenza));
    EXPECT_DOUBLE_EQ(cella(watt, TabCorrente), cella(kw, TabCorrente));
    EXPECT_DOUBLE_EQ(cella(watt, TabPortata), cella(kw, TabPortata));
    EXPECT_DOUBLE_EQ(cella(opz4, TabResa), 1.18 * cella(kw, TabResa));
    EXPECT_DOUBLE_EQ(cella(opz4, TabPotenza), 1.2 * cella(kw, TabPotenza));
    EXPECT_DOUBLE_EQ(cella(opz4, TabCorrente), 2.08 * cella(kw, TabCorrente));
    EXPECT_DOUBLE_EQ(cella(opz4, TabPortata), 1.18 * cella(kw, TabPortata));
    EXPECT_DOUBLE_EQ(cella(kw, TabCorrente), 4.25); // 2500 W on the segment 1000..3000
}

TEST(CalcolaTabelle, EmptyEnvelopeAndFaults) {
    TabellePrestazioni t;
    ASSERT_TRUE(CalcolaTabelle(compressore(), {}, InizializzaFattori(), 0, true, t).ok());
    for (const auto& tab : t.tabelle)
        EXPECT_TRUE(tab.empty());

    InviluppoCompressore inv;
    inv.TEMin[0] = 0;
    inv.TEMax[0] = 0;
    DatiCompressore senzaMotore = compressore();
    senzaMotore.W = {};
    senzaMotore.A = {};
    // No motor table: capacity, power and mass flow are tabulated, the current stays empty.
    ASSERT_TRUE(CalcolaTabelle(senzaMotore, inv, InizializzaFattori(), 0, true, t).ok());
    for (int k : {TabResa, TabPotenza, TabPortata}) {
        ASSERT_EQ(t.tabelle[size_t(k)].size(), 1u) << k;
        EXPECT_TRUE(t.tabelle[size_t(k)][0].Tc[0].has_value()) << k;
    }
    ASSERT_EQ(t.tabelle[TabCorrente].size(), 1u);
    EXPECT_FALSE(t.tabelle[TabCorrente][0].Tc[0].has_value());
    EXPECT_EQ(CalcolaTabelle(compressore(), inv, InizializzaFattori(), 6, true, t).tipo,
              TipoEsito::ErroreCalcolo);
}

} // namespace
