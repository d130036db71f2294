#pragma once
// Small catalogues for the tests, written from an SQL script into an SQLite file with the
// program's own script reader: ';' ends a statement and '--' starts a comment, both only
// outside quotes.

#include "catalogue/Catalogo.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// Writes the statements of `script` into a new SQLite file `percorso`. False with the
// script, the statement and the reason in `errore` when one fails.
bool creaCatalogoDiProva(const QString& script, const QString& percorso, QString* errore = nullptr);

// The catalogue of `script`, written as "catalogo.sqlite" in `cartella` and opened; null
// with the reason in `errore` when it cannot be written or opened.
std::unique_ptr<Catalogo> catalogoDaScript(const QTemporaryDir& cartella, const QString& script,
                                           QString* errore = nullptr);
