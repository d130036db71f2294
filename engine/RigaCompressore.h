#pragma once
// One compressor/refrigerant record of the catalogue as the engine needs it (Null
// columns are empty optionals). The catalogue fills it; the engine loads it into
// DatiCompressore with the catalogue's Null rules.

#include "engine/Condizioni.h"
#include "engine/Stato.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct RigaCompressore {
    int32_t IDCollCompGas = 0;
    std::string CodiceProdotto, CodiceGas;
    std::array<std::optional<double>, 10> WR{}, WA{}, PM{}; // PM[0] is PM1
    std::array<std::optional<double>, 22> W{}, A{};         // W1..W22, A1..A22
    std::optional<double> WMAX;
    std::optional<double> MinTC, MaxTC;
    bool bk8 = false;
    InviluppoCompressore inviluppo;
};

// Coefficients (Null = 0) and motor table: a point whose current is Null ends the
// table (its power and current become 0), so no point of an earlier compressor
// survives. `WMAX` is taken too, Null or above 21 as the table's 21 segments.
void CaricaDatiCompressore(DatiCompressore& dati, const RigaCompressore& riga);
