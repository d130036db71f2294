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
