#pragma once
// Discharge temperature of the compression and the envelope it leaves: at low evaporating
// and high condensing temperatures the discharge line, not the motor, limits a compressor.

#include "tools/costruttore/Descrizione.h"
#include "tools/costruttore/Termodinamica.h"

// Discharge temperature (degC) at the condensing pressure of state `s` (condensing at tc degC),
// with the enthalpy h suction + isentropic work + quotaScarico x the losses of eta_is(pi) (the rest
// leaves through the cylinder heads, the oil and the housing).
bool temperaturaScarico(const QString& gas, const StatoPunto& s, double tc, const DatiGenerali& g,
                        double* tScarico, QString* errore);

// For each refrigerant with a limiteScarico: raises each band's TEMin in steps of passoTE until the
// discharge at the band's top (TC + 5 K, where the next band's limits take over), with the suction
// gas surriscaldamentoScarico above TEMin, is within the limit; a band left with no point becomes
// Null. A refrigerant without the limit keeps its envelope.
bool limitaScarico(Gamma* gamma, QString* errore);
