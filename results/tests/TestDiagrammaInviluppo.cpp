// The envelope diagram: its outline from the band columns, the point judged by the
// engine's own checks at the band edges, the reason of a refusal, and the mark's colour.

#include "results/Confronto.h"
#include "results/DiagrammaInviluppo.h"
#include "results/cfrmConfronto.h"

#include <QAbstractItemModelTester>
#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(InviluppoCompressore)

namespace {
using Bande = std::vector<std::tuple<int, std::optional<double>, std::optional<double>>>;

// Bands by their suffix (30 .. 70) with TEMin and TEMax.
InviluppoCompressore inviluppo(const Bande& bande) {
    InviluppoCompressore i;
    for (const auto& [suffisso, mn, mx] : bande) {
        const int b = (suffisso - 30) / 5;
        i.TEMin[size_t(b)] = mn;
        i.TEMax[size_t(b)] = mx;
    }
    return i;
}

// A typical envelope: 30..60, narrowing as TC rises.
const InviluppoCompressore Tipico = inviluppo({{30, -40, 10},
                                               {35, -40, 10},
                                               {40, -35, 7.5},
                                               {45, -30, 5},
                                               {50, -25, 5},
                                               {55, -20, 0},
                                               {60, -15, 0}});

int pixelRossi(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            n += c.red() > 180 && c.green() < 60 && c.blue() < 60;
        }
    return n;
}

ColonnaConfronto colonna(const char* codice, double resa, double potenza, double corrente) {
    ColonnaConfronto c;
    c.codice = codice;
    c.risultati.ResaEvaporatore = resa;
    c.risultati.PotenzaAssorbita = potenza;
    c.risultati.CorrenteAssorbita = corrente;
    c.risultati.PortataMassa = resa * 20;
    c.risultati.COP = resa / potenza;
    c.risultati.CaloreCondensatore = resa + potenza;
    return c;
}
} // namespace

class TestDiagrammaInviluppo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void poligono_data() {
        QTest::addColumn<InviluppoCompressore>("inv");
        QTest::addColumn<QList<QPolygonF>>("atteso");
        using P = QPolygonF;
        QTest::newRow("two bands: the last adds its lower edge only")
            << inviluppo({{40, -30, 5}, {45, -25, 0}})
            << QList<P>{P({{-30, 40},
                           {-30, 45},
                           {-25, 45},
                           {-25, 45},
                           {0, 45},
                           {0, 45},
                           {5, 45},
                           {5, 40}})};
        QTest::newRow("Null bands around are outside the TC range")
            << inviluppo({{30, std::nullopt, std::nullopt},
                          {50, -20, 0},
                          {55, -10, 0},
                          {65, std::nullopt, std::nullopt}})
            << QList<P>{P({{-20, 50},
                           {-20, 55},
                           {-10, 55},
                           {-10, 55},
                           {0, 55},
                           {0, 55},
                           {0, 55},
                           {0, 50}})};
        QTest::newRow("a single band is a segment at its TC")
            << inviluppo({{40, -30, 5}}) << QList<P>{P({{-30, 40}, {-30, 40}, {5, 40}, {5, 40}})};
        QTest::newRow("a Null maximum inside the range counts as 0")
            << inviluppo({{30, -40, std::nullopt}, {35, -40, 10}})
            << QList<P>{P({{-40, 30},
                           {-40, 35},
                           {-40, 35},
                           {-40, 35},
                           {10, 35},
                           {10, 35},
                           {0, 35},
                           {0, 30}})};
        QTest::newRow("a band with minimum above maximum splits the outline")
            << inviluppo({{30, -40, 10}, {35, 5, -5}, {40, -30, 0}, {45, -20, 0}})
            << QList<P>{P({{-40, 30}, {-40, 35}, {10, 35}, {10, 30}}), P({{-30, 40},
                                                                          {-30, 45},
                                                                          {-20, 45},
                                                                          {-20, 45},
                                                                          {0, 45},
                                                                          {0, 45},
                                                                          {0, 45},
                                                                          {0, 40}})};
        QTest::newRow("no columns: nothing") << InviluppoCompressore{} << QList<P>{};
    }
    void poligono() {
        QFETCH(InviluppoCompressore, inv);
        QFETCH(QList<QPolygonF>, atteso);
        const std::vector<QPolygonF> p = PoligoniInviluppo(inv);
        QCOMPARE(QList<QPolygonF>(p.begin(), p.end()), atteso);
    }

    // Each edge as the engine's check takes it: equal limits pass, the band of TC is
    // [lower, lower + 5), the range ends at the last band's lower edge.
    void puntoAiBordi_data() {
        QTest::addColumn<double>("te");
        QTest::addColumn<double>("tc");
        QTest::addColumn<int>("codice");
        QTest::newRow("TE at TE min of band 40") << -35.0 << 40.0 << 0;
        QTest::newRow("TE just below it") << -35.01 << 40.0 << 1;
        QTest::newRow("TE at TE max of band 40") << 7.5 << 44.99 << 0;
        QTest::newRow("TE max of band 40 at TC 45 takes band 45") << 7.5 << 45.0 << 1;
        QTest::newRow("TC 34.99 still in band 30") << -40.0 << 34.99 << 0;
        QTest::newRow("TC at the last band's edge") << -15.0 << 60.0 << 0;
        QTest::newRow("TC just above it") << -15.0 << 60.01 << 2;
        QTest::newRow("TC below the first band") << 0.0 << 29.99 << 2;
    }
    void puntoAiBordi() {
        QFETCH(double, te);
        QFETCH(double, tc);
        QFETCH(int, codice);
        const EsitoPunto e = VerificaPuntoInviluppo(Tipico, te, tc);
        QCOMPARE(int(e.codice), codice);
        QCOMPARE(e.dentro, codice == 0);
        // The engine's check of the calculation screen on the same record agrees.
        CondFunz cf;
        cf.TE = te;
        cf.TC = tc;
        cf.TU = cf.TL = cf.TA = NonDato;
        LimitiTcDaInviluppo(cf, Tipico);
        QCOMPARE(VerificaCondizioni(cf, Tipico), codice == 0);
    }

    void motivo_data() {
        QTest::addColumn<double>("te");
        QTest::addColumn<double>("tc");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("TE below") << -45.0 << 40.0 << "Err1: TE -45.0 < TE min -35.0 °C (TC 40.0)";
        QTest::newRow("TE above") << 8.0 << 40.0 << "Err1: TE 8.0 > TE max 7.5 °C (TC 40.0)";
        QTest::newRow("TC above") << -10.0 << 62.0 << "Err2: TC 62.0 > TC max 60.0 °C";
        QTest::newRow("TC below") << -10.0 << 25.0 << "Err2: TC 25.0 < TC min 30.0 °C";
        QTest::newRow("inside: no reason") << -10.0 << 40.0 << "";
    }
    void motivo() {
        QFETCH(double, te);
        QFETCH(double, tc);
        QFETCH(QString, atteso);
        const EsitoPunto e = VerificaPuntoInviluppo(Tipico, te, tc);
        QCOMPARE(
            MotivoFuoriInviluppo(e, te, tc, e.codice ? QString("Err%1").arg(e.codice) : QString()),
            atteso);
    }

    // The mark turns red outside; inside nothing on the picture is red.
    void puntoRossoFuori() {
        DatiDiagramma d;
        d.inviluppo = Tipico;
        d.titolo = "4DZ-039  -  R404A";
        d.punto = QPointF(-10, 40);
        d.esito = VerificaPuntoInviluppo(Tipico, -10, 40);
        QCOMPARE(pixelRossi(immagineDiagramma(d, {400, 320})), 0);
        d.punto = QPointF(-45, 40);
        d.esito = VerificaPuntoInviluppo(Tipico, -45, 40);
        d.didascalia = "TE -45.0 < TE min -35.0 °C";
        QVERIFY(pixelRossi(immagineDiagramma(d, {400, 320})) > 50);
    }

    // Comparison grid on a small fixture: the best of each row, the unmet requirement,
    // sorting by a row.
    void confrontoMiglioriEOrdine() {
        ModelloConfronto m(1, 5000); // 5 kW required
        QAbstractItemModelTester tester(&m);
        m.imposta({colonna("A", 4.0, 2.0, 4.0), colonna("B", 6.0, 2.5, 5.0),
                   colonna("C", 5.2, 2.4, 4.8)});
        auto migliore = [&](RigaConfronto r) {
            for (int c = 0; c < m.columnCount(); ++c)
                if (m.index(int(r), c).data(Qt::FontRole).isValid())
                    return m.headerData(c, Qt::Horizontal).toString();
            return QString();
        };
        QCOMPARE(migliore(RigaConfronto::Resa), "B");
        QCOMPARE(migliore(RigaConfronto::Potenza), "A");
        QCOMPARE(migliore(RigaConfronto::Corrente), "A");
        QCOMPARE(migliore(RigaConfronto::Quota), "C"); // the smallest that reaches 100 %
        QCOMPARE(m.index(int(RigaConfronto::Quota), 0).data().toString(), "80.0");
        QVERIFY(
            m.index(int(RigaConfronto::Quota), 0).data(Qt::ForegroundRole).isValid()); // A: unmet
        QVERIFY(!m.index(int(RigaConfronto::Quota), 2).data(Qt::ForegroundRole).isValid());
        m.ordina(RigaConfronto::COP, Qt::DescendingOrder);
        QCOMPARE(m.headerData(0, Qt::Horizontal).toString(), "B"); // COP 2.4
        QCOMPARE(m.headerData(2, Qt::Horizontal).toString(), "A"); // COP 2.0
        QCOMPARE(migliore(RigaConfronto::Potenza), "A");           // the mark followed
    }

    void nessunaRichiestaNessunaQuota() {
        ModelloConfronto m(0, 0);
        m.imposta({colonna("A", 4.0, 2.0, 4.0)});
        QCOMPARE(m.index(int(RigaConfronto::Quota), 0).data().toString(), "-");
        QVERIFY(!richiestaNonRaggiunta(m.colonne()[0], 0));
    }
};

QTEST_MAIN(TestDiagrammaInviluppo)
#include "TestDiagrammaInviluppo.moc"
