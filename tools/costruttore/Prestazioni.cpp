#include "tools/costruttore/Prestazioni.h"

#include <cmath>

double rendimentoIsentropico(double rapporto, const DatiGenerali& g) {
    const double l = std::log(rapporto / g.rapportoOttimo);
    return g.etaMassimo * (1 - g.caloEta * l * l);
}

PuntoModello prestazione(const StatoPunto& s, double te, double tc, const ParametriCompressore& c,
                         const DatiGenerali& g) {
    PuntoModello p;
    p.te = te, p.tc = tc, p.stato = s;
    const double pi = s.rapporto();
    p.lambda = c.riempimento * (1 - c.spazioNocivo * (std::pow(pi, 1 / g.esponente) - 1));
    p.portata = c.cilindrataM3h / 3600 * p.lambda / s.vAspirazione;
    p.resa = p.portata * (s.hAspirazione - s.hLiquido);
    p.potenza =
        p.portata * s.lavoroIsentropico / (rendimentoIsentropico(pi, g) * c.rendimentoMotore);
    return p;
}
