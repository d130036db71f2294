// The selection screen and `selcomp-cli select --json` choose the same compressors with the
// same figures on the bundled demo catalogue: both go through the one selection path.

#include "calculation/PannelloCondizioni.h"
#include "catalogue/Catalogo.h"
#include "dati/ComboDati.h"
#include "dati/SorgenteDati.h"
#include "engine/Prestazioni.h"
#include "reflib/ILK.h"
#include "selection/cfrmSeleComp.h"
#include "tests/supporto/Digitazione.h"
#include "tests/supporto/MessaggiDiProva.h"
#include "tools/cli/Comandi.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <sstream>

class TestSeleCompCli : public QObject {
    Q_OBJECT

    const QString demo = QString(SELCOMP_RUNTIME_DIR) + "/zodirara.mdb";
    const QString reflibs = QString(SELCOMP_RUNTIME_DIR) + "/Reflibs";

private slots:
    void initTestCase() {
        // Both are build outputs.
        QVERIFY2(QFileInfo::exists(demo), qPrintable(demo));
        QCOMPARE(ILK_Set_Fluids(reflibs.toLocal8Bit().constData()), 0);
    }

    void stessaScelta_data() {
        QTest::addColumn<QString>("gas");
        QTest::addColumn<QString>("potenza");
        QTest::addColumn<QString>("te");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<bool>("standard");
        QTest::newRow("R404A 12 kW -10/45 standard") << "R404A"
                                                     << "12000"
                                                     << "-10"
                                                     << "45" << true;
        QTest::newRow("R404A 12 kW -10/45 corrected") << "R404A"
                                                      << "12000"
                                                      << "-10"
                                                      << "45" << false;
        QTest::newRow("R404A 4 kW -25/40 corrected") << "R404A"
                                                     << "4000"
                                                     << "-25"
                                                     << "40" << false;
        QTest::newRow("R134a 8 kW 0/50 corrected") << "R134a"
                                                   << "8000"
                                                   << "0"
                                                   << "50" << false;
    }
    void stessaScelta() {
        QFETCH(QString, gas);
        QFETCH(QString, potenza);
        QFETCH(QString, te);
        QFETCH(QString, tc);
        QFETCH(bool, standard);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessaggiDiProva messaggi;
        auto catalogo = Catalogo::apri(demo);
        QVERIFY(catalogo);
        StatoApplicazione stato;
        stato.catalogo = catalogo.get();
        stato.motore.fattoriTensione = InizializzaFattori();
        AgganciSelezione a;
        a.libreria = {ILK_p_D, ILK_h_L, ILK_h_V, ILK_V_V};
        int aperti = 0;
        a.apriRisultati = [&] { ++aperti; };
        cfrmSeleComp w(stato, a);
        w.show();
        PannelloCondizioni& p = *w.pannello;
        const int i = p.CSCombo2->findText(gas);
        QVERIFY2(i >= 0, "refrigerant not offered in the demo catalogue");
        p.CSCombo2->setCurrentIndex(i);
        emit p.CSCombo2->activated(i);
        if (!standard)
            QTest::mouseClick(p.chkStandard, Qt::LeftButton, {},
                              QPoint(8, p.chkStandard->height() / 2));
        scrivi(w.Text1_6, potenza);
        scrivi(p.Text1[0], te);
        scrivi(p.Text1[1], tc);
        QTest::mouseClick(w.cm3Naviga[5], Qt::LeftButton);
        QCOMPARE(aperti, 1);

        std::ostringstream out, err;
        std::vector<std::string> argomenti = {"--catalogue", demo.toStdString(),
                                              "--reflibs",   reflibs.toStdString(),
                                              "--json",      "select",
                                              "--gas",       gas.toStdString(),
                                              "--capacity",  potenza.toStdString(),
                                              "--te",        te.toStdString(),
                                              "--tc",        tc.toStdString()};
        if (standard)
            argomenti.push_back("--standard");
        QCOMPARE(eseguiCli(argomenti, out, err, SELCOMP_RUNTIME_DIR), 0);
        const QJsonObject j =
            QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
        QCOMPARE(QString::fromStdString(stato.motore.condFunz.CodiceProdotto),
                 j["CodiceProdotto"].toString());
        QCOMPARE(QString::fromStdString(stato.motore.codiceProdottoInferiore),
                 j["CodiceProdottoInferiore"].toString());
        const QJsonObject r = j["Risultati"].toObject();
        const Risultati& s = stato.motore.risultati;
        for (const auto& [nome, valore] : {std::pair{"ResaStd", s.ResaStd},
                                           {"ResaEvaporatore", s.ResaEvaporatore},
                                           {"PotenzaAssorbita", s.PotenzaAssorbita},
                                           {"CorrenteAssorbita", s.CorrenteAssorbita},
                                           {"COP", s.COP}})
            QVERIFY2(qFuzzyCompare(valore, r[nome].toDouble()), nome);
    }
};

QTEST_MAIN(TestSeleCompCli)
#include "TestSeleCompCli.moc"
