#include "platform/Percorsi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QStringList componenti(const QString& nome) {
    QString n = nome;
    n.replace('\\', '/');
    return n.split('/', Qt::SkipEmptyParts);
}
} // namespace

QString uniscePercorso(const QString& cartella, const QString& nome) {
    QString percorso = cartella;
    while (percorso.size() > 1 && (percorso.endsWith('/') || percorso.endsWith('\\')))
        percorso.chop(1);
    for (const QString& c : componenti(nome))
        percorso += QDir::separator() + c;
    return QDir::toNativeSeparators(percorso);
}

QString trovaPercorso(const QString& cartella, const QString& nome) {
    const QString esatto = uniscePercorso(cartella, nome);
    if (QFileInfo::exists(esatto))
        return esatto;
    QString attuale = cartella;
    for (const QString& c : componenti(nome)) {
        const QDir dir(attuale);
        QString trovato;
        for (const QString& voce : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System)) {
            if (voce.compare(c, Qt::CaseInsensitive) == 0) {
                trovato = voce;
                break;
            }
        }
        if (trovato.isEmpty())
            return esatto;
        attuale = dir.filePath(trovato);
    }
    return QDir::toNativeSeparators(attuale);
}

QString cartellaProgramma() {
    return QCoreApplication::applicationDirPath();
}
