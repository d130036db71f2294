// The performance tables screen on a small catalogue: rows and empty cells from the
// envelope, units, supply options, the dew-point note, reopening, the faults it must
// survive, and equality with selcomp-cli.

#include "catalogue/Catalogo.h"
#include "dati/SorgenteDati.h"
#include "engine/Prestazioni.h"
#include "platform/FormatoNumero.h"
#include "tables/ModelloTabella.h"
#include "tables/RiempimentoTabelle.h"
#include "tables/cFrmCaricam.h"
#include "tables/cFrmDatiComp.h"
#include "tests/supporto/CalcoliFinti.h"
#include "tests/supporto/MessaggiDiProva.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

const char* const Colonne[9] = {"Tc30", "Tc35", "Tc40", "Tc45", "Tc50",
                                "Tc55", "Tc60", "Tc65", "Tc70"};

// Value of a working-table cell as the grid's source holds it (null: empty cell).
QVariant cella(cFrmDatiComp& s, int tabella, int riga, int tc) {
    return s.Data1(tabella + 1).righe().valore(riga, QStringLiteral("Tc%1").arg(tc));
}

QList<int> righeTvap(cFrmDatiComp& s, int tabella) {
    QList<int> r;
    const Istantanea& t = s.Data1(tabella + 1).righe();
    for (int i = 0; i < t.numeroRighe(); ++i)
        r << t.valore(i, "Tvap").toInt();
    return r;
}

} // namespace

class TestTabelle : public QObject {
    Q_OBJECT
    std::unique_ptr<Catalogo> cat;
    StatoApplicazione stato;
    MessaggiDiProva* messaggi = nullptr;

    std::unique_ptr<cFrmDatiComp> apri(CalcoliFinti& c) {
        auto s = std::make_unique<cFrmDatiComp>(stato, c);
        for (int k = 0; k < 4; ++k)
            new QAbstractItemModelTester(s->modello(k), s.get());
        s->show();
        if (!QTest::qWaitForWindowExposed(s.get()))
            qWarning("screen not exposed");
        return s;
    }

private slots:
    void initTestCase() {
        QString errore;
        cat = Catalogo::apri(SELCOMP_CATALOGO_TABELLE, &errore);
        QVERIFY2(cat, qPrintable(errore));
        stato.catalogo = cat.get();
        stato.motore.fattoriTensione = InizializzaFattori();
        stato.motore.condFunz.T0 = 20;
        messaggi = new MessaggiDiProva;
    }
    void cleanupTestCase() { delete messaggi; }
    void init() {
        messaggi->svuota();
        stato.schermi.bk8 = false;
        stato.motore.condFunz.IndiceTensione = 0;
        stato.lingua.IndiceLingua = 0;
    }

    // TEMin30 -40..TEMax30 10, TEMin70 -10..TEMax70 15: rows -40..15, Tc30 filled from
    // -40 to 10, Tc70 empty below -10; values rise with Te and fall with Tc.
    void righeDallInviluppo() {
        CalcoliFinti c(cat.get(), "R404A", "TAB-1");
        auto s = apri(c);
        QVERIFY(messaggi->messaggi.isEmpty());
        QVERIFY(!s->bCaricamentoTabelle());
        for (cFrmCaricam* c : s->findChildren<cFrmCaricam*>())
            QVERIFY(!c->isVisible()); // closed when filled
        const QList<int> attese = {-40, -35, -30, -25, -20, -15, -10, -5, 0, 5, 10, 15};
        for (int k = 0; k < 4; ++k)
            QCOMPARE(righeTvap(*s, k), attese);
        for (int k = 0; k < 4; ++k)
            for (int r = 0; r < attese.size(); ++r) {
                const int te = attese[r];
                QCOMPARE(cella(*s, k, r, 30).isNull(), te > 10);
                QCOMPARE(cella(*s, k, r, 70).isNull(), te < -10);
            }
        // capacity rises with Te, falls with Tc
        QVERIFY(cella(*s, 0, 1, 30).toDouble() > cella(*s, 0, 0, 30).toDouble());
        QVERIFY(cella(*s, 0, 8, 35).toDouble() > cella(*s, 0, 8, 40).toDouble());
        // the grid shows the same: empty text outside, the pattern inside, heading column
        ModelloTabella* m = s->modello(0);
        QCOMPARE(m->rowCount(), 12);
        QCOMPARE(m->columnCount(), 10);
        QCOMPARE(m->data(m->index(0, 9)).toString(), QString());
        QCOMPARE(m->data(m->index(0, 1)).toString(),
                 formatoNumero(cella(*s, 0, 0, 30).toDouble(), "#,###.00", QLocale()));
        QCOMPARE(m->data(m->index(0, 0)).toString(), QString("-40"));
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString());
        QCOMPARE(m->data(m->index(0, 0), Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(s->modello(2)->schema(), QString("#,##0.00"));
        QCOMPARE(s->modello(3)->schema(), QString("#,###.00"));
        QCOMPARE(s->SSTab1->currentIndex(), 0);
        QCOMPARE(s->SSTab1->tabText(0).right(5), QString(" (kW)"));
        QCOMPARE(s->SSTab1->tabText(2).right(4), QString(" (A)"));
        QCOMPARE(s->SSTab1->tabText(3).right(7), QString(" (kg/h)"));
    }

    // Bands 40..60 only: the columns before and after stay empty in every row.
    void colonneFuoriDalleBande() {
        CalcoliFinti c(cat.get(), "R404A", "TAB-2");
        auto s = apri(c);
        QCOMPARE(righeTvap(*s, 0), (QList<int>{-30, -25, -20, -15, -10, -5, 0, 5}));
        for (int k = 0; k < 4; ++k)
            for (int r = 0; r < 8; ++r) {
                for (int tc : {30, 35, 65, 70})
                    QVERIFY(cella(*s, k, r, tc).isNull());
                QVERIFY(!cella(*s, k, r, 50).isNull() || r < 1);
            }
        // Null WR3 reads as 0, a Null WMAX as the table's 21 segments
        QCOMPARE(s->dati().WR[3], 0.0);
        QCOMPARE(int(s->dati().WMAX), SegmentiMotore);
        QCOMPARE(int(stato.motore.datiCompressore.WMAX), SegmentiMotore);
        QVERIFY(messaggi->messaggi.isEmpty());
    }

    // "Watt": capacity and power 1000 times larger, pattern "#,###", captions " (Watt)";
    // current and mass flow unchanged. Back to kW restores them.
    void wattPerMille() {
        CalcoliFinti c(cat.get(), "R404A", "TAB-1");
        auto s = apri(c);
        QList<double> prima[4];
        for (int k = 0; k < 4; ++k)
            for (int r = 0; r < 11; ++r)
                prima[k] << cella(*s, k, r, 30).toDouble();
        s->SSTab1->setCurrentIndex(2);
        QTest::mouseClick(s->optUM[1], Qt::LeftButton);
        QVERIFY(!s->bKW());
        QCOMPARE(s->SSTab1->currentIndex(), 2);
        QVERIFY(s->SSTab1->tabText(0).endsWith(" (Watt)"));
        QVERIFY(s->SSTab1->tabText(1).endsWith(" (Watt)"));
        QVERIFY(s->SSTab1->tabText(2).endsWith(" (A)"));
        for (int k = 0; k < 4; ++k)
            for (int r = 0; r < 11; ++r) {
                const double f = k < 2 ? 1000 : 1;
                QVERIFY(std::abs(cella(*s, k, r, 30).toDouble() - prima[k][r] * f) <=
                        1e-9 * std::abs(prima[k][r] * f));
            }
        for (int k : {0, 1}) {
            QCOMPARE(s->modello(k)->schema(), QString("#,###"));
            const double v = cella(*s, k, 0, 30).toDouble();
            QCOMPARE(s->modello(k)->data(s->modello(k)->index(0, 1)).toString(),
                     formatoNumero(v, "#,###", QLocale()));
            QVERIFY(!s->modello(k)
                         ->data(s->modello(k)->index(0, 1))
                         .toString()
                         .contains(QLocale().decimalPoint()));
        }
        QTest::mouseClick(s->optUM[0], Qt::LeftButton);
        QVERIFY(s->bKW());
        QVERIFY2(s->SSTab1->tabText(0).endsWith(" (kW)"), qPrintable(s->SSTab1->tabText(0)));
        QCOMPARE(cella(*s, 0, 0, 30).toDouble(), prima[0][0]);
    }

    // Option 4 against option 0: capacity and mass flow x1.18, power x1.2, current x2.08.
    // Each fill refreshes each grid once.
    void opzioneTensione4() {
        CalcoliFinti c(cat.get(), "R404A", "TAB-1");
        auto s = apri(c);
        QCOMPARE(s->IndiceTensioneTabelle(), 0);
        QList<double> prima[4];
        for (int k = 0; k < 4; ++k)
            prima[k] << cella(*s, k, 3, 40).toDouble() << cella(*s, k, 8, 55).toDouble();
        int azzeramenti[4];
        for (int k = 0; k < 4; ++k)
            azzeramenti[k] = s->modello(k)->numeroAzzeramenti();
        QTest::mouseClick(s->optTensioni[4], Qt::LeftButton);
        QCOMPARE(s->IndiceTensioneTabelle(), 4);
        QCOMPARE(int(stato.motore.condFunz.IndiceTensione), 0);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(s->modello(k)->numeroAzzeramenti(), azzeramenti[k] + 1);
        const double fattori[4] = {1.18, 1.2, 2.08, 1.18};
        for (int k = 0; k < 4; ++k) {
            const double dopo[2] = {cella(*s, k, 3, 40).toDouble(), cella(*s, k, 8, 55).toDouble()};
            for (int i = 0; i < 2; ++i)
                QVERIFY2(std::abs(dopo[i] / prima[k][i] - fattori[k]) < 1e-12,
                         qPrintable(QString("table %1: %2").arg(k).arg(dopo[i] / prima[k][i])));
        }
    }

    // bk8: only "380-420 V / 3 / 50Hz" and "440-480 V / 3 / 60Hz".
    void opzioniBk8() {
        for (bool k8 : {false, true}) {
            stato.schermi.bk8 = k8;
            CalcoliFinti c(cat.get(), "R404A", "TAB-1");
            auto s = apri(c);
            for (int i = 0; i < 5; ++i)
                QCOMPARE(s->optTensioni[size_t(i)]->isHidden(), k8 && i != 0 && i != 2);
            QCOMPARE(s->optTensioni[0]->text(), QString("380-420 V / 3 / 50Hz"));
            QCOMPARE(s->optTensioni[4]->text(), QString("220-240 V /3 / 60Hz"));
            QVERIFY(s->optTensioni[0]->isChecked());
        }
        // An option the bk8 model does not offer, left by another model, is not used
        // unseen: the tables are those of option 0.
        stato.schermi.bk8 = true;
        stato.motore.condFunz.IndiceTensione = 4;
        CalcoliFinti c(cat.get(), "R404A", "TAB-1");
        auto s = apri(c);
        QVERIFY(s->optTensioni[0]->isChecked());
        QVERIFY(!s->optTensioni[4]->isChecked());
        stato.schermi.bk8 = false;
        stato.motore.condFunz.IndiceTensione = 0;
        CalcoliFinti c0(cat.get(), "R404A", "TAB-1");
        auto s0 = apri(c0);
        QCOMPARE(cella(*s, 2, 0, 30), cella(*s0, 2, 0, 30));
    }

    // A model without a motor row: capacity, power input and mass flow are tabulated over
    // the envelope, the current tab keeps its rows with no figure, and nothing is reported.
    void senzaTabellaMotore() {
        CalcoliFinti c(cat.get(), "R404A", "TAB-9");
        auto s = apri(c);
        QVERIFY2(messaggi->messaggi.isEmpty(), qPrintable(messaggi->testi().join('\n')));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(righeTvap(*s, k).size(), 12);
        for (int k : {0, 1, 3})
            QVERIFY2(!cella(*s, k, 0, 30).isNull(), qPrintable(QString::number(k)));
        for (int r = 0; r < 12; ++r)
            for (int tc = 30; tc <= 70; tc += 5)
                QVERIFY(cella(*s, 2, r, tc).isNull());
        CalcoliFinti conMotore(cat.get(), "R404A", "TAB-1");
        auto s1 = apri(conMotore);
        QCOMPARE(cella(*s, 0, 3, 45), cella(*s1, 0, 3, 45));
        QCOMPARE(cella(*s, 3, 3, 45), cella(*s1, 3, 3, 45));
    }

    // "(dew temp.)" for the zeotropic refrigerants of table Gas (flAZ false); T0 rounded with "##".
    void notaDewTemp() {
        for (const QString gas : {"R407C", "R404A"}) {
            CalcoliFinti c(cat.get(), gas, "TAB-1");
            auto s = apri(c);
            QCOMPARE(s->Label1[1]->text().endsWith("(dew temp.)"), gas == "R407C");
            QVERIFY(s->Label1[1]->text().contains(QString::fromUtf8("20 °C ")));
            QCOMPARE(s->Label4->text(), gas);
            QCOMPARE(s->Label2->text(), QString("TAB-1"));
        }
    }

    // Leftovers of an earlier opening (or of anyone) are gone once the screen opens.
    void riaperturaSvuota() {
        QVERIFY(cat->esegui("Delete from tmpWR"));
        QVERIFY(cat->aggiungiRiga("tmpWR", {{"Tvap", 99}, {"Tc30", 1.0}}));
        QVERIFY(cat->aggiungiRiga("tmpPM", {{"Tvap", -99}}));
        {
            CalcoliFinti c(cat.get(), "R404A", "TAB-1");
            auto s = apri(c);
            QVERIFY(!righeTvap(*s, 0).contains(99));
            QVERIFY(!righeTvap(*s, 3).contains(-99));
        }
        CalcoliFinti c2(cat.get(), "R404A", "TAB-2");
        auto s2 = apri(c2);
        QCOMPARE(righeTvap(*s2, 0).first(), -30);
        QCOMPARE(cat->interroga("select * from tmpCA").numeroRighe(), 8);
    }

    // No envelope columns, or texts that match no CollCompGas row: empty tables and one
    // message, no failure.
    void senzaInviluppo_data() {
        QTest::addColumn<QString>("gas");
        QTest::addColumn<QString>("modello");
        QTest::newRow("no envelope") << "R404A"
                                     << "TAB-0";
        QTest::newRow("no such model") << "R404A"
                                       << "NESSUNO";
        QTest::newRow("no such refrigerant") << "R999"
                                             << "TAB-1";
    }
    void senzaInviluppo() {
        QFETCH(QString, gas);
        QFETCH(QString, modello);
        QVERIFY(cat->aggiungiRiga("tmpWA", {{"Tvap", 5}}));
        CalcoliFinti c(cat.get(), gas, modello);
        auto s = apri(c);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(s->Data1(k + 1).numeroRecord(), 0);
        QCOMPARE(messaggi->messaggi.size(), 1);
        QVERIFY(messaggi->testi().first().contains(modello));
        QTest::mouseClick(s->optTensioni[2], Qt::LeftButton); // still no failure
        QCOMPARE(s->modello(0)->rowCount(), 0);
    }

    // The tables equal those of selcomp-cli tables --json (the same engine function).
    void ugualiAllaCli_data() {
        QTest::addColumn<QString>("modello");
        QTest::addColumn<int>("tensione");
        QTest::addColumn<bool>("watt");
        QTest::newRow("TAB-1 option 0 kW") << "TAB-1" << 0 << false;
        QTest::newRow("TAB-1 option 3 W") << "TAB-1" << 3 << true;
        QTest::newRow("TAB-2 option 2 kW") << "TAB-2" << 2 << false;
    }
    void ugualiAllaCli() {
        QFETCH(QString, modello);
        QFETCH(int, tensione);
        QFETCH(bool, watt);
        QStringList argomenti{
            "tables",  "--json", "--catalogue", SELCOMP_CATALOGO_TABELLE, "--gas", "R404A",
            "--model", modello,  "--voltage",   QString::number(tensione)};
        if (watt)
            argomenti << "--watt";
        QProcess cli;
        cli.start(SELCOMP_CLI, argomenti);
        QVERIFY(cli.waitForFinished(30000));
        const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QVERIFY2(json.value("ok").toBool(), qPrintable(cli.readAllStandardError()));

        stato.motore.condFunz.IndiceTensione = int16_t(tensione);
        CalcoliFinti c(cat.get(), "R404A", modello);
        auto s = apri(c);
        if (watt)
            QTest::mouseClick(s->optUM[1], Qt::LeftButton);
        const QJsonObject tabelle = json.value("Tabelle").toObject();
        for (int k = 0; k < 4; ++k) {
            const QJsonArray righe = tabelle.value(TabelleLavoro[size_t(k)]).toArray();
            const Istantanea& mie = s->Data1(k + 1).righe();
            QCOMPARE(mie.numeroRighe(), righe.size());
            for (int r = 0; r < righe.size(); ++r) {
                const QJsonObject riga = righe[r].toObject();
                QCOMPARE(mie.valore(r, "Tvap").toInt(), riga.value("Tvap").toInt());
                for (const char* col : Colonne) {
                    const QJsonValue v = riga.value(col);
                    const QVariant m = mie.valore(r, col);
                    QCOMPARE(m.isNull(), v.isNull() || v.isUndefined());
                    if (!m.isNull())
                        QCOMPARE(m.toDouble(), v.toDouble());
                }
            }
        }
    }

    // The legacy statement-per-cell fill leaves the same contents as the screen's.
    void perCellaUguale() {
        CalcoliFinti c(cat.get(), "R404A", "TAB-1");
        auto s = apri(c);
        Istantanea attese[4];
        for (int k = 0; k < 4; ++k)
            attese[k] = cat->interroga("select * from " + TabelleLavoro[size_t(k)]);
        InviluppoCompressore inv;
        QVERIFY(inviluppoDaRiga(s->Data1(0).righe(), 0, inv));
        QString errore;
        QVERIFY2(scriviPerCella(*cat, s->dati(), inv, stato.motore.fattoriTensione, 0, true, {},
                                &errore),
                 qPrintable(errore));
        for (int k = 0; k < 4; ++k) {
            const Istantanea t = cat->interroga("select * from " + TabelleLavoro[size_t(k)]);
            QCOMPARE(t.numeroRighe(), attese[k].numeroRighe());
            for (int r = 0; r < t.numeroRighe(); ++r)
                for (int col = 0; col < 10; ++col) {
                    QCOMPARE(t.valore(r, col).isNull(), attese[k].valore(r, col).isNull());
                    // the statements carry shortest round-trip texts: equal doubles
                    QCOMPARE(t.valore(r, col).toDouble(), attese[k].valore(r, col).toDouble());
                }
        }
    }
};

QTEST_MAIN(TestTabelle)
#include "TestTabelle.moc"
