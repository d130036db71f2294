// Extreme but accepted catalogue figures: the rating either gives finite figures or ends
// with the engine's own message; never a NaN or an infinity among the results.

#include "engine/Calcolo.h"
#include "engine/Prestazioni.h"
#include "engine/tests/Stub.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

RigaCompressore rigaNormale() {
    RigaCompressore r;
    r.IDCollCompGas = 1;
    r.CodiceProdotto = "X1";
    r.CodiceGas = "RTEST";
    const double wr[10] = {24000, 820, -260, 10.5, -6.1, 1.2, 0.05, -0.06, 0.03, -0.01};
    const double wa[10] = {3500, -40, 95, -0.9, 1.6, 0.2, -0.004, 0.01, -0.02, 0.003};
    const double pm[10] = {0.16, 0.0055, -0.0009, 7e-5, -3e-5, 4e-6, 3e-7, -4e-7, 2e-7, -6e-8};
    for (int k = 0; k < 10; ++k) {
        r.WR[k] = wr[k];
        r.WA[k] = wa[k];
        r.PM[k] = pm[k];
    }
    for (int k = 0; k < 22; ++k) {
        r.W[k] = 500.0 * (k + 1);
        r.A[k] = 0.95 * (k + 1) + 1.0;
    }
    for (int b = 0; b < NumeroBande; ++b) {
        r.inviluppo.TEMin[b] = -45;
        r.inviluppo.TEMax[b] = 10;
    }
    r.MinTC = 30;
    r.MaxTC = 55;
    return r;
}

// Every figure a number; without a motor table the two currents are "not known" (NaN).
bool finiti(const Risultati& r, bool motore) {
    for (double x :
         {r.ResaStd, r.ResaEvaporatore, r.ResaCompressore, r.PotenzaAssorbita, r.PortataMassaStd,
          r.PortataMassa, r.COP, r.COPStd, r.CaloreCondensatore, r.CaloreCondensatoreStd})
        if (!std::isfinite(x))
            return false;
    if (!motore)
        return std::isnan(r.CorrenteStd) && std::isnan(r.CorrenteAssorbita);
    return std::isfinite(r.CorrenteStd) && std::isfinite(r.CorrenteAssorbita);
}

struct Caso {
    const char* nome;
    std::function<void(RigaCompressore&)> modifica;
    bool deveFallire; // the figures cannot be right: a message is due
};

TEST(GuastiNumerici, ExtremeCoefficientsAndMotorTables) {
    const double enorme = std::numeric_limits<double>::max();
    const Caso casi[] = {
        {"coefficients of 1e300",
         [](RigaCompressore& r) {
             for (int k = 0; k < 10; ++k)
                 r.WR[k] = r.WA[k] = r.PM[k] = 1e300;
         },
         false},
        {"coefficients that overflow",
         [enorme](RigaCompressore& r) {
             for (int k = 0; k < 10; ++k)
                 r.WR[k] = r.WA[k] = r.PM[k] = enorme;
         },
         true},
        {"capacity of 1e300, power of 1e-300",
         [](RigaCompressore& r) {
             for (int k = 0; k < 10; ++k) {
                 r.WR[k] = 1e300;
                 r.WA[k] = k == 0 ? 1e-300 : 0;
             }
         },
         false},
        {"zero power",
         [](RigaCompressore& r) {
             for (auto& c : r.WA)
                 c = 0;
         },
         true},
        {"zero capacity and power",
         [](RigaCompressore& r) {
             for (auto& c : r.WA)
                 c = 0;
             for (auto& c : r.WR)
                 c = 0;
         },
         true},
        {"zero mass flow",
         [](RigaCompressore& r) {
             for (auto& c : r.PM)
                 c = 0;
         },
         false},
        {"equal motor points",
         [](RigaCompressore& r) {
             for (int k = 0; k < 22; ++k) {
                 r.W[k] = 4000;
                 r.A[k] = 7;
             }
         },
         false},
        {"a motor table of zeros (no motor table: rated without current)",
         [](RigaCompressore& r) {
             for (int k = 0; k < 22; ++k)
                 r.W[k] = r.A[k] = 0;
         },
         false},
        {"motor points of 1e300",
         [](RigaCompressore& r) {
             for (int k = 0; k < 22; ++k) {
                 r.W[k] = 1e300 * (k + 1);
                 r.A[k] = 1e300 * (k + 1);
             }
         },
         false},
    };
    for (const bool standard : {true, false}) {
        for (const Caso& c : casi) {
            SCOPED_TRACE(std::string(c.nome) + (standard ? ", standard" : ", corrected"));
            RigaCompressore riga = rigaNormale();
            c.modifica(riga);
            StatoMotore s;
            s.fattoriTensione = InizializzaFattori();
            s.condFunz.TE = -10;
            s.condFunz.TC = 40;
            s.condFunz.CondizioniStandard = standard;
            s.condFunz.TU = standard ? NonDato : 5;
            s.condFunz.TL = standard ? NonDato : 35;
            s.condFunz.TA = standard ? NonDato : 20;
            s.condFunz.NomeGas = "RTEST";
            MessaggiRaccolti m;
            const Esito e = CalcolaCompressore(s, riga, stub::libreria(), m);
            if (e.ok()) {
                EXPECT_FALSE(c.deveFallire) << "rated without a message";
                EXPECT_TRUE(finiti(s.risultati, HaTabellaMotore(s.datiCompressore)))
                    << "a figure is not a number";
            } else {
                EXPECT_TRUE(e.tipo == TipoEsito::ErroreCalcolo || e.tipo == TipoEsito::ErroreDati)
                    << int(e.tipo) << " " << e.messaggio;
                EXPECT_FALSE(e.messaggio.empty());
            }
        }
    }
}

} // namespace
