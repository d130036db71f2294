#include "engine/Numeri.h"

#include <cfenv>
#include <charconv>
#include <cmath>

void iniziaPasso() { std::feclearexcept(FE_ALL_EXCEPT); }

std::optional<std::string> guastoPasso(double valore) {
    const int flag = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    if (std::isfinite(valore) && flag == 0) return std::nullopt;
    // Flags raised inside the library calls are cleared before each step; a finite
    // value with only inexact results is sound.
    if (std::isnan(valore) || (flag & FE_INVALID)) return std::string("operazione non valida");
    if (flag & FE_DIVBYZERO) return std::string("divisione per zero");
    if (std::isinf(valore) || (flag & FE_OVERFLOW)) return std::string("overflow");
    return std::nullopt;
}

std::string testoNumero(double valore) {
    if (valore == 0) return "0"; // no "-0"
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, valore);
    return std::string(buf, r.ptr);
}

std::string formatoCancelletti(long valore) {
    if (valore == 0) return "";
    return std::to_string(valore);
}
