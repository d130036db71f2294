#pragma once
// Blends computed as real mixtures of their components: the multi-fluid Helmholtz model
// in the form of Kunz and Wagner (J. Chem. Eng. Data 57 (2012) 3032-3091),
//   alpha = sum x_i [alpha0_i(rho, T) + ln x_i] + sum x_i alphar_i(delta, tau)
//           + sum_{i<j} x_i x_j F_ij alphar_ij(delta, tau),
// delta = rho / rho_r(x), tau = T_r(x) / T, reducing functions of the GERG form.
#include <array>
#include <string>
#include <vector>

#include "reflib/Chebyshev.h"
#include "reflib/Equazione.h"
#include "reflib/Fluido.h"
#include "reflib/Refrigerante.h"
#include "reflib/UltimiVapori.h"

namespace reflib {

constexpr int MaxComponenti = 6;
// The mixture model takes one gas constant for every component, whatever each component's
// own equation uses: the CODATA 2018 value (the reference tables of the model use it too).
constexpr double CostanteGas = 8.314462618;
using Composizione = std::array<double, MaxComponenti>;

struct CoppiaMiscela {
    int i = 0, j = 0;
    double betaT = 1, gammaT = 1, betaV = 1, gammaV = 1, F = 0;
    std::string fonte;
    Equazione partenza; // the departure function's terms (poly and exp), none when F = 0
    // Filled by ModelloMiscela::prepara: beta^2 and beta gamma times the combined critical values.
    double bT2 = 1, bV2 = 1, kT = 0, kV = 0;
};

// The mixture's residual part at (T, rho, x), with what the phase equilibrium needs.
struct StatoMiscela {
    double Tr = 0, vr = 0, delta = 0, tau = 0;
    double R = 0, M = 0;                          // J/(mol K), kg/mol
    double ar = 0, ar_d = 0, ar_dd = 0, ar_t = 0; // alphar and its delta and tau derivatives
    Composizione ar_x{}; // d alphar / d x_i at delta, tau and the other x (independent)
    Composizione dnar{}; // d(n alphar) / d n_i at T, V and the other n
};

// One phase's pressure and fugacities at (T, ln rho, x) with their derivatives in ln rho
// and in each x_j (the fractions taken as independent), for the equilibrium's Newton.
struct DerivateFugacita {
    double p = 0, p_lnRho = 0; // Pa
    Composizione p_x{};
    Composizione lnf{}, lnf_lnRho{};              // ln f_i, f in Pa
    double lnf_x[MaxComponenti][MaxComponenti]{}; // d ln f_i / d x_j
};

// A solution of the phase equilibrium: the phase of fixed composition (F) and the
// incipient one (I) with its composition w.
struct SoluzioneEquilibrio {
    double lnRhoF = 0, lnRhoI = 0; // molar densities, mol/m3
    Composizione w{};
    double p = 0;
};

// Each component's ideal-gas part is evaluated at tau_i = T_c,i / T with its critical
// temperature (not its reducing one; they differ for R134a) and delta_i = rho / rho_r,i.
class ModelloMiscela {
public:
    std::vector<const Fluido*> componenti;
    std::vector<CoppiaMiscela> coppie;

    // Once components and pairs are in.
    void prepara();
    int n() const { return int(componenti.size()); }

    // Reducing temperature and volume (1/rho_r) and their derivatives in each x_k.
    // With Tr_xx and vr_xx (N x N, row-major) also the second derivatives.
    void riduzione(const double* x, double& Tr, double& vr, double* Tr_x, double* vr_x,
                   double* Tr_xx = nullptr, double* vr_xx = nullptr) const;
    void valuta(double T, double rho, const double* x, bool composizione, StatoMiscela& s);
    double pressione(double T, double rho, const double* x);
    // Molar enthalpy and entropy (J/mol, J/(mol K)) at a state valuta() gave. Their reference:
    // each component keeps its own IIR offsets (h = 200 kJ/kg, s = 1 kJ/(kg K) for its own
    // saturated liquid at 0 degC) and the entropy has the ideal mixing term -R sum x ln x, so
    // a blend's bubble-point liquid at 0 degC is not at the IIR values (R448A 203.46 kJ/kg,
    // 1.1428 kJ/(kg K)); only differences mean anything.
    double entalpia(double T, double rho, const double* x, const StatoMiscela& s) const;
    double entropia(double T, double rho, const double* x, const StatoMiscela& s) const;
    // p and ln f_i (fugacities in Pa) at (T, ln rho, x).
    void fugacita(double T, double lnRho, const double* x, double& p, double* lnf);
    // The same with the analytic derivatives (second derivatives of alphar in delta, tau and x).
    void fugacitaDerivate(double T, double lnRho, const double* x, DerivateFugacita& d);
    // Molar isobaric heat capacity, J/(mol K), from the Helmholtz derivatives at fixed x.
    double capacitaTermica(double T, double rho, const double* x);
    // Molar density at (T, p): vapour from the second-virial estimate, liquid from rho0.
    int densita(double T, double p, const double* x, bool liquido, double rho0, double& rho);
    // Phase equilibrium at T with the fixed phase of composition z, by Newton on
    // ln rho_F, ln rho_I and w from the start in `s`; `vaporeFisso`: a dew point.
    int equilibrio(double T, const double* z, bool vaporeFisso, SoluzioneEquilibrio& s);
    double tCriticaIdeale(int i) const;
    // Second virial coefficient of the reduced equation at tau (d alphar / d delta at 0).
    double viriale(const double* x, double tau);

private:
    std::vector<ValutatoreTau> m_valComp, m_valCopp;
};

class Miscela : public Refrigerante {
public:
    ModelloMiscela modello;
    Composizione z{};
    std::vector<std::string> nomiComponenti; // as the data file names them

    int pressioneRugiada(double T, double& p, std::string& errore) override;
    int entalpiaLiquido(double T, double& h, std::string& errore) override;
    int vapore(double T, double p, double& h, double& v, std::string& errore) override;
    void dimentica() override;
    int pressioneBolla(double T, double& p, std::string& errore) override;
    int liquidoSaturo(double T, Proprieta& r, std::string& errore) override;
    int vaporeSaturo(double T, Proprieta& r, std::string& errore) override;
    int statoVapore(double T, double p, Proprieta& r, std::string& errore) override;
    int statoVaporeCpDifferenze(double T, double p, Proprieta& r, std::string& errore) override;
    double tMinSaturazione() const override { return TMinSaturazione; }
    double tMaxSaturazione() const override;

    // Dew and bubble points solved at T from scratch (no fitted curves): for the tests.
    int rugiadaEsatta(double T, SoluzioneEquilibrio& s, std::string& errore);
    int bollaEsatta(double T, SoluzioneEquilibrio& s, std::string& errore);
    // Forgets the fitted curves too, so that the next call solves them again.
    void dimenticaCurve();

    double Tmin = 0, Tmax = 0;                        // range of the components' equations
    static constexpr double TMinSaturazione = 213.15; // -60 degC

private:
    struct Tratto {
        TrattoChebyshev lnPD, lnPB, hL, lnRhoL, lnRhoV;
    };
    struct PuntoMarcia {
        double T;
        SoluzioneEquilibrio d, b;
    };
    bool m_curveFatte = false;
    int m_esitoCurve = Ok;
    std::string m_erroreCurve;
    double m_Tb = 0;
    std::vector<Tratto> m_tratti;
    std::vector<PuntoMarcia> m_marcia;

    UltimiVapori m_vap;
    double m_ultimoT = -1;
    const Tratto* m_ultimoTratto = nullptr;

    int curve(std::string& errore);
    bool preparaCurve(std::string& errore);
    bool adattaTratto(double a, double b, int profondita, std::string& errore);
    bool risolvi(double T, bool rugiada, SoluzioneEquilibrio& s);
    void partenzaMarcia(double T, bool rugiada, SoluzioneEquilibrio& s) const;
    int saturazione(double T, const Tratto*& t, std::string& errore);
    int densitaVapore(double T, double p, double& rho, std::string& errore);
    void proprieta(double T, double rho, const double* x, Proprieta& r);
    double massaMolare(const double* x) const;
};

} // namespace reflib
