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

// Shortest text that reads back as `valore`, point as decimal separator ("40", "42.5"):
// for SQL text and data files, where the value must come back unchanged.
std::string testoNumero(double valore);
// The default number-to-text form of what people read (debug lines, text output): at
// most 15 significant digits with the point, so -10 + 11.1 reads "1.1", not
// "1.0999999999999996". Non-finite values give "-".
std::string testoPredefinito(double valore);
// The picture "#...#" of a whole number: no leading zeros, nothing for 0.
std::string formatoCancelletti(long valore);
