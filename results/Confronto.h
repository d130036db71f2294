#pragma once
// Compressors side by side: each rated at one operating point exactly as the calculation
// screen rates one, with the share of the required capacity it reaches and the best
// value of each row.

#include "engine/Esito.h"
#include "engine/Proprieta.h"
#include "engine/RigaCompressore.h"
#include "engine/Stato.h"

#include <string>
#include <vector>

struct ColonnaConfronto {
    std::string codice;  // model
    Risultati risultati; // what the rating did not reach is NaN
    std::string guasto;  // the fault that stopped the rating, if any
};

// The rows of the comparison, top to bottom.
enum class RigaConfronto { Resa, Potenza, Corrente, Portata, COP, Calore, Quota };
inline constexpr int NumeroRigheConfronto = 7;

// Rates every row with CalcolaCompressore from a fresh copy of `base` (the conditions as
// the screen stored them: optional temperatures 9999.9 when not given, T0, NomeGas,
// IndiceTensione, fattoriTensione). Rows whose envelope refuses the point are left out;
// a rating that faults keeps its column, with the figures it did not reach as NaN and the
// fault's text (as the selection's walk does).
Esito ConfrontaCompressori(const StatoMotore& base, const std::vector<RigaCompressore>& righe,
                           const LibreriaProprieta& lib, MessaggiMotore& messaggi,
                           std::vector<ColonnaConfronto>& colonne);

// The value of a row: capacity at the evaporator, power and heat rejection in kW, current
// in A, mass flow in kg/h, COP, and the capacity as a percentage of `potenzaRichiestaW`
// (NaN when nothing was required).
double valoreConfronto(const ColonnaConfronto& c, RigaConfronto riga, double potenzaRichiestaW);

// Column holding the best value of a row, or -1: the largest capacity and COP, the
// smallest power, current, mass flow and heat rejection; for the share, the smallest one
// that reaches 100 % (the compressor the selection would prefer), else the largest.
int migliorConfronto(const std::vector<ColonnaConfronto>& colonne, RigaConfronto riga,
                     double potenzaRichiestaW);

// True when a requirement was given and the column's capacity stays below it.
bool richiestaNonRaggiunta(const ColonnaConfronto& c, double potenzaRichiestaW);
