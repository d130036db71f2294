#include "platform/AvvisoCapacita.h"

#include "platform/FormatoNumero.h"

#include <array>
#include <cmath>

double capacitaMancanteKW(double richiestaW, double resaKW) {
    const double mancante = richiestaW / 1000 - resaKW;
    return std::isfinite(mancante) && mancante > 0 ? mancante : 0;
}

QString testoCapacitaNonRaggiunta(int lingua, double mancanteKW, const QLocale& locale) {
    static const std::array<const char*, 5> testi = {
        "Potenza richiesta non raggiunta: mancano %1 kW",
        "Required capacity not reached: %1 kW short",
        "Puissance demandée non atteinte : il manque %1 kW",
        "Geforderte Leistung nicht erreicht: es fehlen %1 kW",
        "Potencia requerida no alcanzada: faltan %1 kW",
    };
    if (lingua < 0 || lingua >= int(testi.size()))
        lingua = 0;
    return QString::fromUtf8(testi[size_t(lingua)])
        .arg(formatoNumero(mancanteKW, QStringLiteral("#,##0.00"), locale));
}
