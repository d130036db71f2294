#pragma once
// Builds an SQLite catalogue file from SQL scripts (the demo catalogue at build time,
// test catalogues in the tests). Statements end with ';' outside quotes; '--' starts a
// comment to the end of the line.

#include <QString>
#include <QStringList>

// Writes `file` anew from the scripts, in order. False with a reason (script, statement)
// in `errore`; a half-written file is removed.
bool creaCatalogoDaSql(const QString& file, const QStringList& script, QString* errore = nullptr);

// The statements of one script text.
QStringList istruzioniSql(const QString& testo);
