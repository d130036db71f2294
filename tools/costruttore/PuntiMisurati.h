#pragma once
// The fit of measured points, as a test lab delivers them: CSV lines TE, TC, capacity W,
// power input W, mass flow kg/s.

#include "tools/costruttore/Plausibilita.h"

#include <QTextStream>

struct PuntoMisurato {
    double te = 0, tc = 0, resa = 0, potenza = 0, portata = 0;
};

// Reads the CSV text (",", ";" or tab between fields; a first line that is not numbers
// is a header; "#" lines are comments); false and "line N: reason" on a fault.
bool leggiPunti(const QString& testo, std::vector<PuntoMisurato>* punti, QString* errore);

struct EsitoPunti {
    CurveCatalogo curve;
    Deviazione dResa, dPotenza, dPortata;
    QString errore; // fit or plausibility fault, empty when none
};

// Fits the three curves and checks them; with a refrigerant (non-empty `gas`) also the
// energy balance against its states at suction gas temperature tAspirazione.
EsitoPunti adattaPunti(const QString& chi, const std::vector<PuntoMisurato>& punti,
                       const QString& gas, double tAspirazione);

void scriviEsito(QTextStream& out, const EsitoPunti& e, int numeroPunti, bool json);
