#include "catalogue/ImportaJet.h"

#include <QAtomicInt>
#include <QByteArray>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <clocale>
#include <locale.h>
#include <mdbtools.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace {

// libmdb prints numbers under the thread's LC_NUMERIC; hold it at "C" while importing so
// that 13.2 never comes out as "13,2" under an Italian desktop.
class LocaleNumericoC {
public:
    LocaleNumericoC() {
        m_c = newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE));
        if (m_c)
            m_precedente = uselocale(m_c);
    }
    ~LocaleNumericoC() {
        if (m_c) {
            uselocale(m_precedente);
            freelocale(m_c);
        }
    }

private:
    locale_t m_c = nullptr;
    locale_t m_precedente = nullptr;
};

struct ChiudiMdb {
    void operator()(MdbHandle* h) const { mdb_close(h); }
};
struct ChiudiTabella {
    void operator()(MdbTableDef* t) const { mdb_free_tabledef(t); }
};

QString tipoSqlite(int tipo) {
    switch (tipo) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return QStringLiteral("INTEGER");
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
        return QStringLiteral("REAL");
    case MDB_BINARY:
    case MDB_OLE:
        return QStringLiteral("BLOB");
    default:
        return QStringLiteral("TEXT COLLATE NOCASE");
    }
}

QString nomeSql(const QString& nome) {
    return u'"' + QString(nome).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// A cell from libmdb's text of it; numbers are read without regard to the locale.
QVariant cella(int tipo, const char* testo, int lunghezza, bool nullo) {
    if (tipo == MDB_BOOL)
        return QVariant(qlonglong(testo && testo[0] == '1' ? -1 : 0));
    if (nullo)
        return QVariant();
    switch (tipo) {
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return QVariant(QByteArray(testo).toLongLong());
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC: {
        QByteArray t(testo);
        if (!t.contains('.'))
            t.replace(',', '.');
        return QVariant(t.toDouble());
    }
    case MDB_BINARY:
    case MDB_OLE:
        return QVariant(QByteArray(testo, lunghezza));
    default:
        return QVariant(QString::fromUtf8(testo));
    }
}

// What the row just fetched holds beyond libmdb's texts of it: which cells are Null
// (the bound text is empty both for Null and for a zero-length text; the row's null mask
// tells them apart) and the stored bits of floating-point cells (the texts carry only
// 16 digits).
struct CelleGrezze {
    std::vector<bool> nulli;
    std::vector<std::optional<double>> numeri;
};

CelleGrezze celleRiga(MdbTableDef* t) {
    CelleGrezze c;
    int inizio = 0;
    size_t lunghezza = 0;
    // mdb_fetch_row has just read row cur_row - 1 of the page in the handle's buffer
    if (t->cur_row == 0 ||
        mdb_find_row(t->entry->mdb, int(t->cur_row) - 1, &inizio, &lunghezza) != 0)
        return c;
    // room for every column a row may hold, deleted ones included
    std::vector<MdbField> campi(std::max<size_t>(t->num_cols, 256) + 1);
    // the count comes from the row itself, but only the table's columns are filled in: a
    // damaged row claiming thousands must not be read past them
    const int n = std::min(mdb_crack_row(t, inizio, lunghezza, campi.data()), int(t->num_cols));
    c.nulli.assign(t->num_cols, false);
    c.numeri.assign(t->num_cols, std::nullopt);
    for (int i = 0; i < n; ++i) {
        const int k = campi[i].colnum;
        if (k < 0 || k >= int(t->num_cols))
            continue;
        c.nulli[k] = campi[i].is_null;
        const int tipo = static_cast<MdbColumn*>(g_ptr_array_index(t->columns, k))->col_type;
        if (campi[i].is_null || !campi[i].value)
            continue;
        if (tipo == MDB_DOUBLE && campi[i].siz == 8)
            c.numeri[k] = mdb_get_double(campi[i].value, 0);
        if (tipo == MDB_FLOAT && campi[i].siz == 4)
            c.numeri[k] = double(mdb_get_single(campi[i].value, 0));
    }
    return c;
}

QStringList chiavePrimaria(MdbTableDef* t) {
    QStringList chiave;
    mdb_read_indices(t);
    for (unsigned i = 0; t->indices && i < t->indices->len; ++i) {
        auto* idx = static_cast<MdbIndex*>(g_ptr_array_index(t->indices, i));
        if (idx->index_type != 1)
            continue;
        for (unsigned k = 0; k < idx->num_keys; ++k) {
            const int c = idx->key_col_num[k] - 1;
            if (c < 0 || c >= int(t->num_cols))
                return {};
            chiave << QString::fromUtf8(
                static_cast<MdbColumn*>(g_ptr_array_index(t->columns, c))->name);
        }
        break;
    }
    return chiave;
}

bool copiaTabella(MdbTableDef* t, QSqlDatabase& db, QString* errore) {
    const QString nome = QString::fromUtf8(t->name);
    mdb_read_columns(t);
    const QStringList chiave = chiavePrimaria(t);
    QStringList definizioni, segnaposti;
    std::vector<QByteArray> buffer(t->num_cols);
    std::vector<int> lunghezze(t->num_cols, 0), tipi(t->num_cols, 0);
    const size_t dimensione = t->entry->mdb->bind_size;
    for (unsigned i = 0; i < t->num_cols; ++i) {
        auto* col = static_cast<MdbColumn*>(g_ptr_array_index(t->columns, i));
        tipi[i] = col->col_type;
        QString def = nomeSql(QString::fromUtf8(col->name)) + u' ' + tipoSqlite(col->col_type);
        definizioni << def;
        segnaposti << QStringLiteral("?");
        buffer[i] = QByteArray(int(dimensione) + 1, '\0');
        mdb_bind_column(t, int(i) + 1, buffer[i].data(), &lunghezze[i]);
    }
    if (!chiave.isEmpty()) {
        QStringList nomi;
        for (const auto& c : chiave)
            nomi << nomeSql(c);
        definizioni << QStringLiteral("PRIMARY KEY (%1)").arg(nomi.join(u", "));
    }
    QSqlQuery q(db);
    if (!q.exec(
            QStringLiteral("CREATE TABLE %1 (%2)").arg(nomeSql(nome), definizioni.join(u", ")))) {
        if (errore)
            *errore = q.lastError().text();
        return false;
    }
    QSqlQuery ins(db);
    ins.prepare(
        QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(nomeSql(nome), segnaposti.join(u',')));
    mdb_rewind_table(t);
    while (mdb_fetch_row(t)) {
        const CelleGrezze grezze = celleRiga(t);
        for (unsigned i = 0; i < t->num_cols; ++i) {
            const bool nullo = grezze.nulli.empty() ? lunghezze[i] == 0 : bool(grezze.nulli[i]);
            if (!nullo && !grezze.numeri.empty() && grezze.numeri[i])
                ins.bindValue(int(i), *grezze.numeri[i]);
            else
                ins.bindValue(int(i), cella(tipi[i], buffer[i].constData(), lunghezze[i], nullo));
        }
        if (!ins.exec()) {
            if (errore)
                *errore = ins.lastError().text();
            return false;
        }
    }
    return true;
}

} // namespace

bool eFileJet(const QByteArray& intestazione) {
    return intestazione.mid(4, 15) == "Standard Jet DB" ||
           intestazione.mid(4, 15) == "Standard ACE DB";
}

bool importaJet(const QString& mdb, const QString& connessione, QString* errore) {
    LocaleNumericoC localeC;
    std::unique_ptr<MdbHandle, ChiudiMdb> h(
        mdb_open(QFile::encodeName(mdb).constData(), MDB_NOFLAGS));
    if (!h) {
        if (errore)
            *errore = QStringLiteral("non si legge come database Jet");
        return false;
    }
    if (!mdb_read_catalog(h.get(), MDB_TABLE)) {
        if (errore)
            *errore = QStringLiteral("l'elenco delle tabelle non si legge");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(connessione);
    db.transaction();
    for (unsigned i = 0; i < h->num_catalog; ++i) {
        auto* voce = static_cast<MdbCatalogEntry*>(g_ptr_array_index(h->catalog, i));
        if (voce->object_type != MDB_TABLE || mdb_is_system_table(voce))
            continue;
        std::unique_ptr<MdbTableDef, ChiudiTabella> t(mdb_read_table(voce));
        if (!t) {
            if (errore)
                *errore = QStringLiteral("la tabella %1 non si legge")
                              .arg(QString::fromUtf8(voce->object_name));
            db.rollback();
            return false;
        }
        if (!copiaTabella(t.get(), db, errore)) {
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

bool importaJetInFile(const QString& mdb, const QString& copia, QString* errore) {
    static QAtomicInt contatore;
    const QString conn =
        QStringLiteral("selcomp-importa-jet-%1").arg(contatore.fetchAndAddRelaxed(1));
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn);
        db.setDatabaseName(copia);
        if (db.open())
            ok = importaJet(mdb, conn, errore);
        else if (errore)
            *errore =
                QStringLiteral("la copia non si può scrivere (%1)").arg(db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(conn);
    if (!ok)
        QFile::remove(copia);
    return ok;
}
