#pragma once
// A stand-in property library with simple closed forms, so the correction can be
// checked without the real equations of state. Counts calls; knows only "RTEST".

#include "engine/Proprieta.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace stub {
inline int chiamate = 0;
inline bool noto(const char* gas) {
    return std::strcmp(gas, "RTEST") == 0;
}
inline int16_t p_D(const char* gas, double T, double* p) {
    ++chiamate;
    if (!noto(gas))
        return 3;
    *p = 1e5 * std::exp(10 - 2700 / T);
    return 0;
}
inline int16_t h_L(const char* gas, double T, double* h) {
    ++chiamate;
    if (!noto(gas))
        return 3;
    *h = 200000 + 1300 * (T - 273.15);
    return 0;
}
inline int16_t h_V(const char* gas, double T, double p, double* h) {
    ++chiamate;
    if (!noto(gas))
        return 3;
    *h = 400000 + 900 * (T - 273.15) - 0.01 * p;
    return 0;
}
inline int16_t V_V(const char* gas, double T, double p, double* v) {
    ++chiamate;
    if (!noto(gas))
        return 3;
    *v = 100 * T / p;
    return 0;
}
inline LibreriaProprieta libreria() {
    return {p_D, h_L, h_V, V_V};
}
} // namespace stub

struct MessaggiRaccolti : MessaggiMotore {
    std::vector<std::string> testi;
    void mostra(const std::string& t) override { testi.push_back(t); }
};
