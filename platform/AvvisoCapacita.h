#pragma once
// The warning of a selection whose largest candidate does not reach the required capacity,
// in the program's five languages: the results screen and selcomp-cli say the same words.

#include <QLocale>
#include <QString>

// kW by which `resaKW` (the chosen compressor's capacity at the evaporator, the figure the
// search compares) falls short of `richiestaW`; 0 when it is reached.
double capacitaMancanteKW(double richiestaW, double resaKW);

// "Potenza richiesta non raggiunta: mancano 50,40 kW" in language `lingua` (0 Italian,
// 1 English, 2 French, 3 German, 4 Spanish), the figure with "#,##0.00" in `locale`.
QString testoCapacitaNonRaggiunta(int lingua, double mancanteKW, const QLocale& locale);
