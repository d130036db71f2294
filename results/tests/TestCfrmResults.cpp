#include "results/cfrmResults.h"

#include "app/MDIUser.h"
#include "platform/ArchivioImpostazioni.h"

#include "catalogue/Catalogo.h"
#include "platform/Twips.h"
#include "tests/supporto/CatalogoDiProva.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestCfrmResults : public QObject {
    Q_OBJECT
private:
    QTemporaryDir cartella;
    std::unique_ptr<Catalogo> catalogo, catalogoVuoto;

    // A rating as the calculation screen leaves it.
    StatoApplicazione statoCalcolo() {
        StatoApplicazione s;
        s.catalogo = catalogo.get();
        s.impostazioni.PercorsoDatabase = cartella.path();
        s.lingua.Didascalie[0] = "Caratteristiche tecniche";
        s.lingua.Didascalie[2] = "Calcoli su compressore ";
        s.lingua.Didascalie[9] = "Risultati ";
        s.lingua.EtichetteCondizioni = {"T. uscita evap.", "T. liquido",  "T. aspirazione",
                                        "Surr. evap.",     "Sottoraffr.", "Surr. aspir."};
        CondFunz& c = s.motore.condFunz;
        c.TE = -10;
        c.TC = 40;
        c.TU = -10;
        c.TL = 35;
        c.TA = 20;
        c.DeltaTU = 0;
        c.Sottoraffreddamento = 5;
        c.Surriscaldamento = 30;
        c.NomeGas = "R134a";
        c.CodiceProdotto = "D4-110";
        c.IndiceTensione = 2;
        Risultati& r = s.motore.risultati;
        r.ResaCompressore = 10;
        r.ResaEvaporatore = 9.876;
        r.ResaStd = 12345.678;
        r.PotenzaAssorbita = 4.2;
        r.CorrenteAssorbita = 8.25;
        r.CorrenteStd = 8.3;
        r.PortataMassa = 250;
        r.PortataMassaStd = 260;
        r.COP = 2.5;
        r.COPStd = 2.1234;
        r.CaloreCondensatore = 14.2;
        r.CaloreCondensatoreStd = 1000;
        s.schermi.bCalcoloSingolo = true;
        return s;
    }
    StatoApplicazione statoSelezione() {
        StatoApplicazione s = statoCalcolo();
        s.schermi.bCalcoloSingolo = false;
        s.motore.condFunz.PotenzaRichiesta = 12500;
        s.motore.codiceProdottoInferiore = "D3-80";
        s.motore.risultatiInferiore.ResaCompressore = 8.5;
        s.motore.risultatiInferiore.COP = 1.75;
        return s;
    }
    static QString cella(const cfrmResults& w, int i) { return w.Panel3D2[size_t(i)]->text(); }
    QString testoPdf(const ParametriRapporto& p) {
        const QString pdf = cartella.filePath("prova.pdf");
        QString errore;
        if (!eseguiRapporto(p, pdf, &errore))
            return "errore: " + errore;
        QProcess proc;
        proc.start("pdftotext", {"-layout", pdf, "-"});
        proc.waitForFinished(30000);
        return QString::fromUtf8(proc.readAllStandardOutput());
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(cartella.isValid());
        // The catalogue is also the report's data file, beside the report templates.
        const QString a = cartella.filePath("ZODIRARA.MDB"), b = cartella.filePath("vuoto.db");
        QVERIFY(QFile::copy(SELCOMP_SOURCE_DIR "/browse/rapporti/Dav02.rpt",
                            cartella.filePath("Dav02.rpt")));
        QString errore;
        QVERIFY2(creaCatalogoDiProva(SELCOMP_TEST_DATA "/risultati.sql", a, &errore),
                 qPrintable(errore));
        QVERIFY2(creaCatalogoDiProva(SELCOMP_TEST_DATA "/senza_compressori.sql", b, &errore),
                 qPrintable(errore));
        catalogo = Catalogo::apri(a, &errore);
        QVERIFY2(catalogo, qPrintable(errore));
        catalogoVuoto = Catalogo::apri(b, &errore);
        QVERIFY2(catalogoVuoto, qPrintable(errore));
    }

    void layoutByOrigin() {
        StatoApplicazione s = statoCalcolo();
        cfrmResults w(s);
        w.show();
        QCOMPARE(w.height(), twipsInPixel(cfrmResults::AltezzaSingolo, &w));
        QVERIFY(!w.Panel3D5[1]->isVisible());
        QVERIFY(!w.Panel3D2[13]->isVisible());
        QVERIFY(!w.Label2[16]->isVisible());
        QCOMPARE(w.windowTitle(), QString("Calcoli su compressore "));

        s.schermi.bCalcoloSingolo = false;
        s.motore.condFunz.PotenzaRichiesta = 12500;
        s.motore.codiceProdottoInferiore = "D3-80";
        w.attiva();
        QCOMPARE(w.height(), twipsInPixel(cfrmResults::AltezzaSelezione, &w));
        QVERIFY(w.Panel3D5[1]->isVisible());
        QVERIFY(w.Panel3D2[13]->isVisible());
        QVERIFY(w.unitaPotenza->isVisible());
        QCOMPARE(w.unitaPotenza->text(), QString("kW"));
        QCOMPARE(cella(w, 34), QString("D3-80"));
        // The second frame lies below everything else.
        QVERIFY(w.Panel3D5[1]->geometry().top() >= w.Panel3D5[0]->geometry().bottom());
    }

    void cellsWithTheirPatterns_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("atteso");
        const struct {
            const char* nome;
            const char* loc;
            int i;
            const char* t;
        } righe[] = {
            {"required 12500 W in kW, en", "en_US", 13, "12.50"},
            {"required 12500 W in kW, it", "it_IT", 13, "12,50"},
            {"COP 2.5 with 0.###", "en_US", 4, "2.5"},
            {"COP at rating cut to three places", "en_US", 20, "2.123"},
            {"capacity 10 keeps the separator", "en_US", 0, "10."},
            {"capacity 10 keeps the separator, it", "it_IT", 0, "10,"},
            {"thousands grouped, two places", "en_US", 16, "12,345.68"},
            {"thousands grouped, it", "it_IT", 16, "12.345,68"},
            {"heat rejection at rating #,###.##", "en_US", 10, "1,000."},
            {"power input in both columns", "en_US", 18, "4.2"},
            {"current", "en_US", 3, "8.25"},
            {"mass flow", "en_US", 1, "250."},
            {"evaporating temperature plain", "en_US", 5, "-10"},
            {"model beside the headings", "en_US", 35, "D4-110"},
            {"refrigerant", "en_US", 11, "R134a"},
        };
        for (const auto& r : righe)
            QTest::newRow(r.nome) << r.loc << r.i << r.t;
    }
    void cellsWithTheirPatterns() {
        QFETCH(QString, locale);
        QFETCH(int, indice);
        QFETCH(QString, atteso);
        QLocale::setDefault(QLocale(locale));
        StatoApplicazione s = statoSelezione();
        cfrmResults w(s);
        w.show();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(cella(w, indice), atteso);
        QCOMPARE(w.Panel3D2[size_t(indice)]->alignment() & Qt::AlignHorizontal_Mask,
                 indice == 11   ? Qt::AlignLeft
                 : indice == 35 ? Qt::AlignHCenter
                                : Qt::AlignRight);
    }

    void requiredCapacityBelowOneKilowatt() {
        StatoApplicazione s = statoSelezione();
        s.motore.condFunz.PotenzaRichiesta = 500;
        cfrmResults w(s);
        w.show();
        QCOMPARE(cella(w, 13), QString(".50"));
    }

    void secondFrameWithoutSmallerCandidateIsBlank() {
        StatoApplicazione s = statoSelezione();
        cfrmResults w(s);
        w.show();
        QCOMPARE(cella(w, 33), QString("8.5"));
        QCOMPARE(cella(w, 30), QString("1.75"));
        // A new selection finds no smaller compressor: nothing stale may remain.
        s.motore.codiceProdottoInferiore.clear();
        w.attiva();
        for (int i : {21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34})
            QVERIFY2(cella(w, i).isEmpty(), qPrintable(QString::number(i)));
    }

    void differentialToggle() {
        StatoApplicazione s = statoCalcolo();
        s.motore.condFunz.ValoriDifferenziali = true;
        cfrmResults w(s);
        w.show();
        QVERIFY(w.chkDifferenziali->isChecked());
        QCOMPARE(w.Label3[2]->text(), QString("K"));
        QCOMPARE(w.Label2[5]->text(), QString("Sottoraffr."));
        QCOMPARE(cella(w, 7), QString("0"));
        QCOMPARE(cella(w, 8), QString("5"));
        QCOMPARE(cella(w, 9), QString("30"));

        QTest::mouseClick(w.chkDifferenziali, Qt::LeftButton);
        QVERIFY(!s.motore.condFunz.ValoriDifferenziali);
        for (int i = 2; i < 5; ++i)
            QCOMPARE(w.Label3[size_t(i)]->text(), QString("°C"));
        QCOMPARE(w.Label2[4]->text(), QString("T. uscita evap."));
        QCOMPARE(w.Label2[6]->text(), QString("T. aspirazione"));
        QCOMPARE(cella(w, 7), QString("-10"));
        QCOMPARE(cella(w, 8), QString("35"));
        QCOMPARE(cella(w, 9), QString("20"));

        QTest::mouseClick(w.chkDifferenziali, Qt::LeftButton);
        QVERIFY(s.motore.condFunz.ValoriDifferenziali);
        QCOMPARE(w.Label3[4]->text(), QString("K"));
        QCOMPARE(cella(w, 9), QString("30"));
    }

    // The differences shown are those of the run: after an absolute run (or one with
    // an empty field) the typed differences are stale, the temperatures are not.
    void differencesOfTheRatedPoint() {
        StatoApplicazione s = statoCalcolo();
        CondFunz& c = s.motore.condFunz;
        c.TU = 20;
        c.TL = 40 - 8.3;
        c.TA = -10 + 11.1;
        c.DeltaTU = c.Sottoraffreddamento = c.Surriscaldamento = 0;
        cfrmResults w(s);
        w.show();
        QTest::mouseClick(w.chkDifferenziali, Qt::LeftButton);
        QCOMPARE(cella(w, 7), QString("30"));
        QCOMPARE(cella(w, 8), QString("8.3"));
        QCOMPARE(cella(w, 9), QString("11.1"));
    }

    void standardBoxAndSupplyOptionsOnlyShow() {
        StatoApplicazione s = statoCalcolo();
        cfrmResults w(s);
        w.show();
        QVERIFY(w.optTensioni[2]->isChecked());
        QVERIFY(!w.chkStandard->isChecked());
        QTest::mouseClick(w.chkStandard, Qt::LeftButton);
        QTest::mouseClick(w.optTensioni[0], Qt::LeftButton);
        QVERIFY(!s.motore.condFunz.CondizioniStandard);
        QCOMPARE(s.motore.condFunz.IndiceTensione, int16_t(2));
        QVERIFY(w.optTensioni[2]->isChecked());
        QVERIFY(!w.chkStandard->isChecked());
    }

    void captionsOfTheLanguage() {
        StatoApplicazione s = statoSelezione();
        s.lingua.IndiceLingua = 1;
        cfrmResults w(s);
        w.show();
        // Pictures of the screen to look at, when asked for.
        if (qEnvironmentVariableIsSet("SELCOMP_IMMAGINI"))
            w.grab().save(qEnvironmentVariable("SELCOMP_IMMAGINI") + "/risultati-selezione.png");
        QCOMPARE(w.Panel3D5[1]->title(), QString("Next smaller compressor"));
        QCOMPARE(w.chkDifferenziali->text(), QString("Differential values"));
        QCOMPARE(w.fmCondizioni->title(), QString(" Operating conditions "));
        QCOMPARE(w.Label2[16]->text(), QString("Required capacity"));
        QCOMPARE(w.cm3Naviga[3]->text(), QString("Caratteristiche tecniche"));
        const auto v = w.valoriSchermo();
        QCOMPARE(v.value("et.DescResult1"), QString("Cooling capacity"));
        QCOMPARE(v.value("ResaCompressore"), QString("10."));
        QCOMPARE(v.value("inf.modello"), QString("D3-80"));
        QCOMPARE(v.value("PotenzaRichiesta"), QString("12.50"));
        // The screen takes the first refrigerant of Gas as the current one.
        QCOMPARE(s.schermi.CodiceGasCorrente, QString("R404A"));
        QCOMPARE(s.motore.codiceProdottoCorrente, std::string("D4-110"));
    }

    void keysAndButtons() {
        StatoApplicazione s = statoSelezione();
        QStringList aperti;
        cfrmResults w(s);
        w.impostaAperture({
            [&](QWidget*) {
                aperti << "k:" + QString::fromStdString(s.motore.codiceProdottoCorrente);
            },
            [&](QWidget*) {
                aperti << "n:" + QString::fromStdString(s.motore.codiceProdottoCorrente);
            },
            [&](QWidget*) { aperti << "gas"; },
            [&](QWidget*) { aperti << "stampa"; },
        });
        w.show();
        QTest::keyClick(&w, Qt::Key_K);
        QTest::keyClick(&w, Qt::Key_N, Qt::ShiftModifier);
        QCOMPARE(s.schermi.TipoElencoOpzioni, int16_t(1));
        QTest::mouseClick(w.cm3Naviga[3], Qt::LeftButton);
        QCOMPARE(s.motore.codiceProdottoCorrente, std::string("D4-110")); // restored
        QTest::mouseClick(w.cm3Naviga[1], Qt::LeftButton);
        QTest::mouseClick(w.cm3Naviga[4], Qt::LeftButton);
        QTest::mouseClick(w.cmdNoteGas, Qt::LeftButton);
        QCOMPARE(aperti, (QStringList{"k:D4-110", "n:D4-110", "k:D3-80", "stampa", "gas"}));
    }

    // The printout is about what the screen shows: model, conditions, both candidates.
    void printsTheFiguresOnScreen() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        StatoApplicazione s = statoSelezione();
        s.lingua.IndiceLingua = 1;
        s.motore.condFunz.ValoriDifferenziali = true;
        cfrmResults w(s);
        w.show();
        const QString pdf = cartella.filePath("risultati.pdf");
        QString errore;
        QVERIFY2(eseguiRapporto(w.parametriStampa(), pdf, &errore), qPrintable(errore));
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString t = QString::fromUtf8(p.readAllStandardOutput());
        if (qEnvironmentVariableIsSet("SELCOMP_IMMAGINI"))
            QFile::copy(pdf, qEnvironmentVariable("SELCOMP_IMMAGINI") + "/risultati.pdf");
        for (const char* atteso :
             {"Didaz", "Page 1 of 1", "D4-110", "R134a", "Cooling capacity", "12,345.68",
              "Required capacity", "12.50", "Evaporating temp.", "-10", "Surr. aspir.", "30 K",
              "440-480 V / 3 / 60Hz", "Next smaller compressor", "D3-80", "8.5", "1.75",
              "39.00 m³/h (60 Hz)"})
            QVERIFY2(t.contains(QString::fromUtf8(atteso)), atteso);
    }

    // The report speaks the program's language (Lingue, else the template's own texts,
    // followed by English) and its displacement heading follows the supply frequency.
    void printLanguageAndFrequency_data() {
        QTest::addColumn<int>("lingua");
        QTest::addColumn<int>("tensione");
        QTest::addColumn<QStringList>("attesi");
        QTest::addColumn<QStringList>("assenti");
        QTest::newRow("Italian, 380-420 V 50 Hz")
            << 0 << 0
            << QStringList{"Risultati del calcolo / Rating results", "Famiglia D4",
                           "32.50 m³/h (50 Hz)"}
            << QStringList{"60 Hz)"};
        QTest::newRow("English, 440-480 V 60 Hz")
            << 1 << 2 << QStringList{"Rating results", "Series D4", "39.00 m³/h (60 Hz)"}
            << QStringList{"Risultati del calcolo", "50 Hz)", "/ Rating"};
        QTest::newRow("French, 220-240 V 60 Hz")
            << 2 << 4 << QStringList{"Résultats du calcul / Rating results", "Série D4", "(60 Hz)"}
            << QStringList{"Risultati del calcolo", "Famiglia", "50 Hz)"};
    }
    void printLanguageAndFrequency() {
        QFETCH(int, lingua);
        QFETCH(int, tensione);
        QFETCH(QStringList, attesi);
        QFETCH(QStringList, assenti);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        StatoApplicazione s = statoCalcolo();
        s.lingua.IndiceLingua = lingua;
        s.motore.condFunz.IndiceTensione = int16_t(tensione);
        cfrmResults w(s);
        w.show();
        const QString t = testoPdf(w.parametriStampa());
        for (const QString& a : attesi)
            QVERIFY2(t.contains(a), qPrintable(a + " in\n" + t));
        for (const QString& a : assenti)
            QVERIFY2(!t.contains(a), qPrintable(a + " in\n" + t));
    }

    // A selection whose largest compressor falls short keeps it and says by how much, in
    // the language of the program, on screen and on paper; a met one or a single rating
    // says nothing.
    void requiredCapacityNotReached_data() {
        QTest::addColumn<int>("lingua");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("it") << 0 << "Potenza richiesta non raggiunta: mancano 2.62 kW";
        QTest::newRow("en") << 1 << "Required capacity not reached: 2.62 kW short";
        QTest::newRow("fr") << 2 << "Puissance demandée non atteinte : il manque 2.62 kW";
        QTest::newRow("de") << 3 << "Geforderte Leistung nicht erreicht: es fehlen 2.62 kW";
        QTest::newRow("es") << 4 << "Potencia requerida no alcanzada: faltan 2.62 kW";
    }
    void requiredCapacityNotReached() {
        QFETCH(int, lingua);
        QFETCH(QString, atteso);
        StatoApplicazione s = statoSelezione(); // 12.5 kW asked, 9.876 kW at the evaporator
        s.lingua.IndiceLingua = lingua;
        cfrmResults w(s);
        w.show();
        QVERIFY(w.lblRichiestaNonRaggiunta->isVisible());
        QCOMPARE(w.lblRichiestaNonRaggiunta->text(), atteso);
        QCOMPARE(w.parametriStampa().valori.value("RichiestaNonRaggiunta"), atteso);
        s.motore.condFunz.PotenzaRichiesta = 9876;
        w.attiva();
        QVERIFY(!w.lblRichiestaNonRaggiunta->isVisible());
        s.motore.condFunz.PotenzaRichiesta = 12500;
        s.schermi.bCalcoloSingolo = true;
        w.attiva();
        QVERIFY(!w.lblRichiestaNonRaggiunta->isVisible());
    }

    // What people read: a default-completed temperature in 15 digits, a current the
    // catalogue cannot give as "-", on screen and on paper.
    void figuresAsPeopleReadThem() {
        StatoApplicazione s = statoCalcolo();
        CondFunz& c = s.motore.condFunz;
        c.TA = -10 + 11.1;
        c.TL = 40 - 8.3;
        s.motore.risultati.CorrenteStd = s.motore.risultati.CorrenteAssorbita = std::nan("");
        cfrmResults w(s);
        w.show();
        QCOMPARE(cella(w, 9), QString("1.1"));
        QCOMPARE(cella(w, 8), QString("31.7"));
        QCOMPARE(cella(w, 3), QString("-"));
        QCOMPARE(cella(w, 19), QString("-"));
        QCOMPARE(cella(w, 0), QString("10."));
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        const QString t = testoPdf(w.parametriStampa());
        QVERIFY2(t.contains("1.1 °C") && !t.contains("0999") && !t.contains("nan"), qPrintable(t));
    }

    // A zeotropic blend is rated at dew points and says so; typed at bubble points it also
    // shows those, on screen and on paper. A refrigerant without glide shows neither.
    void dewNoteAndBubbleTemperatures() {
        StatoApplicazione s = statoCalcolo();
        CondFunz& c = s.motore.condFunz;
        c.NomeGas = "R407C";
        c.TEBolla = -14.6;
        c.TCBolla = 35.4;
        cfrmResults w(s);
        w.show();
        const QString rugiada = QString::fromUtf8("°C (dew temp.)");
        QCOMPARE(w.Label3[0]->text(), rugiada);
        QCOMPARE(w.Label3[1]->text(), rugiada);
        QVERIFY(w.cellaBolla->isVisible());
        QCOMPARE(w.cellaBolla->text(), QString("-14.6 / 35.4"));
        const bool pdf = !QStandardPaths::findExecutable("pdftotext").isEmpty();
        if (pdf) {
            const QString t = testoPdf(w.parametriStampa());
            QVERIFY2(t.contains("(dew temp.)") && t.contains(QString::fromUtf8("-14.6 / 35.4 °C")),
                     qPrintable(t));
        }

        // In differences, the subcooling counts from the bubble point: TL 35.4 is saturated.
        c.ValoriDifferenziali = true;
        c.TL = 35.4;
        w.attiva();
        QCOMPARE(w.Panel3D2[8]->text(), QString("0"));
        c.ValoriDifferenziali = false;
        c.TL = 35;

        // Typed at dew points: the note stays, the bubble row goes.
        c.TEBolla = c.TCBolla = NonDato;
        w.attiva();
        QCOMPARE(w.Label3[0]->text(), rugiada);
        QVERIFY(!w.cellaBolla->isVisible());

        c.NomeGas = "R134a";
        w.attiva();
        QCOMPARE(w.Label3[0]->text(), QString::fromUtf8("°C"));
        QVERIFY(!w.cellaBolla->isVisible());
        if (pdf) {
            const QString t = testoPdf(w.parametriStampa());
            QVERIFY2(!t.contains("dew temp.") && !t.contains("bubble"), qPrintable(t));
        }
    }

    // After a run that failed, the state holds its conditions beside an older run's
    // figures: the open results screen goes, and nothing can print that mixture.
    void failedRunClosesTheOpenScreen() {
        StatoApplicazione s = statoCalcolo();
        QMdiArea area;
        area.resize(1000, 800);
        area.show();
        QPointer<cfrmResults> w = mostraRisultati(s, &area);
        QCOMPARE(area.subWindowList().size(), 1);
        chiudiRisultati(&area);
        QTRY_VERIFY(w.isNull());
        QVERIFY(area.subWindowList().isEmpty());
        chiudiRisultati(&area); // nothing open: nothing happens
        chiudiRisultati(nullptr);
    }

    void printButtonOpensThePreview() {
        StatoApplicazione s = statoCalcolo();
        s.motore.condFunz.CodiceProdotto = "D3-80";
        cfrmResults w(s);
        w.show();
        QTest::mouseClick(w.cm3Naviga[1], Qt::LeftButton);
        QPrintPreviewDialog* anteprima = w.findChild<QPrintPreviewDialog*>();
        QVERIFY(anteprima);
        QVERIFY(anteprima->isVisible());
        // The preview is the document the PDF export writes: the same pages.
        auto* pagine = anteprima->findChild<QPrintPreviewWidget*>();
        QVERIFY(pagine);
        pagine->updatePreview();
        const QString pdf = cartella.filePath("anteprima.pdf");
        QString errore;
        QVERIFY2(eseguiRapporto(w.parametriStampa(), pdf, &errore), qPrintable(errore));
        QProcess info;
        info.start("pdfinfo", {pdf});
        if (info.waitForFinished(30000)) {
            const auto m = QRegularExpression("Pages:\\s+(\\d+)")
                               .match(QString::fromUtf8(info.readAllStandardOutput()));
            QVERIFY(m.hasMatch());
            QCOMPARE(pagine->pageCount(), m.captured(1).toInt());
        }
        anteprima->close();
    }

    void buttonsIdleWithoutCompressorsForTheFirstRefrigerant() {
        StatoApplicazione s = statoCalcolo();
        s.catalogo = catalogoVuoto.get();
        int aperti = 0;
        cfrmResults w(s);
        w.impostaAperture({[&](QWidget*) { ++aperti; }, {}, {}, [&](QWidget*) { ++aperti; }});
        w.show();
        QCOMPARE(s.schermi.CodiceGasCorrente, QString("R507"));
        QTest::mouseClick(w.cm3Naviga[0], Qt::LeftButton);
        QTest::mouseClick(w.cm3Naviga[1], Qt::LeftButton);
        QTest::keyClick(&w, Qt::Key_K);
        QCOMPARE(aperti, 0);
    }

    // After a selection the screen fits the main window's client area, in every language:
    // no scroll bar, no caption squeezed below its size.
    void selectionFitsTheMainWindow_data() {
        QTest::addColumn<int>("lingua");
        for (int l = 0; l < 5; ++l)
            QTest::newRow(qPrintable(QString("lingua %1").arg(l))) << l;
    }
    void selectionFitsTheMainWindow() {
        QFETCH(int, lingua);
        auto demo = Catalogo::apri(SELCOMP_RUNTIME_DIR "/zodirara.mdb");
        if (!demo)
            QSKIP("bundled catalogue not built");
        StatoApplicazione s = statoSelezione();
        s.catalogo = demo.get();
        s.lingua.IndiceLingua = int16_t(lingua);
        QTemporaryDir cfg;
        ArchivioImpostazioni archivio("selcomp", cfg.path());
        MDIUser principale(s, archivio);
        principale.ImpostaLingua(int16_t(lingua));
        principale.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principale));
        cfrmResults* w = mostraRisultati(s, principale.area());
        QVERIFY(w->Panel3D5[1]->isVisible());
        QWidget* sotto = w->parentWidget();
        QVERIFY2(principale.area()->viewport()->rect().contains(sotto->geometry()),
                 qPrintable(QString("%1x%2").arg(sotto->width()).arg(sotto->height())));
        QVERIFY(w->height() >= w->minimumSizeHint().height());
        for (QLabel* l : w->findChildren<QLabel*>()) {
            if (!l->isVisibleTo(w) || l->text().isEmpty())
                continue;
            const QSize serve = l->minimumSizeHint();
            QVERIFY2(l->width() >= serve.width() && l->height() >= serve.height(),
                     qPrintable(l->text()));
            QVERIFY2(w->rect().contains(QRect(l->mapTo(w, QPoint(0, 0)), l->size())),
                     qPrintable(l->text()));
        }
    }

    void shownAgainRefillsTheSameWindow() {
        StatoApplicazione s = statoCalcolo();
        QMdiArea area;
        area.resize(1000, 800);
        area.show();
        cfrmResults* w = mostraRisultati(s, &area);
        QCOMPARE(w->parentWidget()->height(), twipsInPixel(cfrmResults::AltezzaSingolo, w));
        QCOMPARE(w->parentWidget()->pos(), QPoint(0, 0));
        s.motore.risultati.ResaCompressore = 22.25;
        s.schermi.bCalcoloSingolo = false;
        QCOMPARE(mostraRisultati(s, &area), w);
        QCOMPARE(area.subWindowList().size(), 1);
        QCOMPARE(cella(*w, 0), QString("22.25"));
        QCOMPARE(w->parentWidget()->height(), twipsInPixel(cfrmResults::AltezzaSelezione, w));

        // The technical characteristics open beside it, on the model shown.
        QTest::mouseClick(w->cm3Naviga[0], Qt::LeftButton);
        QCOMPARE(area.subWindowList().size(), 2);
        auto* scheda = area.findChild<QWidget*>("cfrmDatiDiTargaPiat");
        QVERIFY(scheda);
        auto* modello = scheda->findChild<QLabel*>("valore_CodiceProdotto");
        QVERIFY(modello);
        QCOMPARE(modello->text(), QString("D4-110"));
    }
};

QTEST_MAIN(TestCfrmResults)
#include "TestCfrmResults.moc"
