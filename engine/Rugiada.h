#pragma once
// Dew and bubble points of a zeotropic blend. The catalogue's polynomials are at dew-point
// temperatures; a user may think in bubble points, and the information window shows the glide.

#include "engine/Esito.h"
#include "engine/Proprieta.h"
#include "engine/Stato.h"

#include <string>

// Below this glide (K) a refrigerant is treated as having none: the figures on screen carry
// one decimal.
inline constexpr double GlideTrascurabile = 0.05;

// Dew-point temperature (°C) at the pressure at which `tBollaC` is the bubble temperature.
Esito TemperaturaRugiada(const LibreriaProprieta& lib, const std::string& gas, double tBollaC,
                         double& tRugiadaC);

// Bubble-point temperature (°C) at the pressure at which `tRugiadaC` is the dew temperature;
// tRugiadaC - tBollaC is the glide at that pressure.
Esito TemperaturaBolla(const LibreriaProprieta& lib, const std::string& gas, double tRugiadaC,
                       double& tBollaC);

// With cf.RiferimentoBolla, TE and TC as typed are bubble points: they move to TEBolla/TCBolla
// and TE/TC become the dew points of the same pressures (to 0.1 K). Superheats typed as differences
// follow TE (a superheat counts from the dew point); the liquid temperature stays, as a
// subcooling counts from the bubble point. Without the reference, or without glide, nothing
// changes and TEBolla/TCBolla are NonDato. Call it once per computation, after the typed
// conditions are stored.
Esito RiferisciARugiada(CondFunz& cf, const LibreriaProprieta& lib);
