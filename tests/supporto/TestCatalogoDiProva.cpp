// The test catalogues' loader: quotes protect their text from the comment and statement
// marks, and a failing script says where.

#include "tests/supporto/CatalogoDiProva.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString scriviScript(const QTemporaryDir& cartella, const QByteArray& sql) {
    const QString file = cartella.filePath("script.sql");
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.write(sql);
    return file;
}
} // namespace

class TestCatalogoDiProva : public QObject {
    Q_OBJECT

private slots:
    void virgoletteEcommenti() {
        QTemporaryDir cartella;
        const QString script =
            scriviScript(cartella, "-- a comment line\n"
                                   "CREATE TABLE T (N INTEGER, Testo TEXT);\n"
                                   "INSERT INTO T VALUES (1, 'a -- b'); -- trailing\n"
                                   "INSERT INTO T VALUES (2, 'uno;\n-- due');\n"
                                   "INSERT INTO T VALUES (3, 'l''olio -- x;')\n"
                                   ";\n");
        const QString file = cartella.filePath("prova.sqlite");
        QString errore;
        QVERIFY2(creaCatalogoDiProva(script, file, &errore), qPrintable(errore));

        QStringList letti;
        {
            auto db = QSqlDatabase::addDatabase("QSQLITE", "lettura");
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery q("select Testo from T order by N", db);
            while (q.next())
                letti << q.value(0).toString();
        }
        QSqlDatabase::removeDatabase("lettura");
        QCOMPARE(letti, QStringList({"a -- b", "uno;\n-- due", "l'olio -- x;"}));
    }

    // A statement SQLite refuses: no catalogue, and the reason names the script.
    void istruzioneRifiutata() {
        QTemporaryDir cartella;
        const QString script = scriviScript(
            cartella, "CREATE TABLE T (N INTEGER);\nINSERT INTO Nessuna VALUES (1);\n");
        QString errore;
        QVERIFY(!catalogoDaScript(cartella, script, &errore));
        QVERIFY2(errore.contains(script) && errore.contains("Nessuna"), qPrintable(errore));
        QVERIFY(!QFile::exists(cartella.filePath("catalogo.sqlite")));
    }
};

QTEST_GUILESS_MAIN(TestCatalogoDiProva)
#include "TestCatalogoDiProva.moc"
