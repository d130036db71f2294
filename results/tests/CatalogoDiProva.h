#pragma once
// Small catalogues for the screen tests, written from an SQL script into an SQLite file.

#include <QString>

// Runs the statements of `script` (separated by ";" at line ends) into a new SQLite file
// `percorso`. False with `errore` when a statement fails.
bool creaCatalogoDiProva(const QString& script, const QString& percorso, QString* errore = nullptr);
