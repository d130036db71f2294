#pragma once
// One refrigerant: its equation of state, its saturation ancillaries, and the states it
// last computed (the superheat correction asks for the same few states many times).
#include <array>
#include <string>
#include <vector>

#include "reflib/Equazione.h"
#include "reflib/Refrigerante.h"
#include "reflib/UltimiVapori.h"

namespace reflib {

// theta = 1 - T/Tr; "pressione": x = xr exp((Tr/T) sum n theta^t) (or without Tr/T),
// "lineare": x = xr (1 + sum n theta^t), "esponenziale": like "pressione".
struct Ancillare {
    enum class Forma { Pressione, Lineare, Esponenziale } forma = Forma::Pressione;
    double Tr = 0, valoreRid = 0, Tmin = 0, Tmax = 0;
    bool tauR = false;
    std::vector<double> n, t;
    bool presente() const { return !n.empty(); }
    double valuta(double T) const;
};

class Fluido : public Refrigerante {
public:
    bool pseudoPuro = false;
    double Tcrit = 0, pcrit = 0, Tmin = 0, Tmax = 0;
    double TcritMiscela = 0; // reduces the ideal-gas part in the mixture model; 0: Tcrit
    Equazione eq;
    Ancillare ps, pl, pv, rhol, rhov;

    // Each returns an Esito and writes the result only on success; `errore` gets the cause.
    int pressioneRugiada(double T, double& p, std::string& errore) override;
    int entalpiaLiquido(double T, double& h, std::string& errore) override;
    int vapore(double T, double p, double& h, double& v, std::string& errore) override;
    int pressioneBolla(double T, double& p, std::string& errore) override;
    int liquidoSaturo(double T, Proprieta& r, std::string& errore) override;
    int vaporeSaturo(double T, Proprieta& r, std::string& errore) override;
    int statoVapore(double T, double p, Proprieta& r, std::string& errore) override;
    int statoVaporeCpDifferenze(double T, double p, Proprieta& r, std::string& errore) override;
    double tMinSaturazione() const override { return Tmin; }
    double tMaxSaturazione() const override { return Tcrit; }

    // Properties at (T, molar density), for the tests and the states above.
    double pressione(double T, double rho);
    double entalpia(double T, double rho);
    double entalpia(double T, double rho, const Residuo& r); // r already at (T, rho)

    // Forgets the remembered states (so a benchmark can time the full work).
    void dimentica() override;
    // Molar entropy at (T, molar density), J/(mol K).
    double entropia(double T, double rho);

    // Phase equilibrium of the equation at T (pure fluids): pressure, liquid and vapour
    // molar densities.
    int equilibrio(double T, double& p, double& rhoL, double& rhoV, std::string& errore);
    // The same from given reduced starting densities, also giving the residual part at
    // the two densities found.
    int equilibrio(double T, double dL, double dV, double& rhoL, double& rhoV, Residuo& l,
                   Residuo& v, std::string& errore);

    // Starting reduced densities of the saturated liquid and vapour at T (for the blends:
    // liquid at the bubble pressure, vapour at the dew pressure); true when they come from
    // the table of solved states, false when only from the ancillaries.
    bool partenza(double T, double& dL, double& dV);

private:
    struct Saturazione {
        double T = -1, pRugiada = 0, hL = 0, rhoL = 0, rhoV = 0, hV = 0, vV = 0;
        bool vaporeNoto = false;
    } m_sat;
    UltimiVapori m_vap;
    ValutatoreTau m_val;

    // The saturated densities every PassoTabella kelvin, solved once per fluid on first
    // use: quadratic interpolation in it starts the iterations far closer than the
    // ancillaries (a few per cent off for some fluids) would.
    static constexpr double PassoTabella = 1.0;
    struct PuntoSat {
        double dL, dV;
    };
    std::vector<PuntoSat> m_tab;
    double m_tabT0 = 0;
    bool m_tabPronta = false;
    void preparaTabella();
    bool continua(double T, double& rhoL, double& rhoV, Residuo& l, Residuo& v,
                  std::string& errore);

    int saturazione(double T, std::string& errore);
    // Checks that (T, p) is vapour and finds its density.
    int densitaVapore(double T, double p, double& rho, std::string& errore);
    void proprieta(double T, double rho, Proprieta& r);
    const ValutatoreTau& valutatore(double T);
    // Density at (T, p) by Newton from rho0: vapour from below (ideal gas), liquid from the
    // ancillary value.
    int densita(double T, double p, double rho0, bool liquido, double& rho, std::string& errore);
};

} // namespace reflib
