#pragma once
// The rows of one query, read all at once: the screens' data sources and the
// selection search walk them freely (first, last, back, forward) without holding
// a cursor on the database.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

struct Istantanea {
    QStringList colonne;              // column names in query order
    QVector<QVector<QVariant>> righe; // Null cells are null QVariants

    int numeroRighe() const { return int(righe.size()); }
    int numeroColonne() const { return int(colonne.size()); }

    // Position of a column by name, ignoring case; the first one when a name repeats;
    // -1 when the query has no such column.
    int indiceColonna(const QString& nome) const;

    // The cell, or a null QVariant when the row or the column does not exist.
    QVariant valore(int riga, int colonna) const;
    QVariant valore(int riga, const QString& colonna) const;
    bool isNull(int riga, const QString& colonna) const { return valore(riga, colonna).isNull(); }
    bool isNull(int riga, int colonna) const { return valore(riga, colonna).isNull(); }

    // Convenience readings with the catalogue's Null rules: Null text is empty,
    // a Null number is 0, a boolean is true for any non-zero value (Jet stores -1).
    QString testo(int riga, const QString& colonna) const;
    double numero(int riga, const QString& colonna) const;
    bool vero(int riga, const QString& colonna) const;
};
