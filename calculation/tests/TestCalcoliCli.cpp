// The calculation screen and `selcomp-cli rate --json` give the same figures on the bundled
// demo catalogue: both go through the one calculation path.

#include "calculation/PannelloCondizioni.h"
#include "calculation/cfrmCalcoli.h"
#include "catalogue/Catalogo.h"
#include "dati/ComboDati.h"
#include "dati/SorgenteDati.h"
#include "engine/Prestazioni.h"
#include "reflib/ILK.h"
#include "tests/supporto/Digitazione.h"
#include "tests/supporto/MessaggiDiProva.h"
#include "tools/cli/Comandi.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <sstream>

class TestCalcoliCli : public QObject {
    Q_OBJECT

    const QString demo = QString(SELCOMP_RUNTIME_DIR) + "/zodirara.mdb";
    const QString reflibs = QString(SELCOMP_RUNTIME_DIR) + "/Reflibs";

private slots:
    void initTestCase() {
        // Both are build outputs.
        QVERIFY2(QFileInfo::exists(demo), qPrintable(demo));
        QCOMPARE(ILK_Set_Fluids(reflibs.toLocal8Bit().constData()), 0);
    }

    void stessiValori_data() {
        QTest::addColumn<QString>("gas");
        QTest::addColumn<int>("avanti"); // compressors to step over from the first
        QTest::addColumn<QString>("te");
        QTest::addColumn<QString>("tc");
        QTest::addColumn<bool>("standard");
        QTest::addColumn<int>("tensione");
        QTest::newRow("R404A first -10/40 standard") << "R404A" << 0 << "-10"
                                                     << "40" << true << 0;
        QTest::newRow("R404A third -10/40 corrected") << "R404A" << 2 << "-10"
                                                      << "40" << false << 0;
        QTest::newRow("R404A -30/35 corrected 60 Hz") << "R404A" << 1 << "-30"
                                                      << "35" << false << 2;
        QTest::newRow("R407C 0/45 corrected") << "R407C" << 0 << "0"
                                              << "45" << false << 0;
    }
    void stessiValori() {
        QFETCH(QString, gas);
        QFETCH(int, avanti);
        QFETCH(QString, te);
        QFETCH(QString, tc);
        QFETCH(bool, standard);
        QFETCH(int, tensione);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MessaggiDiProva messaggi;
        auto catalogo = Catalogo::apri(demo);
        QVERIFY(catalogo);
        StatoApplicazione stato;
        stato.catalogo = catalogo.get();
        stato.motore.fattoriTensione = InizializzaFattori();
        AgganciCalcoli a;
        a.libreria = {ILK_p_D, ILK_h_L, ILK_h_V, ILK_V_V};
        int aperti = 0;
        a.apriRisultati = [&] { ++aperti; };
        cfrmCalcoli w(stato, a);
        w.show();
        PannelloCondizioni& p = *w.pannello;
        const int i = p.CSCombo2->findText(gas);
        QVERIFY2(i >= 0, "refrigerant not in the demo catalogue");
        p.CSCombo2->setCurrentIndex(i);
        emit p.CSCombo2->activated(i);
        for (int k = 0; k < avanti; ++k)
            QTest::mouseClick(w.cm3Naviga[2], Qt::LeftButton);
        const QString modello = w.testoCompressore();
        if (!standard)
            QTest::mouseClick(p.chkStandard, Qt::LeftButton, {},
                              QPoint(8, p.chkStandard->height() / 2));
        if (p.optTensioni[size_t(tensione)]->isHidden())
            QSKIP("supply option not offered");
        QTest::mouseClick(p.optTensioni[size_t(tensione)], Qt::LeftButton);
        scrivi(p.Text1[0], te);
        scrivi(p.Text1[1], tc);
        p.Text1[0]->setFocus();
        QTest::mouseClick(w.cm3Naviga[5], Qt::LeftButton);
        QCOMPARE(aperti, 1);

        std::ostringstream out, err;
        std::vector<std::string> argomenti = {"--catalogue", demo.toStdString(),
                                              "--reflibs",   reflibs.toStdString(),
                                              "--json",      "rate",
                                              "--gas",       gas.toStdString(),
                                              "--model",     modello.toStdString(),
                                              "--te",        te.toStdString(),
                                              "--tc",        tc.toStdString(),
                                              "--voltage",   std::to_string(tensione)};
        if (standard)
            argomenti.push_back("--standard");
        QCOMPARE(eseguiCli(argomenti, out, err, SELCOMP_RUNTIME_DIR), 0);
        const QJsonObject j =
            QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
        QCOMPARE(QString::fromStdString(stato.motore.condFunz.CodiceProdotto),
                 j["CodiceProdotto"].toString());
        const QJsonObject r = j["Risultati"].toObject();
        const Risultati& s = stato.motore.risultati;
        for (const auto& [nome, valore] : {std::pair{"ResaStd", s.ResaStd},
                                           {"ResaEvaporatore", s.ResaEvaporatore},
                                           {"ResaCompressore", s.ResaCompressore},
                                           {"PotenzaAssorbita", s.PotenzaAssorbita},
                                           {"CorrenteAssorbita", s.CorrenteAssorbita},
                                           {"PortataMassa", s.PortataMassa},
                                           {"COP", s.COP},
                                           {"CaloreCondensatore", s.CaloreCondensatore}})
            QVERIFY2(
                qFuzzyCompare(valore, r[nome].toDouble()),
                qPrintable(QString("%1: %2 / %3").arg(nome).arg(valore).arg(r[nome].toDouble())));
    }
};

QTEST_MAIN(TestCalcoliCli)
#include "TestCalcoliCli.moc"
