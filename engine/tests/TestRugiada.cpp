#include "engine/Rugiada.h"

#include "Stub.h"

#include <gtest/gtest.h>

namespace {

// A blend whose bubble curve lies 5 K below its dew curve at every pressure.
constexpr double Glide = 5;
int16_t pBollaSpostata(const char* gas, double T, double* p) {
    return stub::p_D(gas, T + Glide, p);
}

LibreriaProprieta conGlide() {
    LibreriaProprieta lib = stub::libreria();
    lib.p_B = pBollaSpostata;
    return lib;
}

CondFunz digitato(double te, double tc) {
    CondFunz cf;
    cf.NomeGas = "RTEST";
    cf.TE = te;
    cf.TC = tc;
    cf.TU = cf.TL = cf.TA = NonDato;
    cf.RiferimentoBolla = true;
    return cf;
}

TEST(Rugiada, DewAndBubbleAreInverse) {
    double dew = 0, bubble = 0;
    ASSERT_TRUE(TemperaturaRugiada(conGlide(), "RTEST", -10, dew).ok());
    EXPECT_NEAR(dew, -5, 1e-6);
    ASSERT_TRUE(TemperaturaBolla(conGlide(), "RTEST", dew, bubble).ok());
    EXPECT_NEAR(bubble, -10, 1e-6);
}

TEST(Rugiada, BubbleReferenceMovesTeAndTcAndTheSuperheatsWithThem) {
    CondFunz cf = digitato(-10, 40);
    cf.ValoriDifferenziali = true;
    cf.TU = -10 + 7; // 7 K useful superheat as the panel applied it
    cf.TA = -10 + 20;
    cf.TL = 40 - 3; // 3 K subcooling below the bubble point
    ASSERT_TRUE(RiferisciARugiada(cf, conGlide()).ok());
    EXPECT_NEAR(cf.TE, -5, 1e-6);
    EXPECT_NEAR(cf.TC, 45, 1e-6);
    EXPECT_EQ(cf.TEBolla, -10);
    EXPECT_EQ(cf.TCBolla, 40);
    EXPECT_NEAR(cf.TU, cf.TE + 7, 1e-6);
    EXPECT_NEAR(cf.TA, cf.TE + 20, 1e-6);
    EXPECT_EQ(cf.TL, 37);
}

TEST(Rugiada, AbsoluteTemperaturesStayAsTyped) {
    CondFunz cf = digitato(-10, 40);
    cf.TU = 0;
    cf.TA = 20;
    ASSERT_TRUE(RiferisciARugiada(cf, conGlide()).ok());
    EXPECT_EQ(cf.TU, 0);
    EXPECT_EQ(cf.TA, 20);
}

TEST(Rugiada, NothingChangesWithoutBubbleReferenceOrWithoutGlide) {
    struct Caso {
        const char* nome;
        bool bolla;
        LibreriaProprieta lib;
    } casi[] = {{"dew reference", false, conGlide()},
                {"no glide", true,
                 [] {
                     auto l = stub::libreria();
                     l.p_B = stub::p_D;
                     return l;
                 }()},
                {"library without bubble pressure", true, stub::libreria()}};
    for (const Caso& c : casi) {
        CondFunz cf = digitato(-10, 40);
        cf.RiferimentoBolla = c.bolla;
        cf.TEBolla = 1; // left over from an earlier computation
        ASSERT_TRUE(RiferisciARugiada(cf, c.lib).ok()) << c.nome;
        EXPECT_EQ(cf.TE, -10) << c.nome;
        EXPECT_EQ(cf.TC, 40) << c.nome;
        EXPECT_EQ(cf.TEBolla, NonDato) << c.nome;
        EXPECT_EQ(cf.TCBolla, NonDato) << c.nome;
    }
}

TEST(Rugiada, UnknownRefrigerantIsAFailureAndLeavesThePoint) {
    CondFunz cf = digitato(-10, 40);
    cf.NomeGas = "RX";
    const Esito e = RiferisciARugiada(cf, conGlide());
    EXPECT_EQ(e.tipo, TipoEsito::ErroreCalcolo);
    EXPECT_FALSE(e.messaggio.empty());
    EXPECT_EQ(cf.TE, -10);
    EXPECT_EQ(cf.TC, 40);
}

} // namespace
