#include "catalogue/Catalogo.h"

#include "catalogue/DialettoSql.h"
#include "catalogue/ImportaJet.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace {

const QStringList TabelleRichieste = {"Compressori", "CollCompGas", "Gas", "Lingue"};
const QStringList TabelleLavoro = {"tmpWR", "tmpWA", "tmpCA", "tmpPM"};
const QStringList BandeTc = {"30", "35", "40", "45", "50", "55", "60", "65", "70"};

QString nomeSql(const QString& nome) {
    return u'"' + QString(nome).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString literaleSql(const QVariant& v) {
    if (v.isNull())
        return QStringLiteral("NULL");
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(v.toDouble(), 'g', 17);
    default:
        return u'\'' + v.toString().replace(u'\'', QStringLiteral("''")) + u'\'';
    }
}

// Booleans go in as Jet stores them.
QVariant valoreLegato(const QVariant& v) {
    if (!v.isNull() && v.typeId() == QMetaType::Bool)
        return QVariant(qlonglong(v.toBool() ? -1 : 0));
    return v;
}

QString testoErroreApertura(const QString& percorso, const QString& motivo) {
    return QStringLiteral("Impossibile aprire il catalogo \"%1\": %2.")
        .arg(QDir::toNativeSeparators(percorso), motivo);
}

// Where the SQLite copy of a Jet file is kept: one file per source file, its size and
// its modification time, so a changed file is imported again.
QString percorsoCopia(const QFileInfo& fi) {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (base.isEmpty())
        return {};
    const QByteArray chiave =
        QCryptographicHash::hash(fi.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir(base).filePath(QStringLiteral("cataloghi/%1-%2-%3.sqlite")
                                   .arg(QString::fromLatin1(chiave))
                                   .arg(fi.size())
                                   .arg(fi.lastModified().toMSecsSinceEpoch()));
}

bool copiaIntegra(const QString& copia, const QString& connessione) {
    const QString conn = connessione + QStringLiteral("-verifica");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn);
        db.setDatabaseName(copia);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(QStringLiteral("PRAGMA quick_check")) && q.next() &&
                 q.value(0).toString() == u"ok";
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(conn);
    return ok;
}

// Why a Jet file was refused, for the opening message.
QString motivoImportazione(EsitoImportaJet esito, const QString& motivo) {
    if (esito == EsitoImportaJet::FileIllegibile)
        return QStringLiteral("il file è danneggiato o incompleto (%1)").arg(motivo);
    return motivo;
}

// Imports a Jet file into the per-user cache, once for each version of the file.
// Returns the copy's path; empty when the cache cannot be written (then `motivo` is empty
// too) or the import failed (`motivo` says why, ready for the opening message).
QString copiaInCache(const QFileInfo& fi, const QString& connessione, QString* motivo) {
    const QString copia = percorsoCopia(fi);
    if (copia.isEmpty())
        return {};
    if (QFileInfo::exists(copia)) {
        if (copiaIntegra(copia, connessione))
            return copia;
        QFile::remove(copia); // damaged on disk: import again
    }
    const QFileInfo ci(copia);
    if (!QDir().mkpath(ci.path()))
        return {};
    const QString parziale =
        copia + QStringLiteral(".%1.parziale").arg(QCoreApplication::applicationPid());
    {
        QFile prova(parziale);
        if (!prova.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
    }
    QString perche;
    const EsitoImportaJet esito = importaJetIsolato(fi.absoluteFilePath(), parziale, &perche);
    if (esito != EsitoImportaJet::Riuscito) {
        QFile::remove(parziale);
        *motivo = motivoImportazione(esito, perche);
        return {};
    }
    if (!QFile::rename(parziale, copia) && !QFileInfo::exists(copia)) {
        QFile::remove(parziale);
        return {};
    }
    // Copies of earlier versions of the same file are of no further use.
    const QString prefisso = ci.fileName().section(u'-', 0, 0) + u'-';
    for (const auto& vecchia : QDir(ci.path()).entryList({prefisso + u'*'}, QDir::Files))
        if (vecchia != ci.fileName() && !vecchia.endsWith(QStringLiteral(".parziale")))
            QFile::remove(QDir(ci.path()).filePath(vecchia));
    QFile::remove(parziale);
    return copia;
}

} // namespace

struct Catalogo::Dati {
    QString percorso;
    Formato formato = Formato::SQLite;
    QString connessione;
    // The SQLite copy of a Jet file when the per-user cache cannot be written; removed
    // with the catalogue, after its connection.
    std::unique_ptr<QTemporaryDir> copiaTemporanea;

    QSqlDatabase db() const { return QSqlDatabase::database(connessione, false); }
    ~Dati() {
        if (connessione.isEmpty())
            return;
        {
            QSqlDatabase d = QSqlDatabase::database(connessione, false);
            d.close();
        }
        QSqlDatabase::removeDatabase(connessione);
    }
};

namespace {

// The number of placeholders SQLite found in a prepared statement (-1 without a handle).
int placeholderSqlite(const QSqlQuery& q) {
    const QVariant h = q.result() ? q.result()->handle() : QVariant();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3_stmt*") != 0)
        return -1;
    sqlite3_stmt* stmt = *static_cast<sqlite3_stmt* const*>(h.constData());
    return stmt ? sqlite3_bind_parameter_count(stmt) : 0;
}

bool preparaEdEsegui(QSqlQuery& q, const QString& sql, const QVariantList& parametri,
                     QString* errore) {
    const SqlTradotto t = traduciSql(sql);
    // SQLite ends a statement at a NUL and the driver then runs a half-prepared one (a
    // crash): a text holding one, say from a damaged report template, is refused here.
    if (t.testo.contains(QChar(0))) {
        if (errore)
            *errore = QStringLiteral("istruzione SQL con un carattere nullo");
        return false;
    }
    q.setForwardOnly(true);
    if (!q.prepare(t.testo)) {
        if (errore)
            *errore = q.lastError().text();
        return false;
    }
    // The driver renames each ? to a name of its own before SQLite reads the text; when SQLite
    // then sees fewer placeholders than the values bound (a ? glued to a word, "?ike(?)"),
    // the driver's exec reads past its own table. The count is checked here instead.
    if (const int n = placeholderSqlite(q); n >= 0 && n != parametri.size()) {
        if (errore)
            *errore = QStringLiteral("istruzione SQL con %1 parametri invece di %2")
                          .arg(n)
                          .arg(parametri.size());
        return false;
    }
    for (int i = 0; i < parametri.size(); ++i) {
        QVariant v = valoreLegato(parametri[i]);
        if (t.parametriLike.contains(i) && !v.isNull())
            v = modelloLike(v.toString());
        q.bindValue(i, v);
    }
    if (!q.exec()) {
        if (errore)
            *errore = q.lastError().text();
        return false;
    }
    return true;
}

bool esisteIn(QSqlDatabase db, const QString& schema, const QString& nome) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT 1 FROM %1.sqlite_master WHERE type IN ('table','view') AND "
                             "name = ? COLLATE NOCASE")
                  .arg(schema));
    q.addBindValue(nome);
    return q.exec() && q.next();
}

QStringList colonneDi(QSqlDatabase db, const QString& nome) {
    QStringList c;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(nomeSql(nome))))
        return c;
    while (q.next())
        c << q.value(1).toString();
    return c;
}

// The stored query CollCompGasQry: the fixed positions the calculation screen reads
// (1 CodiceProdotto, 4..21 envelope, 22..31 WR, 32..41 WA, 45..54 PM), then the named
// columns. A column the file lacks is offered as Null.
QString testoCollCompGasQry(QSqlDatabase db) {
    const QStringList ccg = colonneDi(db, "CollCompGas"), comp = colonneDi(db, "Compressori"),
                      mot = colonneDi(db, "Motori");
    const bool motori = !mot.isEmpty();
    QStringList sel;
    auto da = [&](const QStringList& cols, const QString& tab, const QString& col,
                  const QString& alias = {}) {
        const QString nome = alias.isEmpty() ? col : alias;
        if (cols.contains(col, Qt::CaseInsensitive))
            sel << QStringLiteral("%1.%2 AS %3").arg(tab, nomeSql(col), nomeSql(nome));
        else
            sel << QStringLiteral("NULL AS %1").arg(nomeSql(nome));
    };
    da(ccg, "g", "IDCollCompGas");  // 0
    da(ccg, "g", "CodiceProdotto"); // 1
    da(ccg, "g", "CodiceGas");      // 2
    da(comp, "c", "Ordinamento");   // 3
    for (const auto& b : BandeTc) { // 4..21
        da(ccg, "g", "TEMin" + b);
        da(ccg, "g", "TEMax" + b);
    }
    for (int i = 0; i < 10; ++i)
        da(ccg, "g", QStringLiteral("WR%1").arg(i)); // 22..31
    for (int i = 0; i < 10; ++i)
        da(ccg, "g", QStringLiteral("WA%1").arg(i)); // 32..41
    da(ccg, "g", "MinTC");                           // 42
    da(ccg, "g", "MaxTC");                           // 43
    da(ccg, "g", "Ca");                              // 44
    for (int i = 1; i <= 10; ++i)
        da(ccg, "g", QStringLiteral("PM%1").arg(i)); // 45..54
    da(ccg, "g", "WMAX");
    da(ccg, "g", "bTempfarh", "bTempFarh");
    da(ccg, "g", "bResaBtu");
    da(comp, "c", "bk8");
    da(comp, "c", "VolumeSpostato50hz");
    da(comp, "c", "VolumeSpostato60hz");
    da(comp, "c", "CodMotore");
    for (int i = 1; i <= 22; ++i)
        da(mot, "m", QStringLiteral("W%1").arg(i));
    for (int i = 1; i <= 22; ++i)
        da(mot, "m", QStringLiteral("A%1").arg(i));
    QString da_ = QStringLiteral(
        "CollCompGas AS g INNER JOIN Compressori AS c ON g.CodiceProdotto = c.CodiceProdotto");
    if (motori)
        da_ += QStringLiteral(" LEFT JOIN Motori AS m ON c.CodMotore = m.CodiceMotore");
    return QStringLiteral("CREATE TEMP VIEW CollCompGasQry AS SELECT %1 FROM %2")
        .arg(sel.join(u", "), da_);
}

bool preparaOggettiTemporanei(QSqlDatabase db, QString* errore) {
    QSqlQuery q(db);
    // Working tables: always this connection's own, so the file's copies (if any) are
    // never emptied or refilled.
    for (const auto& t : TabelleLavoro) {
        QStringList cols{QStringLiteral("Tvap REAL")};
        for (const auto& b : BandeTc)
            cols << QStringLiteral("Tc%1 REAL").arg(b);
        if (!q.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS %1 (%2)")
                        .arg(t, cols.join(u", ")))) {
            if (errore)
                *errore = q.lastError().text();
            return false;
        }
    }
    if (!esisteIn(db, "main", "CollCompGasQry") && !esisteIn(db, "temp", "CollCompGasQry")) {
        if (!q.exec(testoCollCompGasQry(db))) {
            if (errore)
                *errore = q.lastError().text();
            return false;
        }
    }
    return true;
}

} // namespace

Catalogo::Catalogo(std::unique_ptr<Dati> dati) : d(std::move(dati)) {}
Catalogo::~Catalogo() = default;

QString Catalogo::percorso() const {
    return d->percorso;
}
Catalogo::Formato Catalogo::formato() const {
    return d->formato;
}
QString Catalogo::nomeConnessione() const {
    return d->connessione;
}

std::unique_ptr<Catalogo> Catalogo::apri(const QString& percorso, QString* errore) {
    auto fallisci = [&](const QString& motivo) -> std::unique_ptr<Catalogo> {
        if (errore)
            *errore = testoErroreApertura(percorso, motivo);
        return nullptr;
    };
    const QFileInfo fi(percorso);
    if (percorso.isEmpty() || !fi.exists())
        return fallisci(QStringLiteral("il file non esiste"));
    if (fi.isDir())
        return fallisci(QStringLiteral("è una cartella, non un file"));
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return fallisci(QStringLiteral("il file non si può leggere (%1)").arg(f.errorString()));
    const QByteArray intestazione = f.read(100);
    f.close();

    auto dati = std::make_unique<Dati>();
    dati->percorso = percorso;
    // The connection's name is unique for every catalogue object.
    dati->connessione = QStringLiteral("selcomp-catalogo-%1").arg(quintptr(dati.get()), 0, 16);
    QString fileSqlite = fi.absoluteFilePath();

    if (eFileJet(intestazione)) {
        dati->formato = Formato::Jet;
        QString motivo;
        fileSqlite = copiaInCache(fi, dati->connessione, &motivo);
        if (!motivo.isEmpty())
            return fallisci(motivo);
        if (fileSqlite.isEmpty()) {
            // The import process writes a file; with nowhere to write one the file is
            // refused rather than read in this process.
            dati->copiaTemporanea = std::make_unique<QTemporaryDir>();
            if (!dati->copiaTemporanea->isValid())
                return fallisci(
                    QStringLiteral("non c'è una cartella scrivibile per la copia importata"));
            fileSqlite = dati->copiaTemporanea->filePath(QStringLiteral("catalogo.sqlite"));
            const EsitoImportaJet esito =
                importaJetIsolato(fi.absoluteFilePath(), fileSqlite, &motivo);
            if (esito != EsitoImportaJet::Riuscito)
                return fallisci(motivoImportazione(esito, motivo));
        }
    } else if (!intestazione.startsWith("SQLite format 3")) {
        return fallisci(intestazione.size() < 100 && intestazione.startsWith("SQLite")
                            ? QStringLiteral("il file è danneggiato o incompleto")
                            : QStringLiteral("il file non è un catalogo (formato sconosciuto)"));
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), dati->connessione);
    db.setDatabaseName(fileSqlite);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        return fallisci(
            QStringLiteral("il file non si può aprire (%1)").arg(db.lastError().text()));
    {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next() ||
            q.value(0).toString() != u"ok")
            return fallisci(QStringLiteral("il file è danneggiato o incompleto"));
    }
    QStringList mancanti;
    for (const auto& t : TabelleRichieste)
        if (!esisteIn(db, "main", t))
            mancanti << t;
    if (!mancanti.isEmpty())
        return fallisci(QStringLiteral("il file non è un catalogo (mancano le tabelle %1)")
                            .arg(mancanti.join(u", ")));
    QString motivo;
    if (!preparaOggettiTemporanei(db, &motivo))
        return fallisci(QStringLiteral("il file non è un catalogo utilizzabile (%1)").arg(motivo));
    return std::unique_ptr<Catalogo>(new Catalogo(std::move(dati)));
}

bool Catalogo::interroga(const QString& sql, const QVariantList& parametri, Istantanea& esito,
                         QString* errore) const {
    esito = {};
    QSqlQuery q(d->db());
    if (!preparaEdEsegui(q, sql, parametri, errore))
        return false;
    const QSqlRecord r = q.record();
    for (int i = 0; i < r.count(); ++i)
        esito.colonne << r.fieldName(i);
    while (q.next()) {
        QVector<QVariant> riga(r.count());
        for (int i = 0; i < r.count(); ++i)
            riga[i] = q.isNull(i) ? QVariant() : q.value(i);
        esito.righe.append(std::move(riga));
    }
    if (q.lastError().isValid()) {
        if (errore)
            *errore = q.lastError().text();
        esito = {};
        return false;
    }
    return true;
}

int Catalogo::righeLingue() const {
    const Istantanea r = interroga(QStringLiteral("select count(*) from Lingue"));
    return r.numeroRighe() ? r.valore(0, 0).toInt() : 0;
}

bool Catalogo::gasZeotropico(const QString& codiceGas) const {
    const Istantanea r =
        interroga(QStringLiteral("select flAZ from Gas where CodiceGas = ?"), {codiceGas});
    return r.numeroRighe() > 0 && !r.vero(0, QStringLiteral("flAZ"));
}

Istantanea Catalogo::interroga(const QString& sql, const QVariantList& parametri,
                               QString* errore) const {
    Istantanea esito;
    interroga(sql, parametri, esito, errore);
    return esito;
}

bool Catalogo::esegui(const QString& sql, const QVariantList& parametri, QString* errore) {
    QSqlQuery q(d->db());
    return preparaEdEsegui(q, sql, parametri, errore);
}

bool Catalogo::aggiungiRiga(const QString& tabella, const QVariantMap& valori, QString* errore) {
    QStringList cols, segni;
    QVariantList par;
    for (auto it = valori.begin(); it != valori.end(); ++it) {
        cols << nomeSql(it.key());
        segni << QStringLiteral("?");
        par << it.value();
    }
    const QString sql = cols.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(nomeSql(tabella))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(nomeSql(tabella), cols.join(u", "), segni.join(u", "));
    QSqlQuery q(d->db());
    q.prepare(sql);
    for (int i = 0; i < par.size(); ++i)
        q.bindValue(i, valoreLegato(par[i]));
    if (!q.exec()) {
        if (errore)
            *errore = q.lastError().text();
        return false;
    }
    return true;
}

bool Catalogo::creaQuery(const QString& nome, const QString& sql, const QVariantList& parametri,
                         QString* errore) {
    // Parameters become literals: replace each ? outside quotes in the translated text.
    const QString tradotto = traduciSql(sql).testo;
    const SqlTradotto t = traduciSql(sql);
    QString testo;
    int n = 0;
    QChar virgolette;
    for (const QChar c : tradotto) {
        if (!virgolette.isNull()) {
            if (c == virgolette)
                virgolette = QChar();
            testo += c;
        } else if (c == u'\'' || c == u'"') {
            virgolette = c;
            testo += c;
        } else if (c == u'?' && n < parametri.size()) {
            QVariant v = parametri[n];
            if (t.parametriLike.contains(n) && !v.isNull())
                v = modelloLike(v.toString());
            testo += literaleSql(v);
            ++n;
        } else
            testo += c;
    }
    QSqlQuery q(d->db());
    eliminaQuery(nome);
    if (!q.exec(QStringLiteral("CREATE TEMP VIEW %1 AS %2").arg(nomeSql(nome), testo))) {
        if (errore)
            *errore = q.lastError().text();
        return false;
    }
    return true;
}

bool Catalogo::eliminaQuery(const QString& nome, QString* errore) {
    if (!esisteIn(d->db(), "temp", nome))
        return true;
    QSqlQuery q(d->db());
    if (!q.exec(QStringLiteral("DROP VIEW temp.%1").arg(nomeSql(nome)))) {
        if (errore)
            *errore = q.lastError().text();
        return false;
    }
    return true;
}

bool Catalogo::esisteOggetto(const QString& nome) const {
    return esisteIn(d->db(), "temp", nome) || esisteIn(d->db(), "main", nome);
}

QStringList Catalogo::colonne(const QString& nome) const {
    return colonneDi(d->db(), nome);
}

QString Catalogo::testoQueryCandidati(double tc) {
    const QString t = QString::number(tc, 'g', 15);
    return QStringLiteral(
               "SELECT DISTINCTROW CollCompGas.IDCollCompGas, CollCompGas.CodiceProdotto, "
               "CollCompGas.CodiceGas, Compressori.Ordinamento, Compressori.bk8, "
               "CollCompGas.WR0, CollCompGas.WR1, CollCompGas.WR2, CollCompGas.WR3, "
               "CollCompGas.WR4, "
               "CollCompGas.WR5, CollCompGas.WR6, CollCompGas.WR7, CollCompGas.WR8, "
               "CollCompGas.WR9, "
               "CollCompGas.WA0, CollCompGas.WA1, CollCompGas.WA2, CollCompGas.WA3, "
               "CollCompGas.WA4, "
               "CollCompGas.WA5, CollCompGas.WA6, CollCompGas.WA7, CollCompGas.WA8, "
               "CollCompGas.WA9, "
               " CollCompGas.PM1, CollCompGas.PM2, CollCompGas.PM3, CollCompGas.PM4, "
               "CollCompGas.PM5, CollCompGas.PM6, CollCompGas.PM7, CollCompGas.PM8, "
               "CollCompGas.PM9,CollCompGas.PM10, "
               "Compressori.VolumeSpostato50hz, Compressori.VolumeSpostato60hz, "
               "Motori.W1, Motori.W2, Motori.W3, Motori.W4,Motori.W5, Motori.W6, Motori.W7, "
               "Motori.W8, Motori.W9, Motori.W10, "
               "Motori.W11, Motori.W12, Motori.W13, Motori.W14,Motori.W15, Motori.W16, Motori.W17, "
               "Motori.W18, Motori.W19, Motori.W20, "
               "Motori.W21, Motori.W22, "
               "Motori.A1, Motori.A2, Motori.A3, Motori.A4,Motori.A5, Motori.A6, Motori.A7, "
               "Motori.A8, Motori.A9, Motori.A10, "
               "Motori.A11, Motori.A12, Motori.A13, Motori.A14,Motori.A15, Motori.A16, Motori.A17, "
               "Motori.A18, Motori.A19, Motori.A20, "
               "Motori.A21, Motori.A22, "
               "CollCompGas.TEMin30, CollCompGas.TEMax30, CollCompGas.TEMin35, "
               "CollCompGas.TEMax35, "
               "CollCompGas.TEMin40, CollCompGas.TEMax40, CollCompGas.TEMin45, "
               "CollCompGas.TEMax45, "
               "CollCompGas.TEMin50, CollCompGas.TEMax50, CollCompGas.TEMin55, "
               "CollCompGas.TEMax55, "
               "CollCompGas.TEMin60, CollCompGas.TEMax60, CollCompGas.TEMin65, "
               "CollCompGas.TEMax65, "
               "CollCompGas.TEMin70, CollCompGas.TEMax70, "
               "CollCompGas.MinTC, CollCompGas.MaxTC, CollCompGas.Ca,CollCompGas.bTempfarh, "
               "CollCompGas.bResaBtu "
               "FROM (CollCompGas INNER JOIN Compressori ON "
               "CollCompGas.CodiceProdotto = Compressori.CodiceProdotto) "
               "LEFT JOIN Motori ON Compressori.CodMotore = Motori.CodiceMotore "
               "WHERE ((CollCompGas.CodiceGas =?) AND (CollCompGas.MinTC<=%1) AND "
               "(CollCompGas.MaxTC>=%1))"
               "ORDER BY Compressori.Ordinamento;")
        .arg(t);
}

Istantanea Catalogo::candidatiSelezione(const QString& codiceGas, double tc,
                                        QString* errore) const {
    return interroga(testoQueryCandidati(tc), {codiceGas}, errore);
}
