#pragma once
// The performance tables of one compressor: capacity, power input, current and mass flow
// at the catalogue's rating conditions over the envelope, rows every 5 K of evaporating
// temperature, columns the condensing temperatures 30, 35, ... 70.

#include "engine/Condizioni.h"
#include "engine/Esito.h"
#include "engine/Stato.h"

#include <array>
#include <optional>
#include <vector>

struct RigaTabella {
    int Tvap = 0;                              // °C
    std::array<std::optional<double>, 9> Tc{}; // Tc30..Tc70, empty outside the envelope
};

enum IndiceTabella { TabResa = 0, TabPotenza = 1, TabCorrente = 2, TabPortata = 3 };

struct TabellePrestazioni {
    // tmpWR (kW or W), tmpWA (kW or W), tmpCA (A), tmpPM (kg/h)
    std::array<std::vector<RigaTabella>, 4> tabelle;
};

// One cell: k = 1 capacity, 2 power, 3 current, 4 mass flow; other k give 0.
// `WMAX` of `dati` is the segment count of the current (kept within the table).
double Calcolores(const DatiCompressore& dati, const FattoriTensione& F, int indiceTensione,
                  bool kW, double Tc, double Te, int k);

// Fills the four tables. An index outside 0..5 or a faulting cell ends with an error
// naming the table and the point. Without a motor table the current table keeps its rows
// with every cell empty.
Esito CalcolaTabelle(const DatiCompressore& dati, const InviluppoCompressore& inviluppo,
                     const FattoriTensione& F, int indiceTensione, bool kW,
                     TabellePrestazioni& uscita);
