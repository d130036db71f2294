#pragma once
// Superheat and subcooling correction: moves the catalogue's capacity and mass flow
// from the rating conditions (suction at T0, saturated liquid at TC) to TU, TL, TA.

#include "engine/Esito.h"
#include "engine/Proprieta.h"
#include "engine/Stato.h"

// Vapour enthalpy at T2 and at the dew pressure of T1 (both K); 0 after a failed
// pressure, with " Errore nel calcolo di pressione di vapore<status>" shown.
double EntalpiaVapore(const LibreriaProprieta& lib, const std::string& gas, double T1, double T2,
                      MessaggiMotore& messaggi);
// Vapour specific volume at T2 and the dew pressure of T1, same conventions.
double VolumeVapore(const LibreriaProprieta& lib, const std::string& gas, double T1, double T2,
                    MessaggiMotore& messaggi);

// Computes CoeffResa, CoeffResaCompressore, VA0 and VA into `stato.correzioni` (all 1
// under standard conditions, without calling the library). A coefficient whose formula
// faults is reported through `messaggi` and the result is an error, so no rating is
// made with coefficients of another operating point. The debug text is filled when
// `stato.debug` is non-zero.
Esito CalcolaCorrezioni(StatoMotore& stato, const LibreriaProprieta& lib, MessaggiMotore& messaggi);
