#pragma once
// Discharge temperature of the compression and the envelope it leaves: at low evaporating
// and high condensing temperatures the discharge line, not the motor, limits a compressor.

#include "tools/costruttore/Descrizione.h"
#include "tools/costruttore/Termodinamica.h"

// Discharge temperature (degC) at the condensing pressure of state `s`, with the enthalpy
// h suction + isentropic work / eta_is(pi) (the efficiency of the model, motor losses apart).
bool temperaturaScarico(const QString& gas, const StatoPunto& s, double tAspirazione, const DatiGenerali& g,
                        double* tScarico, QString* errore);

// With limiteScarico: raises each band's TEMin in steps of passoTE until the discharge at
// the band's top (TC + 5 K, where the next band's limits take over) is within the limit; a
// band left with no point becomes Null. Without the limit nothing changes.
bool limitaScarico(Gamma* gamma, QString* errore);
