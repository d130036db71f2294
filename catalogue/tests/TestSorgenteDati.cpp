// The screens' data source and the label lookup on the test catalogue.

#include "catalogue/Catalogo.h"
#include "catalogue/CreaCatalogo.h"
#include "dati/SorgenteDati.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestSorgenteDati : public QObject {
    Q_OBJECT
    std::unique_ptr<Catalogo> m_cat;
    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        QString errore;
        m_cat = Catalogo::apri(SELCOMP_CATALOGO_PROVA, &errore);
        QVERIFY2(m_cat, qPrintable(errore));
    }

    void movimenti() {
        SorgenteDati s;
        s.impostaCatalogo(m_cat.get());
        s.impostaOrigineRecord("select * from Gas");
        QSignalSpy spy(&s, &SorgenteDati::riposizionato);
        QVERIFY(s.aggiorna());
        QCOMPARE(s.numeroRecord(), 4);
        QCOMPARE(s.posizione(), 0);
        QVERIFY(!s.bof() && !s.eof());
        QCOMPARE(s.testo(0), QString("R404A"));
        QCOMPARE(spy.count(), 1);
        s.muoviPrecedente();
        QVERIFY(s.bof() && !s.eof());
        QVERIFY(s.isNull("CodiceGas"));
        s.muoviPrecedente(); // stays before the first row
        QVERIFY(s.bof());
        s.muoviSuccessivo();
        QCOMPARE(s.testo("codicegas"), QString("R404A"));
        s.muoviUltimo();
        QCOMPARE(s.testo("CodiceGas"), QString("R448A"));
        s.muoviSuccessivo();
        QVERIFY(s.eof() && !s.bof());
        s.muoviSuccessivo();
        QVERIFY(s.eof());
        s.muoviPrimo();
        QCOMPARE(s.posizione(), 0);
        QCOMPARE(spy.count(), 8);
    }

    void vuota() {
        SorgenteDati s;
        s.impostaCatalogo(m_cat.get());
        s.impostaOrigineRecord("select * from CollCompGas where CodiceGas = ?", {"R448A"});
        QVERIFY(s.aggiorna());
        QCOMPARE(s.numeroRecord(), 0);
        QVERIFY(s.bof() && s.eof());
        s.muoviPrimo();
        s.muoviUltimo();
        QVERIFY(s.bof() && s.eof());
        QVERIFY(!s.valore(0).isValid() || s.valore(0).isNull());
    }

    void trovaPrimo_data() {
        QTest::addColumn<QString>("criterio");
        QTest::addColumn<bool>("trovato");
        QTest::addColumn<QString>("codice");
        QTest::newRow("no blank after =") << "CodiceProdotto ='2TX-20'" << true << "2TX-20";
        QTest::newRow("blanks around =") << "CodiceProdotto = '6TX-60'" << true << "6TX-60";
        QTest::newRow("apostrophe inside the code")
            << "CodiceProdotto ='4TX-O'40'" << true << "4TX-O'40";
        QTest::newRow("any case") << "codiceprodotto ='2tx-20'" << true << "2TX-20";
        QTest::newRow("number") << "Ordinamento =60" << true << "6TX-60";
        QTest::newRow("not found keeps the row") << "CodiceProdotto ='9ZZ'" << false << "2TX-10";
        QTest::newRow("unknown column") << "Nessuna ='x'" << false << "2TX-10";
        QTest::newRow("other form refused") << "CodiceProdotto Like '2*'" << false << "2TX-10";
    }
    void trovaPrimo() {
        QFETCH(QString, criterio);
        QFETCH(bool, trovato);
        QFETCH(QString, codice);
        SorgenteDati s;
        s.impostaCatalogo(m_cat.get());
        s.impostaOrigineRecord(
            "select * , Opzioni.DescrizioneITA as desc1, Ordinamento  FROM Compressori LEFT JOIN "
            "Opzioni ON Compressori.TensioneStd = Opzioni.CodiceOpzione order by Ordinamento");
        QVERIFY(s.aggiorna());
        QCOMPARE(s.trovaPrimo(criterio), trovato);
        QCOMPARE(s.nessunaCorrispondenza(), !trovato);
        QCOMPARE(s.testo("CodiceProdotto"), codice);
    }

    void trovaNumeroIntero() {
        SorgenteDati s;
        s.impostaCatalogo(m_cat.get());
        s.impostaOrigineRecord("CollCompGas");
        QVERIFY(s.aggiorna());
        QVERIFY(s.trovaPrimo("IDCollCompGas =4"));
        QCOMPARE(s.posizione(), 3);
        QVERIFY(s.isNull("TEMin45"));
        QCOMPARE(s.numero("TEMin45"), 0.0);
    }

    void tabellaDiLavoro() {
        SorgenteDati s;
        s.impostaCatalogo(m_cat.get());
        s.impostaOrigineRecord("tmpPM");
        QVERIFY(s.aggiorna());
        QCOMPARE(s.numeroRecord(), 0);
        QVERIFY(s.aggiungiRiga({{"Tvap", -20}}));
        QVERIFY(s.aggiungiRiga({{"Tvap", -15}}));
        QVERIFY(s.aggiorna());
        QCOMPARE(s.numeroRecord(), 2);
        QCOMPARE(s.numero("Tvap"), -20.0);
        QVERIFY(s.isNull("Tc30"));
        QCOMPARE(s.nomiColonne().size(), 10);
        SorgenteDati q;
        q.impostaCatalogo(m_cat.get());
        q.impostaOrigineRecord("select * from Gas");
        QVERIFY(!q.aggiungiRiga({{"CodiceGas", "X"}})); // only table sources take new rows
    }

    void nomeDatabase() {
        SorgenteDati s;
        s.impostaNomeDatabase(SELCOMP_CATALOGO_PROVA);
        s.impostaOrigineRecord("select * from Lingue");
        QVERIFY(s.aggiorna());
        QCOMPARE(s.numeroRecord(), 5);
        SorgenteDati rotta;
        rotta.impostaNomeDatabase(m_dir.filePath("manca.mdb"));
        rotta.impostaOrigineRecord("Gas");
        QVERIFY(!rotta.aggiorna());
        QVERIFY(rotta.ultimoErrore().contains("manca.mdb"));
        QVERIFY(rotta.eof() && rotta.bof());
        SorgenteDati senza;
        QVERIFY(!senza.aggiorna());
    }

    void etichette() {
        EtichetteLingua it, de, fuori;
        QVERIFY(it.carica(m_cat.get(), 0));
        QVERIFY(de.carica(m_cat.get(), 3));
        QCOMPARE(it["DescModello"], QString("Modello"));
        QCOMPARE(de["descmodello"], QString("Modell"));
        QCOMPARE(de["CompPrec"], QString()); // Null label
        QCOMPARE(de["NonEsiste"], QString());
        QCOMPARE(it.etichetta(6), QString("Volume Spostato")); // list headers by position
        QVERIFY(!fuori.carica(m_cat.get(), 5));
        QCOMPARE(fuori["DescModello"], QString());
        // the same row through a data source moved first, then forward
        SorgenteDati s;
        s.impostaCatalogo(m_cat.get());
        s.impostaOrigineRecord("select * from Lingue");
        s.aggiorna();
        s.muoviPrimo();
        for (int i = 0; i < 2; ++i)
            s.muoviSuccessivo();
        QCOMPARE(EtichetteLingua::daSorgente(s)["DescModello"], QString("Modèle"));
    }

    // The row order decides the languages: swapping two rows swaps their labels.
    void righeScambiate() {
        QFile sql(m_dir.filePath("scambio.sql"));
        QVERIFY(sql.open(QIODevice::WriteOnly));
        sql.write(
            "CREATE TABLE Compressori (CodiceProdotto TEXT); CREATE TABLE CollCompGas "
            "(CodiceProdotto TEXT, "
            "CodiceGas TEXT); CREATE TABLE Gas (CodiceGas TEXT);"
            "CREATE TABLE Lingue (IDLingua INTEGER, DescModello TEXT);"
            "INSERT INTO Lingue VALUES (2, 'Model'); INSERT INTO Lingue VALUES (1, 'Modello');"
            "INSERT INTO Lingue VALUES (3, 'Modèle');");
        sql.close();
        const QString file = m_dir.filePath("scambio.mdb");
        QString errore;
        QVERIFY2(creaCatalogoDaSql(file, {sql.fileName()}, &errore), qPrintable(errore));
        auto cat = Catalogo::apri(file, &errore);
        QVERIFY2(cat, qPrintable(errore));
        EtichetteLingua zero, uno;
        QVERIFY(zero.carica(cat.get(), 0));
        QVERIFY(uno.carica(cat.get(), 1));
        QCOMPARE(zero["DescModello"], QString("Model"));
        QCOMPARE(uno["DescModello"], QString("Modello"));
    }
};

QTEST_GUILESS_MAIN(TestSorgenteDati)
#include "TestSorgenteDati.moc"
