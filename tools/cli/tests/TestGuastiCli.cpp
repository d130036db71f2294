// `selcomp-cli rate` on compressors whose catalogue figures are extreme but accepted:
// a finite answer, or exit 5 with the engine's message; never a NaN or an infinity printed.

#include "catalogue/CreaCatalogo.h"
#include "tools/cli/Comandi.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Caso {
    const char* nome;
    const char* modifica; // SQL applied to the test catalogue
    bool deveFallire;
};

class GuastiCli : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char nome[] = "test_guasti_cli";
        static char* argv[] = {nome, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }

    // The test catalogue with one more statement, written anew.
    QString catalogo(const QString& modifica) {
        const QString script = cartella.filePath("modifica.sql");
        QFile f(script);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(modifica.toUtf8() + ";\n");
        f.close();
        const QString file = cartella.filePath("cat.db");
        QString errore;
        EXPECT_TRUE(creaCatalogoDaSql(
            file, {SELCOMP_SOURCE_DIR "/tools/cli/tests/data/catalogo_cli.sql", script}, &errore))
            << errore.toStdString();
        return file;
    }

    QTemporaryDir cartella;
};

TEST_F(GuastiCli, RateGivesAFigureOrTheEngineMessage) {
    const Caso casi[] = {
        {"coefficients of 1e300",
         "UPDATE CollCompGas SET WR0 = 1e300, WA0 = 1e300, PM1 = 1e300 WHERE CodiceProdotto = "
         "'T05'",
         false},
        {"coefficients that overflow",
         "UPDATE CollCompGas SET WR0 = 1.7e308, WR1 = 1.7e308, WR3 = 1.7e308 WHERE CodiceProdotto "
         "= 'T05'",
         true},
        {"zero power", "UPDATE CollCompGas SET WA0 = 0 WHERE CodiceProdotto = 'T05'", true},
        {"zero capacity and power",
         "UPDATE CollCompGas SET WR0 = 0, WA0 = 0 WHERE CodiceProdotto = 'T05'", true},
        {"equal motor points",
         "UPDATE Motori SET W1 = 3000, W2 = 3000, W3 = 3000, W4 = 3000, W5 = 3000, W6 = 3000, "
         "A1 = 6, A2 = 6, A3 = 6, A4 = 6, A5 = 6, A6 = 6 WHERE CodiceMotore = 'MT05'",
         false},
        {"a motor table of zeros (no motor table: rated, the current is \"-\")",
         "UPDATE Motori SET W1 = 0, W2 = 0, W3 = 0, W4 = 0, W5 = 0, W6 = 0, "
         "A1 = 0, A2 = 0, A3 = 0, A4 = 0, A5 = 0, A6 = 0 WHERE CodiceMotore = 'MT05'",
         false},
    };
    static const QRegularExpression nonNumero("\\b(nan|inf|infinity)\\b",
                                              QRegularExpression::CaseInsensitiveOption);
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const std::string file = catalogo(c.modifica).toStdString();
        for (const bool json : {false, true}) {
            std::vector<std::string> argomenti{"--catalogue", file,      "rate", "--gas",
                                               "R404A",       "--model", "T05",  "--te",
                                               "-10",         "--tc",    "40",   "--standard"};
            if (json)
                argomenti.push_back("--json");
            std::ostringstream out, err;
            const int codice = eseguiCli(argomenti, out, err, SELCOMP_RUNTIME_DIR);
            if (c.deveFallire) {
                EXPECT_EQ(codice, UscitaCalcolo) << out.str() << err.str();
            } else {
                EXPECT_TRUE(codice == UscitaOk || codice == UscitaCalcolo) << codice << err.str();
            }
            if (codice == UscitaCalcolo) {
                EXPECT_FALSE(err.str().empty());
            }
            EXPECT_FALSE(nonNumero.match(QString::fromStdString(out.str())).hasMatch())
                << out.str();
            EXPECT_FALSE(nonNumero.match(QString::fromStdString(err.str())).hasMatch())
                << err.str();
        }
    }
}

} // namespace
