// The property library's five functions over wild inputs: any name, NaN, infinities,
// negative, tiny and huge temperatures and pressures. A success gives a finite figure;
// a failure leaves the result untouched and says why.
#include "reflib/ILK.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {
double valoreDa(const uint8_t*& d, size_t& n) {
    if (n == 0)
        return 300;
    const uint8_t scelta = *d++;
    --n;
    static const double speciali[] = {std::numeric_limits<double>::quiet_NaN(),
                                      std::numeric_limits<double>::infinity(),
                                      -std::numeric_limits<double>::infinity(),
                                      0.0,
                                      -0.0,
                                      -1.0,
                                      1e-300,
                                      1e300,
                                      -1e300,
                                      std::numeric_limits<double>::denorm_min(),
                                      std::numeric_limits<double>::max(),
                                      200.0,
                                      250.0,
                                      273.15,
                                      300.0,
                                      350.0,
                                      1e5,
                                      5e5,
                                      2e6,
                                      1e9};
    constexpr size_t nSpeciali = sizeof speciali / sizeof speciali[0];
    if (scelta < 128)
        return speciali[scelta % nSpeciali];
    double x = 0;
    if (n >= sizeof x) {
        std::memcpy(&x, d, sizeof x);
        d += sizeof x;
        n -= sizeof x;
    }
    return x;
}

void controlla(int16_t esito, double risultato, const char* funzione) {
    if (esito == ILK_OK && !std::isfinite(risultato)) {
        std::fprintf(stderr, "%s: success with %g\n", funzione, risultato);
        std::abort();
    }
    if (esito != ILK_OK) {
        if (risultato != -12345.0) {
            std::fprintf(stderr, "%s: failure %d wrote %g\n", funzione, esito, risultato);
            std::abort();
        }
        if (ILK_Ultimo_Errore() == nullptr || *ILK_Ultimo_Errore() == 0) {
            std::fprintf(stderr, "%s: failure %d without a reason\n", funzione, esito);
            std::abort();
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    static const int16_t caricato = ILK_Set_Fluids(SELCOMP_SOURCE_DIR "/reflib/data/Reflibs");
    if (caricato != ILK_OK && caricato != ILK_ERR_FILE_DATI)
        std::abort();
    if (n == 0)
        return 0;
    static const char* const nomi[] = {"R404A",   "R407C", "R-22",  "r134a", "R290",
                                       "R600a",   "R744",  "R410A", "R32",   "R1234ze(E)",
                                       "R1234YF", "R507A", "",      "R999",  nullptr};
    constexpr size_t nNomi = sizeof nomi / sizeof nomi[0];
    const uint8_t scelta = *dati++;
    --n;
    std::string altro;
    const char* gas;
    if (scelta < 224) {
        gas = nomi[scelta % nNomi];
    } else { // a name from the input, up to a zero byte
        size_t l = 0;
        while (l < n && l < 32 && dati[l] != 0)
            ++l;
        altro.assign(reinterpret_cast<const char*>(dati), l);
        dati += l;
        n -= l;
        gas = altro.c_str();
    }
    const double T = valoreDa(dati, n);
    const double p = valoreDa(dati, n);
    double r = -12345.0;
    controlla(ILK_p_D(gas, T, &r), r, "ILK_p_D");
    r = -12345.0;
    controlla(ILK_h_L(gas, T, &r), r, "ILK_h_L");
    r = -12345.0;
    controlla(ILK_h_V(gas, T, p, &r), r, "ILK_h_V");
    r = -12345.0;
    controlla(ILK_V_V(gas, T, p, &r), r, "ILK_V_V");
    // Null result pointers are refused, never written through.
    if (ILK_p_D(gas, T, nullptr) == ILK_OK)
        std::abort();
    return 0;
}
