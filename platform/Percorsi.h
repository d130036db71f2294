#pragma once
// File names of the catalogue world are written with a leading backslash
// ("\zodirara.mdb") and in any case; on a case-sensitive file system the
// file is found whatever the case of its name.

#include <QString>

// Joins a folder and a name such as "\Reflibs" or "zodirara.mdb" with the platform's separator.
QString uniscePercorso(const QString& cartella, const QString& nome);

// The existing file or folder whose path matches, ignoring case in each component below
// `cartella`; the joined path itself when nothing matches (so the caller reports that name).
QString trovaPercorso(const QString& cartella, const QString& nome);

// The folder of the running program.
QString cartellaProgramma();
