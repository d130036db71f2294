#pragma once
// Copy of a Jet (.mdb) catalogue into an SQLite database, table by table, in physical
// row order, with the declared types: texts as TEXT (compared without regard to case,
// as Jet does), numbers as REAL or INTEGER, Yes/No as -1/0, Null cells as NULL.

#include <QString>

#include <functional>

// True when the first bytes of the file are those of a Jet or ACE database.
bool eFileJet(const QByteArray& intestazione);

// Imports `mdb` into the SQLite database open on connection `connessione`. False with a
// reason in `errore` when the file cannot be read as a Jet database.
bool importaJet(const QString& mdb, const QString& connessione, QString* errore);

// The same into the SQLite file `copia` (created; removed again on failure), on a
// connection of its own.
bool importaJetInFile(const QString& mdb, const QString& copia, QString* errore);

enum class EsitoImportaJet {
    Riuscito,
    FileIllegibile, // damaged, not a Jet file, or read for too long
    SenzaProgramma, // selcomp-importa-jet is missing or does not start
    Annullato,      // the user cancelled the wait
};

// The same in a process of its own (selcomp-importa-jet beside the program): libmdb reads
// damaged files past their ends, and a crash there must end the import, not the program.
// Without that program the file is refused: it is never read in this process.
EsitoImportaJet importaJetIsolato(const QString& mdb, const QString& copia, QString* errore);

// What the program does while the import process runs. The windowed program shows the
// file's name in a window the user can cancel, and keeps painting; elsewhere nothing.
class AttesaImportazione {
public:
    virtual ~AttesaImportazione() = default;
    // The import of `mdb` has started; `annulla` stops it (a call from the event loop).
    virtual void inizia(const QString& mdb, std::function<void()> annulla) = 0;
    virtual void finisci() = 0;
};

// For the whole run; nullptr (the default) waits without an event loop.
void impostaAttesaImportazione(AttesaImportazione* attesa);

// The import program, found beside this one unless set here (tests: a missing or a slow
// one); an empty text goes back to the default.
void impostaProgrammaImportaJet(const QString& percorso);
