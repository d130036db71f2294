#pragma once
// Refrigerant states of one rating point, through the property library's C++ interface.

#include <QString>

struct StatoPunto {
    double pEvaporazionePa = 0;     // dew pressure at TE
    double pCondensazionePa = 0;    // dew pressure at TC
    double vAspirazione = 0;        // m3/kg at the rated suction gas temperature and TE's pressure
    double hAspirazione = 0;        // J/kg, same state
    double hLiquido = 0;            // J/kg, saturated liquid at TC (no subcooling)
    double lavoroIsentropico = 0;   // J/kg, suction state to the condensing pressure
    double tScaricoIsentropico = 0; // degC, end of that isentropic compression
    double rapporto() const { return pCondensazionePa / pEvaporazionePa; }
};

// Loads the data files of the folder; false and a message when the library refuses it.
bool caricaRefrigeranti(const QString& cartella, QString* errore);

// States of refrigerant `gas` at TE/TC (degC) with suction gas at tAspirazione (degC).
bool statoPunto(const QString& gas, double te, double tc, double tAspirazione, StatoPunto* s,
                QString* errore);
