// The program on hostile catalogues: start-up says what is wrong, every screen opens or
// says why it cannot, its buttons do not crash, and the catalogue file stays as it was.

#include "app/AperturaCalcoli.h"
#include "app/AperturaCatalogo.h"
#include "app/AperturaSelezione.h"
#include "app/FinestreTabelle.h"
#include "app/MDIUser.h"
#include "app/PassiProgramma.h"
#include "calculation/cfrmCalcoli.h"
#include "catalogue/Catalogo.h"
#include "catalogue/tests/CataloghiOstili.h"
#include "platform/ArchivioImpostazioni.h"
#include "reflib/ILK.h"
#include "selection/cfrmSeleComp.h"
#include "tests/supporto/MessaggiDiProva.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {
// Any modal box a screen opens by itself is closed, so the test cannot block.
void chiudiModali() {
    if (QWidget* m = QApplication::activeModalWidget())
        m->close();
}

void registraSchermi(MDIUser& w) {
    registraCatalogo(w);
    registraSelezione(w);
    w.registraSchermo(VoceMenu::CalcoliCompr, [](MDIUser& m) -> QWidget* {
        AgganciCalcoli a = agganciProgramma(m);
        agganciaFinestreTabelle(a, m);
        return new cfrmCalcoli(m.stato(), a);
    });
}
} // namespace

class TestAvvioOstile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ILK_Set_Fluids(SELCOMP_RUNTIME_DIR "/Reflibs"); }

    void avvio_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("lingua");
        const auto casi = cataloghiOstili();
        for (int i = 0; i < int(casi.size()); ++i)
            for (int lingua : {0, 4})
                QTest::newRow(qPrintable(
                    QStringLiteral("%1, lingua %2").arg(casi[size_t(i)].nome).arg(lingua)))
                    << i << lingua;
    }

    void avvio() {
        QFETCH(int, indice);
        QFETCH(int, lingua);
        const CatalogoOstile caso = cataloghiOstili()[size_t(indice)];
        QTemporaryDir cartella;
        QString motivo;
        const QString file = caso.crea(QDir(cartella.path()), motivo);
        if (file.isEmpty())
            SENZA_FILE_OSTILE(motivo);
        const QByteArray prima = improntaFile(file);

        MessaggiDiProva messaggi;
        QTimer guardia;
        connect(&guardia, &QTimer::timeout, &chiudiModali);
        guardia.start(20);
        {
            StatoApplicazione stato;
            stato.cartellaProgramma = SELCOMP_RUNTIME_DIR;
            stato.impostazioni.PercorsoDatabase = cartella.path();
            stato.impostazioni.NomeFileDatabase = "\\" + QFileInfo(file).fileName();
            stato.lingua.IndiceLingua = int16_t(lingua);
            std::unique_ptr<Catalogo> catalogo;
            ApriDatabase(stato, catalogo);
            if (!caso.erroreApertura.isEmpty()) {
                QVERIFY(!stato.catalogo);
                QCOMPARE(messaggi.messaggi.size(), 1);
                QCOMPARE(messaggi.messaggi[0].tipo, ServizioMessaggi::Tipo::Errore);
                QVERIFY2(messaggi.messaggi[0].testo.contains(caso.erroreApertura),
                         qPrintable(messaggi.messaggi[0].testo));
            } else {
                QVERIFY2(stato.catalogo, qPrintable(messaggi.testi().join('\n')));
                // A Lingue table without the chosen language's row says so, once.
                const bool senzaRiga =
                    caso.nome == "Lingue vuota" || (caso.nome == "Lingue corta" && lingua >= 2);
                QCOMPARE(messaggi.testi().filter("tabella Lingue").size(), senzaRiga ? 1 : 0);
            }

            ArchivioImpostazioni archivio("selcomp-prova-ostile",
                                          cartella.filePath("impostazioni"));
            MDIUser w(stato, archivio);
            registraSchermi(w);
            w.show();
            for (VoceMenu voce : {VoceMenu::Caratteristiche, VoceMenu::ElencoCompressori,
                                  VoceMenu::SelezioneCompr, VoceMenu::CalcoliCompr}) {
                const auto primaMessaggi = messaggi.messaggi.size();
                const auto primaFinestre = w.area()->subWindowList().size();
                w.azione(voce)->trigger();
                QTest::qWait(30);
                if (!stato.catalogo) {
                    // Without a catalogue a screen says so, or does not open.
                    QVERIFY2(
                        messaggi.messaggi.size() > primaMessaggi ||
                            w.area()->subWindowList().size() == primaFinestre,
                        qPrintable(QStringLiteral("menu entry %1 opened silently").arg(int(voce))));
                }
            }
            // The working buttons: search, rating, tables and chart.
            for (auto* s : w.findChildren<cfrmSeleComp*>()) {
                s->cm3Naviga[5]->click();
                QTest::qWait(30);
            }
            for (auto* c : w.findChildren<cfrmCalcoli*>()) {
                for (int i : {0, 2, 3})
                    c->naviga(i);
                c->Elabora();
                QTest::qWait(30);
                for (auto* b : c->Command1)
                    if (b && b->isEnabled()) {
                        b->click();
                        QTest::qWait(30);
                    }
            }
            w.area()->closeAllSubWindows();
            QTest::qWait(30);
            if (caso.nome == "Lingue corta" && lingua == 0) {
                // Picking a language the table lacks warns then.
                w.azioneLingua(4)->trigger();
                QCOMPARE(messaggi.testi().filter("tabella Lingue").size(), 1);
            }
            for (const auto& m : messaggi.messaggi) {
                static const QRegularExpression nonNumero(
                    "\\b(nan|inf)\\b", QRegularExpression::CaseInsensitiveOption);
                QVERIFY2(!nonNumero.match(m.testo).hasMatch(), qPrintable(m.testo));
                QVERIFY2(!m.testo.trimmed().isEmpty(), "an empty message");
            }
            qInfo().noquote() << caso.nome << "messages:" << messaggi.testi();
        }
        QCOMPARE(improntaFile(file), prima);
    }
};

QTEST_MAIN(TestAvvioOstile)
#include "TestAvvioOstile.moc"
