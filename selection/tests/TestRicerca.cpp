#include "engine/Prestazioni.h"
#include "selection/Ricerca.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Candidates rated 100, 200, ... W at positions 1, 2, ...
EsitoBisezione cerca(int N, double richiesta, std::vector<int>* caricati = nullptr) {
    return Bisezione(N, richiesta, [&](int p, double& w) {
        if (caricati)
            caricati->push_back(p);
        EXPECT_GE(p, 1);
        EXPECT_LE(p, N);
        w = 100.0 * p;
        return Esito::riuscito();
    });
}

TEST(Bisezione, Sequences) {
    const struct {
        const char* nome;
        int N;
        double richiesta;
        std::vector<int> visitati;
        int scelta;
    } casi[] = {
        {"450 W of ten", 10, 450, {5, 2, 3, 4}, 5},
        {"250 W of seven", 7, 250, {4, 2, 3, 2}, 3},
        {"500 W of ten: exact", 10, 500, {5}, 5},
        {"499 W of ten: within 1 %", 10, 499, {5}, 5},
        {"1050 W of ten: insufficient", 10, 1050, {5, 8, 9, 10}, 10},
        {"50 W of ten: all too large", 10, 50, {5, 2, 1}, 1},
        {"150 W of two", 2, 150, {1, 2, 1}, 2},
        {"one candidate too small", 1, 5000, {1}, 1},
        {"one candidate too large", 1, 1, {1}, 1},
        {"requirement 0", 10, 0, {5, 2, 1}, 1},
    };
    for (const auto& c : casi) {
        EsitoBisezione b = cerca(c.N, c.richiesta);
        EXPECT_TRUE(b.esito.ok()) << c.nome;
        EXPECT_EQ(b.Visitati, c.visitati) << c.nome;
        EXPECT_EQ(b.scelta, c.scelta) << c.nome;
    }
}

TEST(Bisezione, UpperToleranceIsInclusive) {
    // 1.01 x 400 = 404: a candidate of exactly that capacity ends the search on it.
    EsitoBisezione b = Bisezione(10, 400, [](int p, double& w) {
        w = p == 4 ? 404.0 : 100.0 * p;
        return Esito::riuscito();
    });
    EXPECT_EQ(b.scelta, 4);
    EXPECT_EQ(b.Visitati.back(), 4);
}

TEST(Bisezione, ReloadsTheCurrentPositionOnceFound) {
    std::vector<int> caricati;
    cerca(10, 450, &caricati);
    // Each comparison after the first too-large one is followed by a reload; the last
    // reload is of the chosen position.
    EXPECT_EQ(caricati.back(), 5);
}

TEST(Bisezione, FaultStopsTheSearch) {
    EsitoBisezione b = Bisezione(10, 450, [](int p, double& w) {
        w = 100.0 * p;
        return p == 2 ? Esito::errore(TipoEsito::ErroreCalcolo, "COP", "x") : Esito::riuscito();
    });
    EXPECT_EQ(b.esito.grandezza, "COP");
    EXPECT_EQ(b.scelta, 0);
}

TEST(Bisezione, LargeCandidateListsStayInRangeAndAreLogarithmic) {
    for (int N : {200, 201, 500, 1000}) {
        for (double richiesta : {50.0, 12345.0, 100.0 * N + 1, 100.0 * N / 3}) {
            EsitoBisezione b = cerca(N, richiesta);
            ASSERT_TRUE(b.esito.ok());
            EXPECT_LE(b.Visitati.size(), 20u) << N << " " << richiesta;
        }
    }
    EXPECT_LE(cerca(200, 12345).Visitati.size(), 9u);
    EXPECT_EQ(cerca(500, 30050).scelta, 301); // smallest reaching 30050 W
}

// --- Search over catalogue rows -------------------------------------------------

RigaCompressore riga(int i, double resaW) {
    RigaCompressore r;
    r.IDCollCompGas = 1000 + i;
    r.CodiceProdotto = "M" + std::to_string(i);
    r.CodiceGas = "R404A";
    r.WR[0] = resaW;
    r.WA[0] = resaW / 3;
    r.PM[0] = resaW / 1e6;
    r.W[0] = 1;
    r.A[0] = 1;
    r.W[1] = 1e9;
    r.A[1] = 2;
    for (int b = 0; b < NumeroBande; ++b) {
        r.inviluppo.TEMin[b] = -40;
        r.inviluppo.TEMax[b] = 10;
    }
    return r;
}

std::vector<RigaCompressore> dieci() {
    std::vector<RigaCompressore> v;
    for (int i = 1; i <= 10; ++i)
        v.push_back(riga(i, 100.0 * i));
    return v;
}

StatoMotore statoSelezione(double richiesta, double te = -10, double tc = 40) {
    StatoMotore s;
    s.fattoriTensione = InizializzaFattori();
    s.condFunz.TE = te;
    s.condFunz.TC = tc;
    s.condFunz.PotenzaRichiesta = richiesta;
    return s;
}

TEST(SelezionaCompressore, ChoosesAndKeepsTheNextSmaller) {
    StatoMotore s = statoSelezione(450);
    RisultatoSelezione r;
    ASSERT_TRUE(SelezionaCompressore(s, dieci(), r).ok());
    EXPECT_EQ(r.NumCandidati, 10);
    EXPECT_EQ(r.Visitati, (std::vector<int>{5, 2, 3, 4}));
    EXPECT_EQ(r.posizioneScelta, 5);
    EXPECT_EQ(s.condFunz.CodiceProdotto, "M5");
    EXPECT_EQ(s.codiceProdottoCorrente, "M5");
    EXPECT_EQ(s.condFunz.NomeGas, "R404A");
    EXPECT_DOUBLE_EQ(s.risultati.ResaStd, 0.5);
    EXPECT_DOUBLE_EQ(s.datiCompressore.WR[0], 500);
    EXPECT_EQ(s.codiceProdottoInferiore, "M4");
    EXPECT_DOUBLE_EQ(s.risultatiInferiore.ResaStd, 0.4);
    EXPECT_EQ(r.CandidatiSelezione.front(), 1001);
}

TEST(SelezionaCompressore, PositionOneLeavesNoSmaller) {
    StatoMotore s = statoSelezione(50);
    s.codiceProdottoInferiore = "vecchio";
    s.risultatiInferiore.ResaStd = 9;
    RisultatoSelezione r;
    ASSERT_TRUE(SelezionaCompressore(s, dieci(), r).ok());
    EXPECT_EQ(r.posizioneScelta, 1);
    EXPECT_EQ(s.condFunz.CodiceProdotto, "M1");
    EXPECT_TRUE(s.codiceProdottoInferiore.empty());
    EXPECT_EQ(s.risultatiInferiore.ResaStd, 0);
}

TEST(SelezionaCompressore, EnvelopeScan) {
    auto righe = dieci();
    righe[0].inviluppo.TEMax[2] = -10.0001; // band 40: just outside
    righe[1].inviluppo.TEMax[2] = -10;      // exactly at the limit
    righe[2].inviluppo.TEMin[2] = -10;
    righe[3].inviluppo.TEMin[2].reset(); // Null pair: 0 .. 0
    righe[3].inviluppo.TEMax[2].reset();
    righe[4].inviluppo.TEMin[1] = 100; // band 35 unusable, not looked at for TC 40
    StatoMotore s = statoSelezione(450);
    RisultatoSelezione r;
    ASSERT_TRUE(SelezionaCompressore(s, righe, r).ok());
    EXPECT_EQ(r.codiciCandidati,
              (std::vector<std::string>{"M2", "M3", "M5", "M6", "M7", "M8", "M9", "M10"}));
    EXPECT_EQ(s.condFunz.TeMin, -40); // limits of the last row scanned
    EXPECT_EQ(s.condFunz.TeMax, 10);

    // The Null pair holds only TE = 0.
    StatoMotore zero = statoSelezione(450, 0);
    ASSERT_TRUE(SelezionaCompressore(zero, righe, r).ok());
    EXPECT_EQ(r.codiciCandidati,
              (std::vector<std::string>{"M3", "M4", "M5", "M6", "M7", "M8", "M9", "M10"}));
}

TEST(SelezionaCompressore, BandOfTc) {
    auto righe = dieci();
    for (auto& rg : righe) {
        rg.inviluppo.TEMin[0] = rg.inviluppo.TEMax[0] = -50; // band 30 excludes TE -10
    }
    RisultatoSelezione r;
    StatoMotore a = statoSelezione(450, -10, 34.9);
    EXPECT_EQ(SelezionaCompressore(a, righe, r).tipo, TipoEsito::NessunCandidato);
    StatoMotore b = statoSelezione(450, -10, 35);
    EXPECT_TRUE(SelezionaCompressore(b, righe, r).ok());
    StatoMotore c = statoSelezione(450, -10, 75);
    EXPECT_TRUE(SelezionaCompressore(c, righe, r).ok());
}

TEST(SelezionaCompressore, NoCandidateLeavesOutputs) {
    StatoMotore s = statoSelezione(450, -60);
    s.risultati.ResaStd = 7;
    s.condFunz.CodiceProdotto = "prima";
    RisultatoSelezione r;
    EXPECT_EQ(SelezionaCompressore(s, dieci(), r).tipo, TipoEsito::NessunCandidato);
    EXPECT_EQ(SelezionaCompressore(s, {}, r).tipo, TipoEsito::NessunCandidato);
    EXPECT_EQ(s.risultati.ResaStd, 7);
    EXPECT_EQ(s.condFunz.CodiceProdotto, "prima");
}

TEST(SelezionaCompressore, MoreThanTwoHundredCandidates) {
    std::vector<RigaCompressore> righe;
    for (int i = 1; i <= 250; ++i)
        righe.push_back(riga(i, 100.0 * i));
    StatoMotore s = statoSelezione(24010);
    RisultatoSelezione r;
    ASSERT_TRUE(SelezionaCompressore(s, righe, r).ok());
    EXPECT_EQ(r.NumCandidati, 250);
    EXPECT_EQ(s.condFunz.CodiceProdotto, "M241");
    EXPECT_EQ(s.codiceProdottoInferiore, "M240");
}

TEST(SelezionaCompressore, MotorTableOfTheCandidateOnly) {
    auto righe = dieci();
    for (int k = 0; k < 22; ++k) {
        righe[3].W[k] = 100.0 * (k + 1);
        righe[3].A[k] = k + 1.0;
    }
    for (int k = 2; k < 22; ++k)
        righe[4].A[k].reset(); // M5 has two points
    righe[4].W[5] = 123;
    StatoMotore s = statoSelezione(450);
    RisultatoSelezione r;
    ASSERT_TRUE(SelezionaCompressore(s, righe, r).ok());
    EXPECT_EQ(s.datiCompressore.W[2], 0);
    EXPECT_EQ(s.datiCompressore.A[2], 0);
    EXPECT_EQ(s.datiCompressore.W[5], 0);
}

// The shared path: the check comes first, then the correction, then the query.
struct SorgenteProva : SorgenteCandidati {
    std::vector<RigaCompressore> righe;
    int chiamate = 0;
    std::string gas;
    Esito candidati(const std::string& codiceGas, double,
                    std::vector<RigaCompressore>& out) override {
        ++chiamate;
        gas = codiceGas;
        out = righe;
        return Esito::riuscito();
    }
};
struct Silenzio : MessaggiMotore {
    void mostra(const std::string&) override {}
};

TEST(EseguiSelezione, CheckCorrectionQuerySearch) {
    SorgenteProva sorgente;
    sorgente.righe = dieci();
    Silenzio m;
    StatoMotore s = statoSelezione(450);
    CondFunz& cf = s.condFunz;
    cf.TU = cf.TL = cf.TA = NonDato;
    cf.CondizioniStandard = true;
    cf.TeMin = -40, cf.TeMax = 10, cf.TcMin = 30, cf.TcMax = 50;
    RisultatoSelezione r;
    ASSERT_TRUE(EseguiSelezione(s, "R404A", sorgente, LibreriaProprieta{}, m, r).ok());
    EXPECT_EQ(sorgente.gas, "R404A");
    EXPECT_EQ(r.posizioneScelta, 5);

    StatoMotore rifiutato = s;
    rifiutato.condFunz.TC = 55;
    EXPECT_EQ(EseguiSelezione(rifiutato, "R404A", sorgente, LibreriaProprieta{}, m, r).tipo,
              TipoEsito::CondizioniRifiutate);
    EXPECT_EQ(rifiutato.condFunz.CodiceErrore, 2);
    EXPECT_EQ(sorgente.chiamate, 1);
}

} // namespace

namespace {

TEST(SelezionaCompressore, CandidateWithoutMotorData) {
    auto righe = dieci();
    righe[3].W = {};
    righe[3].A = {}; // M4 has no motor row
    RisultatoSelezione r;

    // Kept as the smaller one: rated, its current not known.
    StatoMotore s = statoSelezione(450);
    ASSERT_TRUE(SelezionaCompressore(s, righe, r).ok());
    EXPECT_EQ(s.condFunz.CodiceProdotto, "M5");
    EXPECT_EQ(s.codiceProdottoInferiore, "M4");
    EXPECT_DOUBLE_EQ(s.risultatiInferiore.ResaStd, 0.4);
    EXPECT_TRUE(std::isnan(s.risultatiInferiore.CorrenteStd));
    EXPECT_TRUE(std::isfinite(s.risultatiInferiore.COP));
    EXPECT_TRUE(r.erroreInferiore.ok());

    // Chosen like any other.
    StatoMotore scelto = statoSelezione(400);
    ASSERT_TRUE(SelezionaCompressore(scelto, righe, r).ok());
    EXPECT_EQ(scelto.condFunz.CodiceProdotto, "M4");
    EXPECT_DOUBLE_EQ(scelto.risultati.PotenzaAssorbita,
                     scelto.risultati.ResaStd / scelto.risultati.COPStd);
    EXPECT_TRUE(std::isnan(scelto.risultati.CorrenteAssorbita));
    EXPECT_EQ(scelto.codiceProdottoInferiore, "M3");
}

// An eight-cylinder part-winding model does not offer 220-240 V or 380-420 V at 60 Hz:
// at those options it is no candidate; at its own it is.
TEST(SelezionaCompressore, ModelsThatDoNotOfferTheSupplyOption) {
    auto righe = dieci();
    righe[9].bk8 = true;
    for (int16_t opzione = 0; opzione < 5; ++opzione) {
        StatoMotore s = statoSelezione(5000);
        s.condFunz.IndiceTensione = opzione;
        RisultatoSelezione r;
        ASSERT_TRUE(SelezionaCompressore(s, righe, r).ok()) << opzione;
        const bool offerta = opzione == 0 || opzione == 2;
        EXPECT_EQ(r.NumCandidati, offerta ? 10 : 9) << opzione;
        EXPECT_EQ(s.condFunz.CodiceProdotto, offerta ? "M10" : "M9") << opzione;
    }
}

} // namespace
