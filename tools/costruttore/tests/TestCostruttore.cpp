// The catalogue builder: the fit, the plausibility checks with one small fixture per
// fault, the measured-points command and the demo catalogue's committed sources.

#include "tools/costruttore/Costruttore.h"
#include "tools/costruttore/PuntiMisurati.h"
#include "tools/costruttore/Scarico.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kReflibs = SELCOMP_SOURCE_DIR "/reflib/data/Reflibs";

QString leggi(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

struct Esecuzione {
    int codice = -1;
    QString out, err;
};

Esecuzione esegui(const QStringList& argomenti) {
    QProcess p;
    p.start(SELCOMP_COSTRUTTORE, argomenti);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

class Costruttore : public ::testing::Test {
protected:
    // The fixture with a discharge limit on its refrigerant.
    static QString conLimite(double gradi) {
        return base().replace("nomedis = R134a.png\n",
                              QString("nomedis = R134a.png\nlimite_scarico = %1\n").arg(gradi));
    }
    static void SetUpTestSuite() {
        QString errore;
        ASSERT_TRUE(caricaRefrigeranti(kReflibs, &errore)) << errore.toStdString();
    }
    static QString base() { return leggi(SELCOMP_TEST_DATA "/gamma_minima.txt"); }
    static QString costruisci(const QString& descrizione, CatalogoCostruito* c = nullptr) {
        Gamma g;
        QString errore;
        if (!leggiDescrizione(descrizione, &g, &errore))
            return "description: " + errore;
        CatalogoCostruito tmp;
        return limitaScarico(&g, &errore) && costruisciCatalogo(g, c ? c : &tmp, &errore)
                   ? QString()
                   : errore;
    }
};

// A catalogue row's own polynomial, sampled over its envelope, fits back to itself.
TEST_F(Costruttore, RefitOfPolynomialPointsGivesTheSameCoefficients) {
    CatalogoCostruito c;
    ASSERT_EQ(costruisci(base(), &c), QString());
    const RigaGasCostruita& r = c.compressori[1].righe[0];
    std::vector<PuntoMisurato> punti;
    for (const auto& p : grigliaInviluppo(r.inviluppo, 2.5))
        punti.push_back({p.te, p.tc, polinomio(r.curve.wr, p.te, p.tc),
                         polinomio(r.curve.wa, p.te, p.tc), polinomio(r.curve.pm, p.te, p.tc)});
    const EsitoPunti e = adattaPunti("P-020", punti, "R134a", 20);
    EXPECT_EQ(e.errore, QString());
    for (auto [attese, trovate] :
         {std::pair{&r.curve.wr, &e.curve.wr}, std::pair{&r.curve.wa, &e.curve.wa},
          std::pair{&r.curve.pm, &e.curve.pm}})
        for (int i = 0; i < 10; ++i)
            EXPECT_NEAR((*trovate)[i], (*attese)[i], 1e-8 * std::abs((*attese)[i])) << i;
    EXPECT_LT(e.dResa.massima, 1e-9);

    // The same through the command line, from a lab's CSV file.
    QTemporaryDir cartella;
    QFile csv(cartella.filePath("prova.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("TE;TC;capacity W;power W;mass flow kg/s\n");
    for (const auto& p : punti)
        csv.write(QString("%1;%2;%3;%4;%5\n")
                      .arg(numeroTesto(p.te), numeroTesto(p.tc), QString::number(p.resa, 'g', 15),
                           QString::number(p.potenza, 'g', 15), QString::number(p.portata, 'g', 15))
                      .toUtf8());
    csv.close();
    const Esecuzione u =
        esegui({"--points", csv.fileName(), "--gas", "R134a", "--json", "--reflibs", kReflibs});
    EXPECT_EQ(u.codice, 0) << u.err.toStdString();
    QStringList wr;
    for (double x : r.curve.wr)
        wr << numeroTesto(x);
    EXPECT_TRUE(u.out.contains("\"WR\":{\"coefficienti\":[" + wr.join(',') + "]"))
        << u.out.toStdString();
    EXPECT_TRUE(u.out.startsWith("{\"ok\":true,\"punti\":" + QString::number(punti.size())))
        << u.out.toStdString();
}

TEST_F(Costruttore, FitNeedsTenSpreadPoints) {
    Coefficienti c;
    QString errore;
    std::vector<PuntoMisura> pochi(9, {0, 40, 1000});
    EXPECT_FALSE(adatta(pochi, &c, &errore));
    std::vector<PuntoMisura> unaTc;
    for (int i = 0; i < 12; ++i)
        unaTc.push_back({-20.0 + 2 * i, 40, 1000.0 + i});
    EXPECT_FALSE(adatta(unaTc, &c, &errore));
    EXPECT_TRUE(errore.contains("spread"));
}

// Each fixture changes one line of the base description and must stop the build with a
// message naming the model.
TEST_F(Costruttore, EachPlausibilityFaultStopsNamingTheModel) {
    ASSERT_EQ(costruisci(base()), QString());
    const struct {
        const char* caso;
        const char* da;
        const char* a;
        const char* attesi[2];
    } casi[] = {
        {"clearance too large",
         "spazio_nocivo = 0.045",
         "spazio_nocivo = 0.2",
         {"P-010 R134a", "volumetric efficiency"}},
        {"power below the isentropic work",
         "[generale]",
         "[generale]\neta_massimo = 1.4",
         {"P-010 R134a", "below the isentropic"}},
        {"locked rotor below full load",
         "rapporto_lra = 5.2",
         "rapporto_lra = 0.9",
         {"P-010", "locked-rotor current"}},
        {"bigger model first",
         "[modello P-010]\nserie = P2\nalesaggio = 50",
         "[modello P-010]\nserie = P2\nalesaggio = 80",
         {"P-020: Ordinamento 20", "not above P-010"}},
        {"fit deviation", "limite_rms = 1 %", "limite_rms = 0.0001 %", {"P-010 R134a", "deviates"}},
    };
    for (const auto& c : casi) {
        QString d = base();
        ASSERT_TRUE(d.contains(c.da)) << c.caso;
        const QString errore = costruisci(d.replace(c.da, c.a));
        for (const char* atteso : c.attesi)
            EXPECT_TRUE(errore.contains(atteso)) << c.caso << ": " << errore.toStdString();
    }
}

// Trends and the capacity / mass flow balance, on curves as a lab's points would give them.
TEST_F(Costruttore, TrendAndBalanceFaultsOfCurves) {
    CatalogoCostruito c;
    ASSERT_EQ(costruisci(base(), &c), QString());
    const RigaGasCostruita& r = c.compressori[0].righe[0];
    std::vector<PuntoMisura> punti;
    for (const auto& p : r.punti)
        punti.push_back({p.te, p.tc, p.resa});
    EXPECT_EQ(controllaAndamenti("X", r.curve, punti), QString());
    EXPECT_EQ(controllaBilancio("X", r.curve, r.punti), QString());
    const struct {
        const char* caso;
        int curva; // 0 capacity, 1 power, 2 mass flow
        int termine;
        double aggiunta;
        const char* atteso;
    } casi[] = {
        {"capacity falls with TE", 0, 1, -1e4, "capacity does not rise with evaporating"},
        {"capacity rises with TC", 0, 2, 1e4, "capacity does not fall with condensing"},
        {"power falls with TC", 1, 2, -1e4, "power input does not rise with condensing"},
        {"mass flow 10 % high", 2, 0, 0.1 * polinomio(r.curve.pm, -10, 40),
         "the refrigerant's enthalpy gain"},
    };
    for (const auto& k : casi) {
        CurveCatalogo g = r.curve;
        (k.curva == 0 ? g.wr : k.curva == 1 ? g.wa : g.pm)[k.termine] += k.aggiunta;
        const QString e =
            controllaAndamenti("X 1", g, punti) + controllaBilancio("X 1", g, r.punti);
        EXPECT_TRUE(e.startsWith("X 1: ") && e.contains(k.atteso))
            << k.caso << ": " << e.toStdString();
    }
}

TEST_F(Costruttore, DescriptionFaultsNameTheLine) {
    Gamma g;
    QString errore;
    EXPECT_FALSE(leggiDescrizione(base().replace("olio = 1\n", "olo = 1\n"), &g, &errore));
    EXPECT_TRUE(errore.startsWith("line 25: unknown key 'olo'")) << errore.toStdString();
    EXPECT_FALSE(leggiDescrizione(base().replace("| Null | Null | Null | Null | Null", "| Null"),
                                  &g, &errore));
    EXPECT_TRUE(errore.contains("9 bands")) << errore.toStdString();
    EXPECT_FALSE(leggiDescrizione(
        base().replace("serie = P2\nalesaggio = 60", "serie = P3\nalesaggio = 60"), &g, &errore));
    EXPECT_TRUE(errore.contains("P-020: unknown series 'P3'")) << errore.toStdString();
}

// MinTC/MaxTC and the band columns as the rating engine reads them: one table of the
// ways they can disagree.
TEST(ControllaInviluppo, MinMaxTcAndBandsAgree) {
    using Bande = std::array<std::optional<FasciaTE>, kBande>;
    Bande fino55{};
    for (int i = 0; i <= 5; ++i)
        fino55[i] = FasciaTE{-30, 5};
    Bande buco = fino55;
    buco[3].reset();
    Bande rovescia = fino55;
    rovescia[2] = FasciaTE{5, -30};
    const struct {
        const char* nome;
        Bande bande;
        double minTC, maxTC;
        const char* errore; // nullptr: consistent
    } casi[] = {
        {"bands 30..55, MinTC 30, MaxTC 55", fino55, 30, 55, nullptr},
        {"MaxTC beyond the last band (TC 55 without columns)", fino55, 30, 60, "disagree"},
        {"MaxTC below the last band", fino55, 30, 50, "disagree"},
        {"MinTC above the first band", fino55, 35, 55, "disagree"},
        {"a hole between the bands", buco, 30, 55, "no band 45"},
        {"TEMin above TEMax", rovescia, 30, 55, "not below"},
        {"no band at all", Bande{}, 30, 55, "no band"},
    };
    for (const auto& c : casi) {
        const QString e = controllaInviluppo("X R404A", c.bande, c.minTC, c.maxTC);
        if (!c.errore)
            EXPECT_TRUE(e.isEmpty()) << c.nome << ": " << e.toStdString();
        else
            EXPECT_TRUE(e.contains(c.errore) && e.startsWith("X R404A"))
                << c.nome << ": " << e.toStdString();
    }
}

// The builder writes a described range's upper edge into the next band's columns, so
// MaxTC is a TC the engine rates; a described band 70 has no band above it.
TEST_F(Costruttore, EnvelopeUpperEdgeIsRated) {
    CatalogoCostruito c;
    ASSERT_EQ(costruisci(base(), &c), QString());
    const auto& r = c.compressori.front().righe.front();
    EXPECT_EQ(r.maxTC, 50);                  // bands 30..45 described
    ASSERT_TRUE(r.inviluppo[4].has_value()); // band 50 written with band 45's limits
    EXPECT_EQ(r.inviluppo[4]->teMin, -15);
    EXPECT_FALSE(r.inviluppo[5].has_value());
    const QString fino70 = base().replace("-15 10 | Null | Null | Null | Null | Null",
                                          "-15 10 | -15 10 | -15 10 | -15 10 | -15 10 | -15 10");
    EXPECT_TRUE(costruisci(fino70).contains("the last band described must be 65"))
        << costruisci(fino70).toStdString();
}

// The committed demo sources are what the builder makes of the committed description,
// byte for byte, and a second run gives the same files.
TEST(CatalogoDemo, CommittedSourcesAreUpToDate) {
    const QString demo = SELCOMP_SOURCE_DIR "/catalogue/demo";
    QTemporaryDir a, b;
    for (const QTemporaryDir* d : {&a, &b}) {
        const Esecuzione u =
            esegui({demo + "/gamma.txt", "--out", d->path(), "--reflibs", kReflibs});
        ASSERT_EQ(u.codice, 0) << u.err.toStdString();
        EXPECT_TRUE(u.out.contains("4DZ-039   R404A")) << u.out.toStdString();
    }
    for (const char* f : {"compressori.sql", "gas.sql"}) {
        const QString fatto = leggi(a.filePath(f));
        EXPECT_FALSE(fatto.isEmpty());
        EXPECT_EQ(fatto, leggi(b.filePath(f))) << f;
        EXPECT_TRUE(fatto == leggi(demo + "/" + f))
            << f << " is out of date: cmake --build <build> --target rigenera_catalogo_demo";
    }
}

} // namespace

// Envelope points hotter than the discharge limit (at the envelope's suction superheat)
// leave the envelope, band by band and in steps of passo_te from the described TEMin: the
// first point kept is within the limit and the one below it is not.
TEST_F(Costruttore, DischargeLimitRaisesTheLowestEvaporatingTemperature) {
    Gamma g;
    QString errore;
    ASSERT_TRUE(leggiDescrizione(conLimite(72), &g, &errore));
    const auto descritto = g.gas[0].inviluppo;
    ASSERT_TRUE(limitaScarico(&g, &errore)) << errore.toStdString();
    bool alzata = false;
    auto scarico = [&](double te, double tc) {
        StatoPunto s;
        double t = 0;
        EXPECT_TRUE(
            statoPunto("R134a", te, tc, te + g.generali.surriscaldamentoScarico, &s, &errore) &&
            temperaturaScarico("R134a", s, tc, g.generali, &t, &errore));
        return t;
    };
    for (int i = 0; i < kBande; ++i) {
        if (!descritto[i])
            continue;
        const double tc = bandaTC(i) + 5;
        if (!g.gas[0].inviluppo[i]) {
            EXPECT_GT(scarico(descritto[i]->teMax - 2.5, tc), 72) << "band " << bandaTC(i);
            continue;
        }
        EXPECT_LE(scarico(g.gas[0].inviluppo[i]->teMin, tc), 72) << "band " << bandaTC(i);
        if (g.gas[0].inviluppo[i]->teMin > descritto[i]->teMin) {
            alzata = true;
            EXPECT_GT(scarico(g.gas[0].inviluppo[i]->teMin - 2.5, tc), 72) << "band " << bandaTC(i);
        }
    }
    EXPECT_TRUE(alzata) << "the fixture's limit must cut some band";

    // A limit no point meets leaves no envelope: the builder says so.
    EXPECT_TRUE(costruisci(conLimite(30)).contains("the envelope holds no band"));
}

// The limit belongs to the refrigerants whose section names it: in the demo range the
// envelopes published before it keep their points, today's refrigerants lose theirs.
TEST_F(Costruttore, DischargeLimitOnlyWhereTheRefrigerantNamesIt) {
    Gamma g;
    QString errore;
    ASSERT_TRUE(
        leggiDescrizione(leggi(SELCOMP_SOURCE_DIR "/catalogue/demo/gamma.txt"), &g, &errore))
        << errore.toStdString();
    const Gamma descritta = g;
    ASSERT_TRUE(limitaScarico(&g, &errore)) << errore.toStdString();
    bool tagliata = false;
    for (size_t k = 0; k < size_t(g.gas.size()); ++k) {
        const GasDescritto& dopo = g.gas[k];
        for (int i = 0; i < kBande; ++i) {
            const auto& a = descritta.gas[k].inviluppo[i];
            const auto& b = dopo.inviluppo[i];
            const bool uguale = a.has_value() == b.has_value() &&
                                (!a || (a->teMin == b->teMin && a->teMax == b->teMax));
            if (!dopo.limiteScarico) {
                EXPECT_TRUE(uguale) << dopo.codice.toStdString() << " band " << bandaTC(i);
            }
            tagliata = tagliata || !uguale;
        }
    }
    for (const char* pubblicato : {"R-22", "R134a", "R404A", "R407C", "R507A", "R410A"})
        EXPECT_FALSE(g.trovaGas(pubblicato)->limiteScarico) << pubblicato;
    EXPECT_TRUE(tagliata)
        << "no refrigerant of the range meets its discharge limit at its envelope's edge";
}

// Capacity per m3/h and COP at -10/40 outside the refrigerant's plausible band stop the build.
TEST_F(Costruttore, ImplausibleFiguresOfARefrigerantStopTheBuild) {
    const struct {
        const char* riga;
        const char* messaggio;
    } casi[] = {{"resa_volumetrica = 0.45 .. 0.50\n", "kW per m3/h"},
                {"cop = 3.5 .. 4.5\n", "COP"},
                {"resa_volumetrica = 0.24 .. 0.32\ncop = 2.0 .. 2.8\n", ""}};
    for (const auto& c : casi) {
        const QString gamma =
            base().replace("nomedis = R134a.png\n", QString("nomedis = R134a.png\n") + c.riga);
        const QString e = costruisci(gamma);
        if (*c.messaggio == 0)
            EXPECT_EQ(e, QString()) << c.riga;
        else
            EXPECT_TRUE(e.contains(c.messaggio) && e.contains("P-010")) << e.toStdString();
    }
}
