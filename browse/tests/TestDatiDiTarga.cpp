#include "browse/cfrmDatiDiTarga.h"
#include "browse/cfrmDatiDiTargaPiat.h"
#include "browse/cfrmTabella.h"
#include "browse/frmAccessori.h"
#include "browse/frmIngombri.h"

#include "catalogue/Catalogo.h"
#include "dati/ComboDati.h"
#include "dati/SorgenteDati.h"
#include "tests/supporto/CatalogoDiProva.h"
#include "tests/supporto/MessaggiDiProva.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestDatiDiTarga : public QObject {
    Q_OBJECT
private:
    QTemporaryDir cartella;
    std::unique_ptr<Catalogo> catalogo;

    StatoApplicazione stato(int lingua = 0) {
        StatoApplicazione s;
        s.catalogo = catalogo.get();
        s.impostazioni.PercorsoDatabase = cartella.path();
        s.lingua.IndiceLingua = int16_t(lingua);
        s.lingua.Didascalie[0] = "Caratteristiche tecniche";
        return s;
    }
    // Pictures of the screens to look at, when asked for.
    static void immagine(QWidget& w, const char* nome) {
        if (qEnvironmentVariableIsSet("SELCOMP_IMMAGINI"))
            w.grab().save(qEnvironmentVariable("SELCOMP_IMMAGINI") + "/" + nome + ".png");
    }
    static QString valore(QWidget& w, const char* colonna) {
        auto* l = w.findChild<QLabel*>(QString("valore_") + colonna);
        return l ? l->text() : QString("<none>");
    }
    static QStringList colonna(QTableWidget* t, int c) {
        QStringList v;
        for (int r = 0; r < t->rowCount(); ++r)
            v << t->item(r, c)->text();
        return v;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString file = cartella.filePath("ZODIRARA.MDB");
        QString errore;
        QVERIFY2(creaCatalogoDiProva(SELCOMP_TEST_DATA "/catalogo.sql", file, &errore),
                 qPrintable(errore));
        catalogo = Catalogo::apri(file, &errore);
        QVERIFY2(catalogo, qPrintable(errore));
    }

    void blankCurrentCodeShowsTheFirstModelAndEmptyLists() {
        StatoApplicazione s = stato();
        cfrmDatiDiTargaPiat w(s);
        QCOMPARE(valore(w, "CodiceProdotto"), QString("B-20"));
        for (auto* t : w.elenchi)
            QCOMPARE(t->rowCount(), 0);
    }

    void listsOfTheCurrentModel() {
        StatoApplicazione s = stato(1);
        s.motore.codiceProdottoCorrente = "B-20";
        cfrmDatiDiTargaPiat w(s);
        w.show();
        immagine(w, "datiditargapiat");
        QCOMPARE(valore(w, "Serie"), QString("B"));
        QCOMPARE(valore(w, "desc1"), QString("400 V star"));
        QCOMPARE(valore(w, "VolumeSpostato60hz"), QString("12.6"));
        QCOMPARE(colonna(w.elenchi[0], 0), (QStringList{"N1", "N2"}));
        QCOMPARE(colonna(w.elenchi[0], 1), (QStringList{"Note one", "Note two"}));
        QCOMPARE(colonna(w.elenchi[1], 0), (QStringList{"V1"}));
        // Accessories: the standard supply first, its texts from the language row.
        QCOMPARE(colonna(w.elenchi[2], 0), (QStringList{"A2", "A1"}));
        QCOMPARE(colonna(w.elenchi[2], 2), (QStringList{"Standard", "on request"}));
        QCOMPARE(w.elenchi[2]->horizontalHeaderItem(2)->text(), QString("Supply"));
        auto* didascalia = w.findChild<QLabel*>("etichetta_DescAle");
        QVERIFY(didascalia);
        QCOMPARE(didascalia->text(), QString("Bore"));
    }

    void optionWindows_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<bool>("fornitura");
        QTest::addColumn<int>("lingua");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QStringList>("descrizioni");
        QTest::addColumn<QStringList>("tipi");
        QTest::newRow("accessories, standard first")
            << 0 << true << 1 << "Accessori" << QStringList{"Fan", "Crankcase heater"}
            << QStringList{"Standard", "su Richiesta"};
        QTest::newRow("notes in English by code")
            << 1 << false << 1 << "Note" << QStringList{"Note one", "Note two"} << QStringList{};
        QTest::newRow("voltages only V codes")
            << 2 << false << 0 << "Tensioni" << QStringList{"460 V 60 Hz"} << QStringList{};
        QTest::newRow("another kind lists nothing")
            << 7 << false << 0 << "Accessori" << QStringList{} << QStringList{};
    }
    void optionWindows() {
        QFETCH(int, tipo);
        QFETCH(bool, fornitura);
        QFETCH(int, lingua);
        QFETCH(QString, titolo);
        QFETCH(QStringList, descrizioni);
        QFETCH(QStringList, tipi);
        StatoApplicazione s = stato(lingua);
        s.lingua.Didascalie[5] = "Tensioni";
        s.lingua.Didascalie[6] = "Note";
        s.lingua.Didascalie[8] = "Accessori";
        s.motore.codiceProdottoCorrente = "B-20";
        s.schermi.TipoElencoOpzioni = int16_t(tipo);
        frmAccessori f(s, fornitura);
        QCOMPARE(f.windowTitle(), titolo);
        QCOMPARE(colonna(f.TDBGrid1, 0), descrizioni);
        if (fornitura)
            QCOMPARE(colonna(f.TDBGrid1, 1), tipi);
        QCOMPARE(f.TDBGrid1->horizontalHeaderItem(0)->text(),
                 fornitura ? QString("Descrizione ") : QString("Desc"));
    }

    void navigationStopsAtTheEnds() {
        StatoApplicazione s = stato();
        cfrmDatiDiTarga w(s);
        w.show();
        QCOMPARE(w.CSCombo1->testo(), QString("B-20"));
        immagine(w, "datiditarga");
        QTest::mouseClick(w.cm3Naviga[1], Qt::LeftButton);
        QCOMPARE(valore(w, "CodiceProdotto"), QString("B-20"));
        QTest::keyClick(&w, Qt::Key_PageDown);
        QCOMPARE(w.CSCombo1->testo(), QString("A-10"));
        QTest::mouseClick(w.cm3Naviga[3], Qt::LeftButton);
        QTest::mouseClick(w.cm3Naviga[2], Qt::LeftButton);
        QCOMPARE(valore(w, "CodiceProdotto"), QString("C-40"));
        QCOMPARE(valore(w, "PesoNetto"), QString("182"));
        QTest::keyClick(&w, Qt::Key_PageUp);
        QCOMPARE(w.CSCombo1->testo(), QString("A-10"));
        // A model typed into the combo becomes current.
        w.CSCombo1->impostaTesto("C-40");
        QCOMPARE(valore(w, "Serie"), QString("C"));
    }

    void listButtonsSetTheListKind() {
        StatoApplicazione s = stato();
        QStringList aperti;
        cfrmDatiDiTarga w(s);
        w.impostaAperture({[&](QWidget*, bool fornitura) {
            aperti << QString("%1:%2:%3")
                          .arg(s.schermi.TipoElencoOpzioni)
                          .arg(fornitura)
                          .arg(QString::fromStdString(s.motore.codiceProdottoCorrente));
        }});
        w.show();
        QTest::mouseClick(w.cm3Naviga[4], Qt::LeftButton);
        QTest::mouseClick(w.cm3Naviga[5], Qt::LeftButton);
        QTest::mouseClick(w.cm3Naviga[9], Qt::LeftButton);
        QCOMPARE(aperti, (QStringList{"0:1:B-20", "2:0:B-20", "1:0:B-20"}));
    }

    void printChoosesTheTemplateByMode() {
        StatoApplicazione s = stato();
        cfrmDatiDiTarga w(s);
        QVERIFY(w.parametriStampa().fileModello.endsWith("Dav01.rpt"));
        QVERIFY(w.parametriStampa().fileDati.endsWith("ZODIRARA.MDB"));
        s.impostazioni.ModoCondizionamento = 1;
        QVERIFY(w.parametriStampa().fileModello.endsWith("Divoz01.rpt"));
        QVERIFY(w.parametriStampa().fileDati.endsWith("DEVIRAVE.MDB"));
    }

    void compressorListHeadersAndKeys() {
        StatoApplicazione s = stato();
        QStringList schede;
        cfrmTabella w(s);
        w.impostaAperturaScheda(
            [&](QWidget*) { schede << QString::fromStdString(s.motore.codiceProdottoCorrente); });
        w.show();
        QTableWidget* g = w.TDBGrid1;
        immagine(w, "tabella");
        QCOMPARE(g->columnCount(), 19);
        QCOMPARE(g->horizontalHeaderItem(0)->text(), QString("Modello"));
        QCOMPARE(g->horizontalHeaderItem(4)->text(), QString("Corsa"));
        QCOMPARE(g->horizontalHeaderItem(5)->text(), QString("Volume spostato 50Hz"));
        QCOMPARE(g->horizontalHeaderItem(6)->text(), QString("Volume spostato 60Hz"));
        QCOMPARE(g->horizontalHeaderItem(10)->text(), QString("Peso netto"));
        QCOMPARE(g->horizontalHeaderItem(18)->text(), QString("CodMotore"));
        QCOMPARE(colonna(g, 0), (QStringList{"B-20", "A-10", "C-40"}));
        QCOMPARE(g->item(2, 5)->text(), QString("38.1"));
        // Page Down on the last row keeps it, also with the focus in the grid.
        g->setFocus();
        QTest::keyClick(g, Qt::Key_PageDown);
        QCOMPARE(g->currentRow(), 1);
        QTest::keyClick(g, Qt::Key_PageDown);
        QTest::keyClick(g, Qt::Key_PageDown);
        QCOMPARE(g->currentRow(), 2);
        QCOMPARE(w.compressori().testo("CodiceProdotto"), QString("C-40"));
        QTest::keyClick(g, Qt::Key_Return);
        // A click in the grid moves the current row; the sheet button opens it.
        g->setCurrentCell(0, 1);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(schede, (QStringList{"C-40", "B-20"}));
        s.impostazioni.ModoCondizionamento = 1;
        QVERIFY(w.parametriStampa().fileModello.endsWith("Divoz01.rpt"));
        QVERIFY(w.parametriStampa().fileDati.endsWith("DEVIRAVE.MDB"));
    }

    void compressorListInEnglish() {
        StatoApplicazione s = stato(1);
        cfrmTabella w(s);
        QCOMPARE(w.TDBGrid1->horizontalHeaderItem(5)->text(), QString("Displacement 50Hz"));
        QCOMPARE(w.TDBGrid1->horizontalHeaderItem(9)->text(), QString("Oil charge"));
    }

    void drawingMissingOrNotGiven() {
        MessaggiDiProva messaggi;
        StatoApplicazione s = stato();
        cfrmDatiDiTarga w(s);
        w.CSCombo1->impostaTesto("A-10"); // Immagine is Null
        QTest::mouseClick(w.cm3Naviga[8], Qt::LeftButton);
        QCOMPARE(messaggi.testi(), QStringList{"Immagine ingombri non disponibile"});
        messaggi.svuota();
        w.CSCombo1->impostaTesto("C-40"); // names a file that is not there
        QTest::mouseClick(w.cm3Naviga[8], Qt::LeftButton);
        QCOMPARE(s.schermi.ImmagineIngombri, QString("manca.png"));
        QCOMPARE(messaggi.messaggi.size(), 1);
        QVERIFY(messaggi.testi().first().contains("manca.png"));
    }

    // The bundled catalogue and its air-conditioning data file print a data sheet.
    void dataSheetOfADemoCompressor_data() {
        QTest::addColumn<int>("modo");
        QTest::newRow("refrigeration") << 0;
        QTest::newRow("air conditioning") << 1;
    }
    void dataSheetOfADemoCompressor() {
        QFETCH(int, modo);
        const QString demo = SELCOMP_RUNTIME_DIR "/zodirara.mdb";
        QVERIFY2(QFile::exists(demo), "the build puts the demo catalogue in bin/");
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        QString errore;
        auto cat = Catalogo::apri(demo, &errore);
        QVERIFY2(cat, qPrintable(errore));
        StatoApplicazione s;
        s.catalogo = cat.get();
        s.impostazioni.PercorsoDatabase = SELCOMP_RUNTIME_DIR;
        s.impostazioni.ModoCondizionamento = int16_t(modo);
        cfrmDatiDiTarga w(s);
        w.CSCombo1->impostaTesto("2DZ-005");
        s.motore.codiceProdottoCorrente = "2DZ-005";
        const QString pdf = cartella.filePath(QString("scheda-demo-%1.pdf").arg(modo));
        QVERIFY2(eseguiRapporto(w.parametriStampa(), pdf, &errore), qPrintable(errore));
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString t = QString::fromUtf8(p.readAllStandardOutput());
        if (qEnvironmentVariableIsSet("SELCOMP_IMMAGINI"))
            QFile::copy(pdf,
                        qEnvironmentVariable("SELCOMP_IMMAGINI") + "/" + QFileInfo(pdf).fileName());
        for (const char* atteso : {"Didaz", "2DZ-005", "DZ2", "40.0", "23.0", "R134a", "16 mm"})
            QVERIFY2(t.contains(atteso), atteso);
        QVERIFY(t.contains(modo ? "air conditioning" : "Technical data"));
    }

    // Every supply description of the bundled catalogue is read whole, in every language.
    void supplyDescriptionReadableWhole() {
        auto demo = Catalogo::apri(SELCOMP_RUNTIME_DIR "/zodirara.mdb");
        if (!demo)
            QSKIP("bundled catalogue not built");
        StatoApplicazione s = stato();
        s.catalogo = demo.get();
        for (int lingua = 0; lingua < 5; ++lingua) {
            s.lingua.IndiceLingua = int16_t(lingua);
            cfrmDatiDiTarga w(s);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            auto* tensione = w.findChild<QLabel*>("valore_desc1");
            QVERIFY(tensione);
            QString prima;
            while (w.CSCombo1->testo() != prima) {
                prima = w.CSCombo1->testo();
                const QRect spazio = tensione->contentsRect();
                const QRect occupato = tensione->fontMetrics().boundingRect(
                    spazio, Qt::TextWordWrap | int(tensione->alignment()), tensione->text());
                QVERIFY2(
                    spazio.contains(occupato) && !tensione->text().isEmpty(),
                    qPrintable(
                        QString("%1, lingua %2: %3").arg(prima).arg(lingua).arg(tensione->text())));
                QCOMPARE(tensione->toolTip(), tensione->text());
                QTest::mouseClick(w.cm3Naviga[2], Qt::LeftButton);
            }
        }
    }

    void drawingScaledToFit() {
        QImage disegno(1600, 800, QImage::Format_RGB32);
        disegno.fill(Qt::white);
        QVERIFY(disegno.save(cartella.filePath("B.png")));
        frmIngombri f(cartella.filePath("B.png"), "B-20");
        QVERIFY(f.caricata());
        f.resize(600, 500);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QSize mostrata = f.immagine()->pixmap().size();
        QVERIFY(mostrata.width() <= f.immagine()->width());
        QCOMPARE(mostrata.width(), 2 * mostrata.height());
    }
};

QTEST_MAIN(TestDatiDiTarga)
#include "TestDatiDiTarga.moc"
