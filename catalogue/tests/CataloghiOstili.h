#pragma once
// Hostile catalogues, made at test time from the demo catalogue (or the Jet test file)
// by a few SQL statements or a cut: shared by the catalogue tests and the start-up tests.

#include "catalogue/tests/Supporto.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <vector>

struct CatalogoOstile {
    QString nome;
    // What apri() must say (a fragment of its message); empty: the file opens and the
    // screens have to cope with what is inside.
    QString erroreApertura;
    // Builds the file in `cartella`; returns its path, or empty with the reason when it
    // cannot (see SENZA_FILE_OSTILE).
    std::function<QString(const QDir& cartella, QString& motivo)> crea;
};

inline QByteArray improntaFile(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("(unreadable)");
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex();
}

// The demo catalogue beside the programs, as the build writes it.
inline QString catalogoDemo() {
    return QStringLiteral(SELCOMP_RUNTIME_DIR "/zodirara.mdb");
}
inline QString catalogoJetProva() {
    return QStringLiteral(SELCOMP_SHARED_DIR "/testdata/jet/catalogo.mdb");
}

// A case whose file could not be made fails, unless what is missing is the Jet test file
// from ../shared on a developer's machine.
#define SENZA_FILE_OSTILE(motivo)                                                                  \
    do {                                                                                           \
        if ((motivo).contains(catalogoJetProva()))                                                 \
            RICHIEDI_DATI_CONDIVISI(catalogoJetProva());                                           \
        QFAIL(qPrintable(motivo));                                                                 \
    } while (0)

// A copy of the demo catalogue with `istruzioni` applied; `nome` is the file name.
inline QString demoModificato(const QDir& cartella, const QString& nome,
                              const QStringList& istruzioni, QString& motivo) {
    const QString file = cartella.filePath(nome);
    QFile::remove(file);
    if (!QFile::copy(catalogoDemo(), file)) {
        motivo = "no demo catalogue at " + catalogoDemo();
        return {};
    }
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    const QString conn = "ostile-" + nome;
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", conn);
        db.setDatabaseName(file);
        ok = db.open();
        for (const QString& s : istruzioni) {
            if (!ok)
                break;
            QSqlQuery q(db);
            if (!q.exec(s)) {
                motivo = s + ": " + q.lastError().text();
                ok = false;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(conn);
    return ok ? file : QString();
}

// The first `byte` bytes of `sorgente` as `nome`.
inline QString troncato(const QDir& cartella, const QString& sorgente, const QString& nome,
                        qint64 byte, QString& motivo) {
    QFile s(sorgente);
    if (!s.open(QIODevice::ReadOnly)) {
        motivo = "no file " + sorgente;
        return {};
    }
    const QString file = cartella.filePath(nome);
    QFile d(file);
    if (!d.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    d.write(s.read(byte));
    return file;
}

// The Jet test file with three bytes changed (found by fuzzing the import, then reduced):
// a table definition whose index entries lead libmdb's index reader off its buffers.
inline QString jetIndiciRotti(const QDir& cartella, QString& motivo) {
    QFile s(catalogoJetProva());
    if (!s.open(QIODevice::ReadOnly)) {
        motivo = "no file " + catalogoJetProva();
        return {};
    }
    QByteArray d = s.readAll();
    const struct {
        int posizione;
        char prima, dopo;
    } cambi[] = {{8394, 19, 114}, {20533, 0, 3}, {20534, 0, 6}};
    for (const auto& c : cambi) {
        if (d.size() <= c.posizione || d[c.posizione] != c.prima) {
            motivo = "the Jet test file is not the expected one";
            return {};
        }
        d[c.posizione] = c.dopo;
    }
    const QString file = cartella.filePath("indici_rotti.mdb");
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    f.write(d);
    return file;
}

// A damaged copy of the Jet test file (found by fuzzing the import) whose rows claim more
// columns than any table has: pieces of the original and a few literal bytes, in order.
inline QString jetRigheFuoriMisura(const QDir& cartella, QString& motivo) {
    QFile s(catalogoJetProva());
    if (!s.open(QIODevice::ReadOnly)) {
        motivo = "no file " + catalogoJetProva();
        return {};
    }
    const QByteArray o = s.readAll();
    struct Pezzo {
        int da, lunghezza;
        QByteArray letterale;
    };
    const Pezzo pezzi[] = {
        {0, 23452, {}},
        {26884, 345, {}},
        {159, 779, {}},
        {0, 0, QByteArray::fromHex("0101590700000000000000001f00bb0f760f32")},
        {24595, 86565, {}},
        {8137, 55, {}},
        {8137, 55, {}},
        {9240, 2517, {}},
        {113675, 21765, {}},
        {24651, 1888, {}},
        {159, 1936, {}},
        {139264, 4114, {}},
        {0, 0, QByteArray::fromHex("32")},
        {4113, 3871, {}},
        {147250, 19803, {}},
        {237490, 7034, {}},
        {159, 3264, {}},
        {27436, 68, {}},
        {0, 0, QByteArray::fromHex("00")},
    };
    QByteArray d;
    for (const Pezzo& p : pezzi)
        d += p.lunghezza ? o.mid(p.da, p.lunghezza) : p.letterale;
    const QString file = cartella.filePath("righe_fuori_misura.mdb");
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    f.write(d);
    return file;
}

inline std::vector<CatalogoOstile> cataloghiOstili() {
    const auto demo = [](QString nome, QStringList istruzioni) {
        return [nome, istruzioni](const QDir& c, QString& m) {
            return demoModificato(c, nome, istruzioni, m);
        };
    };
    return {
        {"tabella mancante", "mancano le tabelle Gas",
         demo("senza_gas.sqlite", {"DROP TABLE Gas"})},
        {"colonna mancante",
         {},
         demo("senza_colonna.sqlite", {"ALTER TABLE Gas DROP COLUMN TUEStd",
                                       "ALTER TABLE Compressori DROP COLUMN Alesaggio"})},
        {"testo in una colonna di numeri",
         {},
         demo("testo_numeri.sqlite",
              {"UPDATE Gas SET TUEStd = 'freddo', DTsurEvapSTD = 'x'",
               "UPDATE CollCompGas SET WR0 = 'abc', MinTC = 'basso', MaxTC = '1e999'",
               "UPDATE Compressori SET VolumeSpostato50hz = 'molto'"})},
        {"Null dove serve un numero",
         {},
         demo("null_numeri.sqlite",
              {"UPDATE Gas SET TUEStd = NULL, CAPTEMIN = NULL, CAPTCMAX = NULL",
               "UPDATE CollCompGas SET WR0 = NULL, WA0 = NULL, MinTC = NULL, MaxTC = NULL",
               "UPDATE Compressori SET VolumeSpostato50hz = NULL, Cilindri = NULL"})},
        {"Lingue vuota", {}, demo("lingue_vuota.sqlite", {"DELETE FROM Lingue"})},
        {"Lingue corta",
         {},
         demo("lingue_corta.sqlite", {"DELETE FROM Lingue WHERE rowid NOT IN (SELECT rowid FROM "
                                      "Lingue ORDER BY rowid LIMIT 2)"})},
        {"codici doppi",
         {},
         demo("codici_doppi.sqlite",
              {"CREATE TABLE c2 AS SELECT * FROM Compressori",
               "INSERT INTO c2 SELECT * FROM Compressori", "DROP TABLE Compressori",
               "ALTER TABLE c2 RENAME TO Compressori",
               "INSERT INTO CollCompGas (CodiceProdotto, CodiceGas) SELECT CodiceProdotto, "
               "CodiceGas "
               "FROM CollCompGas"})},
        {"SQLite troncato", "danneggiato o incompleto",
         [](const QDir& c, QString& m) {
             return troncato(c, catalogoDemo(), "troncato.sqlite",
                             QFileInfo(catalogoDemo()).size() / 2, m);
         }},
        {"Jet troncato", "danneggiato o incompleto",
         [](const QDir& c, QString& m) {
             return troncato(c, catalogoJetProva(), "troncato.mdb", 64 * 1024, m);
         }},
        {"Jet che fa cadere libmdb", "la lettura del file si è interrotta",
         [](const QDir& c, QString& m) { return jetIndiciRotti(c, m); }},
        {"una cartella", "una cartella",
         [](const QDir& c, QString&) {
             c.mkpath("cartella.mdb");
             return c.filePath("cartella.mdb");
         }},
    };
}
