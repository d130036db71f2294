#pragma once
// The per-user settings store: text values addressed by section and key, kept in an
// INI file named after the application. Tests point it at a temporary folder.

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

class ArchivioImpostazioni {
public:
    // `cartella` empty: the user's configuration folder; else the INI file lives there.
    explicit ArchivioImpostazioni(const QString& nomeApplicazione, const QString& cartella = {});

    // The stored text ("" when absent), or nothing when the store cannot be read.
    std::optional<QString> leggi(const QString& sezione, const QString& chiave);
    // False when the value could not be stored.
    bool scrivi(const QString& sezione, const QString& chiave, const QString& valore);

    QString percorsoFile() const { return impostazioni->fileName(); }

private:
    std::unique_ptr<QSettings> impostazioni;
};
