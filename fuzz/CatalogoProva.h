#pragma once
// A small catalogue written once per fuzz process into a temporary folder.

#include "catalogue/CreaCatalogo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

inline QString catalogoProva() {
    static QTemporaryDir cartella;
    static QString file;
    if (!file.isEmpty())
        return file;
    const QString script = cartella.filePath("prova.sql");
    QFile s(script);
    if (!s.open(QIODevice::WriteOnly))
        std::abort();
    s.write(
        "CREATE TABLE Gas (CodiceGas TEXT COLLATE NOCASE PRIMARY KEY, NomeDis TEXT, TUEStd REAL,"
        " flSeleYes INTEGER NOT NULL DEFAULT 0);\n"
        "INSERT INTO Gas VALUES ('R404A', 'R 404 A', -10, -1);\n"
        "INSERT INTO Gas VALUES ('R407C', 'R''407C', 5.5, -1);\n"
        "INSERT INTO Gas VALUES ('R22', NULL, NULL, 0);\n"
        "INSERT INTO Gas VALUES ('', 'vuoto', 1e300, 0);\n"
        "CREATE TABLE Compressori (CodiceProdotto TEXT COLLATE NOCASE PRIMARY KEY, Serie TEXT,"
        " Alesaggio REAL, Cilindri REAL);\n"
        "INSERT INTO Compressori VALUES ('AB-100', 'A', 52.5, 2);\n"
        "INSERT INTO Compressori VALUES ('AB-200', 'A', 60, 4);\n"
        "INSERT INTO Compressori VALUES ('C''D 3', NULL, NULL, NULL);\n"
        "CREATE TABLE CollCompGas (IDCollCompGas INTEGER PRIMARY KEY, CodiceProdotto TEXT COLLATE "
        "NOCASE,"
        " CodiceGas TEXT COLLATE NOCASE, WR0 REAL, MinTC REAL, MaxTC REAL);\n"
        "INSERT INTO CollCompGas VALUES (1, 'AB-100', 'R404A', 1000, 30, 55);\n"
        "INSERT INTO CollCompGas VALUES (2, 'AB-200', 'R404A', 'testo', NULL, 50);\n"
        "CREATE TABLE Lingue (IDLingua INTEGER PRIMARY KEY, DescModello TEXT);\n"
        "INSERT INTO Lingue VALUES (1, 'Modello');\n");
    s.close();
    QString errore;
    const QString f = cartella.filePath("prova.sqlite");
    if (!creaCatalogoDaSql(f, {script}, &errore)) {
        std::fprintf(stderr, "%s\n", qPrintable(errore));
        std::abort();
    }
    file = f;
    return file;
}
