#pragma once
// The catalogue store. A catalogue file is an SQLite file with the catalogue's
// tables, or a legacy Jet (.mdb) file, which is imported table by table into an
// SQLite copy (a per-user cache keyed by the file's size and modification time)
// and used from there. Either way the file itself is opened read-only and never
// written: the objects the program writes (the stored query CollCompGasQry when the
// file lacks it, the working tables tmpWR/tmpWA/tmpCA/tmpPM, the selection's query
// "TEMP") live in the connection's temp schema and vanish with it.
//
// SQL texts are written in the catalogue's own dialect (DISTINCTROW, Like with * and
// ?, = true / = false, [bracketed] names) and translated by DialettoSql.h. Values the
// program puts into a statement (model codes, refrigerant codes) are never spliced
// into the text: write ? in their place and pass them as parameters, in order.
//
//     auto cat = Catalogo::apri(percorso, &errore);
//     Istantanea gas = cat->interroga("select * from Gas where flSeleYes = true ");
//     cat->interroga("select * from CollCompGasQry where CodiceGas = ? order by Ordinamento",
//                    {codiceGas});
//
// Names of tables and columns are matched without regard to case.

#include "catalogue/Istantanea.h"

#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <memory>

class Catalogo {
public:
    enum class Formato { SQLite, Jet };

    // Opens a catalogue file. On failure returns null and, when `errore` is given, one
    // clear text naming the file (missing, a folder, unreadable, damaged or truncated,
    // not a catalogue).
    static std::unique_ptr<Catalogo> apri(const QString& percorso, QString* errore = nullptr);

    ~Catalogo();
    Catalogo(const Catalogo&) = delete;
    Catalogo& operator=(const Catalogo&) = delete;

    QString percorso() const; // the file as given to apri()
    Formato formato() const;
    QString nomeConnessione() const; // this catalogue's own QSqlDatabase connection

    // Runs a query; the rows come back as a snapshot. On failure the snapshot is empty
    // and `errore` (when given) holds the database's message.
    Istantanea interroga(const QString& sql, const QVariantList& parametri = {},
                         QString* errore = nullptr) const;
    bool interroga(const QString& sql, const QVariantList& parametri, Istantanea& esito,
                   QString* errore = nullptr) const;

    // Runs an action statement (Delete, Update, Insert). False with `errore` on failure.
    bool esegui(const QString& sql, const QVariantList& parametri = {}, QString* errore = nullptr);

    // Adds one row to a table (the AddNew/Update of a data source): the named columns get
    // the values, every other column its default (Null).
    bool aggiungiRiga(const QString& tabella, const QVariantMap& valori, QString* errore = nullptr);

    // Stored query definitions by name, in the temp schema. The parameters are written
    // into the definition as quoted literals (a stored query cannot hold bound values).
    bool creaQuery(const QString& nome, const QString& sql, const QVariantList& parametri = {},
                   QString* errore = nullptr);
    bool eliminaQuery(const QString& nome, QString* errore = nullptr);

    // Rows of the Lingue table: one per language, so the labels of language n need n + 1.
    int righeLingue() const;

    // True when the refrigerant's Gas row says it is a zeotropic blend (flAZ false or Null):
    // its temperatures are dew points. False without such a row.
    bool gasZeotropico(const QString& codiceGas) const;

    // True when a table or query of that name exists (any case).
    bool esisteOggetto(const QString& nome) const;
    // Column names of a table or query, in order; empty when it does not exist.
    QStringList colonne(const QString& nome) const;

    // The candidates of the selection search: the compressors rated with `codiceGas`
    // whose condensing range MinTC..MaxTC holds `tc`, in catalogue order, with the
    // columns the search reads (IDCollCompGas, CodiceProdotto, CodiceGas, Ordinamento,
    // WR0..WR9, WA0..WA9, PM1..PM10, VolumeSpostato50hz/60hz, W1..W22, A1..A22,
    // TEMin30..TEMax70, MinTC, MaxTC, Ca, bTempfarh, bResaBtu).
    Istantanea candidatiSelezione(const QString& codiceGas, double tc,
                                  QString* errore = nullptr) const;
    static QString testoQueryCandidati(double tc); // its text; the refrigerant is the one "?"

private:
    struct Dati;
    explicit Catalogo(std::unique_ptr<Dati> d);
    std::unique_ptr<Dati> d;
};
