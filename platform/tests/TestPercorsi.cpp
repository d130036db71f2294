#include "platform/Percorsi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPercorsi : public QObject {
    Q_OBJECT
private slots:
    void unisceConBarraIniziale() {
        QCOMPARE(uniscePercorso("/opt/x", "\\zodirara.mdb"),
                 QDir::toNativeSeparators("/opt/x/zodirara.mdb"));
        QCOMPARE(uniscePercorso("/opt/x/", "Reflibs"), QDir::toNativeSeparators("/opt/x/Reflibs"));
    }
    void trovaSenzaRiguardoAlleMaiuscole() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("Reflibs");
        QFile f(dir.filePath("Reflibs/zodirara.mdb"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(trovaPercorso(dir.path(), "\\REFLIBS\\ZODIRARA.MDB"),
                 QDir::toNativeSeparators(dir.filePath("Reflibs/zodirara.mdb")));
        // A missing name comes back as the joined path, for the message.
        QCOMPARE(trovaPercorso(dir.path(), "\\manca.mdb"),
                 QDir::toNativeSeparators(dir.filePath("manca.mdb")));
    }
};

QTEST_GUILESS_MAIN(TestPercorsi)
#include "TestPercorsi.moc"
