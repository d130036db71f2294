#pragma once
// What the information window says about a zeotropic refrigerant: its components and its
// glide at -10 degC and 40 degC from the property library, in the user's language.

#include "engine/Proprieta.h"

#include <QString>
#include <optional>

struct InfoRefrigerante {
    QString codice;
    QString componenti;              // "R32, R125 e R134a (23/25/52 %)"; empty when unknown
    std::optional<double> glideEvap; // K at -10 degC dew temperature
    std::optional<double> glideCond; // K at 40 degC dew temperature
};

// Components (by the refrigerant's normalised code) and the glide from `lib`; a glide the
// library cannot give stays empty.
InfoRefrigerante infoRefrigerante(const LibreriaProprieta& lib, const QString& codice,
                                  int indiceLingua);

// The window's text and title in language 0..4 (Italian for any other index).
QString testoInfo(const InfoRefrigerante& info, int indiceLingua);
QString titoloInfo(const QString& codice, int indiceLingua);
