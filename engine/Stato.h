#pragma once
// The rating engine's module state: plain records shared by the screens, the
// selection search and the command-line tool. One instance lives in the
// application state; tests make fresh ones.

#include <array>
#include <cstdint>
#include <string>

// Value of an optional temperature that was not given.
inline constexpr double NonDato = 9999.9;

// The operating point.
struct CondFunz {
    double TE = 0, TC = 0;
    double TU = 0, TL = 0, TA = 0;
    double DeltaTU = 0, Sottoraffreddamento = 0, Surriscaldamento = 0;
    double PotenzaRichiesta = 0; // W
    double T0 = 0;               // rated suction gas temperature of the refrigerant, °C
    std::string NomeGas, CodiceProdotto;
    int16_t IndiceTensione = 0;
    bool CondizioniStandard = false, ValoriDifferenziali = false;
    double TeMin = 0, TeMax = 0, TcMin = 0, TcMax = 0;
    int16_t CodiceErrore = 0;
    bool TuttiNonDati = false;
    // Zeotropic blends: TE and TC typed as bubble points. RiferisciARugiada turns them into
    // the dew points of the same pressures (the catalogue's basis) and keeps the typed
    // ones in TEBolla/TCBolla, which stay NonDato when nothing was converted.
    bool RiferimentoBolla = false;
    double TEBolla = NonDato, TCBolla = NonDato;
};

// The superheats and the subcooling of the rated point, in K, from its completed
// temperatures. The typed differences may be stale (a field left empty keeps the last
// one) or never given (absolute mode); the run's temperatures always hold. With TC typed
// as a bubble point, the subcooling counts from it: a liquid saturated at the condensing
// pressure is not subcooled, though it is a glide colder than the dew point.
inline std::array<double, 3> differenzeCondizioni(const CondFunz& c) {
    const double tSaturazioneLiquido = c.TCBolla != NonDato ? c.TCBolla : c.TC;
    return {c.TU - c.TE, tSaturazioneLiquido - c.TL, c.TA - c.TE};
}

// The results of one rating, in kW, A and kg/h. The thirteenth slot is never written
// by the engine; it is copied with the record like the others.
struct Risultati {
    double ResaStd = 0, ResaEvaporatore = 0, ResaCompressore = 0;
    double PotenzaAssorbita = 0;
    double CorrenteStd = 0, CorrenteAssorbita = 0;
    double PortataMassaStd = 0, PortataMassa = 0;
    double COP = 0, COPStd = 0;
    double CaloreCondensatore = 0, CaloreCondensatoreStd = 0;
    double Riservato = 0;
};

// Coefficients and motor table of the compressor being rated.
struct DatiCompressore {
    std::array<double, 12> WR{}, WA{}, PM{};
    std::array<double, 22> W{}, A{};
    int16_t WMAX = 0;
};

// Capacity/mass-flow, power and current factors by supply option (rows 0..5).
using FattoriTensione = std::array<std::array<double, 3>, 6>;

// The two lines of the debug window, filled by the correction when the Debug setting is on.
struct TestoDebug {
    bool daMostrare = false;
    std::string riga1, riga2;
};

// Outputs and intermediates of the superheat and subcooling correction.
struct Correzioni {
    double CoeffResa = 1, CoeffResaCompressore = 1, VA0 = 1, VA = 1;
    double HL0 = 0, HLX = 0, HA0 = 0, HU = 0, HA = 0, VU = 0;
    TestoDebug debug;
};

struct StatoMotore {
    CondFunz condFunz;
    DatiCompressore datiCompressore;
    FattoriTensione fattoriTensione{};
    Correzioni correzioni;
    Risultati risultati;
    Risultati risultatiInferiore;
    std::string codiceProdottoInferiore;
    std::string codiceProdottoCorrente; // the model the catalogue screens treat as current
    int16_t debug = 0;
};
