// The operating-conditions panel and the calculation screen, driven through their widgets
// on a small catalogue (tests/data/catalogo_calcoli.sql).

#include "calculation/PannelloCondizioni.h"
#include "calculation/cfrmCalcoli.h"
#include "dati/ComboDati.h"
#include "dati/EtichettaDati.h"
#include "dati/SorgenteDati.h"
#include "tests/supporto/CatalogoDiProva.h"
#include "tests/supporto/Digitazione.h"
#include "tests/supporto/MessaggiDiProva.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

class TestCalcoli : public QObject {
    Q_OBJECT

    QTemporaryDir cartella;
    std::unique_ptr<Catalogo> catalogo;
    std::unique_ptr<StatoApplicazione> stato;
    std::unique_ptr<MessaggiDiProva> messaggi;
    int risultatiAperti = 0, risultatiChiusi = 0;

    std::unique_ptr<cfrmCalcoli> apri(int lingua = 0) {
        stato->lingua.IndiceLingua = int16_t(lingua);
        AgganciCalcoli a;
        a.apriRisultati = [this] { ++risultatiAperti; };
        a.chiudiRisultati = [this] { ++risultatiChiusi; };
        auto w = std::make_unique<cfrmCalcoli>(*stato, a);
        w->show();
        w->activateWindow();
        [[maybe_unused]] bool attivo = QTest::qWaitForWindowActive(w.get());
        return w;
    }
    static void scegli(QComboBox* combo, const QString& testo) {
        // A click in the list: the text changes, then the list reports the click.
        const int i = combo->findText(testo);
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }
    // A click on the box itself (a wide check box takes clicks only on its box and text).
    static void spunta(QCheckBox* casella) {
        QTest::mouseClick(casella, Qt::LeftButton, {}, QPoint(8, casella->height() / 2));
    }
    static void lascia(QLineEdit* campo, QWidget* prossimo) {
        campo->setFocus();
        prossimo->setFocus();
    }

private slots:
    void initTestCase() {
        QVERIFY(cartella.isValid());
        QString errore;
        catalogo = catalogoDaScript(cartella, QString(SELCOMP_TEST_DATA) + "/catalogo_calcoli.sql",
                                    &errore);
        QVERIFY2(catalogo, qPrintable(errore));
    }
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        stato = std::make_unique<StatoApplicazione>();
        stato->catalogo = catalogo.get();
        stato->lingua.Didascalie[2] = "Calcoli su compressore ";
        stato->lingua.Didascalie[10] = "Esegui";
        stato->motore.fattoriTensione = {
            {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {}}};
        messaggi = std::make_unique<MessaggiDiProva>();
        risultatiAperti = 0;
        risultatiChiusi = 0;
    }
    void cleanup() { messaggi.reset(); }

    void aperturaNelloStatoDiProgetto() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        QVERIFY(p.chkStandard->isChecked());
        QVERIFY(!p.chkDifferenziali->isChecked());
        QVERIFY(p.optTensioni[0]->isChecked());
        QVERIFY(p.Option1[0]->isChecked());
        for (int i = 0; i < 2; ++i) {
            QVERIFY(p.Text1[size_t(i)]->isEnabled());
            QCOMPARE(p.Text1[size_t(i)]->palette().color(QPalette::Base), QColor(128, 128, 255));
        }
        for (int i = 2; i < 5; ++i) {
            QVERIFY(!p.Text1[size_t(i)]->isEnabled());
            QCOMPARE(p.Text1[size_t(i)]->palette().color(QPalette::Base), QColor(0, 0, 0));
            QCOMPARE(p.Panel3D3[size_t(i)]->text(), QString::fromUtf8("°C"));
        }
        // The refrigerant set at load counts as a change: its facts and standard values
        // are in place before the first compute.
        QCOMPARE(p.CSCombo2->currentText(), QString("R404A"));
        QCOMPARE(stato->motore.condFunz.T0, 20.0);
        QCOMPARE(stato->schermi.NomeDis, QString("r404a.bmp"));
        QCOMPARE(p.Text1[2]->text(), QString("20.0"));
        QCOMPARE(p.Text1[4]->text(), QString("20.0"));
        QCOMPARE(stato->motore.condFunz.TU, 20.0);
        QVERIFY(p.fmNonAzeo->isHidden());
        // Labels of the current language, the first compressor and its range.
        QCOMPARE(w->CSCombo1->currentText(), QString("K22"));
        QCOMPARE(p.Label2[0]->text(), QString("DescCalc10-ita"));
        QCOMPARE(p.Label2[2]->text(), QString("DescCalc12-ita"));
        QCOMPARE(w->cm3Naviga[5]->text(), QString("&Esegui"));
        QCOMPARE(w->windowTitle(), QString("Calcoli su compressore "));
        QCOMPARE(w->Panel3D6[0]->text(), QString("TE.Min"));
        QCOMPARE(w->Panel3D5[0]->text(), QString("-40"));
        QCOMPARE(stato->motore.condFunz.TcMin, 30.0);
        QCOMPARE(stato->motore.condFunz.TcMax, 70.0);
        QVERIFY(messaggi->messaggi.isEmpty());
    }

    void etichetteInTedesco() {
        auto w = apri(3);
        QCOMPARE(w->Panel3D6[0]->text(), QString("TV.Min"));
        QCOMPARE(w->Panel3D6[11]->text(), QString("Kond.T."));
        QCOMPARE(w->pannello->Label2[0]->text(), QString("DescCalc10-ger"));
        QCOMPARE(w->Label2Modello->text(), QString("DescModello-ger"));
    }

    void menoDieciTastoPerTasto() {
        auto w = apri();
        QLineEdit* te = w->pannello->Text1[0];
        stato->motore.condFunz.TE = 7;
        te->setFocus();
        QTest::keyClick(te, Qt::Key_Minus);
        QCOMPARE(stato->motore.condFunz.TE, 7.0); // a lone minus is no number
        QTest::keyClick(te, Qt::Key_1);
        QCOMPARE(stato->motore.condFunz.TE, -1.0);
        QTest::keyClick(te, Qt::Key_0);
        QCOMPARE(stato->motore.condFunz.TE, -10.0);
    }

    void virgolaDecimaleInItaliano() {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        auto w = apri();
        QCOMPARE(w->pannello->Text1[2]->text(), QString("20,0"));
        scrivi(w->pannello->Text1[1], "40,5");
        QCOMPARE(stato->motore.condFunz.TC, 40.5);
    }

    void entrambeLeCaselle_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("te");
        QTest::addColumn<QString>("surriscaldamento");
        QTest::addColumn<QString>("sottoraffreddamento");
        QTest::newRow("en -10") << "en_US"
                                << "-10"
                                << "30.0"
                                << ".0";
        QTest::newRow("it -10") << "it_IT"
                                << "-10"
                                << "30,0"
                                << ",0";
        QTest::newRow("en vuoto") << "en_US"
                                  << ""
                                  << ""
                                  << ".0";
        QTest::newRow("en non numerico") << "en_US"
                                         << "x"
                                         << "20.0"
                                         << ".0";
    }
    void entrambeLeCaselle() {
        QFETCH(QString, locale);
        QFETCH(QString, te);
        QFETCH(QString, surriscaldamento);
        QFETCH(QString, sottoraffreddamento);
        QLocale::setDefault(QLocale(locale));
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        p.Text1[2]->setText("99");
        spunta(p.chkDifferenziali);
        QCOMPARE(p.Panel3D3[2]->text(), QString("K"));
        QCOMPARE(p.Label2[2]->text(), QString("SUE-ita"));
        scrivi(p.Text1[0], te);
        lascia(p.Text1[0], p.Text1[1]);
        QCOMPARE(p.Text1[2]->text(), surriscaldamento);
        QCOMPARE(p.Text1[4]->text(), surriscaldamento);
        QCOMPARE(p.Text1[3]->text(), sottoraffreddamento); // DTSotSTD 0: no integer digit
    }

    void togliereLoStandardSvuotaICampi() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        spunta(p.chkStandard);
        QVERIFY(!stato->motore.condFunz.CondizioniStandard);
        for (int i = 2; i < 5; ++i) {
            QVERIFY(p.Text1[size_t(i)]->isEnabled());
            QVERIFY(p.Text1[size_t(i)]->text().isEmpty());
            QCOMPARE(p.Text1[size_t(i)]->palette().color(QPalette::Base), QColor(128, 128, 255));
        }
        QCOMPARE(stato->motore.condFunz.TU, NonDato);
        QCOMPARE(stato->motore.condFunz.TL, NonDato);
        QCOMPARE(stato->motore.condFunz.TA, NonDato);
        spunta(p.chkStandard);
        QVERIFY(stato->motore.condFunz.CondizioniStandard);
        QVERIFY(!p.Text1[2]->isEnabled());
        QCOMPARE(p.Text1[2]->text(), QString("20.0"));
    }

    void condensazioneCopiataNelLiquido() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        scrivi(p.Text1[1], "40");
        lascia(p.Text1[1], p.Text1[0]);
        QCOMPARE(p.Text1[3]->text(), QString("40"));
        QCOMPARE(stato->motore.condFunz.TL, 40.0);
        // In differential standard mode field 3 holds the subcooling and stays.
        spunta(p.chkDifferenziali);
        QCOMPARE(p.Text1[3]->text(), QString(".0"));
        scrivi(p.Text1[1], "45");
        lascia(p.Text1[1], p.Text1[0]);
        QCOMPARE(p.Text1[3]->text(), QString(".0"));
    }

    void differenzialeSenzaStandard() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        spunta(p.chkStandard);
        scrivi(p.Text1[0], "-10");
        scrivi(p.Text1[1], "40");
        scrivi(p.Text1[2], "25");
        spunta(p.chkDifferenziali);
        QCOMPARE(p.Text1[2]->text(), QString("25"));
        scrivi(p.Text1[3], "5");
        scrivi(p.Text1[4], "abc");
        stato->motore.condFunz.TA = 3;
        p.ApplicaCondizioni();
        const CondFunz& cf = stato->motore.condFunz;
        QCOMPARE(cf.TU, 15.0);
        QCOMPARE(cf.DeltaTU, 25.0);
        QCOMPARE(cf.TL, 35.0);
        QCOMPARE(cf.TA, 3.0); // neither empty nor numeric: left as it was
    }

    void bk8NascondeLeOpzioni() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        QTest::mouseClick(p.optTensioni[3], Qt::LeftButton);
        QCOMPARE(stato->motore.condFunz.IndiceTensione, int16_t(3));
        QTest::mouseClick(w->cm3Naviga[2], Qt::LeftButton); // K11, bk8 true
        QCOMPARE(w->CSCombo1->currentText(), QString("K11"));
        QVERIFY(stato->schermi.bk8);
        for (int i : {1, 3, 4})
            QVERIFY(p.optTensioni[size_t(i)]->isHidden());
        for (int i : {0, 2})
            QVERIFY(!p.optTensioni[size_t(i)]->isHidden());
        // The option chosen before is no longer offered: option 0 is in force, and shown.
        QVERIFY(!p.optTensioni[3]->isChecked());
        QVERIFY(p.optTensioni[0]->isChecked());
        QCOMPARE(stato->motore.condFunz.IndiceTensione, int16_t(0));
        QTest::mouseClick(w->cm3Naviga[0], Qt::LeftButton);
        QVERIFY(!p.optTensioni[3]->isHidden());
        QCOMPARE(stato->motore.condFunz.IndiceTensione, int16_t(0));
        // An option the bk8 model offers stays in force.
        QTest::mouseClick(p.optTensioni[2], Qt::LeftButton);
        QTest::mouseClick(w->cm3Naviga[2], Qt::LeftButton);
        QVERIFY(p.optTensioni[2]->isChecked());
        QCOMPARE(stato->motore.condFunz.IndiceTensione, int16_t(2));
    }

    void sceltaDelRefrigerante() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        scegli(p.CSCombo2, "R407C");
        QCOMPARE(stato->schermi.CodiceGasCorrente, QString("R407C"));
        QCOMPARE(stato->motore.condFunz.T0, 18.0);
        QVERIFY(!p.fmNonAzeo->isHidden()); // flAZ Null: zeotropic
        QCOMPARE(p.Text1[2]->text(), QString("18.0"));
        // The new first compressor updates bk8 and the supply options.
        QCOMPARE(w->CSCombo1->currentText(), QString("Z1"));
        QVERIFY(stato->schermi.bk8);
        QVERIFY(p.optTensioni[1]->isHidden());
        QCOMPARE(w->CSCombo1->count(), 1);

        scegli(p.CSCombo2, "R134a");
        QCOMPARE(messaggi->testi(),
                 QStringList("Attenzione per il GAS :R134a non esiste nessun compressore "));
        QVERIFY(p.fmNonAzeo->isVisibleTo(w.get()));
        QCOMPARE(w->CSCombo1->count(), 0);
        messaggi->svuota();
        w->Elabora(); // nothing to rate
        w->naviga(2);
        QCOMPARE(risultatiAperti, 0);
        QVERIFY(messaggi->messaggi.isEmpty());
    }

    // The information button speaks of the screen's refrigerant, even after another screen
    // (the results screen takes the catalogue's first) made another one current.
    void informazioniDelRefrigeranteDelloSchermo() {
        stato->lingua.IndiceLingua = 0;
        AgganciCalcoli a;
        QString aperta;
        a.apriInfo407C = [&] { aperta = stato->schermi.CodiceGasCorrente; };
        cfrmCalcoli w(*stato, a);
        w.show();
        scegli(w.pannello->CSCombo2, "R407C");
        stato->schermi.CodiceGasCorrente = "R404A";
        QTest::mouseClick(w.pannello->cmdInfo407C, Qt::LeftButton);
        QCOMPARE(aperta, QString("R407C"));
    }

    void sceltaDelCompressore() {
        auto w = apri();
        scegli(w->CSCombo1, "K11");
        QCOMPARE(w->Data1(0).testo("CodiceProdotto"), QString("K11"));
        QCOMPARE(QString::fromStdString(stato->motore.codiceProdottoCorrente), QString("K11"));
        QCOMPARE(stato->motore.condFunz.TcMin, 35.0);
        QCOMPARE(stato->motore.condFunz.TcMax, 60.0);
        QVERIFY(w->Panel3D5[0]->text().isEmpty()); // band 30 Null
        QCOMPARE(w->testoCompressore(), QString("K11"));
        QCOMPARE(w->testoRefrigerante(), QString("R404A"));
        QCOMPARE(w->compressoreCorrente().testo("CodiceProdotto"), QString("K11"));
    }

    void precedenteSulPrimo() {
        auto w = apri();
        stato->motore.condFunz.TcMin = 0;
        QTest::mouseClick(w->cm3Naviga[1], Qt::LeftButton);
        QCOMPARE(w->CSCombo1->currentText(), QString("K22"));
        QCOMPARE(w->Data1(0).posizione(), 0);
        QCOMPARE(stato->motore.condFunz.TcMin, 30.0);
        QTest::mouseClick(w->cm3Naviga[3], Qt::LeftButton);
        QTest::mouseClick(w->cm3Naviga[2], Qt::LeftButton); // next on the last stays
        QCOMPARE(w->CSCombo1->currentText(), QString("K11"));
    }

    void fuoriCampoDiCondensazione() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        QTest::mouseClick(w->cm3Naviga[3], Qt::LeftButton); // K11: 35..60
        scrivi(p.Text1[0], "-10");
        scrivi(p.Text1[1], "32");
        QTest::mouseClick(w->cm3Naviga[5], Qt::LeftButton);
        QCOMPARE(stato->motore.condFunz.CodiceErrore, int16_t(2));
        QCOMPARE(w->P3DInformazioni->text(), QString("Err2-ita"));
        QCOMPARE(messaggi->beeps, 1);
        QCOMPARE(risultatiAperti, 0);
        QCOMPARE(risultatiChiusi, 1); // no results of an older run stay beside these conditions
        // A sound point clears the line and opens the results.
        scrivi(p.Text1[1], "40");
        QTest::mouseClick(w->cm3Naviga[5], Qt::LeftButton);
        QVERIFY(w->P3DInformazioni->text().isEmpty());
        QCOMPARE(risultatiAperti, 1);
        QCOMPARE(risultatiChiusi, 1);
    }

    void calcoloRiuscito() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        scrivi(p.Text1[0], "-10");
        scrivi(p.Text1[1], "40");
        lascia(p.Text1[1], p.Text1[0]);
        QTest::mouseClick(w->cm3Naviga[5], Qt::LeftButton);
        QCOMPARE(risultatiAperti, 1);
        QVERIFY(stato->schermi.bCalcoloSingolo);
        QCOMPARE(QString::fromStdString(stato->motore.condFunz.CodiceProdotto), QString("K22"));
        QCOMPARE(QString::fromStdString(stato->motore.condFunz.NomeGas), QString("R404A"));
        QVERIFY(stato->motore.risultati.ResaStd > 0);
        QCOMPARE(stato->motore.datiCompressore.A[21], 12.0);
    }

    void motoreCortoDopoUnoLungo() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        scrivi(p.Text1[0], "-10");
        scrivi(p.Text1[1], "40");
        QTest::mouseClick(w->cm3Naviga[5], Qt::LeftButton);
        QCOMPARE(stato->motore.datiCompressore.W[21], 11000.0);
        QTest::mouseClick(w->cm3Naviga[2], Qt::LeftButton);
        QTest::mouseClick(w->cm3Naviga[5], Qt::LeftButton);
        QCOMPARE(risultatiAperti, 2);
        const DatiCompressore& d = stato->motore.datiCompressore;
        QCOMPARE(d.W[10], 4400.0);
        for (int n = 11; n < 22; ++n) {
            QCOMPARE(d.W[size_t(n)], 0.0);
            QCOMPARE(d.A[size_t(n)], 0.0);
        }
        QCOMPARE(d.WMAX, int16_t(10));
    }

    void tasti() {
        auto w = apri();
        PannelloCondizioni& p = *w->pannello;
        p.Text1[0]->setFocus();
        QTest::keyClick(p.Text1[0], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), p.Text1[1]);
        QTest::keyClick(p.Text1[1], Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), p.Text1[0]);
        QTest::keyClick(p.Text1[0], Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), p.Text1[1]);
        // Focus in field 2..4 hides the envelope, 0 and 1 show it.
        QVERIFY(w->Panel3D2->isVisible());
        spunta(p.chkStandard);
        p.Text1[3]->setFocus();
        QVERIFY(!w->Panel3D2->isVisible());
        p.Text1[0]->setFocus();
        QVERIFY(w->Panel3D2->isVisible());
        // In a combo the arrows move in its list.
        w->CSCombo1->setFocus();
        QTest::keyClick(w->CSCombo1, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), w->CSCombo1);
        QTest::keyClick(w->CSCombo1, Qt::Key_Return);
        QVERIFY(QApplication::focusWidget() != w->CSCombo1);
        // Esc closes the screen.
        p.Text1[0]->setFocus();
        QTest::keyClick(p.Text1[0], Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    void statoCondivisoAllaRiapertura() {
        {
            auto w = apri();
            spunta(w->pannello->chkDifferenziali);
            QVERIFY(stato->motore.condFunz.ValoriDifferenziali);
        }
        auto w = apri();
        // The reopened panel shows absolute mode and computes in it.
        QVERIFY(!w->pannello->chkDifferenziali->isChecked());
        QVERIFY(!stato->motore.condFunz.ValoriDifferenziali);
        QVERIFY(stato->motore.condFunz.CondizioniStandard);
    }
};

QTEST_MAIN(TestCalcoli)
#include "TestCalcoli.moc"
