// A Jet catalogue is read only by the import program, and the windowed program waits for
// it in a progress window that names the file and cancels. Fake import programs stand in
// for the real one: missing, unable to start, slow, or copying the demo catalogue.

#include "app/FinestraImportazione.h"
#include "catalogue/Catalogo.h"
#include "catalogue/ImportaJet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QProgressDialog* finestraVisibile() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

} // namespace

class TestFinestraImportazione : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    FinestraImportazione m_attesa;
    int m_file = 0;

    // Only a Jet header: enough to be sent to the import program.
    QString fileJet() {
        const QString file = m_dir.filePath(QString("catalogo-%1.mdb").arg(++m_file));
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        QByteArray intestazione(100, '\0');
        intestazione.replace(4, 15, "Standard Jet DB");
        f.write(intestazione);
        return file;
    }

    QString programma(const QString& cartella, const QByteArray& testo, bool eseguibile = true) {
        QDir(m_dir.path()).mkpath(cartella);
        const QString file = m_dir.filePath(cartella + "/selcomp-importa-jet");
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(testo);
        f.close();
        if (eseguibile)
            f.setPermissions(f.permissions() | QFile::ExeOwner);
        return file;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        impostaAttesaImportazione(&m_attesa);
    }
    void init() {
        QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    }
    void cleanup() { impostaProgrammaImportaJet({}); }
    void cleanupTestCase() { impostaAttesaImportazione(nullptr); }

    void senzaProgrammaIlCatalogoERifiutato_data() {
        QTest::addColumn<QString>("cartella");
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<bool>("eseguibile");
        QTest::newRow("missing") << "manca" << QByteArray() << false;
        QTest::newRow("not executable")
            << "non-eseguibile" << QByteArray("#!/bin/sh\nexit 0\n") << false;
        QTest::newRow("cannot start")
            << "non-parte" << QByteArray("#!/percorso/che/non/esiste\n") << true;
    }
    void senzaProgrammaIlCatalogoERifiutato() {
        QFETCH(QString, cartella);
        QFETCH(QByteArray, testo);
        QFETCH(bool, eseguibile);
        const QString p = testo.isEmpty() ? m_dir.filePath(cartella + "/selcomp-importa-jet")
                                          : programma(cartella, testo, eseguibile);
        impostaProgrammaImportaJet(p);
        const QString file = fileJet();
        QString errore;
        QVERIFY(!Catalogo::apri(file, &errore));
        QVERIFY2(errore.contains(QDir::toNativeSeparators(file)), qPrintable(errore));
        QVERIFY2(errore.contains("manca il programma di importazione selcomp-importa-jet"),
                 qPrintable(errore));
        QVERIFY2(errore.contains(QDir::toNativeSeparators(p)), qPrintable(errore));
        QVERIFY(!finestraVisibile());
    }

    void lAttesaSiAnnulla() {
        impostaProgrammaImportaJet(programma("lento", "#!/bin/sh\nexec sleep 60\n"));
        const QString file = fileJet();
        QString etichetta;
        bool modale = false;
        // The program keeps running its event loop while it waits: this timer fires.
        QTimer prova;
        connect(&prova, &QTimer::timeout, this, [&] {
            QProgressDialog* d = finestraVisibile();
            if (!d)
                return;
            prova.stop();
            etichetta = d->labelText();
            modale = d->isModal();
            QPushButton* annulla = d->findChild<QPushButton*>();
            QVERIFY(annulla);
            QTest::mouseClick(annulla, Qt::LeftButton);
        });
        prova.start(20);
        QString errore;
        QVERIFY(!Catalogo::apri(file, &errore));
        QVERIFY2(errore.contains("importazione annullata"), qPrintable(errore));
        QVERIFY2(etichetta.contains("catalogo-") &&
                     etichetta.contains(QDir::toNativeSeparators(file)),
                 qPrintable(etichetta));
        QVERIFY(modale);
        QVERIFY(!finestraVisibile());
    }

    void allaFineLaFinestraSiChiude() {
        // A stand-in that "imports" by copying the demo catalogue, after a pause in which
        // the window is seen.
        const QString demo = QStringLiteral(SELCOMP_RUNTIME_DIR "/zodirara.mdb");
        QVERIFY2(QFile::exists(demo), "the build always puts the demo catalogue in bin/");
        impostaProgrammaImportaJet(
            programma("copia", "#!/bin/sh\nsleep 0.3\ncp '" + demo.toUtf8() + "' \"$2\"\n"));
        bool vista = false;
        QTimer prova;
        connect(&prova, &QTimer::timeout, this, [&] { vista = vista || finestraVisibile(); });
        prova.start(20);
        QString errore;
        auto cat = Catalogo::apri(fileJet(), &errore);
        QVERIFY2(cat, qPrintable(errore));
        QCOMPARE(cat->formato(), Catalogo::Formato::Jet);
        QVERIFY(vista);
        QVERIFY(!finestraVisibile());
    }
};

QTEST_MAIN(TestFinestraImportazione)
#include "TestFinestraImportazione.moc"
