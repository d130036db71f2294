// The bundled demo catalogue: built by the build, opened like any catalogue, and shaped
// like a manufacturer's range.

#include "catalogue/Catalogo.h"

#include <QSet>
#include <QTest>

namespace {

double polinomio(const Istantanea& r, int riga, const QString& prefisso, int primo, double te,
                 double tc) {
    const double t[10] = {1,       te,           tc,           te * te,      te * tc,
                          tc * tc, te * te * te, te * te * tc, te * tc * tc, tc * tc * tc};
    double s = 0;
    for (int i = 0; i < 10; ++i)
        s += r.numero(riga, prefisso + QString::number(i + primo)) * t[i];
    return s;
}

} // namespace

class TestCatalogoDemo : public QObject {
    Q_OBJECT
    std::unique_ptr<Catalogo> m_cat;

private slots:
    void initTestCase() {
        QString errore;
        m_cat = Catalogo::apri(SELCOMP_RUNTIME_DIR "/zodirara.mdb", &errore);
        QVERIFY2(m_cat, qPrintable(errore));
        QCOMPARE(m_cat->formato(), Catalogo::Formato::SQLite);
    }

    void gamma() {
        const Istantanea c = m_cat->interroga("select * from Compressori order by Ordinamento");
        QVERIFY(c.numeroRighe() >= 24);
        QSet<int> cilindri;
        double precedente = 0;
        for (int i = 0; i < c.numeroRighe(); ++i) {
            cilindri << int(c.numero(i, "Cilindri"));
            const double v = c.numero(i, "VolumeSpostato50hz");
            QVERIFY2(v > precedente, qPrintable(c.testo(i, "CodiceProdotto")));
            precedente = v;
            QVERIFY(std::abs(c.numero(i, "VolumeSpostato60hz") - 1.2 * v) < 0.06);
            QVERIFY(c.numero(i, "FLA50Hz") > 0 &&
                    c.numero(i, "LRA50Hz") > 3 * c.numero(i, "FLA50Hz"));
        }
        QCOMPARE(cilindri, (QSet<int>{2, 4, 6, 8}));
        QVERIFY(c.numero(0, "VolumeSpostato50hz") <= 6);
        QVERIFY(precedente >= 280 && precedente <= 320);
        // Every model of the bundled catalogue has its motor table (a model without one
        // lives in the tests' catalogues).
        const Istantanea senza =
            m_cat->interroga("select CodiceProdotto from Compressori LEFT JOIN Motori ON "
                             "Compressori.CodMotore = Motori.CodiceMotore "
                             "where Motori.CodiceMotore is null");
        QCOMPARE(senza.numeroRighe(), 0);
    }

    // MinTC/MaxTC (the data sheet and the envelope frame), the band columns (the rating's
    // limits) and the refrigerant's selection limits tell the same envelope: the bands
    // with columns follow one another, MinTC and MaxTC are the first and last of them, so
    // every TC they allow finds its evaporating limits.
    void inviluppiCoerenti() {
        const Istantanea r = m_cat->interroga("select * from CollCompGas");
        QVERIFY(r.numeroRighe() > 100);
        QMap<QString, QPair<double, double>> perGas;
        for (int i = 0; i < r.numeroRighe(); ++i) {
            const QString chi = r.testo(i, "CodiceProdotto") + " " + r.testo(i, "CodiceGas");
            int primo = -1, ultimo = -1;
            for (int b = 0; b < 9; ++b) {
                const QString tc = QString::number(30 + 5 * b);
                const bool min = !r.isNull(i, "TEMin" + tc), max = !r.isNull(i, "TEMax" + tc);
                QVERIFY2(min == max, qPrintable(chi + " band " + tc));
                if (!min)
                    continue;
                QVERIFY2(ultimo < 0 || ultimo == b - 1,
                         qPrintable(chi + " hole before band " + tc));
                QVERIFY2(r.numero(i, "TEMin" + tc) < r.numero(i, "TEMax" + tc),
                         qPrintable(chi + " band " + tc));
                ultimo = b, primo = primo < 0 ? b : primo;
            }
            QVERIFY2(primo >= 0, qPrintable(chi));
            QCOMPARE(r.numero(i, "MinTC"), 30.0 + 5 * primo);
            QCOMPARE(r.numero(i, "MaxTC"), 30.0 + 5 * ultimo);
            auto& g = perGas[r.testo(i, "CodiceGas")];
            g = {std::min(g.first == 0 ? 1e9 : g.first, r.numero(i, "MinTC")),
                 std::max(g.second, r.numero(i, "MaxTC"))};
        }
        const Istantanea gas = m_cat->interroga("select * from Gas");
        for (int i = 0; i < gas.numeroRighe(); ++i) {
            const QString codice = gas.testo(i, "CodiceGas");
            QVERIFY2(perGas.contains(codice), qPrintable(codice));
            QCOMPARE(gas.numero(i, "CAPTCMIN"), perGas[codice].first);
            QCOMPARE(gas.numero(i, "CAPTCMAX"), perGas[codice].second);
        }
        // The case that was seen: R404A up to 55 degC on the data sheet is rated at 55.
        const Istantanea r404 =
            m_cat->interroga("select TEMin55, TEMax55, MaxTC from CollCompGas where CodiceGas = "
                             "'R404A' and CodiceProdotto = '4DZ-039'");
        QCOMPARE(r404.numero(0, "MaxTC"), 55.0);
        QVERIFY(!r404.isNull(0, "TEMin55") && r404.numero(0, "TEMin55") <= -10);
    }

    void refrigeranti() {
        const Istantanea g = m_cat->interroga("select * from Gas");
        QStringList codici;
        for (int i = 0; i < g.numeroRighe(); ++i) {
            codici << g.testo(i, "CodiceGas");
            QCOMPARE(g.numero(i, "TUEStd"), 20.0);
        }
        for (const QString c : {"R-22", "R134a", "R404A", "R407C", "R507A", "R410A"})
            QVERIFY2(codici.contains(c), qPrintable(c));
    }

    // Capacity per m3/h and COP at -10/40 degC where a sales engineer expects them.
    void prestazioniPlausibili() {
        const Istantanea r = m_cat->interroga("select * from CollCompGasQry order by Ordinamento");
        QVERIFY(r.numeroRighe() > 100);
        const QMap<QString, QPair<double, double>> resa{{"R404A", {0.45, 0.52}},
                                                        {"R134a", {0.27, 0.31}}};
        for (int i = 0; i < r.numeroRighe(); ++i) {
            const QString gas = r.testo(i, "CodiceGas");
            const double v = r.numero(i, "VolumeSpostato50hz");
            const double q = polinomio(r, i, "WR", 0, -10, 40),
                         p = polinomio(r, i, "WA", 0, -10, 40);
            const double m = polinomio(r, i, "PM", 1, -10, 40);
            const QString chi = r.testo(i, "CodiceProdotto") + " " + gas;
            if (resa.contains(gas)) {
                QVERIFY2(q / 1000 / v >= resa[gas].first && q / 1000 / v <= resa[gas].second,
                         qPrintable(chi));
            }
            if (r.isNull(i, "TEMin40"))
                continue;
            QVERIFY2(q / p >= 1.9 && q / p <= 2.8, qPrintable(chi + QString(" COP %1").arg(q / p)));
            QVERIFY2(m > 0, qPrintable(chi));
            QCOMPARE(r.numero(i, "WMAX"), 21.0);
            if (r.isNull(i, "W1"))
                continue;
            // current at that power from the motor table: about 2 A per kW at 400 V, more on a
            // lightly loaded motor
            for (int n = 1; n < 22; ++n) {
                const double w0 = r.numero(i, QString("W%1").arg(n)),
                             w1 = r.numero(i, QString("W%1").arg(n + 1));
                if (p < w0 || p > w1)
                    continue;
                const double a0 = r.numero(i, QString("A%1").arg(n)),
                             a1 = r.numero(i, QString("A%1").arg(n + 1));
                const double aPerKw = (a0 + (a1 - a0) * (p - w0) / (w1 - w0)) / (p / 1000);
                QVERIFY2(aPerKw >= 1.7 && aPerKw <= 2.4,
                         qPrintable(chi + QString(" %1 A/kW").arg(aPerKw)));
            }
        }
    }

    void lingue() {
        const Istantanea l = m_cat->interroga("select * from Lingue");
        QCOMPARE(l.numeroRighe(), 5);
        QCOMPARE(
            l.colonne.mid(1, 10),
            QStringList({"DescModello", "DescSerie", "DescCil", "DescAle", "DescCorsa", "DescVolSP",
                         "DescRubAsp", "DescRubSca", "DescCarOlio", "DescPesoN"}));
        const QStringList chiavi{
            "descmodello", "descgas",      "DescCalc10",   "DescCalc11",   "DescCalc12",
            "DescCalc13",  "DescCalc14",   "SUE",          "sdl",          "sas",
            "DescCalc16",  "DescCalc16b",  "DescCondFunz", "DescCondStd",  "descvaldif",
            "DescMZEO",    "Mzeo1",        "Mzeo2",        "descinfo407c", "DescTFF",
            "Selezioni",   "DescTabel",    "dESCCAMPOAPP", "Err1",         "Err2",
            "Err3",        "Err4",         "Err5",         "Err6",         "DescResult1",
            "DescResult2", "DescResult3",  "DescResult4",  "DescResult5",  "DescResult6",
            "DescResult7", "DescResult8",  "DescResult9",  "CompPrec",     "tabumis",
            "tabintest",   "TABCFTAS",     "TABCFTSO",     "TABCFSUT",     "TassPot",
            "TassCorr",    "tabportmassa", "DescTensSTD",  "DescFLA",      "DescLRA",
            "Fornitura",   "Arichiesta"};
        for (const auto& k : chiavi)
            for (int i = 0; i < 5; ++i)
                QVERIFY2(!l.testo(i, k).isEmpty(), qPrintable(k));
        QCOMPARE(l.testo(0, "DescCondFunz"), QString(" Condizioni di funzionamento "));
        QCOMPARE(l.testo(3, "DescResult1"), QString("Kälteleistung"));
    }

    void opzioni() {
        const QString sql =
            "SELECT DISTINCTROW CollCompOpz.CodiceProdotto, CollCompOpz.CodiceOpzione, "
            "Opzioni.DescrizioneGER AS [Desc] , CollCompOpz.flStandard FROM CollCompOpz INNER JOIN "
            "Opzioni ON CollCompOpz.CodiceOpzione = Opzioni.CodiceOpzione WHERE((CollCompOpz."
            "CodiceProdotto = ?) AND (CollCompOpz.CodiceOpzione Like ('A*'))) ORDER BY "
            "CollCompOpz.flstandard , collcompopz.CodiceProdotto ";
        const Istantanea a = m_cat->interroga(sql, {"6DZ-120"});
        QVERIFY(a.numeroRighe() >= 4);
        QCOMPARE(a.numero(0, "flStandard"), -1.0);
        QCOMPARE(a.numero(a.numeroRighe() - 1, "flStandard"), 0.0);
        for (int i = 0; i < a.numeroRighe(); ++i)
            QVERIFY(!a.testo(i, "Desc").isEmpty());
        for (const QString p : {"N*", "V*"})
            QVERIFY(m_cat
                        ->interroga("select * from CollCompOpz where CodiceProdotto = ? and "
                                    "CodiceOpzione Like ?",
                                    {"2DZ-005", p})
                        .numeroRighe() > 0);
    }
};

QTEST_GUILESS_MAIN(TestCatalogoDemo)
#include "TestCatalogoDemo.moc"
