#pragma once
// Shared by the catalogue tests: a private copy of the test catalogue.

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Test data from ../shared is not in this repository. Without it a test is skipped on a
// developer's machine, saying so; in CI (CI=true) it fails.
#define RICHIEDI_DATI_CONDIVISI(file)                                                              \
    do {                                                                                           \
        if (!QFileInfo::exists(file)) {                                                            \
            if (qEnvironmentVariable("CI") == QLatin1String("true"))                               \
                QFAIL(qPrintable(QStringLiteral("shared test data missing in CI: ") + (file)));    \
            QSKIP(qPrintable(QStringLiteral("shared test data missing: ") + (file) +               \
                             QStringLiteral(" (skipped on this machine; CI fails)")));             \
        }                                                                                          \
    } while (0)

inline QByteArray impronta(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
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
