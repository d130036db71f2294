#pragma once
// The part of the calculation screen its neighbours read, without the screen: the
// compressor list of one refrigerant standing on one model, and its two combo texts.

#include "calculation/DatiSchermoCalcoli.h"
#include "dati/SorgenteDati.h"

#include <QString>

class Catalogo;

class CalcoliFinti : public DatiSchermoCalcoli {
public:
    // Reads the list as the calculation screen does; stands on no row when `modello` is
    // not among the compressors of `gas`.
    CalcoliFinti(Catalogo* cat, const QString& gas, const QString& modello);

    const SorgenteDati& compressoreCorrente() const override { return compressori; }
    QString testoCompressore() const override { return modello; }
    QString testoRefrigerante() const override { return gas; }

    SorgenteDati compressori;
    QString gas, modello;
};
