#pragma once
// Builds a small catalogue file from an SQL script and opens it.

#include "catalogue/Catalogo.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// `script` is the path of the SQL file; statements end with ";" at the end of a line.
inline std::unique_ptr<Catalogo> catalogoDaScript(const QTemporaryDir& cartella, const QString& script) {
    const QString percorso = cartella.filePath("catalogo.sqlite");
    {
        QFile f(script);
        if (!f.open(QIODevice::ReadOnly)) return nullptr;
        const QString sql = QString::fromUtf8(f.readAll());
        auto db = QSqlDatabase::addDatabase("QSQLITE", "costruzione");
        db.setDatabaseName(percorso);
        if (!db.open()) return nullptr;
        QSqlQuery q(db);
        for (const QString& istruzione : sql.split(";\n", Qt::SkipEmptyParts)) {
            QString s;
            for (const QString& riga : istruzione.split('\n'))
                if (!riga.startsWith("--")) s += riga + '\n';
            if (!s.trimmed().isEmpty() && !q.exec(s)) return nullptr;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("costruzione");
    return Catalogo::apri(percorso);
}
