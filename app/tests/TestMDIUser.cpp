// Main window: captions by language, settings written by the language step, start-up order.

#include "app/Avvio.h"
#include "app/frmAbout.h"
#include "app/frmStart.h"
#include "catalogue/Catalogo.h"
#include "platform/ArchivioImpostazioni.h"
#include "tests/supporto/MessaggiDiProva.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>

class TestMDIUser : public QObject {
    Q_OBJECT
private slots:
    void didascalieDelleLingue_data() {
        QTest::addColumn<int>("lingua");
        QTest::addColumn<QStringList>("menu");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("didascalia2");
        QTest::addColumn<QString>("esegui");
        QTest::addColumn<QString>("avvio");
        QTest::newRow("Italian") << 0
                                 << QStringList{"&File",
                                                "&Selezione stampante",
                                                "&Uscita",
                                                "&Archivi",
                                                "&Caratteristiche tecniche",
                                                "&Elenco compressori",
                                                "&Calcoli",
                                                "&Selezione compressore",
                                                "&Calcoli su compressore",
                                                "&Stampe",
                                                "&Lingua",
                                                "&Garanzie",
                                                "&?",
                                                "&Informazioni"}
                                 << "Didaz S.p.A. - Selezione Compressori "
                                 << "Calcoli su compressore "
                                 << "Esegui"
                                 << "&Avvio";
        QTest::newRow("English") << 1
                                 << QStringList{"&File",
                                                "&Printers...",
                                                "E&xit",
                                                "&Catalogue",
                                                "&Technicals Characteristics",
                                                "&Compressors List",
                                                "&Calculation",
                                                "Compressor &selection",
                                                "Compressor &calculation",
                                                "&Printout",
                                                "&Language",
                                                "&Warranty",
                                                "&Help",
                                                "&About ..."}
                                 << "Didaz S.p.A. -  Compressor Selection"
                                 << "Compressor calculation "
                                 << "GO !"
                                 << "&Start";
        QTest::newRow("French") << 2
                                << QStringList{"&Fichier",
                                               "S&élection Imprimante",
                                               "&Quitter",
                                               "C&atalogue",
                                               "&Caractéristiques",
                                               "&Liste des compresseurs",
                                               "&Calculs",
                                               "&Sélection d'un compresseur",
                                               "&Calcul pour un compresseur",
                                               "&Impression",
                                               "&Langue",
                                               "&Garanties",
                                               "&?",
                                               "&A propos de ..."}
                                << "Didaz S.p.A. -  Sélection des Compresseurs"
                                << "Calcul pour un compresseur"
                                << "Execute !"
                                << "&Démarrer";
        // German keeps two Italian captions.
        QTest::newRow("German") << 3
                                << QStringList{"&Datei",
                                               "&Selezione stampante",
                                               "B&eenden",
                                               "Ka&talog",
                                               "&Charakteristiken",
                                               "&Liste der Kompressoren",
                                               "&Kalculation",
                                               "Kompressor&auswahl",
                                               "Kompressorka&lculation",
                                               "&Stampe",
                                               "Spr&ache",
                                               "&Garantiebedingungen",
                                               "&Hilfe",
                                               "&Informationen"}
                                << "Didaz S.p.A. - Kompressor Auswahl "
                                << "Kompressorkalculation "
                                << "Start"
                                << "&Start";
        QTest::newRow("Spanish") << 4
                                 << QStringList{"&File",
                                                "&Seleccion de imprimante",
                                                "Sa&lida",
                                                "&Archivos",
                                                "&Características técnicas",
                                                "&Lista de Compresores",
                                                "&Cálculos",
                                                "&Selección de Compressor",
                                                "&Càlculos sobre un compresor",
                                                "&Impresion",
                                                "&Lenguas",
                                                "&Garantia",
                                                "&?",
                                                "&Informaciónes"}
                                 << "Didaz S.p.A. - Selección de Compressor "
                                 << "Cálculos sobre un compresor "
                                 << "Seguir"
                                 << "&Start"; // the design caption stays
    }
    void didascalieDelleLingue() {
        QFETCH(int, lingua);
        QFETCH(QStringList, menu);
        QFETCH(QString, titolo);
        QFETCH(QString, didascalia2);
        QFETCH(QString, esegui);
        QFETCH(QString, avvio);
        QTemporaryDir dir;
        ArchivioImpostazioni archivio("selcomp", dir.path());
        StatoApplicazione stato;
        MDIUser w(stato, archivio);
        // A shown window formats its title as it is set: the display name must already
        // be the new title then, or the bar shows the new title and the old name.
        QString nomeAlCambio;
        connect(&w, &QWidget::windowTitleChanged, this,
                [&] { nomeAlCambio = QGuiApplication::applicationDisplayName(); });
        w.azioneLingua(lingua)->trigger();
        QCOMPARE(nomeAlCambio, titolo);
        for (int v = 0; v < NumeroVociMenu; ++v)
            QCOMPARE(w.azione(VoceMenu(v))->text(), menu[v]);
        QCOMPARE(w.windowTitle(), titolo);
        // The window system appends the display name to a title that does not end with it.
        QVERIFY(w.windowTitle().endsWith(QGuiApplication::applicationDisplayName()));
        QCOMPARE(stato.lingua.IndiceLingua, int16_t(lingua));
        QCOMPARE(stato.lingua.Didascalie[2], didascalia2);
        QCOMPARE(stato.lingua.Didascalie[10], esegui);
        QVERIFY(stato.lingua.MessaggioInfoK.contains("\r\n"));
        QSettings s(QDir(dir.path()).filePath("selcomp.ini"), QSettings::IniFormat);
        QCOMPARE(s.value("ParametriGenerali/LinguaSelezionata").toString(),
                 QString::number(lingua));
        QCOMPARE(s.value("ParametriGenerali/MaxTC").toString(), QString("70"));
        frmStart start(stato);
        QCOMPARE(start.Command1->text(), avvio);
    }

    // Qt's own dialogs follow the language menu, back to English too.
    void dialoghiQtNellaLingua_data() {
        QTest::addColumn<int>("lingua");
        QTest::addColumn<QString>("chiudi");
        QTest::addColumn<QString>("annulla");
        QTest::newRow("Italian") << 0 << "Chiudi"
                                 << "Annulla";
        QTest::newRow("English") << 1 << "Close"
                                 << "Cancel";
        QTest::newRow("French") << 2 << "Fermer"
                                << "Annuler";
        QTest::newRow("German") << 3 << QString::fromUtf8("Schließen") << "Abbrechen";
        QTest::newRow("Spanish") << 4 << "Cerrar"
                                 << "Cancelar";
    }
    void dialoghiQtNellaLingua() {
        QFETCH(int, lingua);
        QFETCH(QString, chiudi);
        QFETCH(QString, annulla);
        QTemporaryDir dir;
        ArchivioImpostazioni archivio("selcomp", dir.path());
        StatoApplicazione stato;
        MDIUser w(stato, archivio);
        w.azioneLingua(lingua)->trigger();
        QDialogButtonBox pulsanti(QDialogButtonBox::Close | QDialogButtonBox::Cancel);
        QCOMPARE(pulsanti.button(QDialogButtonBox::Close)->text().remove('&'), chiudi);
        QCOMPARE(pulsanti.button(QDialogButtonBox::Cancel)->text().remove('&'), annulla);
    }

    // A screen chosen again from the menu is brought forward, not opened a second time.
    void schermoApertoTornaDavanti() {
        QTemporaryDir dir;
        ArchivioImpostazioni archivio("selcomp", dir.path());
        StatoApplicazione stato;
        auto catalogo = Catalogo::apri(SELCOMP_RUNTIME_DIR "/zodirara.mdb");
        QVERIFY(catalogo);
        stato.catalogo = catalogo.get();
        stato.impostazioni.PercorsoDatabase = SELCOMP_RUNTIME_DIR;
        MDIUser w(stato, archivio);
        w.show();
        std::map<VoceMenu, int> creati;
        for (VoceMenu v : {VoceMenu::Caratteristiche, VoceMenu::ElencoCompressori,
                           VoceMenu::SelezioneCompr, VoceMenu::CalcoliCompr})
            w.registraSchermo(v, [&creati, v](MDIUser&) -> QWidget* {
                ++creati[v];
                return new QLabel(QString::number(int(v)));
            });
        const auto attivo = [&w] {
            QMdiSubWindow* s = w.area()->activeSubWindow();
            return s ? s->widget() : nullptr;
        };
        w.azione(VoceMenu::Caratteristiche)->trigger();
        QWidget* caratteristiche = attivo();
        w.azione(VoceMenu::CalcoliCompr)->trigger();
        w.azione(VoceMenu::Garanzie)->trigger();
        QCOMPARE(w.area()->subWindowList().size(), 3);

        w.azione(VoceMenu::Caratteristiche)->trigger();
        QCOMPARE(attivo(), caratteristiche);
        caratteristiche->parentWidget()->showMinimized();
        w.azione(VoceMenu::Garanzie)->trigger();
        w.azione(VoceMenu::Caratteristiche)->trigger();
        QCOMPARE(attivo(), caratteristiche);
        QVERIFY(!caratteristiche->parentWidget()->isMinimized());
        QCOMPARE(w.area()->subWindowList().size(), 3);
        QCOMPARE(creati[VoceMenu::Caratteristiche], 1);
        QCOMPARE(creati[VoceMenu::CalcoliCompr], 1);

        // Closed, it opens anew (even before its deletion has been processed).
        caratteristiche->parentWidget()->close();
        w.azione(VoceMenu::Caratteristiche)->trigger();
        QCOMPARE(creati[VoceMenu::Caratteristiche], 2);
        QTRY_COMPARE(w.area()->subWindowList().size(), 3);

        // After a language change, choosing it again gives it in the new language: the one
        // open in the old language gives way; chosen once more, it comes forward.
        caratteristiche = attivo();
        w.azioneLingua(2)->trigger();
        w.azione(VoceMenu::Caratteristiche)->trigger();
        QCOMPARE(creati[VoceMenu::Caratteristiche], 3);
        QVERIFY(attivo() != caratteristiche);
        QTRY_COMPARE(w.area()->subWindowList().size(), 3);
        w.azione(VoceMenu::Caratteristiche)->trigger();
        QCOMPARE(creati[VoceMenu::Caratteristiche], 3);
    }

    void dimensioniInTwips() {
        QTemporaryDir dir;
        ArchivioImpostazioni archivio("selcomp", dir.path());
        StatoApplicazione stato;
        MDIUser w(stato, archivio);
        QCOMPARE(w.width(), twipsInPixel(11375, &w));
        QCOMPARE(w.height(), twipsInPixel(8300, &w));
        QCOMPARE(twipsInPixel(1440),
                 int(QGuiApplication::primaryScreen()->logicalDotsPerInchY() + 0.5));
    }

    void garanziaDellaLingua() {
        QTemporaryDir dir;
        QFile f(dir.filePath("garaeng.dat")); // any case on disk
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("WARRANTY CONDITIONS");
        f.close();
        ArchivioImpostazioni archivio("selcomp", dir.path());
        StatoApplicazione stato;
        stato.impostazioni.PercorsoDatabase = dir.path();
        MessaggiDiProva messaggi;
        MDIUser w(stato, archivio);
        w.azioneLingua(4)->trigger(); // Spanish shows the English text
        w.azione(VoceMenu::Garanzie)->trigger();
        auto* vista = w.findChild<QPlainTextEdit*>("Garanzia");
        QVERIFY(vista);
        QVERIFY(vista->isReadOnly());
        QCOMPARE(vista->toPlainText(), QString("WARRANTY CONDITIONS"));

        w.azioneLingua(0)->trigger(); // no Italian file here
        w.azione(VoceMenu::Garanzie)->trigger();
        QCOMPARE(messaggi.messaggi.size(), 1);
        QVERIFY(messaggi.messaggi[0].testo.contains("GARAITA.DAT"));
    }

    void informazioni() {
        QTemporaryDir dir;
        ArchivioImpostazioni archivio("selcomp", dir.path());
        StatoApplicazione stato;
        stato.impostazioni.VersioneProgramma = VersioneProgramma(2, 9, 9);
        MDIUser w(stato, archivio);
        w.azioneLingua(1)->trigger();
        w.azione(VoceMenu::Informazioni)->trigger();
        auto* about = w.findChild<frmAbout*>();
        QVERIFY(about);
        QVERIFY(about->isModal());
        QCOMPARE(about->windowTitle(), QString("About..."));
        QCOMPARE(about->Label1->text(), QString("2.9.9"));
        QCOMPARE(about->Label5->text(), QString("25/09/2003"));
        QTest::mouseClick(about->Command1, Qt::LeftButton);
        QVERIFY(!about->isVisible());
    }

    void ordineDellAvvio() {
        QTemporaryDir dir;
        ArchivioImpostazioni archivio("selcomp", dir.path());
        StatoApplicazione stato;
        MessaggiDiProva messaggi;
        QStringList chiamate;
        int messaggiAllaPartenza = -1;
        PassiAvvio passi;
        passi.impostaFluidi = [&](const QString& cartella) {
            chiamate << "ILK_Set_Fluids " + QDir::fromNativeSeparators(cartella).section('/', -1);
            return int16_t(3); // missing folder
        };
        passi.inizializzaFattori = [&](StatoApplicazione&) { chiamate << "fattori"; };
        passi.apriDatabase = [&](StatoApplicazione& s) {
            chiamate << "database " + s.impostazioni.NomeFileDatabase;
        };
        passi.finestraAvvioMostrata = [&](frmStart& f) {
            messaggiAllaPartenza = messaggi.messaggi.size();
            QVERIFY(f.isVisible());
            QTest::mouseClick(f.Command1, Qt::LeftButton);
        };
        Avvio avvio(stato, archivio, passi);
        MDIUser* w = avvio.Main();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QVERIFY(stato.schermi.AvvioConfermato);
        QCOMPARE(avvio.passiEseguiti(),
                 (QStringList{"Didascalie", "AvvioConfermato", "LeggiParametri", "ImpostaLingua",
                              "NomeFileDatabase", "InizializzaFattori", "frmStart", "ApriDatabase",
                              "Attesa", "MDIUser"}));
        QCOMPARE(chiamate,
                 (QStringList{"ILK_Set_Fluids Reflibs", "fattori", "database \\zodirara.mdb"}));
        // The refrigerant warning came once, before the start window.
        QCOMPARE(messaggiAllaPartenza, 1);
        QCOMPARE(messaggi.messaggi.size(), 1);
        QCOMPARE(messaggi.messaggi[0].tipo, ServizioMessaggi::Tipo::Errore);
        QCOMPARE(messaggi.messaggi[0].testo, MessaggioRefrigeranti);
    }

    void pulsanteDiAvvioDallEventLoop() {
        // The wait runs the event loop: a click posted later ends it.
        QTemporaryDir dir;
        ArchivioImpostazioni archivio("selcomp", dir.path());
        StatoApplicazione stato;
        PassiAvvio passi;
        passi.finestraAvvioMostrata = [](frmStart& f) {
            QTimer::singleShot(50, &f, [&f] { f.Command1->click(); });
        };
        Avvio avvio(stato, archivio, passi);
        QVERIFY(avvio.Main());
    }

    void chiusuraDellaFinestraDiAvvio() {
        QTemporaryDir dir;
        ArchivioImpostazioni archivio("selcomp", dir.path());
        StatoApplicazione stato;
        PassiAvvio passi;
        passi.finestraAvvioMostrata = [](frmStart& f) {
            QTimer::singleShot(0, &f, [&f] { f.close(); });
        };
        Avvio avvio(stato, archivio, passi);
        QCOMPARE(avvio.Main(), nullptr);
        QVERIFY(!stato.schermi.AvvioConfermato);
    }
};

QTEST_MAIN(TestMDIUser)
#include "TestMDIUser.moc"
