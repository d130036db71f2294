// The refrigerant calls of one superheat and subcooling correction, in the engine's
// order: two liquid enthalpies, then for the three vapour states (rated suction T0,
// evaporator outlet TU = TE, actual suction TA) a dew pressure and an enthalpy each, then
// a dew pressure and a volume each. Fourteen calls at TE = -10 degC, TC = 40 degC.
//
// "Fredda" forgets the remembered states before every sequence, so it times the whole
// work of one correction; "Ripetuta" repeats the same sequence with the states kept.
// "Primo" reloads the library before every sequence: for a blend computed as a mixture
// it includes solving and fitting its saturation curves, what a user waits for on the
// first rating with it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "reflib/ILK.h"
#include "reflib/Stato.h"

namespace {

constexpr double K = 273.15;
constexpr double TE = -10 + K, TC = 40 + K;
constexpr double TL = TC - 8.3;  // default subcooling
constexpr double T0 = 20 + K;    // rated suction gas temperature
constexpr double TU = TE;        // default evaporator outlet
constexpr double TA = TE + 11.1; // default suction superheat

bool carica() {
    static const bool fatto = [] {
        const int16_t s = ILK_Set_Fluids(SELCOMP_RUNTIME_DIR "/Reflibs");
        if (s != ILK_OK)
            std::fprintf(stderr, "ILK_Set_Fluids: %d %s\n", s, ILK_Ultimo_Errore());
        return s == ILK_OK;
    }();
    return fatto;
}

double sequenza(const char* gas) {
    double hl0 = 0, hlx = 0, p = 0, h[3] = {}, v[3] = {};
    const double Tv[3] = {T0, TU, TA};
    ILK_h_L(gas, TC, &hl0);
    ILK_h_L(gas, TL, &hlx);
    for (int i = 0; i < 3; ++i) {
        if (ILK_p_D(gas, TE, &p) == 0)
            ILK_h_V(gas, Tv[i], p, &h[i]);
    }
    for (int i = 0; i < 3; ++i) {
        if (ILK_p_D(gas, TE, &p) == 0)
            ILK_V_V(gas, Tv[i], p, &v[i]);
    }
    return (v[0] / v[2]) * (h[2] - hlx) / (h[0] - hl0);
}

void Fredda(benchmark::State& stato, const char* gas) {
    if (!carica()) {
        stato.SkipWithError("Reflibs not loaded");
        return;
    }
    for (auto _ : stato) {
        reflib::libreriaProcesso().dimentica();
        benchmark::DoNotOptimize(sequenza(gas));
    }
}

void Primo(benchmark::State& stato, const char* gas) {
    if (!carica()) {
        stato.SkipWithError("Reflibs not loaded");
        return;
    }
    for (auto _ : stato) {
        stato.PauseTiming();
        ILK_Set_Fluids(SELCOMP_RUNTIME_DIR "/Reflibs");
        stato.ResumeTiming();
        benchmark::DoNotOptimize(sequenza(gas));
    }
}

void Ripetuta(benchmark::State& stato, const char* gas) {
    if (!carica()) {
        stato.SkipWithError("Reflibs not loaded");
        return;
    }
    for (auto _ : stato)
        benchmark::DoNotOptimize(sequenza(gas));
}

} // namespace

BENCHMARK_CAPTURE(Fredda, R22, "R22")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Fredda, R134a, "R134a")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Fredda, R404A, "R404A")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Fredda, R407C, "R407C")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Fredda, R507A, "R507A")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Fredda, R32, "R32")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Fredda, R1234yf, "R1234yf")->Unit(benchmark::kMicrosecond);
#define MISCELA(codice)                                                                            \
    BENCHMARK_CAPTURE(Fredda, codice, #codice)->Unit(benchmark::kMicrosecond);                     \
    BENCHMARK_CAPTURE(Primo, codice, #codice)->Unit(benchmark::kMillisecond)->Iterations(5)
MISCELA(R448A);
MISCELA(R449A);
MISCELA(R452A);
MISCELA(R454A);
MISCELA(R454C);
MISCELA(R455A);
MISCELA(R513A);
MISCELA(R407F);
MISCELA(R450A);
BENCHMARK_CAPTURE(Ripetuta, R448A, "R448A")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Ripetuta, R22, "R22")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Ripetuta, R407C, "R407C")->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
