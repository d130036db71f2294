#pragma once
// Shared by the catalogue tests: a private copy of the test catalogue.

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

inline QByteArray impronta(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Copies `sorgente` into `cartella` under `nome`; returns the copy's path.
inline QString copia(const QTemporaryDir& cartella, const QString& sorgente, const QString& nome) {
    const QString dest = cartella.filePath(nome);
    QFile::remove(dest);
    QFile::copy(sorgente, dest);
    QFile::setPermissions(dest, QFile::ReadOwner | QFile::WriteOwner);
    return dest;
}
