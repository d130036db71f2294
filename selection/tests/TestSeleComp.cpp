// The selection screen driven through its widgets on the calculation tests' small
// catalogue (calculation/tests/data/catalogo_calcoli.sql).

#include "calculation/PannelloCondizioni.h"
#include "dati/ComboDati.h"
#include "dati/EtichettaDati.h"
#include "dati/SorgenteDati.h"
#include "selection/cfrmSeleComp.h"
#include "tests/supporto/CatalogoDiProva.h"
#include "tests/supporto/Digitazione.h"
#include "tests/supporto/MessaggiDiProva.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

class TestSeleComp : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    std::unique_ptr<Catalogo> catalogo;
    std::unique_ptr<StatoApplicazione> stato;
    std::unique_ptr<MessaggiDiProva> messaggi;
    int risultatiAperti = 0, risultatiChiusi = 0;

    std::unique_ptr<cfrmSeleComp> apri(int lingua = 0) {
        stato->lingua.IndiceLingua = int16_t(lingua);
        AgganciSelezione a;
        a.apriRisultati = [this] { ++risultatiAperti; };
        a.chiudiRisultati = [this] { ++risultatiChiusi; };
        auto w = std::make_unique<cfrmSeleComp>(*stato, a);
        w->show();
        w->activateWindow();
        [[maybe_unused]] bool attivo = QTest::qWaitForWindowActive(w.get());
        return w;
    }
    static void spunta(QCheckBox* casella) {
        QTest::mouseClick(casella, Qt::LeftButton, {}, QPoint(8, casella->height() / 2));
    }
    static void scegli(ComboDati* combo, const QString& testo) {
        const int i = combo->findText(testo);
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }

private slots:
    void initTestCase() {
        QVERIFY(cartella.isValid());
        QString errore;
        catalogo = catalogoDaScript(
            cartella, QString(SELCOMP_SOURCE_DIR) + "/calculation/tests/data/catalogo_calcoli.sql",
            &errore);
        QVERIFY2(catalogo, qPrintable(errore));
    }
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        stato = std::make_unique<StatoApplicazione>();
        stato->catalogo = catalogo.get();
        stato->lingua.Didascalie[3] = "Selezione compressore ";
        stato->lingua.Didascalie[10] = "Esegui";
        stato->motore.fattoriTensione = {
            {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {}}};
        messaggi = std::make_unique<MessaggiDiProva>();
        risultatiAperti = 0;
        risultatiChiusi = 0;
    }
    void cleanup() { messaggi.reset(); }

    void apertura() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        QCOMPARE(w->windowTitle(), QString("Selezione compressore "));
        QCOMPARE(w->cm3Naviga[5]->text(), QString("&Esegui"));
        QCOMPARE(p.CSCombo2->currentText(), QString("R404A"));
        QCOMPARE(p.CSCombo2->count(), 3); // only the refrigerants offered for selection
        // Fields 2 to 4 open black but editable.
        for (int i = 2; i < 5; ++i) {
            QVERIFY(p.Text1[size_t(i)]->isEnabled());
            QCOMPARE(p.Text1[size_t(i)]->palette().color(QPalette::Base), QColor(0, 0, 0));
        }
        QCOMPARE(p.Text1[2]->text(), QString("20.0"));
        QCOMPARE(w->Panel3D5[0]->text(), QString("-40"));
        QCOMPARE(w->Panel3D5[11]->text(), QString("60"));
        QCOMPARE(w->Panel3D6[2]->text(), QString("T.Evap."));
        QCOMPARE(w->Label2Potenza->text(), QString("DescCalc16b-ita"));
        // The required capacity is first in tab order.
        QCOMPARE(w->Text1_6->nextInFocusChain(), static_cast<QWidget*>(p.CSCombo2));
    }

    void intestazioniTedesche() {
        auto w = apri(3);
        QCOMPARE(w->Panel3D6[2]->text(), QString("Verd.T."));
        QCOMPARE(w->Panel3D6[3]->text(), QString("Kond.T."));
        QCOMPARE(w->pannello->Label2[0]->text(), QString("DescCalc10-ger"));
    }

    void potenzaTastoPerTasto() {
        auto w = apri();
        w->Text1_6->setFocus();
        const QList<double> attesi = {2, 25, 250, 2500};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(w->Text1_6, QString("2500").at(i).toLatin1());
            QCOMPARE(stato->motore.condFunz.PotenzaRichiesta, attesi[i]);
        }
        w->Text1_6->selectAll();
        QTest::keyClick(w->Text1_6, Qt::Key_Delete);
        QCOMPARE(stato->motore.condFunz.PotenzaRichiesta, 0.0);
        scrivi(w->Text1_6, "1,5");
        QCOMPARE(stato->motore.condFunz.PotenzaRichiesta, 1.0);
    }

    void fuocoEInviluppo() {
        auto w = apri();
        w->pannello->Text1[0]->setFocus();
        QVERIFY(w->Panel3D2->isVisible());
        w->Text1_6->setFocus();
        QVERIFY(!w->Panel3D2->isVisible());
        w->pannello->Text1[1]->setFocus();
        QVERIFY(w->Panel3D2->isVisible());
    }

    void virgolaLettaComeNumeroIniziale() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        spunta(p.chkStandard);
        scrivi(p.Text1[0], "-10");
        scrivi(p.Text1[1], "40");
        scrivi(p.Text1[2], "5,5");
        QCOMPARE(stato->motore.condFunz.TU, 5.5);
        QTest::mouseClick(w->cm3Naviga[5], Qt::LeftButton);
        // Read as 5 by the run; with the defaults (TA = 1,1) the order check then fails.
        QCOMPARE(stato->motore.condFunz.CodiceErrore, int16_t(3));
        QCOMPARE(p.Text1[2]->text(), QString("5"));
        QCOMPARE(p.Text1[4]->text(), QString("1,1"));
        QCOMPARE(w->P3DInformazioni->text(), QString("Err3-ita"));
        QCOMPARE(messaggi->beeps, 1);
        QCOMPARE(risultatiAperti, 0);
    }

    void controlloFallitoScriveISentinella() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        spunta(p.chkStandard);
        spunta(p.chkDifferenziali);
        scrivi(p.Text1[0], "-10");
        scrivi(p.Text1[1], "70"); // above CAPTCMAX 60
        QTest::mouseClick(w->cm3Naviga[5], Qt::LeftButton);
        QCOMPARE(stato->motore.condFunz.CodiceErrore, int16_t(2));
        for (int i = 2; i < 5; ++i)
            QCOMPARE(p.Text1[size_t(i)]->text(), QString("9999,9"));
        QCOMPARE(w->P3DInformazioni->text(), QString("Err2-ita"));
        QCOMPARE(messaggi->beeps, 1);
        QCOMPARE(risultatiChiusi, 1); // an older run's results never stay beside these conditions
    }

    void nessunCompressoreCopreIlPunto() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        scegli(p.CSCombo2, "R507");
        QCOMPARE(stato->schermi.CodiceGasCorrente, QString("R507"));
        QCOMPARE(w->Panel3D5[0]->text(), QString("-45"));
        scrivi(p.Text1[0], "-30"); // inside R507's limits, outside its compressor's envelope
        scrivi(p.Text1[1], "40");
        scrivi(w->Text1_6, "1000");
        QTest::mouseClick(w->cm3Naviga[5], Qt::LeftButton);
        QCOMPARE(w->P3DInformazioni->text(), QString("Err6-ita"));
        QCOMPARE(messaggi->beeps, 0);
        QCOMPARE(risultatiAperti, 0);
        QCOMPARE(risultatiChiusi, 1);
    }

    void selezioneRiuscita() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        scrivi(w->Text1_6, "1000");
        scrivi(p.Text1[0], "-10");
        scrivi(p.Text1[1], "40");
        QTest::mouseClick(w->cm3Naviga[5], Qt::LeftButton);
        QVERIFY2(w->P3DInformazioni->text().isEmpty(), qPrintable(w->P3DInformazioni->text()));
        QCOMPARE(risultatiAperti, 1);
        QVERIFY(!stato->schermi.bCalcoloSingolo);
        QCOMPARE(QString::fromStdString(stato->motore.condFunz.NomeGas), QString("R404A"));
        QVERIFY(!stato->motore.condFunz.CodiceProdotto.empty());
        QVERIFY(stato->motore.risultati.ResaStd > 0);
    }
};

QTEST_MAIN(TestSeleComp)
#include "TestSeleComp.moc"
