// The comparison opened from the calculation screen on the bundled demo catalogue: each
// column's figures equal `selcomp-cli rate --json` for that model, and its grid leaves the
// program as clipboard text, CSV and an .xlsx workbook with numbers and header.

#include "calculation/PannelloCondizioni.h"
#include "calculation/cfrmCalcoli.h"
#include "catalogue/Catalogo.h"
#include "dati/ComboDati.h"
#include "engine/Prestazioni.h"
#include "platform/EsportazioneGriglia.h"
#include "reflib/ILK.h"
#include "results/DiagrammaInviluppo.h"
#include "results/cfrmConfronto.h"
#include "tests/supporto/Digitazione.h"
#include "tests/supporto/MessaggiDiProva.h"
#include "tools/cli/Comandi.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sstream>

namespace {
QString decomprimi(const QString& xlsx, const QString& parte) {
    QProcess p;
    p.start("unzip", {"-p", xlsx, parte});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}
// With SELCOMP_SCHERMATE set to a folder, the window as drawn is saved there to look at.
void schermata(QWidget* w, const QString& nome) {
    const QString cartella = qEnvironmentVariable("SELCOMP_SCHERMATE");
    if (!cartella.isEmpty())
        w->window()->grab().save(cartella + "/" + nome + ".png");
}
} // namespace

class TestConfronto : public QObject {
    Q_OBJECT

    const QString demo = QString(SELCOMP_RUNTIME_DIR) + "/zodirara.mdb";
    const QString reflibs = QString(SELCOMP_RUNTIME_DIR) + "/Reflibs";
    std::unique_ptr<Catalogo> catalogo;
    StatoApplicazione stato;
    std::unique_ptr<cfrmCalcoli> calcoli;

    // The calculation screen at R404A -10/40 corrected, on its second compressor.
    void apriCalcoli(const QString& te, const QString& tc) {
        AgganciCalcoli a;
        a.libreria = {ILK_p_D, ILK_h_L, ILK_h_V, ILK_V_V};
        calcoli = std::make_unique<cfrmCalcoli>(stato, a);
        calcoli->show();
        PannelloCondizioni& p = *calcoli->pannello;
        const int i = p.CSCombo2->findText("R404A");
        if (i < 0)
            QSKIP("R404A not in the demo catalogue");
        p.CSCombo2->setCurrentIndex(i);
        emit p.CSCombo2->activated(i);
        QTest::mouseClick(calcoli->cm3Naviga[2], Qt::LeftButton);
        if (p.chkStandard->isChecked())
            QTest::mouseClick(p.chkStandard, Qt::LeftButton, {},
                              QPoint(8, p.chkStandard->height() / 2));
        scrivi(p.Text1[0], te);
        scrivi(p.Text1[1], tc);
    }

    cfrmConfronto* confronta() {
        QTest::mouseClick(calcoli->cmdConfronto, Qt::LeftButton);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* c = qobject_cast<cfrmConfronto*>(w)) {
                // Shortcuts reach only the active window.
                c->activateWindow();
                if (!QTest::qWaitForWindowActive(c))
                    return nullptr;
                return c;
            }
        return nullptr;
    }

private slots:
    void initTestCase() {
        if (!QFileInfo::exists(demo))
            QSKIP("demo catalogue not built");
        if (ILK_Set_Fluids(reflibs.toLocal8Bit().constData()) != 0)
            QSKIP("no Reflibs folder");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        catalogo = Catalogo::apri(demo);
        QVERIFY(catalogo);
        stato.catalogo = catalogo.get();
        stato.motore.fattoriTensione = InizializzaFattori();
    }

    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<cfrmConfronto*>(w))
                delete w;
        calcoli.reset();
    }

    void figureComeCli() {
        MessaggiDiProva messaggi;
        apriCalcoli("-10", "40");
        const QString corrente = calcoli->testoCompressore();
        cfrmConfronto* c = confronta();
        QVERIFY2(c, qPrintable(messaggi.testi().join('|')));
        QVERIFY(messaggi.messaggi.isEmpty());
        // The screen's compressor is ticked, with the next ones, six at most.
        const ModelloConfronto& m = *c->modello();
        QVERIFY(m.columnCount() >= 2 && m.columnCount() <= cfrmConfronto::MassimoScelti);
        QCOMPARE(QString::fromStdString(m.colonne()[0].codice), corrente);
        for (const ColonnaConfronto& col : m.colonne()) {
            std::ostringstream out, err;
            const std::vector<std::string> argomenti = {"--catalogue", demo.toStdString(),
                                                        "--reflibs",   reflibs.toStdString(),
                                                        "--json",      "rate",
                                                        "--gas",       "R404A",
                                                        "--model",     col.codice,
                                                        "--te",        "-10",
                                                        "--tc",        "40",
                                                        "--voltage",   "0"};
            // A rating that faults partway (some figure NaN) fails in the tool too.
            const bool guasto = !col.guasto.empty();
            QCOMPARE(eseguiCli(argomenti, out, err, SELCOMP_RUNTIME_DIR),
                     guasto ? int(UscitaCalcolo) : 0);
            if (guasto)
                continue;
            const QJsonObject r = QJsonDocument::fromJson(QByteArray::fromStdString(out.str()))
                                      .object()["Risultati"]
                                      .toObject();
            const Risultati& s = col.risultati;
            for (const auto& [nome, valore] : {std::pair{"ResaEvaporatore", s.ResaEvaporatore},
                                               {"PotenzaAssorbita", s.PotenzaAssorbita},
                                               {"CorrenteAssorbita", s.CorrenteAssorbita},
                                               {"PortataMassa", s.PortataMassa},
                                               {"COP", s.COP},
                                               {"CaloreCondensatore", s.CaloreCondensatore}})
                QVERIFY2(qFuzzyCompare(valore, r[nome].toDouble()),
                         qPrintable(QString("%1 %2: %3 / %4")
                                        .arg(col.codice.c_str(), nome)
                                        .arg(valore)
                                        .arg(r[nome].toDouble())));
        }
        // Every figure reads whole: no cell ends on the decimal separator ("3." for 3 A).
        for (int riga = 0; riga < m.rowCount(); ++riga)
            for (int col = 0; col < m.columnCount(); ++col) {
                const QString t = m.index(riga, col).data().toString();
                QVERIFY2(!t.endsWith(QLatin1Char('.')), qPrintable(t));
            }
    }

    // A seventh tick is refused; unticking takes a column away.
    void sceltaSeiAlPiu() {
        MessaggiDiProva messaggi;
        apriCalcoli("-10", "40");
        cfrmConfronto* c = confronta();
        QVERIFY(c && c->elenco);
        if (c->elenco->count() <= cfrmConfronto::MassimoScelti)
            QSKIP("too few compressors run here");
        QListWidgetItem* libero = nullptr;
        for (int i = 0; i < c->elenco->count(); ++i)
            if (c->elenco->item(i)->checkState() == Qt::Unchecked)
                libero = c->elenco->item(i);
        QVERIFY(libero);
        libero->setCheckState(Qt::Checked);
        QCOMPARE(libero->checkState(), Qt::Unchecked);
        QCOMPARE(messaggi.beeps, 1);
        QCOMPARE(c->modello()->columnCount(), cfrmConfronto::MassimoScelti);
        for (int i = 0; i < c->elenco->count(); ++i)
            if (c->elenco->item(i)->checkState() == Qt::Checked) {
                c->elenco->item(i)->setCheckState(Qt::Unchecked);
                break;
            }
        QCOMPARE(c->modello()->columnCount(), cfrmConfronto::MassimoScelti - 1);
    }

    void ordinaPerRiga() {
        apriCalcoli("-10", "40");
        cfrmConfronto* c = confronta();
        QVERIFY(c);
        const int riga = int(RigaConfronto::COP);
        QHeaderView* h = c->tabella->verticalHeader();
        emit h->sectionClicked(riga); // a click on the row's caption
        const ModelloConfronto& m = *c->modello();
        // Figures a faulted rating did not reach go last.
        auto cop = [&] {
            QList<double> v;
            for (const ColonnaConfronto& col : m.colonne())
                v << col.risultati.COP;
            return v;
        };
        auto ordinati = [](QList<double> v, bool calando) {
            QList<double> finiti;
            for (double x : v)
                if (std::isfinite(x))
                    finiti << x;
            QList<double> atteso = finiti;
            std::sort(atteso.begin(), atteso.end());
            if (calando)
                std::reverse(atteso.begin(), atteso.end());
            return finiti == atteso && v.mid(0, finiti.size()) == finiti;
        };
        auto testo = [&] {
            QStringList t;
            for (double x : cop())
                t << QString::number(x);
            return t.join(' ');
        };
        QVERIFY2(ordinati(cop(), true), qPrintable(testo()));
        emit h->sectionClicked(riga);
        QVERIFY(ordinati(cop(), false));
    }

    // Ctrl+C, CSV and .xlsx carry the header and the same numbers as the grid.
    void esportazione() {
        MessaggiDiProva messaggi;
        apriCalcoli("-10", "40");
        cfrmConfronto* c = confronta();
        QVERIFY(c);
        schermata(c, "confronto");
        const ColonnaConfronto primo = c->modello()->colonne()[0];
        const QString codice = QString::fromStdString(primo.codice);

        c->tabella->setFocus();
        QTest::keyClick(c->tabella, Qt::Key_C, Qt::ControlModifier);
        const QStringList righe = QApplication::clipboard()->text().split('\n');
        QVERIFY2(righe.join('\n').contains("R404A  |  TE -10.0 °C  |  TC 40.0 °C"),
                 qPrintable(righe.join('\n')));
        const QStringList titoli = righe.filter("Resa frigorifera [kW]");
        QCOMPARE(titoli.size(), 1);
        const QStringList riga =
            righe.filter(QRegularExpression("^" + QRegularExpression::escape(codice) + "\t"))
                .value(0)
                .split('\t');
        QCOMPARE(riga.size(), 1 + NumeroRigheConfronto);
        QCOMPARE(riga[1].toDouble(), std::round(primo.risultati.ResaEvaporatore * 100) / 100);

        QTemporaryDir cartella;
        FileDiProva file;
        file.risposte << cartella.filePath("confronto.csv") << cartella.filePath("confronto");
        QTest::mouseClick(c->cmdCsv, Qt::LeftButton);
        QFile csv(cartella.filePath("confronto.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList righeCsv = QString::fromUtf8(csv.readAll()).split("\r\n");
        const QStringList campi =
            righeCsv
                .filter(QRegularExpression("^\"?" + QRegularExpression::escape(codice) + "\"?,"))
                .value(0)
                .split(',');
        QCOMPARE(campi.size(), 1 + NumeroRigheConfronto);
        QCOMPARE(campi[int(RigaConfronto::Potenza) + 1].toDouble(),
                 std::round(primo.risultati.PotenzaAssorbita * 100) / 100);

        QTest::mouseClick(c->cmdXlsx, Qt::LeftButton); // the extension is added
        const QString xlsx = cartella.filePath("confronto.xlsx");
        QVERIFY(QFileInfo::exists(xlsx));
        const QString foglio = decomprimi(xlsx, "xl/worksheets/sheet1.xml");
        const QString testi = decomprimi(xlsx, "xl/sharedStrings.xml") + foglio;
        QVERIFY(testi.contains("TE -10.0 °C"));
        QVERIFY(testi.contains(codice));
        QVERIFY(testi.contains("Resa frigorifera [kW]"));
        // The capacity stored as a number at full precision.
        const QRegularExpression numero("<v>([-0-9.Ee+]+)</v>");
        bool trovato = false;
        for (auto it = numero.globalMatch(foglio); it.hasNext();)
            trovato |=
                qFuzzyCompare(it.next().captured(1).toDouble(), primo.risultati.ResaEvaporatore);
        QVERIFY(trovato);
        QVERIFY(messaggi.messaggi.isEmpty());
    }

    // The diagram follows the typed point and turns red with the reason outside.
    void diagrammaSegueIlPunto() {
        apriCalcoli("-10", "40");
        QTest::mouseClick(calcoli->cmdDiagramma, Qt::LeftButton);
        QVERIFY(calcoli->diagramma->isVisible());
        QVERIFY(calcoli->diagramma->dati().esito.dentro);
        QVERIFY(!PoligoniInviluppo(calcoli->diagramma->dati().inviluppo).empty());
        schermata(calcoli.get(), "diagramma-dentro");
        scrivi(calcoli->pannello->Text1[0], "-80");
        const DatiDiagramma& d = calcoli->diagramma->dati();
        QVERIFY(!d.esito.dentro);
        QCOMPARE(d.esito.codice, 1);
        QVERIFY2(d.didascalia.contains("TE -80.0 < TE min"), qPrintable(d.didascalia));
        QCOMPARE(d.punto->x(), -80.0);
        schermata(calcoli.get(), "diagramma-fuori");
    }
};

QTEST_MAIN(TestConfronto)
#include "TestConfronto.moc"
