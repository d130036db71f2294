#pragma once
// The catalogue builder: performance of every model and refrigerant of a described range
// from the physical model, the fitted coefficients, the plausibility checks and the
// catalogue's SQL sources.

#include "tools/costruttore/Plausibilita.h"

struct RigaGasCostruita {
    int id = 0;
    QString gas;
    std::array<std::optional<FasciaTE>, kBande> inviluppo;
    double minTC = 0, maxTC = 0;
    CurveCatalogo curve; // as written, ten significant digits
    Deviazione dResa, dPotenza, dPortata;
    std::vector<PuntoModello> punti; // the in-envelope grid
};

struct CompressoreCostruito {
    ModelloDescritto modello;
    SerieDescritta serie;
    int ordinamento = 0;
    double vd50 = 0, vd60 = 0; // m3/h
    double potenzaMassima = 0; // W, over every rated refrigerant
    double fla50 = 0, fla60 = 0, lra50 = 0, lra60 = 0;
    std::array<double, 22> w{}, a{}; // motor table (when the model has one)
    QList<RigaGasCostruita> righe;
};

struct CatalogoCostruito {
    QList<CompressoreCostruito> compressori;
};

// Grid of the envelope: condensing temperatures at each band's start and middle (and
// its end for the last band), evaporating temperatures from TEMin to TEMax in steps of
// `passo`.
std::vector<PuntoMisura>
grigliaInviluppo(const std::array<std::optional<FasciaTE>, kBande>& inviluppo, double passo);

// Current of the motor at power p from a 22-point table, as the rating engine reads it.
double correnteDaTabella(const std::array<double, 22>& w, const std::array<double, 22>& a,
                         double p);

// Computes, fits and checks the whole range; false and the first fault's message.
bool costruisciCatalogo(const Gamma& gamma, CatalogoCostruito* catalogo, QString* errore);

// SQL sources: compressors, motors, ratings and option links; refrigerants.
QString sqlCompressori(const CatalogoCostruito& c, const QString& nomeDescrizione);
QString sqlGas(const Gamma& g, const QString& nomeDescrizione);

// One line per model and refrigerant with the rms and largest fit deviations.
QString rapportoDeviazioni(const CatalogoCostruito& c);
