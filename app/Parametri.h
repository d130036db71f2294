#pragma once
// Reading and writing the settings of section "ParametriGenerali".

#include "dati/StatoApplicazione.h"

class ArchivioImpostazioni;
class ServizioMessaggi;

inline const QString SezioneParametri = QStringLiteral("ParametriGenerali");
inline const QString MessaggioParametri =
    QStringLiteral("Impossibile Leggere i parametri di inizializzazione");
// Title of the settings message: the program's file description.
inline const QString DescrizioneProgramma = QStringLiteral("Didaz - Selezione Compressori");

// Reads all settings into `stato`, writing the defaults of empty values back.
// Any failure shows one message per call; reading goes on with the defaults.
void LeggiParametri(StatoApplicazione& stato, ArchivioImpostazioni& archivio,
                    ServizioMessaggi& messaggi);

// Writes the path, the language and air-conditioning texts and the four constant limits.
// Returns false when the store could not be written.
bool SalvaParametri(const StatoApplicazione& stato, ArchivioImpostazioni& archivio);
