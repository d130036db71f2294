#include "catalogue/Catalogo.h"
#include "dati/ComboDati.h"
#include "dati/EtichettaDati.h"
#include "dati/SorgenteDati.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A catalogue with just the tables the controls read: three refrigerants, one with Null
// columns, and two label rows.
bool scriviCatalogo(const QString& file) {
    const QString nome = QStringLiteral("crea-catalogo-prova");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", nome);
        db.setDatabaseName(file);
        ok = db.open();
        QSqlQuery q(db);
        for (const char* sql : {
                 "create table Compressori (CodiceProdotto text, Ordinamento integer)",
                 "create table CollCompGas (IDCollCompGas integer, CodiceProdotto text, "
                 "CodiceGas text)",
                 "create table Gas (CodiceGas text, NomeDis text, TUEStd real, flAZ integer)",
                 "create table Lingue (DescModello text, DescGas text)",
                 "insert into Gas values ('R134a', 'r134a.bmp', 20, -1)",
                 "insert into Gas values ('R404A', 'r404a.bmp', -10.5, 0)",
                 "insert into Gas values ('R407C', null, null, null)",
                 "insert into Lingue values ('Modello', 'Gas')",
                 "insert into Lingue values ('Model', 'Refrigerant')",
             })
            ok = ok && q.exec(QString::fromLatin1(sql));
    }
    QSqlDatabase::removeDatabase(nome);
    return ok;
}

// Both combo events in the order they came, as "T:<text>" and "S:<text>".
struct Registro {
    QStringList eventi;
    explicit Registro(ComboDati& c) {
        QObject::connect(&c, &ComboDati::testoCambiato,
                         [this](const QString& t) { eventi << "T:" + t; });
        QObject::connect(&c, &ComboDati::sceltaElenco,
                         [this](const QString& t) { eventi << "S:" + t; });
    }
};

QStringList voci(const QComboBox& c) {
    QStringList v;
    for (int i = 0; i < c.count(); ++i)
        v << c.itemText(i);
    return v;
}
} // namespace

class TestControlliDati : public QObject {
    Q_OBJECT
    QTemporaryDir cartella;
    std::unique_ptr<Catalogo> catalogo;
    std::unique_ptr<SorgenteDati> gas;

    // Clicks the entry `riga` in the open drop-down list.
    static void clicNellElenco(ComboDati& combo, int riga) {
        combo.showPopup();
        QAbstractItemView* vista = combo.view();
        QVERIFY(QTest::qWaitForWindowExposed(vista->window()));
        const QRect r = vista->visualRect(vista->model()->index(riga, 0));
        QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, r.center());
        QTRY_VERIFY(!vista->window()->isVisible());
    }

private slots:
    void initTestCase() {
        QVERIFY(cartella.isValid());
        const QString file = cartella.filePath("prova.sqlite");
        QVERIFY(scriviCatalogo(file));
        QString errore;
        catalogo = Catalogo::apri(file, &errore);
        QVERIFY2(catalogo, qPrintable(errore));
    }
    void init() {
        gas = std::make_unique<SorgenteDati>();
        gas->impostaCatalogo(catalogo.get());
        gas->impostaOrigineRecord("select * from Gas");
        QVERIFY(gas->aggiorna());
    }

    void elencoDiUnaColonna() {
        ComboDati perNome, perPosizione;
        perNome.collega(gas.get(), "codicegas");
        perPosizione.collega(gas.get(), 1);
        QCOMPARE(voci(perNome), QStringList({"R134a", "R404A", "R407C"}));
        QCOMPARE(voci(perPosizione), QStringList({"r134a.bmp", "r404a.bmp", ""}));
    }

    // A requery rereads the list but leaves the text alone and raises nothing.
    void rilettoAdOgniAggiornamento() {
        ComboDati combo;
        combo.collega(gas.get(), "CodiceGas");
        combo.impostaTesto("R404A");
        Registro registro(combo);
        gas->impostaOrigineRecord("select * from Gas where CodiceGas <> ?", {"R134a"});
        QVERIFY(gas->aggiorna());
        QCOMPARE(voci(combo), QStringList({"R404A", "R407C"}));
        QCOMPARE(combo.testo(), QString("R404A"));
        QCOMPARE(combo.currentIndex(), 0);
        QCOMPARE(registro.eventi, QStringList());
    }

    void numeriNelLocaleDelControllo() {
        ComboDati combo;
        combo.setLocale(QLocale("it_IT"));
        combo.collega(gas.get(), "TUEStd");
        QCOMPARE(voci(combo), QStringList({"20", "-10,5", ""}));
    }

    // Typing -10-like text key by key: one change per key, never a list pick.
    void testoDigitatoSoloCambi() {
        ComboDati combo;
        combo.collega(gas.get(), "CodiceGas");
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        Registro registro(combo);
        QTest::keyClicks(&combo, "R4");
        QCOMPARE(registro.eventi, QStringList({"T:R", "T:R4"}));
        QTest::keyClick(&combo, Qt::Key_Backspace);
        QCOMPARE(registro.eventi.last(), QString("T:R"));
        QCOMPARE(combo.testo(), QString("R")); // no completion took over the text
        QCOMPARE(combo.count(), 3);            // nor did Enter add an entry
        QTest::keyClick(&combo, Qt::Key_Return);
        QCOMPARE(combo.count(), 3);
    }

    void clicNellElencoCambiaPoiSceglie() {
        ComboDati combo;
        combo.collega(gas.get(), "CodiceGas");
        combo.impostaTesto("R134a");
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        Registro registro(combo);
        clicNellElenco(combo, 2);
        QCOMPARE(registro.eventi, QStringList({"T:R407C", "S:R407C"}));
        QCOMPARE(combo.testo(), QString("R407C"));
    }

    // Picking the entry already shown is a pick without a change.
    void clicSullaStessaVoce() {
        ComboDati combo;
        combo.collega(gas.get(), "CodiceGas");
        combo.impostaTesto("R404A");
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        Registro registro(combo);
        clicNellElenco(combo, 1);
        QCOMPARE(registro.eventi, QStringList({"S:R404A"}));
    }

    void frecciaSulComboChiusoSceglie() {
        ComboDati combo;
        combo.collega(gas.get(), "CodiceGas");
        combo.impostaTesto("R134a");
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        Registro registro(combo);
        QTest::keyClick(&combo, Qt::Key_Down);
        QCOMPARE(registro.eventi, QStringList({"T:R404A", "S:R404A"}));
    }

    void testoImpostatoDalProgramma() {
        ComboDati combo;
        combo.collega(gas.get(), "CodiceGas");
        Registro registro(combo);
        combo.impostaTesto("R404A");
        combo.impostaTesto("R404A"); // unchanged: no event
        combo.impostaTesto("R999");  // not in the list: still a change
        QCOMPARE(registro.eventi, QStringList({"T:R404A", "T:R999"}));
        QCOMPARE(combo.testo(), QString("R999"));
        QCOMPARE(combo.count(), 3);
    }

    // The host hands the arrow keys to the combo while it has focus; its own drop-down
    // must not count as focus leaving.
    void fuocoEntraEEsce() {
        QWidget finestra;
        auto* campo = new QLineEdit(&finestra);
        auto* combo = new ComboDati(&finestra);
        combo->move(0, 40);
        combo->collega(gas.get(), "CodiceGas");
        finestra.show();
        QApplication::setActiveWindow(&finestra);
        QVERIFY(QTest::qWaitForWindowActive(&finestra));
        campo->setFocus();
        QSignalSpy entrato(combo, &ComboDati::fuocoEntrato), uscito(combo, &ComboDati::fuocoUscito);
        QTest::keyClick(campo, Qt::Key_Tab);
        QTRY_COMPARE(entrato.count(), 1);
        clicNellElenco(*combo, 1);
        QTRY_VERIFY(combo->hasFocus());
        QCOMPARE(uscito.count(), 0);
        QCOMPARE(entrato.count(), 1);
        QTest::keyClick(combo, Qt::Key_Backtab);
        QTRY_COMPARE(uscito.count(), 1);
        QVERIFY(campo->hasFocus());
    }

    void etichettaSegueLaRigaCorrente() {
        EtichettaDati nome(gas.get(), "nomedis");
        QCOMPARE(nome.text(), QString("r134a.bmp"));
        gas->muoviSuccessivo();
        QCOMPARE(nome.text(), QString("r404a.bmp"));
        gas->muoviSuccessivo(); // Null
        QCOMPARE(nome.text(), QString());
        gas->muoviUltimo();
        gas->muoviSuccessivo(); // past the last row
        QVERIFY(gas->eof());
        QCOMPARE(nome.text(), QString());
        gas->trovaPrimo("CodiceGas ='R404A'");
        QCOMPARE(nome.text(), QString("r404a.bmp"));
    }

    void etichettaSegueLAggiornamento() {
        gas->muoviUltimo();
        EtichettaDati codice(gas.get(), "CodiceGas");
        QCOMPARE(codice.text(), QString("R407C"));
        gas->impostaOrigineRecord("select * from Gas where CodiceGas = ?", {"R404A"});
        QVERIFY(gas->aggiorna());
        QCOMPARE(codice.text(), QString("R404A"));
        gas->impostaOrigineRecord("select * from Gas where CodiceGas = ?", {"nessuno"});
        QVERIFY(gas->aggiorna());
        QCOMPARE(codice.text(), QString());
    }

    void etichettaNumerica_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("schema");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("default text, Italian") << QLocale("it_IT") << ""
                                               << "-10,5";
        QTest::newRow("default text, English") << QLocale("en_US") << ""
                                               << "-10.5";
        QTest::newRow("picture, Italian") << QLocale("it_IT") << "00.0"
                                          << "-10,5";
        QTest::newRow("picture, English") << QLocale("en_US") << "#,##0.00"
                                          << "-10.50";
    }
    void etichettaNumerica() {
        QFETCH(QLocale, locale);
        QFETCH(QString, schema);
        QFETCH(QString, atteso);
        gas->trovaPrimo("CodiceGas ='R404A'");
        EtichettaDati t0;
        t0.setLocale(locale);
        t0.impostaSchema(schema);
        t0.collega(gas.get(), "TUEStd");
        QCOMPARE(t0.text(), atteso);
    }

    // Labels bound to the label table show the current language's row.
    void etichettaDellaTabellaLingue() {
        SorgenteDati lingue;
        lingue.impostaCatalogo(catalogo.get());
        lingue.impostaOrigineRecord("select * from Lingue");
        QVERIFY(lingue.aggiorna());
        EtichettaDati modello(&lingue, "DescModello");
        QCOMPARE(modello.text(), QString("Modello"));
        lingue.muoviPrimo();
        lingue.muoviSuccessivo();
        QCOMPARE(modello.text(), QString("Model"));
    }

    // A source destroyed before its controls leaves them empty, not dangling.
    void sorgenteDistruttaPrima() {
        auto breve = std::make_unique<SorgenteDati>();
        breve->impostaCatalogo(catalogo.get());
        breve->impostaOrigineRecord("select * from Gas");
        QVERIFY(breve->aggiorna());
        ComboDati combo;
        combo.collega(breve.get(), "CodiceGas");
        EtichettaDati etichetta(breve.get(), "CodiceGas");
        breve.reset();
        combo.ricaricaElenco();
        etichetta.aggiornaTesto();
        QCOMPARE(combo.count(), 0);
        QCOMPARE(etichetta.text(), QString());
    }
};

QTEST_MAIN(TestControlliDati)
#include "TestControlliDati.moc"
