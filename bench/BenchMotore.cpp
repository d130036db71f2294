// Ratings per second; the whole calculation path at standard conditions and with
// superheat and subcooling corrected through the property library; one full selection
// over 200 candidates.

#include "engine/Calcolo.h"
#include "engine/Prestazioni.h"
#include "reflib/ILK.h"
#include "reflib/Libreria.h"
#include "reflib/Stato.h"
#include "selection/Ricerca.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// A 4-cylinder-like compressor: EN 12900 coefficients of plausible size, 22 motor points.
RigaCompressore compressore(int i, double scala) {
    RigaCompressore r;
    r.IDCollCompGas = i;
    r.CodiceProdotto = "B" + std::to_string(i);
    r.CodiceGas = "R404A";
    const double wr[10] = {24000, 820, -260, 10.5, -6.1, 1.2, 0.05, -0.06, 0.03, -0.01};
    const double wa[10] = {3500, -40, 95, -0.9, 1.6, 0.2, -0.004, 0.01, -0.02, 0.003};
    const double pm[10] = {0.16, 0.0055, -0.0009, 7e-5, -3e-5, 4e-6, 3e-7, -4e-7, 2e-7, -6e-8};
    for (int k = 0; k < 10; ++k) {
        r.WR[k] = wr[k] * scala;
        r.WA[k] = wa[k] * scala;
        r.PM[k] = pm[k] * scala;
    }
    for (int k = 0; k < 22; ++k) {
        r.W[k] = 500.0 * (k + 1) * scala;
        r.A[k] = 1.9 * 0.5 * (k + 1) * scala + 1.0;
    }
    for (int b = 0; b < NumeroBande; ++b) {
        r.inviluppo.TEMin[b] = -45;
        r.inviluppo.TEMax[b] = 10;
    }
    return r;
}

StatoMotore statoStandard() {
    StatoMotore s;
    s.fattoriTensione = InizializzaFattori();
    s.condFunz.TE = -10;
    s.condFunz.TC = 40;
    s.condFunz.CondizioniStandard = true;
    return s;
}

void BM_CalcolaPrestazioni(benchmark::State& state) {
    StatoMotore s = statoStandard();
    CaricaDatiCompressore(s.datiCompressore, compressore(1, 1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalcolaPrestazioni(s));
        benchmark::DoNotOptimize(s.risultati);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalcolaPrestazioni);

struct Silenzio : MessaggiMotore {
    void mostra(const std::string&) override {}
};

// The property library as the program hands it to the engine, its data loaded once.
const LibreriaProprieta* libreria() {
    static const bool caricata = [] {
        const int16_t s = ILK_Set_Fluids(SELCOMP_RUNTIME_DIR "/Reflibs");
        if (s != ILK_OK)
            std::fprintf(stderr, "ILK_Set_Fluids: %d %s\n", s, ILK_Ultimo_Errore());
        return s == ILK_OK;
    }();
    static const LibreriaProprieta lib{ILK_p_D, ILK_h_L, ILK_h_V, ILK_V_V};
    return caricata ? &lib : nullptr;
}

// The whole calculation path: checks, loading the row, correction, rating. Standard
// conditions leave the correction factors at 1 without a library call; the others are
// R404A at TE -10 / TC 40 with 5 K superheat at the evaporator outlet, 15 K at the
// compressor inlet and 5 K subcooling, rated at 20 degC suction. "fredda" makes the library
// forget its remembered states each time, as when the user has changed the point.
void calcolaCompressore(benchmark::State& state, bool standard, bool fredda) {
    const LibreriaProprieta* lib = libreria();
    if (!lib) {
        state.SkipWithError("Reflibs not loaded");
        return;
    }
    const RigaCompressore riga = compressore(1, 1);
    Silenzio m;
    StatoMotore s = statoStandard();
    CondFunz& cf = s.condFunz;
    cf.CondizioniStandard = standard;
    cf.NomeGas = "R404A";
    cf.T0 = 20;
    for (auto _ : state) {
        if (standard) {
            cf.TU = cf.TL = cf.TA = NonDato;
        } else {
            cf.TU = cf.TE + 5;
            cf.TA = cf.TE + 15;
            cf.TL = cf.TC - 5;
        }
        if (fredda)
            reflib::libreriaProcesso().dimentica();
        const Esito e = CalcolaCompressore(s, riga, *lib, m);
        if (!e.ok()) {
            state.SkipWithError("calculation refused");
            return;
        }
        benchmark::DoNotOptimize(s.risultati);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(calcolaCompressore, standard, true, false);
BENCHMARK_CAPTURE(calcolaCompressore, corretto, false, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(calcolaCompressore, corretto_freddo, false, true)->Unit(benchmark::kMicrosecond);

struct Righe : SorgenteCandidati {
    std::vector<RigaCompressore> righe;
    Esito candidati(const std::string&, double, std::vector<RigaCompressore>& out) override {
        out = righe;
        return Esito::riuscito();
    }
};

void BM_SelezioneDuecento(benchmark::State& state) {
    Righe sorgente;
    for (int i = 1; i <= 200; ++i)
        sorgente.righe.push_back(compressore(i, 0.05 * i));
    Silenzio m;
    for (auto _ : state) {
        StatoMotore s = statoStandard();
        CondFunz& cf = s.condFunz;
        cf.TU = cf.TL = cf.TA = NonDato;
        cf.TeMin = -45, cf.TeMax = 10, cf.TcMin = 30, cf.TcMax = 55;
        cf.PotenzaRichiesta = 123456;
        RisultatoSelezione r;
        benchmark::DoNotOptimize(EseguiSelezione(s, "R404A", sorgente, LibreriaProprieta{}, m, r));
    }
}
BENCHMARK(BM_SelezioneDuecento);

} // namespace

BENCHMARK_MAIN();
