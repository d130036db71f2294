#include "engine/RigaCompressore.h"

#include "engine/Prestazioni.h"

#include <cmath>
#include <limits>

void CaricaDatiCompressore(DatiCompressore& dati, const RigaCompressore& riga) {
    for (int k = 0; k < 10; ++k) {
        dati.WR[k] = riga.WR[k].value_or(0);
        dati.WA[k] = riga.WA[k].value_or(0);
        dati.PM[k] = riga.PM[k].value_or(0);
    }
    for (int k = 0; k < 22; ++k) {
        if (riga.A[k]) {
            dati.A[k] = *riga.A[k];
            dati.W[k] = riga.W[k].value_or(0);
        } else {
            dati.A[k] = 0;
            dati.W[k] = 0;
        }
    }
    // The segment count of the current search: a Null, or more than the table's 21
    // segments, would leave the search without the table or past its end.
    const double wmax = riga.WMAX.value_or(SegmentiMotore);
    dati.WMAX = std::isfinite(wmax) && std::abs(wmax) < std::numeric_limits<int16_t>::max()
                    ? static_cast<int16_t>(std::lround(wmax))
                    : int16_t(SegmentiMotore);
    if (dati.WMAX > SegmentiMotore)
        dati.WMAX = SegmentiMotore;
}
