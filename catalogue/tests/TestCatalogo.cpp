// The catalogue store on the small test catalogue: the dialect, opening failures, the
// screens' SQL texts, the stored query's column positions and the scratch objects.

#include "catalogue/Catalogo.h"
#include "catalogue/CreaCatalogo.h"
#include "catalogue/DialettoSql.h"
#include "catalogue/RigheCatalogo.h"
#include "catalogue/tests/Supporto.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

class TestCatalogo : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<Catalogo> m_cat;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QString errore;
        m_cat = Catalogo::apri(SELCOMP_CATALOGO_PROVA, &errore);
        QVERIFY2(m_cat, qPrintable(errore));
    }

    void dialetto_data() {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite");
        QTest::newRow("DISTINCTROW dropped") << "SELECT DISTINCTROW a, b FROM t"
                                             << "SELECT a, b FROM t";
        QTest::newRow("Like star in brackets") << "WHERE((x = ?) AND (c Like ('N*')))"
                                               << "WHERE((x = ?) AND (c Like ('N%') ESCAPE '\\'))";
        QTest::newRow("Like question mark and escapes") << "c like 'A?_%'"
                                                        << "c like 'A_\\_\\%' ESCAPE '\\'";
        QTest::newRow("Like with a parameter") << "c Like (?) and d = 1"
                                               << "c Like (?) ESCAPE '\\' and d = 1";
        QTest::newRow("booleans") << "where flSeleYes = true and x = FALSE "
                                  << "where flSeleYes = -1 and x = 0 ";
        QTest::newRow("literals untouched") << "where a = 'true [x] DISTINCTROW *'"
                                            << "where a = 'true [x] DISTINCTROW *'";
        QTest::newRow("doubled apostrophe") << "a = 'O''Brien'"
                                            << "a = 'O''Brien'";
        QTest::newRow("bracketed name") << "Opzioni.DescrizioneITA AS [Desc]"
                                        << "Opzioni.DescrizioneITA AS \"Desc\"";
        QTest::newRow("double-quoted text") << "a = \"x'y\""
                                            << "a = 'x''y'";
        QTest::newRow("qualified names are names") << "t.true, t.Like"
                                                   << "t.true, t.Like";
    }
    void dialetto() {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QCOMPARE(traduciSql(jet).testo, sqlite);
    }

    void parametriLike() {
        const SqlTradotto t = traduciSql("a = ? and b like ? and c = ?");
        QCOMPARE(t.numeroParametri, 3);
        QCOMPARE(t.parametriLike, QVector<int>{1});
    }

    void aperturaFallita_data() {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("missing") << "mancante"
                                 << "non esiste";
        QTest::newRow("folder") << "cartella"
                                << "cartella";
        QTest::newRow("truncated SQLite") << "troncato"
                                          << "danneggiato";
        QTest::newRow("text file") << "testo"
                                   << "non è un catalogo";
        QTest::newRow("empty file") << "vuoto"
                                    << "non è un catalogo";
        QTest::newRow("SQLite without catalogue tables") << "altro"
                                                         << "mancano le tabelle";
    }
    void aperturaFallita() {
        QFETCH(QString, caso);
        QFETCH(QString, motivo);
        QString file = m_dir.filePath(caso + ".mdb");
        if (caso == "cartella")
            QDir().mkpath(file);
        if (caso == "troncato") {
            QFile sorgente(SELCOMP_CATALOGO_PROVA);
            QVERIFY(sorgente.open(QIODevice::ReadOnly));
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(sorgente.read(sorgente.size() / 3));
        }
        if (caso == "testo" || caso == "vuoto") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (caso == "testo")
                f.write("Modello;Serie\n2TX-10;TX2\n");
        }
        if (caso == "altro") {
            QFile sql(m_dir.filePath("altro.sql"));
            QVERIFY(sql.open(QIODevice::WriteOnly));
            sql.write("CREATE TABLE Clienti (Nome TEXT);");
            sql.close();
            QVERIFY(creaCatalogoDaSql(file, {sql.fileName()}));
        }
        QString errore;
        QVERIFY(!Catalogo::apri(file, &errore));
        QVERIFY2(errore.contains(QDir::toNativeSeparators(file)), qPrintable(errore));
        QVERIFY2(errore.contains(motivo), qPrintable(errore));
    }

    // The texts of the screens as they write them, with the spliced codes bound.
    void testiDelleSchermate_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("parametri");
        QTest::addColumn<int>("righe");
        QTest::addColumn<QString>("colonna");
        QTest::addColumn<QVariant>("primo");
        QTest::newRow("refrigerants offered for selection")
            << "select * from Gas where flSeleYes = true " << QVariantList{} << 2 << "CodiceGas"
            << QVariant("R404A");
        QTest::newRow("calculation list, apostrophe code, catalogue order")
            << "select * from CollCompGasQry where CodiceGas = ? order by Ordinamento "
            << QVariantList{"R134a"} << 4 << "CodiceProdotto" << QVariant("2TX-10");
        QTest::newRow("refrigerant code in any case")
            << "select * from CollCompGas where CodiceGas = ?" << QVariantList{"r404a"} << 4
            << "IDCollCompGas" << QVariant(1);
        QTest::newRow("performance tables source")
            << "select * from Collcompgas where CodiceProdotto=? and CodiceGas=?"
            << QVariantList{"4TX-O'40", "R134a"} << 1 << "IDCollCompGas" << QVariant(2);
        QTest::newRow("technical characteristics, outer join, duplicate column")
            << "select * , Opzioni.DescrizioneITA as desc1, Ordinamento  FROM Compressori LEFT "
               "JOIN Opzioni ON "
               "Compressori.TensioneStd = Opzioni.CodiceOpzione order by Ordinamento"
            << QVariantList{} << 4 << "desc1" << QVariant("400V/3/50Hz");
        QTest::newRow("compressor list")
            << "select *, Opzioni.DescrizioneITA   FROM Compressori LEFT JOIN Opzioni ON "
               "Compressori.TensioneStd = "
               "Opzioni.CodiceOpzione order by Ordinamento"
            << QVariantList{} << 4 << "CodiceProdotto" << QVariant("2TX-10");
        QTest::newRow("notes of an apostrophe code")
            << "SELECT DISTINCTROW CollCompOpz.CodiceProdotto, CollCompOpz.CodiceOpzione, "
               "Opzioni.DescrizioneING AS "
               "[Desc] FROM CollCompOpz INNER JOIN Opzioni ON CollCompOpz.CodiceOpzione = "
               "Opzioni.CodiceOpzione "
               "WHERE((CollCompOpz.CodiceProdotto = ?) AND (CollCompOpz.CodiceOpzione Like "
               "('N*'))) ORDER BY "
               "CollCompOpz.CodiceOpzione"
            << QVariantList{"4TX-O'40"} << 1 << "Desc" << QVariant("Note one");
        QTest::newRow("accessories, standard supply first")
            << "SELECT DISTINCTROW CollCompOpz.CodiceProdotto, CollCompOpz.CodiceOpzione, "
               "Opzioni.DescrizioneITA AS "
               "[Desc] , CollCompOpz.flStandard FROM CollCompOpz INNER JOIN Opzioni ON "
               "CollCompOpz.CodiceOpzione = "
               "Opzioni.CodiceOpzione WHERE((CollCompOpz.CodiceProdotto = ?) AND "
               "(CollCompOpz.CodiceOpzione Like "
               "('A*'))) ORDER BY CollCompOpz.flstandard , collcompopz.CodiceProdotto "
            << QVariantList{"4TX-O'40"} << 2 << "Desc" << QVariant("Pressostato olio");
        QTest::newRow("pattern as a parameter: an underscore is no wildcard")
            << "SELECT CodiceOpzione FROM Opzioni WHERE CodiceOpzione Like ? ORDER BY CodiceOpzione"
            << QVariantList{"A_*"} << 1 << "CodiceOpzione" << QVariant("A_V");
        QTest::newRow("empty pattern matches nothing")
            << "SELECT CodiceOpzione FROM Opzioni WHERE CodiceOpzione Like ('')" << QVariantList{}
            << 0 << "CodiceOpzione" << QVariant();
        QTest::newRow("labels in physical order") << "select * from Lingue" << QVariantList{} << 5
                                                  << "DescModello" << QVariant("Modello");
    }
    void testiDelleSchermate() {
        QFETCH(QString, sql);
        QFETCH(QVariantList, parametri);
        QFETCH(int, righe);
        QFETCH(QString, colonna);
        QFETCH(QVariant, primo);
        QString errore;
        Istantanea r;
        QVERIFY2(m_cat->interroga(sql, parametri, r, &errore), qPrintable(errore));
        QCOMPARE(r.numeroRighe(), righe);
        if (righe > 0)
            QCOMPARE(r.valore(0, colonna).toString(), primo.toString());
    }

    void erroreSql() {
        QString errore;
        Istantanea r;
        QVERIFY(!m_cat->interroga("select * from NonEsiste", {}, r, &errore));
        QVERIFY(!errore.isEmpty());
        QCOMPARE(r.numeroRighe(), 0);
    }

    void posizioniCollCompGasQry() {
        const Istantanea r = m_cat->interroga(
            "select * from CollCompGasQry where CodiceGas = ? order by Ordinamento", {"R404A"});
        QVERIFY(r.numeroRighe() > 0);
        QCOMPARE(r.colonne.value(1), QString("CodiceProdotto"));
        const QStringList bande{"30", "35", "40", "45", "50", "55", "60", "65", "70"};
        for (int b = 0; b < 9; ++b) {
            QCOMPARE(r.colonne.value(4 + 2 * b), "TEMin" + bande[b]);
            QCOMPARE(r.colonne.value(5 + 2 * b), "TEMax" + bande[b]);
        }
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(r.colonne.value(22 + i), QString("WR%1").arg(i));
            QCOMPARE(r.colonne.value(32 + i), QString("WA%1").arg(i));
            QCOMPARE(r.colonne.value(45 + i), QString("PM%1").arg(i + 1));
        }
        for (const QString nome : {"CodiceGas", "Ordinamento", "MinTC", "MaxTC", "bk8", "WMAX",
                                   "bResaBtu", "bTempFarh", "W1", "W22", "A1", "A22"})
            QVERIFY2(r.indiceColonna(nome) >= 0, qPrintable(nome));
        // positional reads agree with the named ones
        QCOMPARE(r.valore(0, 22), r.valore(0, "WR0"));
        QCOMPARE(r.valore(0, 45), r.valore(0, "PM1"));
        QCOMPARE(r.valore(0, 1).toString(), QString("2TX-10"));
        QCOMPARE(r.valore(0, "bk8").toInt(), 0);
        QCOMPARE(r.valore(3, "bk8").toInt(), -1); // 6TX-60
    }

    void compressoreSenzaMotore() {
        const Istantanea r = m_cat->interroga(
            "select * from CollCompGasQry where CodiceGas = ? order by Ordinamento", {"R404A"});
        QCOMPARE(r.numeroRighe(), 4);
        QCOMPARE(r.testo(1, "CodiceProdotto"), QString("2TX-20"));
        for (int i = 1; i <= 22; ++i) {
            QVERIFY(r.isNull(1, QString("W%1").arg(i)));
            QVERIFY(r.isNull(1, QString("A%1").arg(i)));
        }
        const RigaCompressore c = rigaCompressore(r, 1);
        QVERIFY(!c.W[0] && !c.A[0]);
        QCOMPARE(*c.WR[0], 2000.0);
        // the candidates of the search list it too
        const Istantanea cand = m_cat->candidatiSelezione("R404A", 40);
        QCOMPARE(cand.numeroRighe(), 4);
        QCOMPARE(cand.testo(1, "CodiceProdotto"), QString("2TX-20"));
        QVERIFY(cand.isNull(1, "W1"));
    }

    void candidati() {
        QCOMPARE(Catalogo::testoQueryCandidati(42.5).count("42.5"), 2);
        QVERIFY(Catalogo::testoQueryCandidati(40).contains("MinTC<=40)"));
        QCOMPARE(m_cat->candidatiSelezione("R404A", 75).numeroRighe(), 0); // above MaxTC
        QCOMPARE(m_cat->candidatiSelezione("R448A", 40).numeroRighe(), 0); // no compressors
        const Istantanea r = m_cat->candidatiSelezione("R134a", 40);
        QCOMPARE(r.numeroRighe(), 4);
        QCOMPARE(r.testo(2, "CodiceProdotto"), QString("4TX-O'40"));
        QCOMPARE(r.colonne.value(0), QString("IDCollCompGas"));
        QCOMPARE(r.numero(2, "PM1"), 0.04);
        QCOMPARE(r.numero(0, "A2"), 1.5);
    }

    void nullNelleCelle() {
        const Istantanea gas = m_cat->interroga("select * from Gas");
        const int r22 = 2;
        QCOMPARE(gas.testo(r22, "CodiceGas"), QString("R-22"));
        QVERIFY(gas.isNull(r22, "flAZ"));
        QVERIFY(!gas.vero(r22, "flAZ")); // Null: zeotropic
        QVERIFY(gas.vero(1, "flAZ"));
        QCOMPARE(gas.valore(1, "flAZ").toInt(), -1);
        // an envelope pair left Null counts as 0 where a number is asked for
        const Istantanea r =
            m_cat->interroga("select * from CollCompGas where IDCollCompGas = ?", {4});
        QVERIFY(r.isNull(0, "TEMin45") && r.isNull(0, "TEMax45"));
        QCOMPARE(r.numero(0, "TEMin45"), 0.0);
        QCOMPARE(r.numero(0, "TEMax45"), 0.0);
        const RigaCompressore c = rigaCompressore(r, 0);
        QVERIFY(!c.inviluppo.TEMin[3] && !c.inviluppo.TEMax[3]);
        QCOMPARE(*c.inviluppo.TEMin[2], -30.0);
    }

    void numeroInizialeDelTesto() {
        Istantanea r;
        r.colonne = QStringList{"TEMin30", "TEMax30", "TEMin35", "WR0"};
        r.righe = {{QVariant("-12.5 °C"), QVariant("abc"), QVariant(""), QVariant(" 7")}};
        const RigaCompressore c = rigaCompressore(r, 0);
        QCOMPARE(*c.inviluppo.TEMin[0], -12.5);
        QCOMPARE(*c.inviluppo.TEMax[0], 0.0);
        QCOMPARE(*c.inviluppo.TEMin[1], 0.0);
        QCOMPARE(*c.WR[0], 7.0);
        QVERIFY(!c.inviluppo.TEMax[1] && !c.WR[1]); // columns the snapshot lacks
    }

    void tabelleDiLavoro() {
        // the working tables start empty and are this connection's own
        QCOMPARE(m_cat->interroga("select * from tmpWR").numeroRighe(), 0);
        QString errore;
        QVERIFY2(m_cat->esegui("Delete from tmpWR", {}, &errore), qPrintable(errore));
        for (int te : {-10, -5})
            QVERIFY(m_cat->aggiungiRiga("tmpWR", {{"Tvap", te}}, &errore));
        QVERIFY2(m_cat->esegui("Update TmpWr set Tc40=1234.5 where Tvap=-10", {}, &errore),
                 qPrintable(errore));
        QVERIFY(m_cat->esegui("Update TmpWr set Tc70=1.5e-05 where Tvap=-5"));
        const Istantanea r = m_cat->interroga("select * from tmpWR");
        QCOMPARE(r.colonne, QStringList({"Tvap", "Tc30", "Tc35", "Tc40", "Tc45", "Tc50", "Tc55",
                                         "Tc60", "Tc65", "Tc70"}));
        QCOMPARE(r.numeroRighe(), 2);
        QCOMPARE(r.numero(0, "Tc40"), 1234.5);
        QVERIFY(r.isNull(0, "Tc30"));
        QCOMPARE(r.numero(1, "Tc70"), 1.5e-05);
        for (const QString t : {"tmpWA", "tmpCA", "tmpPM"})
            QVERIFY(m_cat->esisteOggetto(t));
    }

    void queryTemporanea() {
        QString errore;
        QVERIFY2(m_cat->creaQuery("TEMP", "select * from Compressori where CodiceProdotto = ?",
                                  {"4TX-O'40"}, &errore),
                 qPrintable(errore));
        QCOMPARE(m_cat->interroga("select * from TEMP").testo(0, "Serie"), QString("TX4"));
        QVERIFY(m_cat->eliminaQuery("TEMP"));
        QVERIFY(!m_cat->esisteOggetto("TEMP"));
    }

    void catalogoSolaLettura() {
        const QString file = copia(m_dir, SELCOMP_CATALOGO_PROVA, "solalettura.mdb");
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const QByteArray prima = impronta(file);
        {
            QString errore;
            auto cat = Catalogo::apri(file, &errore);
            QVERIFY2(cat, qPrintable(errore));
            for (const QString t : {"tmpWR", "tmpWA", "tmpCA", "tmpPM"}) {
                QVERIFY(cat->esegui("Delete from " + t));
                QVERIFY(cat->aggiungiRiga(t, {{"Tvap", -10}}));
                QVERIFY(cat->esegui(QString("Update %1 set Tc30=5 where Tvap=-10").arg(t)));
            }
            QVERIFY(cat->creaQuery("TEMP", Catalogo::testoQueryCandidati(40), {"R404A"}));
            QCOMPARE(cat->interroga("select * from TEMP").numeroRighe(), 4);
            QVERIFY(cat->eliminaQuery("TEMP"));
            // a second catalogue on the same file has its own scratch objects
            auto altro = Catalogo::apri(file);
            QVERIFY(altro);
            QVERIFY(altro->nomeConnessione() != cat->nomeConnessione());
            QCOMPARE(altro->interroga("select * from tmpWR").numeroRighe(), 0);
            QCOMPARE(cat->interroga("select * from tmpWR").numeroRighe(), 1);
        }
        QCOMPARE(impronta(file), prima);
        QVERIFY(!QFile::exists(file + "-journal"));
        QVERIFY(!QFile::exists(file + "-wal"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogo)
#include "TestCatalogo.moc"
