#pragma once
// Copy of a Jet (.mdb) catalogue into an SQLite database, table by table, in physical
// row order, with the declared types: texts as TEXT (compared without regard to case,
// as Jet does), numbers as REAL or INTEGER, Yes/No as -1/0, Null cells as NULL.

#include <QString>

// True when the first bytes of the file are those of a Jet or ACE database.
bool eFileJet(const QByteArray& intestazione);

// Imports `mdb` into the SQLite database open on connection `connessione`. False with a
// reason in `errore` when the file cannot be read as a Jet database.
bool importaJet(const QString& mdb, const QString& connessione, QString* errore);

// The same into the SQLite file `copia` (created; removed again on failure), on a
// connection of its own.
bool importaJetInFile(const QString& mdb, const QString& copia, QString* errore);

// The same in a process of its own (selcomp-importa-jet beside the program): libmdb reads
// damaged files past their ends, and a crash there must end the import, not the program.
// Without that program beside this one the import runs here.
bool importaJetIsolato(const QString& mdb, const QString& copia, QString* errore);
