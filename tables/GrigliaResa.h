#pragma once
// The grid of the capacity chart: for each condensing temperature of the compressor's
// range, the capacity and power input (W, catalogue polynomials, no supply factor) at
// evaporating temperatures 4 K apart from the envelope minimum, up to and including the
// envelope maximum: the chart covers the whole envelope. At most 10 condensing
// temperatures.

#include "engine/RigaCompressore.h"

#include <optional>
#include <vector>

struct PuntoResa {
    double Te = 0;      // °C
    double resa = 0;    // W
    double potenza = 0; // W
};

struct CurvaResa {
    int Tc = 0;                   // °C
    std::vector<PuntoResa> punti; // rising Te
};

inline constexpr int MassimoCurve = 10;

// Curves of `riga`, one per condensing temperature 30 + 5 i, i from MinTC to MaxTC
// (each (t - 30) / 5 rounded half to even); bands without both envelope limits are
// left out.
std::vector<CurvaResa> grigliaResa(const RigaCompressore& riga);
