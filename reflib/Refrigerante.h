#pragma once
// A refrigerant the library knows: a pure fluid, a pseudo-pure blend or a blend computed
// as a mixture. The five C functions reach it through the first four members; our own
// tools use the states below (every state with its entropy).
#include <string>
#include <vector>

namespace reflib {

// Statuses, the same values as ILK.h.
enum Esito : int {
    Ok = 0,
    NonInizializzata = 1,
    Sconosciuto = 2,
    FuoriCampo = 3,
    NonConverge = 4,
    FileDati = 5,
    Argomento = 6
};

// One state, SI units per kilogram.
struct Proprieta {
    double T = 0;  // K
    double p = 0;  // Pa
    double v = 0;  // m3/kg
    double h = 0;  // J/kg
    double s = 0;  // J/(kg K)
    double cp = 0; // J/(kg K)
};

class Refrigerante {
public:
    virtual ~Refrigerante() = default;

    std::string nome;
    std::vector<std::string> alias;
    std::string fonte;

    // The five functions' work. Each returns an Esito and writes the result only on
    // success; `errore` gets the cause.
    virtual int pressioneRugiada(double T, double& p, std::string& errore) = 0;
    virtual int entalpiaLiquido(double T, double& h, std::string& errore) = 0;
    virtual int vapore(double T, double p, double& h, double& v, std::string& errore) = 0;
    // Forgets the remembered states (never what is solved once per refrigerant).
    virtual void dimentica() = 0;

    // Pressure at which T is the bubble temperature (the dew pressure for a pure fluid).
    virtual int pressioneBolla(double T, double& p, std::string& errore) = 0;
    // Saturated liquid at its bubble temperature T and saturated vapour at its dew temperature T.
    virtual int liquidoSaturo(double T, Proprieta& r, std::string& errore) = 0;
    virtual int vaporeSaturo(double T, Proprieta& r, std::string& errore) = 0;
    // Vapour at T and p (up to the dew line, 1e-6 relative above it included).
    virtual int statoVapore(double T, double p, Proprieta& r, std::string& errore) = 0;
    // The same with cp as the central difference of h along the isobar: the isentrope's
    // Newton slope. The analytic cp reaches the same root within a few ulps but not the same
    // ulps, and the catalogues' fitted coefficients (printed to 10 digits) show them.
    virtual int statoVaporeCpDifferenze(double T, double p, Proprieta& r, std::string& errore) = 0;

    // Bubble and dew temperature at p: the glide is their difference.
    int glide(double p, double& tBolla, double& tRugiada, std::string& errore);
    // Vapour at p with entropy s: the end of an isentropic compression (or expansion).
    int isentropica(double p, double s, double tPartenza, Proprieta& r, std::string& errore);
    // Saturation temperature range where the bubble and dew pressures are solved.
    virtual double tMinSaturazione() const = 0;
    virtual double tMaxSaturazione() const = 0;
};

} // namespace reflib
