#include "platform/LetturaNumeri.h"

#include <QTest>

using Opzionale = std::optional<double>;
Q_DECLARE_METATYPE(Opzionale)
using Intero = std::optional<int16_t>;
Q_DECLARE_METATYPE(Intero)

namespace {
const Opzionale nessuno = std::nullopt;
}

class TestLetturaNumeri : public QObject {
    Q_OBJECT
private slots:
    void valoreNumerico_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Opzionale>("atteso");
        const QLocale it("it_IT"), en("en_US"), de("de_DE");
        // typing -10 key by key
        QTest::newRow("lone minus is no number it") << "-" << it << nessuno;
        QTest::newRow("lone minus is no number en") << "-" << en << nessuno;
        QTest::newRow("minus one it") << "-1" << it << Opzionale(-1);
        QTest::newRow("minus ten en") << "-10" << en << Opzionale(-10);
        QTest::newRow("empty it") << "" << it << nessuno;
        QTest::newRow("blanks only en") << "   " << en << nessuno;
        // the user's decimal separator, and only that one
        QTest::newRow("comma decimal it") << "5,5" << it << Opzionale(5.5);
        QTest::newRow("comma decimal de") << "5,5" << de << Opzionale(5.5);
        QTest::newRow("point decimal en") << "5.5" << en << Opzionale(5.5);
        QTest::newRow("point is no decimal in it") << "5.5" << it << nessuno;
        QTest::newRow("comma is no decimal in en") << "5,5" << en << nessuno;
        QTest::newRow("grouping refused it") << "1.000" << it << nessuno;
        QTest::newRow("grouping refused en") << "1,000" << en << nessuno;
        QTest::newRow("two separators it") << "1,5,0" << it << nessuno;
        // shapes the panel itself writes
        QTest::newRow("separator and zero it") << ",0" << it << Opzionale(0);
        QTest::newRow("separator and zero en") << ".0" << en << Opzionale(0);
        QTest::newRow("leading zero it") << "05,0" << it << Opzionale(5);
        QTest::newRow("negative leading zero en") << "-05.0" << en << Opzionale(-5);
        QTest::newRow("trailing separator it") << "5," << it << Opzionale(5);
        QTest::newRow("sentinel it") << "9999,9" << it << Opzionale(9999.9);
        // blanks, signs, exponent
        QTest::newRow("surrounding blanks it") << " \t12,5 " << it << Opzionale(12.5);
        QTest::newRow("plus sign en") << "+3" << en << Opzionale(3);
        QTest::newRow("negative fraction en") << "-.5" << en << Opzionale(-0.5);
        QTest::newRow("blank after sign") << "- 5" << en << nessuno;
        QTest::newRow("double sign") << "--5" << it << nessuno;
        QTest::newRow("exponent en") << "1e3" << en << Opzionale(1000);
        QTest::newRow("exponent with comma it") << "1,5E-1" << it << Opzionale(0.15);
        QTest::newRow("exponent with sign en") << "2E+2" << en << Opzionale(200);
        QTest::newRow("exponent without digits") << "1e" << en << nessuno;
        QTest::newRow("exponent alone") << "e5" << en << nessuno;
        QTest::newRow("beyond a double") << "1e999" << en << nessuno;
        QTest::newRow("below a double reads 0") << "1e-999" << en << Opzionale(0);
        // text around digits
        QTest::newRow("letters") << "abc" << it << nessuno;
        QTest::newRow("trailing letters") << "12abc" << en << nessuno;
        QTest::newRow("unit typed after") << "40 °C" << it << nessuno;
        QTest::newRow("infinity word") << "inf" << en << nessuno;
    }
    void valoreNumerico() {
        QFETCH(QString, testo);
        QFETCH(QLocale, locale);
        QFETCH(Opzionale, atteso);
        QCOMPARE(::valoreNumerico(testo, locale), atteso);
        QCOMPARE(eNumerico(testo, locale), atteso.has_value());
    }

    // A locale whose own minus sign is not the ASCII one accepts both.
    void segnoDelLocale() {
        const QLocale svedese("sv_SE");
        QCOMPARE(::valoreNumerico(svedese.negativeSign() + "2,5", svedese), Opzionale(-2.5));
        QCOMPARE(::valoreNumerico("-2,5", svedese), Opzionale(-2.5));
    }

    void numeroIniziale_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<Opzionale>("atteso");
        QTest::newRow("whole") << "1500" << Opzionale(1500);
        QTest::newRow("comma stops the number") << "1,5" << Opzionale(1);
        QTest::newRow("blank inside is dropped") << "1 500" << Opzionale(1500);
        QTest::newRow("tabs and line feeds dropped") << " \t1\n2.5" << Opzionale(12.5);
        QTest::newRow("unit after the number") << "1500 W" << Opzionale(1500);
        QTest::newRow("point decimal") << "-2.5" << Opzionale(-2.5);
        QTest::newRow("leading point") << ".5" << Opzionale(0.5);
        QTest::newRow("second point stops") << "1.2.3" << Opzionale(1.2);
        QTest::newRow("blank between sign and digits") << "- 3" << Opzionale(-3);
        QTest::newRow("plus sign") << "+7" << Opzionale(7);
        QTest::newRow("exponent") << "1e3" << Opzionale(1000);
        QTest::newRow("exponent then letters") << "1E+2x" << Opzionale(100);
        QTest::newRow("unfinished exponent") << "1e" << Opzionale(1);
        QTest::newRow("exponent sign without digits") << "1e+" << Opzionale(1);
        QTest::newRow("letters after") << "12abc" << Opzionale(12);
        QTest::newRow("empty") << "" << Opzionale(0);
        QTest::newRow("five blanks") << "     " << Opzionale(0);
        QTest::newRow("letters") << "abc" << Opzionale(0);
        QTest::newRow("lone minus") << "-" << Opzionale(0);
        QTest::newRow("lone point") << "." << Opzionale(0);
        QTest::newRow("carriage return is not dropped") << "1\r5" << Opzionale(1);
        QTest::newRow("hex prefix is not read") << "0x10" << Opzionale(0);
        QTest::newRow("below a double") << "1e-999" << Opzionale(0);
        QTest::newRow("beyond a double") << "1e999" << nessuno;
        QTest::newRow("many digits beyond a double") << QString(400, '9') << nessuno;
    }
    void numeroIniziale() {
        QFETCH(QString, testo);
        QFETCH(Opzionale, atteso);
        QCOMPARE(::numeroIniziale(testo), atteso);
    }

    void interoIniziale_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<Intero>("atteso");
        QTest::newRow("letters after") << "12abc" << Intero(12);
        QTest::newRow("no number") << "abc" << Intero(0);
        QTest::newRow("empty") << "" << Intero(0);
        QTest::newRow("negative limit") << "-40" << Intero(-40);
        QTest::newRow("leading blanks") << "  25" << Intero(25);
        QTest::newRow("half rounds up") << "2.5" << Intero(3);
        QTest::newRow("negative half rounds down") << "-2.5" << Intero(-3);
        QTest::newRow("largest") << "32767.4" << Intero(32767);
        QTest::newRow("rounds past the largest") << "32767.5" << Intero(std::nullopt);
        QTest::newRow("smallest") << "-32768" << Intero(-32768);
        QTest::newRow("below the smallest") << "-32769" << Intero(std::nullopt);
        QTest::newRow("beyond a double") << "1e999" << Intero(std::nullopt);
    }
    void interoIniziale() {
        QFETCH(QString, testo);
        QFETCH(Intero, atteso);
        QCOMPARE(::interoIniziale(testo), atteso);
    }
};

QTEST_GUILESS_MAIN(TestLetturaNumeri)
#include "TestLetturaNumeri.moc"
