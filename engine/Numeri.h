#pragma once
// Number helpers of the engine: fault detection of one floating-point step, and number
// texts in the shortest form that reads back to the same double.

#include <optional>
#include <string>

// Clears the floating-point exception flags before a guarded sequence of steps.
void iniziaPasso();
// The fault of the step just computed, or nothing when `valore` is a finite number:
// "operazione non valida" (NaN), "divisione per zero" (infinity with the division flag
// raised since iniziaPasso) or "overflow".
std::optional<std::string> guastoPasso(double valore);

// Shortest text that reads back as `valore`, point as decimal separator ("40", "42.5").
std::string testoNumero(double valore);
// The picture "#...#" of a whole number: no leading zeros, nothing for 0.
std::string formatoCancelletti(long valore);
