#include "engine/Rugiada.h"

#include <cmath>

namespace {

constexpr double Kelvin = 273.15;

// One saturation curve of the library: pressure at a temperature, or a status.
using PressioneSat = int16_t (*)(const char* gas, double T_K, double* p);

Esito guasto(const std::string& gas, const char* funzione, double T_K, int16_t stato) {
    return Esito::errore(TipoEsito::ErroreCalcolo, funzione,
                         gas + ": " + funzione + " a " + std::to_string(T_K) + " K, stato " +
                             std::to_string(stato));
}

// The temperature at which `pressione` (one of the two saturation curves) gives pObiettivo,
// by the secant on ln p, which is nearly linear in T over a few kelvin.
Esito risolvi(PressioneSat pressione, const char* nome, const std::string& gas, double pObiettivo,
              double T0, double& T) {
    const double lnP = std::log(pObiettivo);
    double x0 = T0, x1 = T0 + 1, p = 0;
    if (int16_t s = pressione(gas.c_str(), x0, &p))
        return guasto(gas, nome, x0, s);
    double f0 = std::log(p) - lnP;
    for (int i = 0; i < 40; ++i) {
        if (int16_t s = pressione(gas.c_str(), x1, &p))
            return guasto(gas, nome, x1, s);
        const double f1 = std::log(p) - lnP;
        if (f1 == f0)
            break;
        const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
        if (!std::isfinite(x2))
            break;
        x0 = x1;
        f0 = f1;
        x1 = x2;
        if (std::abs(x1 - x0) < 1e-7) {
            T = x1;
            return Esito::riuscito();
        }
    }
    return Esito::errore(TipoEsito::ErroreCalcolo, nome,
                         gas + ": il punto di saturazione alla pressione " +
                             std::to_string(pObiettivo) + " Pa non converge");
}

// The temperature of the other saturation curve at the pressure where `tC` lies on the
// first: `pressioneDa` gives that pressure, `pressioneA` is solved for the temperature.
Esito altraSaturazione(PressioneSat pressioneDa, const char* nomeDa, PressioneSat pressioneA,
                       const char* nomeA, const std::string& gas, double tC, double& altraC) {
    if (!pressioneDa || !pressioneA) {
        altraC = tC;
        return Esito::riuscito();
    }
    double p = 0;
    if (int16_t s = pressioneDa(gas.c_str(), tC + Kelvin, &p))
        return guasto(gas, nomeDa, tC + Kelvin, s);
    double T = 0;
    if (Esito e = risolvi(pressioneA, nomeA, gas, p, tC + Kelvin, T); !e.ok())
        return e;
    altraC = T - Kelvin;
    return Esito::riuscito();
}

} // namespace

Esito TemperaturaRugiada(const LibreriaProprieta& lib, const std::string& gas, double tBollaC,
                         double& tRugiadaC) {
    return altraSaturazione(lib.p_B, "p_B", lib.p_D, "p_D", gas, tBollaC, tRugiadaC);
}

Esito TemperaturaBolla(const LibreriaProprieta& lib, const std::string& gas, double tRugiadaC,
                       double& tBollaC) {
    return altraSaturazione(lib.p_D, "p_D", lib.p_B, "p_B", gas, tRugiadaC, tBollaC);
}

Esito RiferisciARugiada(CondFunz& cf, const LibreriaProprieta& lib) {
    cf.TEBolla = cf.TCBolla = NonDato;
    if (!cf.RiferimentoBolla)
        return Esito::riuscito();
    double te = 0, tc = 0;
    if (Esito e = TemperaturaRugiada(lib, cf.NomeGas, cf.TE, te); !e.ok())
        return e;
    if (Esito e = TemperaturaRugiada(lib, cf.NomeGas, cf.TC, tc); !e.ok())
        return e;
    if (std::abs(te - cf.TE) < GlideTrascurabile && std::abs(tc - cf.TC) < GlideTrascurabile)
        return Esito::riuscito();
    // Dew points to a tenth of a kelvin: the figures the screens, the report
    // and selcomp-cli show.
    te = std::round(te * 10) / 10;
    tc = std::round(tc * 10) / 10;
    const double spostamento = te - cf.TE;
    cf.TEBolla = cf.TE;
    cf.TCBolla = cf.TC;
    cf.TE = te;
    cf.TC = tc;
    if (cf.ValoriDifferenziali) {
        if (cf.TU != NonDato)
            cf.TU += spostamento;
        if (cf.TA != NonDato)
            cf.TA += spostamento;
    }
    return Esito::riuscito();
}
