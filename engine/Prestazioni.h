#pragma once
// Rating of one compressor at the operating point: EN 12900 polynomials, supply
// factors and the current from the motor table.

#include "engine/Esito.h"
#include "engine/Stato.h"

#include <cstddef>

// The factor table by supply option (row 5 stays zero: no option).
FattoriTensione InizializzaFattori();

// C0 + C1·TE + C2·TC + C3·TE² + C4·TE·TC + C5·TC² + C6·TE³ + C7·TE²·TC + C8·TE·TC² + C9·TC³
double Polinomio(const std::array<double, 12>& C, double TE, double TC);

// Whether a model offers supply option `indice` (0..4): an eight-cylinder part-winding
// model (bk8) has no 220-240 V options and no 380-420 V at 60 Hz, only 0 and 2.
bool TensioneOfferta(int indice, bool bk8);

// Number of segments of the 22-point motor table.
inline constexpr int SegmentiMotore = 21;

// Current in A at power `P` (W, before any supply factor), piecewise linear in the
// motor table over `n` segments; a power above the table follows the first segment.
// The result may be non-finite (all-zero table, equal points): callers check it.
double CorrenteDaPotenza(const DatiCompressore& dati, double P, int n);

// A model without a motor row (or whose first point is Null) has a table of zeros. Its
// current cannot be known; capacity, power and mass flow can, and are rated.
bool HaTabellaMotore(const DatiCompressore& dati);

// Rates the compressor of `stato.datiCompressore` at TE/TC with the correction factors
// already computed; writes `stato.risultati`. Without a motor table the two currents are
// NaN, meaning "not known" (shown as "-"), and the rating goes on. The first floating-point fault
// ends the rating there: fields written before it keep their new values.
Esito CalcolaPrestazioni(StatoMotore& stato);
