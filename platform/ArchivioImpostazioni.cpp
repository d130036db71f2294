#include "platform/ArchivioImpostazioni.h"

#include <QDir>
#include <QFileInfo>

ArchivioImpostazioni::ArchivioImpostazioni(const QString& nomeApplicazione,
                                           const QString& cartella) {
    if (cartella.isEmpty())
        impostazioni = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                   nomeApplicazione, QString());
    else
        impostazioni = std::make_unique<QSettings>(
            QDir(cartella).filePath(nomeApplicazione + ".ini"), QSettings::IniFormat);
}

std::optional<QString> ArchivioImpostazioni::leggi(const QString& sezione, const QString& chiave) {
    const QFileInfo file(impostazioni->fileName());
    if (file.exists() && (!file.isFile() || !file.isReadable()))
        return std::nullopt;
    if (impostazioni->status() != QSettings::NoError)
        return std::nullopt;
    return impostazioni->value(sezione + "/" + chiave, QString()).toString();
}

bool ArchivioImpostazioni::scrivi(const QString& sezione, const QString& chiave,
                                  const QString& valore) {
    const QFileInfo file(impostazioni->fileName());
    if (file.exists() && !file.isFile())
        return false;
    impostazioni->setValue(sezione + "/" + chiave, valore);
    impostazioni->sync();
    return impostazioni->status() == QSettings::NoError;
}
