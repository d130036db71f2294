#include "dati/Rapporto.h"

#include "tests/supporto/CatalogoDiProva.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The text of a PDF as pdftotext reads it. With SELCOMP_IMMAGINI set, the PDF is also
// kept there to look at.
QString testoPdf(const QString& pdf) {
    if (qEnvironmentVariableIsSet("SELCOMP_IMMAGINI"))
        QFile::copy(pdf,
                    qEnvironmentVariable("SELCOMP_IMMAGINI") + "/" + QFileInfo(pdf).fileName());
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

class TestRapporto : public QObject {
    Q_OBJECT
private:
    QTemporaryDir cartella;
    QString dati;

    ParametriRapporto parametri(const QString& modello, const QString& schema) {
        ParametriRapporto p;
        p.fileModello = QStringLiteral(SELCOMP_SOURCE_DIR "/browse/rapporti/") + modello;
        p.fileDati = schema.isEmpty() ? dati : schema;
        p.data = QDate(2026, 3, 14);
        p.locale = QLocale(QLocale::Italian, QLocale::Italy);
        return p;
    }
    QString scriviModello(const QString& nome, const QString& testo) {
        QFile f(cartella.filePath(nome));
        f.open(QIODevice::WriteOnly);
        f.write(testo.toUtf8());
        return f.fileName();
    }

private slots:
    void initTestCase() {
        QVERIFY(cartella.isValid());
        dati = cartella.filePath("ZODIRARA.MDB");
        QString errore;
        QVERIFY2(creaCatalogoDiProva(SELCOMP_TEST_DATA "/stampa.sql", dati, &errore),
                 qPrintable(errore));
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
    }

    void dataSheetOfTheModelInView() {
        ParametriRapporto p = parametri("Dav01.rpt", {});
        p.valori["modello"] = "4DZ-220";
        const QString pdf = cartella.filePath("scheda.pdf");
        QString errore;
        QVERIFY2(eseguiRapporto(p, pdf, &errore), qPrintable(errore));
        const QString t = testoPdf(pdf);
        for (const char* atteso :
             {"Didaz", "selcomp", "14/03/26", "Pagina 1 di 1", "4DZ-220", "DZ4", "38,10", "46,00",
              "42 mm", "182", "R134a", "70", "Resistenza olio", "Head fan", "S400Y"})
            QVERIFY2(t.contains(QString::fromUtf8(atteso)), atteso);
        QVERIFY(!t.contains("2DZ-005")); // the sheet is about the one model
        // The options standard first: flStandard -1 sorts before 0.
        QVERIFY(t.indexOf("Resistenza olio") < t.indexOf("Ventola testata"));
    }

    // The sheet speaks the program's language followed by English (Lingue first, else the
    // template's texts), the oil charge in kg as on screen.
    void dataSheetInTheLanguageOfTheProgram_data() {
        QTest::addColumn<int>("lingua");
        QTest::addColumn<QStringList>("attesi");
        QTest::addColumn<QStringList>("assenti");
        QTest::newRow("Italian") << 0
                                 << QStringList{"Caratteristiche tecniche / Technical data",
                                                "Carica Olio / Oil charge (kg)",
                                                "Alesaggio / Bore (mm)",
                                                "Resistenza olio / Crankcase heater"}
                                 << QStringList{"(l)"};
        QTest::newRow("English") << 1
                                 << QStringList{"Technical data", "Oil charge (kg)", "Bore (mm)",
                                                "Crankcase heater"}
                                 << QStringList{"(l)", "Carica", "Oil charge / Oil charge",
                                                "Resistenza", "Caratteristiche"};
        QTest::newRow("French, a Lingue label before the template's")
            << 2
            << QStringList{"Caractéristiques techniques / Technical data",
                           "Huile, charge / Oil charge (kg)", "Alésage / Bore (mm)",
                           "Résistance de carter / Crankcase heater", "Page 1 sur 1"}
            << QStringList{"(l)", "Carica", "Alesaggio", "Resistenza", "Charge d'huile", "Pagina"};
        QTest::newRow("German") << 3
                                << QStringList{"Technische Daten / Technical data",
                                               "Ölfüllung / Oil charge (kg)"}
                                << QStringList{"Carica", "Caratteristiche"};
    }
    void dataSheetInTheLanguageOfTheProgram() {
        QFETCH(int, lingua);
        QFETCH(QStringList, attesi);
        QFETCH(QStringList, assenti);
        ParametriRapporto p = parametri("Dav01.rpt", {});
        p.valori["modello"] = "4DZ-220";
        p.indiceLingua = lingua;
        const QString pdf = cartella.filePath("scheda_lingua.pdf");
        QString errore;
        QVERIFY2(eseguiRapporto(p, pdf, &errore), qPrintable(errore));
        const QString t = testoPdf(pdf);
        for (const QString& a : attesi)
            QVERIFY2(t.contains(a), qPrintable(a + " in\n" + t));
        for (const QString& a : assenti)
            QVERIFY2(!t.contains(a), qPrintable(a + " in\n" + t));
    }

    // The C locale's short date names its month: in the report's language, as the labels.
    void dateInTheLanguageOfTheReport_data() {
        QTest::addColumn<int>("lingua");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("assente");
        QTest::newRow("Italian") << 0 << "14 mar 2026"
                                 << "Mar 2026";
        QTest::newRow("French") << 2 << "14 mars 2026"
                                << "Mar 2026";
        QTest::newRow("German") << 3 << QString::fromUtf8("14 März 2026") << "Mar 2026";
        QTest::newRow("English") << 1 << "14 Mar 2026"
                                 << "mar 2026";
    }
    void dateInTheLanguageOfTheReport() {
        QFETCH(int, lingua);
        QFETCH(QString, data);
        QFETCH(QString, assente);
        ParametriRapporto p = parametri("Dav01.rpt", {});
        p.valori["modello"] = "4DZ-220";
        p.locale = QLocale::c();
        p.indiceLingua = lingua;
        const QString pdf = cartella.filePath("scheda_data.pdf");
        QString errore;
        QVERIFY2(eseguiRapporto(p, pdf, &errore), qPrintable(errore));
        const QString t = testoPdf(pdf);
        QVERIFY2(t.contains(data), qPrintable(t.left(300)));
        QVERIFY2(!t.contains(assente), qPrintable(t.left(300)));
    }

    void withoutModelTheListRunsOverPages() {
        const ParametriRapporto p = parametri("Dav01.rpt", {});
        const QString pdf = cartella.filePath("elenco.pdf");
        QString errore;
        QVERIFY2(eseguiRapporto(p, pdf, &errore), qPrintable(errore));
        const QString t = testoPdf(pdf);
        QVERIFY(t.contains("LISTA-60"));
        QVERIFY(t.contains("2DZ-005"));
        QVERIFY(t.contains(QRegularExpression("Pagina 2 di [2-9]")));
        // Every page carries the header.
        QCOMPARE(t.count("Didaz"), t.count(QRegularExpression("Pagina \\d+ di")));
    }

    // The preview paints on a printer, the export on a PDF writer, at other resolutions:
    // the pages must be cut in the same places all the same, at every length of document.
    void samePagesAtEveryResolution() {
        const auto pagine = [](const DocumentoRapporto& d, const ParametriRapporto& p, int dpi) {
            QBuffer pdf;
            pdf.open(QIODevice::WriteOnly);
            QPdfWriter w(&pdf);
            w.setResolution(dpi);
            w.setPageLayout(impaginazioneRapporto(d.orizzontale));
            return disegnaRapporto(d, p, w);
        };
        int massimo = 0;
        for (int n = 10; n <= 70; n += 3) {
            QString testo = "rapporto 1\ndocumento Prova\n";
            for (int k = 0; k < n; ++k)
                testo += QString("sottotitolo Voce %1\ncampi\n Valore | %1\nfine\n").arg(k);
            ParametriRapporto p = parametri({}, {});
            p.fileModello = scriviModello("lungo.rpt", testo);
            DocumentoRapporto d;
            QString errore;
            QVERIFY2(componiRapporto(p, d, &errore), qPrintable(errore));
            const int riferimento = pagine(d, p, 300);
            for (int dpi : {72, 1200})
                QVERIFY2(pagine(d, p, dpi) == riferimento,
                         qPrintable(QString("%1 voci, %2 dpi").arg(n).arg(dpi)));
            massimo = std::max(massimo, riferimento);
        }
        QVERIFY(massimo > 2);
    }

    void failuresGiveOneClearMessage_data() {
        QTest::addColumn<QString>("modello");
        QTest::addColumn<QString>("dati");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("missing template") << "Assente.rpt"
                                          << ""
                                          << ""
                                          << "Modello di stampa non trovato";
        QTest::newRow("missing data file") << "Dav01.rpt"
                                           << "/nessuna/cartella/ZODIRARA.MDB"
                                           << ""
                                           << "File dati della stampa non trovato";
        QTest::newRow("no format line") << ""
                                        << ""
                                        << "titolo x\n"
                                        << "riga 1: la prima riga";
        QTest::newRow("empty template") << ""
                                        << ""
                                        << "# nothing\n"
                                        << "il modello è vuoto";
        QTest::newRow("unknown directive") << ""
                                           << ""
                                           << "rapporto 1\n\ntitoloo x\n"
                                           << "riga 3: direttiva sconosciuta \"titoloo\"";
        QTest::newRow("block without end") << ""
                                           << ""
                                           << "rapporto 1\ncampi\n a | b\n"
                                           << "riga 2: blocco \"campi\" senza \"fine\"";
        QTest::newRow("se without end") << ""
                                        << ""
                                        << "rapporto 1\nse modello\ntesto a\n"
                                        << "blocco \"se\" senza \"fine\"";
        QTest::newRow("unknown field") << ""
                                       << ""
                                       << "rapporto 1\ntesto {comp.Serie}\n"
                                       << "riga 2: campo sconosciuto {comp.Serie}";
        QTest::newRow("unknown column")
            << ""
            << ""
            << "rapporto 1\nquery comp select * from Compressori\ntesto {comp.Colore}\n"
            << "riga 3: campo sconosciuto {comp.Colore}";
        QTest::newRow("broken sql") << ""
                                    << ""
                                    << "rapporto 1\nquery q select * from Nessuna\n"
                                    << "riga 2: la query \"q\" non riesce";
        QTest::newRow("unknown table query") << ""
                                             << ""
                                             << "rapporto 1\ntabella q\n a | {b}\nfine\n"
                                             << "riga 2: query sconosciuta \"q\"";
        QTest::newRow("model not in data file")
            << "Dav01.rpt"
            << ""
            << ""
            << "Il modello XX-1 non si trova nel file ZODIRARA.MDB.";
    }
    void failuresGiveOneClearMessage() {
        QFETCH(QString, modello);
        QFETCH(QString, dati);
        QFETCH(QString, testo);
        QFETCH(QString, messaggio);
        ParametriRapporto p = parametri(modello, dati);
        if (!testo.isEmpty())
            p.fileModello = scriviModello("prova.rpt", testo);
        p.valori["modello"] = "XX-1";
        QString errore;
        const QString pdf = cartella.filePath("guasto.pdf");
        QFile::remove(pdf);
        QVERIFY(!eseguiRapporto(p, pdf, &errore));
        QVERIFY2(errore.contains(messaggio), qPrintable(errore));
        QVERIFY(!QFile::exists(pdf));
    }

    void valuesAreBoundNotSpliced() {
        ParametriRapporto p = parametri("Dav01.rpt", {});
        p.valori["modello"] = "x' or '1'='1";
        QString errore;
        QVERIFY(!eseguiRapporto(p, cartella.filePath("iniezione.pdf"), &errore));
        QVERIFY2(errore.contains("non si trova"), qPrintable(errore));
    }
};

QTEST_MAIN(TestRapporto)
#include "TestRapporto.moc"
