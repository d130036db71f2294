#include "engine/Correzioni.h"

#include "engine/Numeri.h"

namespace {
constexpr double Kelvin = 273.15;

double statoVapore(int16_t (*funzione)(const char*, double, double, double*),
                   const LibreriaProprieta& lib, const std::string& gas, double T1, double T2,
                   const char* messaggioPressione, MessaggiMotore& messaggi) {
    double p = 0;
    const int16_t stato = lib.p_D(gas.c_str(), T1, &p);
    if (stato > 0) {
        messaggi.mostra(messaggioPressione + formatoCancelletti(stato));
        return 0;
    }
    double valore = 0;
    funzione(gas.c_str(), T2, p, &valore);
    return valore;
}
} // namespace

double EntalpiaVapore(const LibreriaProprieta& lib, const std::string& gas, double T1, double T2,
                      MessaggiMotore& messaggi) {
    return statoVapore(lib.h_V, lib, gas, T1, T2, " Errore nel calcolo di pressione di vapore",
                       messaggi);
}

double VolumeVapore(const LibreriaProprieta& lib, const std::string& gas, double T1, double T2,
                    MessaggiMotore& messaggi) {
    return statoVapore(lib.V_V, lib, gas, T1, T2,
                       " Errore nel calcolo della pressione  durante la determinazione della VVAP ",
                       messaggi);
}

static std::string testoDebug1(double TE, double TC, double TA, double TL, double TU,
                               const Correzioni& c) {
    const auto n = testoPredefinito;
    return " TE:" + n(TE) + " TC:" + n(TC) + " TA:" + n(TA) + " TL:" + n(TL) + " TU:" + n(TU) +
           "HL0:" + n(c.HL0) + " HLX:" + n(c.HLX) + "HU:" + n(c.HU) + " HA0:" + n(c.HA0) +
           "VA0:" + n(c.VA0) + " VA:" + n(c.VA);
}

Esito CalcolaCorrezioni(StatoMotore& stato, const LibreriaProprieta& lib,
                        MessaggiMotore& messaggi) {
    const CondFunz& cf = stato.condFunz;
    Correzioni& c = stato.correzioni;
    c.debug = {};
    if (cf.CondizioniStandard) {
        c.CoeffResa = c.CoeffResaCompressore = c.VA0 = c.VA = 1;
        return Esito::riuscito();
    }
    if (!lib.p_D || !lib.h_L || !lib.h_V || !lib.V_V)
        return Esito::errore(TipoEsito::ErroreCalcolo, "CoeffResa",
                             "Libreria dei refrigeranti non disponibile");
    const std::string& gas = cf.NomeGas;
    const double TL = cf.TL + Kelvin, TA = cf.TA + Kelvin, TU = cf.TU + Kelvin;
    const double TE = cf.TE + Kelvin, TC = cf.TC + Kelvin, T0 = cf.T0 + Kelvin;

    lib.h_L(gas.c_str(), TC, &c.HL0);
    const int16_t statoHL = lib.h_L(gas.c_str(), TL, &c.HLX);

    std::string passo;
    passo = "HVAP 0 ";
    c.HA0 = EntalpiaVapore(lib, gas, TE, T0, messaggi);
    passo = "HVAP TE  E TU ";
    c.HU = EntalpiaVapore(lib, gas, TE, TU, messaggi);
    passo = "HVAP ta ";
    c.HA = EntalpiaVapore(lib, gas, TE, TA, messaggi);
    passo = "VVAP TE  E T0 ";
    const double VA0 = VolumeVapore(lib, gas, TE, T0, messaggi);
    passo = "VVAP TE  E TU ";
    c.VU = VolumeVapore(lib, gas, TE, TU, messaggi);
    passo = "VVAP VA ";
    const double VA = VolumeVapore(lib, gas, TE, TA, messaggi);
    c.VA0 = VA0;
    c.VA = VA;

    Esito esito;
    auto coefficiente = [&](const char* nome, double& campo, double valore) {
        if (auto guasto = guastoPasso(valore)) {
            messaggi.mostra("Errore nel calcolo della resa: " + formatoCancelletti(statoHL) +
                            passo + *guasto);
            if (esito.ok())
                esito =
                    Esito::errore(TipoEsito::ErroreCalcolo, nome,
                                  std::string("Errore nel calcolo di ") + nome + ": " + *guasto);
        } else {
            campo = valore;
        }
        iniziaPasso();
    };
    iniziaPasso();
    coefficiente("CoeffResa", c.CoeffResa, (VA0 / VA) * (c.HU - c.HLX) / (c.HA0 - c.HL0));
    coefficiente("CoeffResaCompressore", c.CoeffResaCompressore,
                 (VA0 / VA) * (c.HA - c.HLX) / (c.HA0 - c.HL0));

    if (stato.debug != 0) {
        c.debug.daMostrare = true;
        c.debug.riga1 = testoDebug1(TE, TC, TA, TL, TU, c);
        c.debug.riga2 = "CoeffResa:" + testoPredefinito(c.CoeffResa) +
                        " CoeffAbs:" + testoPredefinito(c.CoeffResaCompressore) +
                        " FattResa: " + testoPredefinito(c.VA0 / c.VA);
    }
    return esito;
}
