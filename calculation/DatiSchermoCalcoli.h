#pragma once
// The calculation screen as its neighbours see it, without its widgets.

#include <QString>

class SorgenteDati;

// What the performance tables screen reads from the calculation screen, which must stay
// open while the tables are shown.
class DatiSchermoCalcoli {
public:
    virtual ~DatiSchermoCalcoli() = default;
    // The compressor list of the current refrigerant, standing on the current compressor.
    virtual const SorgenteDati& compressoreCorrente() const = 0;
    virtual QString testoCompressore() const = 0;  // text of the compressor combo
    virtual QString testoRefrigerante() const = 0; // text of the refrigerant combo
};
