#pragma once
// Physical model of a reciprocating compressor at one rating point.

#include "tools/costruttore/Descrizione.h"
#include "tools/costruttore/Termodinamica.h"

struct PuntoModello {
    double te = 0, tc = 0;
    double lambda = 0;  // volumetric efficiency
    double resa = 0;    // W
    double potenza = 0; // W
    double portata = 0; // kg/s
    StatoPunto stato;
};

struct ParametriCompressore {
    double cilindrataM3h = 0; // displacement at 50 Hz
    double spazioNocivo = 0, riempimento = 0, rendimentoMotore = 0;
};

// Mass flow = displacement x volumetric efficiency x suction density, with
// lambda = riempimento (1 - c (pi^(1/n) - 1)); the clearance term is the re-expansion of
// the clearance gas, riempimento the suction gas heating, valve throttling and leakage
// of a suction-cooled motor. Capacity = mass flow x (h suction - h liquid at TC). Power =
// mass flow x isentropic work / (eta_is(pi) x eta_motor), with
// eta_is = etaMassimo (1 - caloEta ln^2(pi / rapportoOttimo)).
PuntoModello prestazione(const StatoPunto& s, double te, double tc, const ParametriCompressore& c,
                         const DatiGenerali& g);

double rendimentoIsentropico(double rapporto, const DatiGenerali& g);
