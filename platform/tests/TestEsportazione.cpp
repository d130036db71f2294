#include "platform/Esportazione.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

// A capacity table as the tables screen shows it: Tvap, then two condensing columns, one
// cell outside the envelope.
TabellaEsportazione tabellaResa() {
    TabellaEsportazione t;
    t.titolo = "Resa frigorifera (kW)";
    t.intestazione = {"Compressore: 4DZ-039", "Gas: R404A", "Temp.Aspiraz.: 20 °C",
                      "380-420 V / 3 / 50Hz"};
    t.colonne = {"", "30", "35"};
    t.schemi = {"", "#,###.00", "#,###.00"};
    t.righe = {{-10, 1234.5678, 0.5}, {-5, QVariant(), std::numeric_limits<double>::quiet_NaN()}};
    return t;
}

QString decomprimi(const QString& xlsx, const QString& parte) {
    QProcess p;
    p.start("unzip", {"-p", xlsx, parte});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// "A1" style reference -> value text of the cell (<v>...</v>), empty if absent.
QString valoreCella(const QString& foglio, const QString& riferimento) {
    QRegularExpression re("<c r=\"" + riferimento + "\"[^>]*>(?:<f>[^<]*</f>)?<v>([^<]*)</v>");
    return re.match(foglio).captured(1);
}

} // namespace

class TestEsportazione : public QObject {
    Q_OBJECT
private slots:
    // CSV read back: numbers rounded as on screen but without grouping and with a leading
    // zero, the blank line before the headings, empty cells for Null and non-finite values.
    void csvLettoDiNuovo_data() {
        QTest::addColumn<int>("decimale");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separatore");
        QTest::addColumn<QString>("riga1");
        QTest::addColumn<QString>("riga2");
        QTest::newRow("point, whatever the locale")
            << int(DecimaleCsv::Punto) << QLocale("it_IT") << ","
            << "-10,1234.57,0.50"
            << "-5,,";
        QTest::newRow("Italian comma splits by semicolon")
            << int(DecimaleCsv::Locale) << QLocale("it_IT") << ";"
            << "-10;1234,57;0,50"
            << "-5;;";
        QTest::newRow("English locale keeps the point")
            << int(DecimaleCsv::Locale) << QLocale("en_US") << ","
            << "-10,1234.57,0.50"
            << "-5,,";
    }
    void csvLettoDiNuovo() {
        QFETCH(int, decimale);
        QFETCH(QLocale, locale);
        QFETCH(QString, separatore);
        QFETCH(QString, riga1);
        QFETCH(QString, riga2);
        const QStringList righe =
            testoCsv({tabellaResa()}, DecimaleCsv(decimale), locale).split("\r\n");
        QCOMPARE(righe.value(0), "Resa frigorifera (kW)");
        QCOMPARE(righe.value(2), "Gas: R404A");
        QCOMPARE(righe.value(5), "");
        QCOMPARE(righe.value(6), separatore + "30" + separatore + "35");
        QCOMPARE(righe.value(7), riga1);
        QCOMPARE(righe.value(8), riga2);
    }

    // A text holding the separator or a quote stays one field.
    void csvQuotaTesti() {
        TabellaEsportazione t;
        t.titolo = "a, \"b\"";
        t.colonne = {"x;y"};
        const QStringList virgola = testoCsv({t}, DecimaleCsv::Punto, QLocale::c()).split("\r\n");
        QCOMPARE(virgola[0], "\"a, \"\"b\"\"\"");
        QCOMPARE(virgola[2], "x;y");
        const QStringList punto =
            testoCsv({t}, DecimaleCsv::Locale, QLocale("de_DE")).split("\r\n");
        QCOMPARE(punto[0], virgola[0]);
        QCOMPARE(punto[2], "\"x;y\"");
    }

    // The clipboard text: tabs between fields, tables one after another.
    void tabulatoDueTabelle() {
        TabellaEsportazione seconda = tabellaResa();
        seconda.titolo = "Corrente (A)";
        const QStringList righe =
            testoTabulato({tabellaResa(), seconda}, QLocale("it_IT")).split('\n');
        QCOMPARE(righe[6], "\t30\t35");
        QCOMPARE(righe[7], "-10\t1234,57\t0,50");
        QCOMPARE(righe[9], "");
        QCOMPARE(righe[10], "Corrente (A)");
    }

    void formatiExcel_data() {
        QTest::addColumn<QString>("schema");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("grouped two decimals") << "#,###.00"
                                              << "#,###.00";
        QTest::newRow("results cell") << "#,##0.##"
                                      << "#,##0.##";
        QTest::newRow("no pattern") << ""
                                    << "General";
        QTest::newRow("unit after the digits") << "0.0 kW"
                                               << "0.0\" kW\"";
    }
    void formatiExcel() {
        QFETCH(QString, schema);
        QFETCH(QString, atteso);
        QCOMPARE(formatoExcel(schema), atteso);
    }

    // The workbook unzipped: one sheet per table with unique names, numbers as numbers
    // at full precision with the screen's format, texts of the header block.
    void xlsxLettoDiNuovo() {
        QTemporaryDir dir;
        const QString file = dir.filePath("tabelle.xlsx");
        TabellaEsportazione seconda = tabellaResa();
        seconda.titolo = "Resa frigorifera (kW)"; // same title: the sheet name must differ
        QString errore;
        QVERIFY2(scriviXlsx({tabellaResa(), seconda}, file, &errore), qPrintable(errore));

        const QString libro = decomprimi(file, "xl/workbook.xml");
        QVERIFY(libro.contains("name=\"Resa frigorifera (kW)\""));
        QVERIFY(libro.contains("name=\"Resa frigorifera (kW) (2)\""));

        const QString foglio = decomprimi(file, "xl/worksheets/sheet1.xml");
        QVERIFY(!foglio.isEmpty());
        QCOMPARE(valoreCella(foglio, "A8").toDouble(), -10.0);
        QCOMPARE(valoreCella(foglio, "B8").toDouble(), 1234.5678);
        QCOMPARE(valoreCella(foglio, "C8").toDouble(), 0.5);
        QVERIFY(!foglio.contains("r=\"B9\"")); // Null cell
        QVERIFY(!foglio.contains("r=\"C9\"")); // NaN cell
        QVERIFY(!foglio.contains("r=\"A6\"")); // the blank row

        const QString stili = decomprimi(file, "xl/styles.xml");
        QVERIFY(stili.contains("formatCode=\"#,###.00\""));
        const QString testi = decomprimi(file, "xl/sharedStrings.xml");
        for (const char* t : {"Resa frigorifera (kW)", "Compressore: 4DZ-039", "Gas: R404A",
                              "380-420 V / 3 / 50Hz", "30"})
            QVERIFY2(testi.contains(QString::fromUtf8(t)), t);
    }

    void fileNonScrivibile() {
        QTemporaryDir dir;
        const QString file = dir.filePath("manca/tabelle");
        QString errore;
        QVERIFY(!scriviXlsx({tabellaResa()}, file + ".xlsx", &errore));
        QVERIFY(errore.startsWith(file + ".xlsx: "));
        QVERIFY(
            !scriviCsv({tabellaResa()}, file + ".csv", DecimaleCsv::Punto, QLocale::c(), &errore));
        QVERIFY(errore.startsWith(file + ".csv: "));
    }
};

QTEST_GUILESS_MAIN(TestEsportazione)
#include "TestEsportazione.moc"
