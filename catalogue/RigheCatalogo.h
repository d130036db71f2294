#pragma once
// Catalogue rows as the engine wants them.

#include "catalogue/Istantanea.h"
#include "engine/RigaCompressore.h"

// One row of a CollCompGas-shaped snapshot (CollCompGasQry, the candidates' query, or
// CollCompGas itself) read by column name: Null cells stay empty optionals, columns the
// snapshot lacks too (the engine applies its Null rules). A text cell counts by its
// leading number.
RigaCompressore rigaCompressore(const Istantanea& righe, int riga);
