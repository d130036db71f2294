// A legacy Jet catalogue comes through the import with every value of the fixture's
// expected.json: types, Nulls, booleans, accented and non-Latin-1 texts, row order.

#include "catalogue/Catalogo.h"
#include "catalogue/tests/Supporto.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>

#include <clocale>
#include <cmath>

namespace {
const QString CartellaJet = QStringLiteral(SELCOMP_SHARED_DIR "/testdata/jet");
}

class TestImportaJet : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QJsonObject m_atteso;

    QString fixture() const { return CartellaJet + "/catalogo.mdb"; }

    // Compares one cell with its expected JSON value.
    static bool uguale(const QVariant& v, const QJsonValue& j, QString& perche) {
        if (j.isNull()) {
            perche = QString("expected Null, got %1").arg(v.toString());
            return v.isNull();
        }
        if (v.isNull()) {
            perche = "got Null";
            return false;
        }
        if (j.isBool()) {
            perche = QString("boolean %1").arg(v.toString());
            return v.toLongLong() == (j.toBool() ? -1 : 0);
        }
        if (j.isDouble()) {
            const double a = v.toDouble(), e = j.toDouble();
            perche = QString("number %1, expected %2").arg(a, 0, 'g', 17).arg(e, 0, 'g', 17);
            return std::abs(a - e) <= 1e-12 * std::max(1.0, std::abs(e));
        }
        perche = QString("text \"%1\", expected \"%2\"").arg(v.toString(), j.toString());
        return v.toString() == j.toString();
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        RICHIEDI_DATI_CONDIVISI(fixture());
        QFile f(CartellaJet + "/expected.json");
        QVERIFY(f.open(QIODevice::ReadOnly));
        m_atteso = QJsonDocument::fromJson(f.readAll()).object();
        QVERIFY(!m_atteso.isEmpty());
        // Qt programs run under the user's locale: libmdb must not print "13,2" there
        std::setlocale(LC_ALL, "it_IT.UTF-8");
        // start from an empty per-user cache
        QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    }

    void valoriAttesi() {
        QString errore;
        auto cat = Catalogo::apri(fixture(), &errore);
        QVERIFY2(cat, qPrintable(errore));
        QCOMPARE(cat->formato(), Catalogo::Formato::Jet);
        const QJsonObject tabelle = m_atteso["tables"].toObject();
        QVERIFY(tabelle.size() >= 11);
        for (auto it = tabelle.begin(); it != tabelle.end(); ++it) {
            const QJsonObject t = it.value().toObject();
            Istantanea r;
            // main.: the file's own tables (the program's working tables shadow tmpWR & co.)
            QVERIFY2(cat->interroga("select * from main.[" + it.key() + "]", {}, r, &errore),
                     qPrintable(errore));
            QCOMPARE(r.numeroRighe(), t["rows"].toInt());
            QStringList colonne;
            for (const auto& c : t["columns"].toArray())
                colonne << c.toString();
            QCOMPARE(r.colonne, colonne);
            const QJsonArray ordine = t["physical_order"].toArray();
            for (int i = 0; i < ordine.size(); ++i)
                QCOMPARE(r.valore(i, 0).toString(), ordine[i].toString());
            for (const auto& campione : t["samples"].toArray()) {
                const QJsonObject s = campione.toObject();
                const int riga = s["row"].toInt();
                const QJsonObject valori = s["values"].toObject();
                for (auto v = valori.begin(); v != valori.end(); ++v) {
                    QString perche;
                    QVERIFY2(uguale(r.valore(riga, v.key()), v.value(), perche),
                             qPrintable(QString("%1 row %2 %3: %4")
                                            .arg(it.key())
                                            .arg(riga)
                                            .arg(v.key(), perche)));
                }
            }
        }
    }

    void tipiEChiavi() {
        auto cat = Catalogo::apri(fixture());
        QVERIFY(cat);
        const Istantanea c =
            cat->interroga("select * from CollCompGas where IDCollCompGas = ?", {8});
        QCOMPARE(c.valore(0, "IDCollCompGas").typeId(), QMetaType::LongLong);
        QCOMPARE(c.valore(0, "WMAX").typeId(), QMetaType::LongLong);
        QCOMPARE(c.valore(0, "WR0").typeId(), QMetaType::Double);
        QCOMPARE(c.testo(0, "CodiceProdotto"), QString("4DX-O'300"));
        // doubles keep their stored bits
        const Istantanea comp =
            cat->interroga("select * from Compressori where CodiceProdotto = ?", {"2DX-100"});
        QVERIFY(comp.numero(0, "VolumeSpostato50hz") == 4.52);
        QVERIFY(comp.numero(0, "VolumeSpostato60hz") == 5.42);
        QVERIFY(c.isNull(0, "TEMin30") && c.isNull(0, "TEMax70"));
        // the joined view is built for the imported file, and codes compare in any case
        const Istantanea q = cat->interroga(
            "select * from CollCompGasQry where CodiceGas = ? order by Ordinamento", {"r404a"});
        QVERIFY(q.numeroRighe() > 0);
        QCOMPARE(q.colonne.value(1), QString("CodiceProdotto"));
        QCOMPARE(q.testo(0, "CodiceProdotto"), QString("2DX-100"));
        const Istantanea senzaMotore =
            cat->interroga("select * from CollCompGasQry where CodiceProdotto = ?", {"4DX-400"});
        QVERIFY(senzaMotore.numeroRighe() > 0);
        QVERIFY(senzaMotore.isNull(0, "W1"));
        // the file's leftover working rows stay in the file; the program's tables start empty
        QCOMPARE(cat->interroga("select * from tmpWR").numeroRighe(), 0);
        // Lingue: Null and zero-length labels
        const Istantanea l = cat->interroga("select * from Lingue");
        QVERIFY(l.isNull(3, "CompPrec"));
        QCOMPARE(l.testo(4, "DescCalc15"), QString());
        QCOMPARE(l.testo(0, "Err6"),
                 QString("Nessun compressore trovato.\r\nModificare le condizioni."));
    }

    void copiaRiusataEFileIntatto() {
        const QString file = copia(m_dir, fixture(), "vecchio.mdb");
        QFile::setPermissions(file, QFile::ReadOwner);
        const QByteArray prima = impronta(file);
        {
            auto a = Catalogo::apri(file);
            QVERIFY(a);
            QVERIFY(a->esegui("Delete from tmpWR"));
            QVERIFY(a->aggiungiRiga("tmpWR", {{"Tvap", 0}}));
            auto b = Catalogo::apri(file); // from the cache this time
            QVERIFY(b);
            QCOMPARE(b->interroga("select * from Compressori").numeroRighe(), 6);
            QCOMPARE(b->interroga("select * from tmpWR").numeroRighe(), 0);
        }
        QCOMPARE(impronta(file), prima);
        // a copy damaged on disk is imported again
        const QDir cache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                         "/cataloghi");
        const QStringList copie = cache.entryList(QDir::Files);
        QVERIFY(!copie.isEmpty());
        for (const auto& c : copie) {
            QFile f(cache.filePath(c));
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.resize(f.size() / 3);
        }
        QString errore;
        auto c = Catalogo::apri(file, &errore);
        QVERIFY2(c, qPrintable(errore));
        QCOMPARE(c->interroga("select * from Compressori").numeroRighe(), 6);
    }

    void copiaTroncata() {
        QFile sorgente(fixture());
        QVERIFY(sorgente.open(QIODevice::ReadOnly));
        for (const qint64 lunghezza : {qint64(100), qint64(4096), sorgente.size() / 2}) {
            const QString file = m_dir.filePath(QString("troncato-%1.mdb").arg(lunghezza));
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            sorgente.seek(0);
            f.write(sorgente.read(lunghezza));
            f.close();
            QString errore;
            auto cat = Catalogo::apri(file, &errore);
            QVERIFY2(!cat, qPrintable(QString("opened a copy of %1 bytes").arg(lunghezza)));
            QVERIFY2(errore.contains(QDir::toNativeSeparators(file)), qPrintable(errore));
        }
    }
};

QTEST_GUILESS_MAIN(TestImportaJet)
#include "TestImportaJet.moc"
