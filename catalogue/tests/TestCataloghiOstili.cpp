// Hostile catalogues: opening says clearly what is wrong, the queries the screens run
// fail or come back without crashing, and the file's bytes never change.

#include "catalogue/Catalogo.h"
#include "catalogue/tests/CataloghiOstili.h"

#include "catalogue/ImportaJet.h"

#include <QTest>

class TestCataloghiOstili : public QObject {
    Q_OBJECT
private slots:
    void apertura_data() {
        QTest::addColumn<int>("indice");
        const auto casi = cataloghiOstili();
        for (int i = 0; i < int(casi.size()); ++i)
            QTest::newRow(casi[size_t(i)].nome.toUtf8().constData()) << i;
    }

    void apertura() {
        QFETCH(int, indice);
        const CatalogoOstile caso = cataloghiOstili()[size_t(indice)];
        QTemporaryDir cartella;
        QString motivo;
        const QString file = caso.crea(QDir(cartella.path()), motivo);
        if (file.isEmpty())
            SENZA_FILE_OSTILE(motivo);
        const QByteArray prima = improntaFile(file);

        QString errore;
        {
            auto cat = Catalogo::apri(file, &errore);
            if (!caso.erroreApertura.isEmpty()) {
                QVERIFY2(!cat, "a hostile catalogue opened");
                QVERIFY2(errore.contains(caso.erroreApertura), qPrintable(errore));
                QVERIFY2(errore.contains(QDir::toNativeSeparators(file)), qPrintable(errore));
                QVERIFY(errore.startsWith("Impossibile aprire il catalogo"));
            } else {
                QVERIFY2(cat, qPrintable(errore));
                // What the screens read first: labels, refrigerants, the candidates, a model.
                for (const char* sql :
                     {"select * from Lingue", "select * from Gas where flSeleYes = true ",
                      "select * from CollCompGasQry where CodiceGas = ? order by Ordinamento",
                      "select * from Compressori order by Ordinamento",
                      "select TUEStd, Alesaggio from Gas, Compressori"}) {
                    QString e;
                    Istantanea r;
                    const bool ok = cat->interroga(sql, {"R404A"}, r, &e);
                    QVERIFY(ok || !e.isEmpty());
                    for (int i = 0; i < r.numeroRighe(); ++i)
                        r.numero(i, "TUEStd");
                }
                for (double tc : {40.0, qQNaN(), 1e300})
                    cat->candidatiSelezione("R404A", tc);
                // The working tables live in the temp schema, never in the file.
                QString e;
                QVERIFY2(cat->esegui("delete from tmpWR", {}, &e), qPrintable(e));
                QVERIFY2(cat->aggiungiRiga("tmpWR", {{"Tvap", -10}}, &e), qPrintable(e));
            }
        }
        QCOMPARE(improntaFile(file), prima);
        // A second opening gives the same answer (a cache or half import left nothing behind).
        QString errore2;
        auto di_nuovo = Catalogo::apri(file, &errore2);
        QCOMPARE(bool(di_nuovo), caso.erroreApertura.isEmpty());
        QCOMPARE(errore2, errore);
        di_nuovo.reset();
        QCOMPARE(improntaFile(file), prima);
    }

    // Rows claiming more columns than the table has: the import reads no further than the
    // cells the row really has (the sanitizer build catches a read past them).
    void jetConRigheFuoriMisura() {
        QTemporaryDir cartella;
        QString motivo;
        const QString file = jetRigheFuoriMisura(QDir(cartella.path()), motivo);
        if (file.isEmpty())
            SENZA_FILE_OSTILE(motivo);
        const QByteArray prima = improntaFile(file);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "righe-fuori-misura");
            db.setDatabaseName(":memory:");
            QVERIFY(db.open());
            QString errore;
            const bool ok = importaJet(file, "righe-fuori-misura", &errore);
            QVERIFY(ok || !errore.isEmpty());
            db.close();
        }
        QSqlDatabase::removeDatabase("righe-fuori-misura");
        QString errore;
        auto cat = Catalogo::apri(file, &errore);
        QVERIFY(cat || errore.contains("danneggiato"));
        cat.reset();
        QCOMPARE(improntaFile(file), prima);
    }

    // Query texts the driver would crash on are refused with a message: a NUL (a damaged
    // report template can carry one) ends SQLite's statement early, and a ? glued to a word
    // leaves SQLite fewer placeholders than the values bound.
    void sqlCheRompeIlDriver_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("parametri");
        const QByteArray trovato =
            QByteArray::fromHex("73656c6563743f300030 00002a20746f6f204c696b65203f206f726920");
        QTest::newRow("NUL found by fuzzing")
            << QString::fromLatin1(trovato) << QVariantList{"R4*", "x"};
        QTest::newRow("NUL before a tail")
            << QStringLiteral("select * from Gas") + QChar(0) + QStringLiteral("x")
            << QVariantList{"R4*", "x"};
        QTest::newRow("? glued to a word") << "select~ ?ike(?)" << QVariantList{"R4*", "R4*"};
        QTest::newRow("fewer values than ?")
            << "select * from Gas where CodiceGas = ? or CodiceGas = ?" << QVariantList{"R-22"};
    }
    void sqlCheRompeIlDriver() {
        QFETCH(QString, sql);
        QFETCH(QVariantList, parametri);
        QString errore;
        auto cat = Catalogo::apri(catalogoDemo(), &errore);
        QVERIFY2(cat, qPrintable(errore));
        Istantanea r;
        QString e;
        QVERIFY(!cat->interroga(sql, parametri, r, &e));
        QVERIFY(!e.isEmpty());
        QCOMPARE(r.numeroRighe(), 0);
        // The connection still answers afterwards.
        QVERIFY2(cat->interroga("select * from Gas where CodiceGas = ?", {"R-22"}, r, &e),
                 qPrintable(e));
        QCOMPARE(r.numeroRighe(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCataloghiOstili)
#include "TestCataloghiOstili.moc"
