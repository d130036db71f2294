#include "platform/FormatoNumero.h"
#include "platform/LetturaNumeri.h"

#include <QTest>
#include <cmath>
#include <limits>

// Each case is checked in English and in two comma-decimal locales (Italian, German).
namespace {
struct Caso {
    const char* nome;
    const char* schema;
    double valore;
    const char* inglese;
    const char* italiano; // also German
};

void righePerLocale(const QList<Caso>& casi) {
    QTest::addColumn<QString>("schema");
    QTest::addColumn<double>("valore");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("atteso");
    for (const Caso& c : casi) {
        const QString nome = QString::fromUtf8(c.nome);
        QTest::newRow(qPrintable(nome + " en_US"))
            << QString(c.schema) << c.valore << QLocale("en_US") << QString(c.inglese);
        QTest::newRow(qPrintable(nome + " it_IT"))
            << QString(c.schema) << c.valore << QLocale("it_IT") << QString(c.italiano);
        QTest::newRow(qPrintable(nome + " de_DE"))
            << QString(c.schema) << c.valore << QLocale("de_DE") << QString(c.italiano);
    }
}
} // namespace

class TestFormatoNumero : public QObject {
    Q_OBJECT
private slots:
    void schemi_data() {
        righePerLocale({
            // results screen cells
            {"capacity of exactly 10 keeps the separator", "#,##0.##", 10, "10.", "10,"},
            {"thousands grouped, two decimals", "#,##0.##", 1234.567, "1,234.57", "1.234,57"},
            {"millions grouped", "#,##0.##", 1234567.891, "1,234,567.89", "1.234.567,89"},
            {"zero with a forced unit digit", "#,##0.##", 0, "0.", "0,"},
            {"negative grouped", "#,##0.##", -1234.5, "-1,234.5", "-1.234,5"},
            {"COP 2.5", "0.###", 2.5, "2.5", "2,5"},
            {"COP rounded to three places", "0.###", 3.14159, "3.142", "3,142"},
            {"tiny negative rounds to an unsigned zero", "0.###", -0.0004, "0.", "0,"},
            {"heat rejection at rating, whole", "#,###.##", 1500, "1,500.", "1.500,"},
            {"below one shows no integer digit", "#,###.##", 0.25, ".25", ",25"},
            // required capacity in kW
            {"12500 W in kW", "#,###.00", 12.5, "12.50", "12,50"},
            {"500 W in kW", "#,###.00", 0.5, ".50", ",50"},
            {"forced decimals grouped", "#,###.00", 1234.5, "1,234.50", "1.234,50"},
            {"half rounds away from zero", "#,##0.00", 0.125, "0.13", "0,13"},
            {"negative half rounds away from zero", "#,##0.00", -0.125, "-0.13", "-0,13"},
            {"grouped integer of zero is empty", "#,###", 0, "", ""},
            {"grouped integer rounded", "#,###", 1234.5, "1,235", "1.235"},
            {"rounding carries into a new group", "#,###", 999.5, "1,000", "1.000"},
            {"two hashes", "##", 2, "2", "2"},
            {"two hashes of zero", "##", 0, "", ""},
            {"more digits than placeholders", "######", 1234567, "1234567", "1234567"},
            {"status code", "######", 12, "12", "12"},
            {"seven hashes", "#######", 3, "3", "3"},
            // operating-conditions panel
            {"hash decimal of 0 is the separator and a zero", "##.0", 0, ".0", ",0"},
            {"hash decimal of 5", "##.0", 5, "5.0", "5,0"},
            {"hash decimal of 7.16", "##.0", 7.16, "7.2", "7,2"},
            {"hash decimal of 30", "##.0", 30, "30.0", "30,0"},
            {"hash decimal of -30", "##.0", -30, "-30.0", "-30,0"},
            {"three integer digits into two placeholders", "##.0", 123.45, "123.5", "123,5"},
            {"two forced digits of 20", "00.0", 20, "20.0", "20,0"},
            {"two forced digits of 5", "00.0", 5, "05.0", "05,0"},
            {"two forced digits of -5", "00.0", -5, "-05.0", "-05,0"},
            {"two forced digits of 0", "00.0", 0, "00.0", "00,0"},
            {"rounding carries into the integer part", "00.0", 9.96, "10.0", "10,0"},
            // general behaviour
            {"decimal value read as written", "0.##", 2.675, "2.68", "2,68"},
            {"single zero rounds half up", "0", 2.5, "3", "3"},
            {"single zero of minus one half", "0", -0.5, "-1", "-1"},
            {"literal suffix kept", "0.0 kW", 1.25, "1.3 kW", "1,3 kW"},
            {"very large grouped", "#,##0", 1e20, "100,000,000,000,000,000,000",
             "100.000.000.000.000.000.000"},
        });
    }
    void schemi() {
        QFETCH(QString, schema);
        QFETCH(double, valore);
        QFETCH(QLocale, locale);
        QFETCH(QString, atteso);
        QCOMPARE(formatoNumero(valore, schema, locale), atteso);
    }

    // The characters come from the locale, not from a fixed pair of choices.
    void caratteriDelLocale() {
        const QLocale svizzero("de_CH");
        const QString atteso =
            QString("1") + svizzero.groupSeparator() + "234" + svizzero.decimalPoint() + "5";
        QCOMPARE(formatoNumero(1234.5, "#,##0.##", svizzero), atteso);
        const QLocale francese("fr_FR");
        QCOMPARE(formatoNumero(-1234.5, "#,##0.00", francese),
                 francese.negativeSign() + "1" + francese.groupSeparator() + "234,50");
    }

    void nonFiniti() {
        const QLocale en("en_US");
        QVERIFY(!formatoNumero(std::numeric_limits<double>::infinity(), "0.0", en).isEmpty());
        // A figure that is not known (no motor table, no current) is a dash, never "nan".
        QCOMPARE(formatoNumero(std::nan(""), "#,##0.##", en), QStringLiteral("-"));
        QCOMPARE(formatoNumero(-std::numeric_limits<double>::infinity(), "0.###", en),
                 QStringLiteral("-"));
        QCOMPARE(::testoNumero(std::nan(""), QLocale("it_IT")), QStringLiteral("-"));
    }

    void testoNumero_data() {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("inglese");
        QTest::addColumn<QString>("italiano");
        QTest::newRow("not-given sentinel") << 9999.9 << "9999.9"
                                            << "9999,9";
        QTest::newRow("whole number") << 40.0 << "40"
                                      << "40";
        QTest::newRow("negative whole") << -10.0 << "-10"
                                        << "-10";
        QTest::newRow("zero") << 0.0 << "0"
                              << "0";
        QTest::newRow("negative zero") << -0.0 << "0"
                                       << "0";
        QTest::newRow("below one") << 0.1 << "0.1"
                                   << "0,1";
        QTest::newRow("kelvin") << 263.15 << "263.15"
                                << "263,15";
        QTest::newRow("no grouping") << 1234567.5 << "1234567.5"
                                     << "1234567,5";
        // 15 significant digits, not the double's tail: a default of -10 + 11.1.
        QTest::newRow("completed suction temperature") << -10 + 11.1 << "1.1"
                                                       << "1,1";
        QTest::newRow("completed liquid temperature") << 40 - 8.3 << "31.7"
                                                      << "31,7";
        QTest::newRow("sum with a tail") << 0.1 + 0.2 << "0.3"
                                         << "0,3";
        QTest::newRow("thirds") << 1.0 / 3 << "0.333333333333333"
                                << "0,333333333333333";
        QTest::newRow("rounding carries into a new digit") << 99999.99999999999 << "100000"
                                                           << "100000";
        QTest::newRow("small still positional") << 0.00001 << "0.00001"
                                                << "0,00001";
        QTest::newRow("smaller gets an exponent") << 0.000001 << "1E-06"
                                                  << "1E-06";
        QTest::newRow("just below 1e15 positional") << 999999999999999.0 << "999999999999999"
                                                    << "999999999999999";
        QTest::newRow("1e15 gets an exponent") << 1e15 << "1E+15"
                                               << "1E+15";
        QTest::newRow("large with decimals") << -1.5e20 << "-1.5E+20"
                                             << "-1,5E+20";
    }
    void testoNumero() {
        QFETCH(double, valore);
        QFETCH(QString, inglese);
        QFETCH(QString, italiano);
        QCOMPARE(::testoNumero(valore, QLocale("en_US")), inglese);
        QCOMPARE(::testoNumero(valore, QLocale("it_IT")), italiano);
        QCOMPARE(::testoNumero(valore, QLocale("de_DE")), italiano);
    }

    // What the screens write into a field must read back through the numeric test, to
    // the 15 digits the default form keeps.
    void testiScrittiSiRileggono_data() {
        QTest::addColumn<QLocale>("locale");
        for (const char* nome : {"en_US", "it_IT", "de_DE", "de_CH", "fr_FR", "sv_SE"})
            QTest::newRow(nome) << QLocale(nome);
    }
    void testiScrittiSiRileggono() {
        QFETCH(QLocale, locale);
        for (double v :
             {9999.9, -10.0, 0.0, 0.1 + 0.2, 1.0 / 3, 263.15, 1e-7, -1.5e20, 1e300, 5e-324}) {
            const QString t = ::testoNumero(v, locale);
            const auto letto = valoreNumerico(t, locale);
            QVERIFY2(letto && std::fabs(*letto - v) <= std::fabs(v) * 1e-14, qPrintable(t));
        }
        for (double v : {0.0, 5.0, -5.0, 7.16, 30.0}) {
            for (const char* schema : {"##.0", "00.0"}) {
                const QString t = formatoNumero(v, schema, locale);
                const auto letto = valoreNumerico(t, locale);
                QVERIFY2(letto && std::fabs(*letto - v) <= 0.05 + 1e-12, qPrintable(t));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFormatoNumero)
#include "TestFormatoNumero.moc"
