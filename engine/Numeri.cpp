#include "engine/Numeri.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>

void iniziaPasso() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

std::optional<std::string> guastoPasso(double valore) {
    // A step is sound when its result is a number; the flags only say what went wrong.
    // Testing them on every step would cost more than the step itself.
    if (std::isfinite(valore))
        return std::nullopt;
    if (std::isnan(valore))
        return std::string("operazione non valida");
    if (std::fetestexcept(FE_DIVBYZERO))
        return std::string("divisione per zero");
    return std::string("overflow");
}

std::string testoNumero(double valore) {
    if (valore == 0)
        return "0"; // no "-0"
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, valore);
    return std::string(buf, r.ptr);
}

std::string testoPredefinito(double valore) {
    if (!std::isfinite(valore))
        return "-";
    if (valore == 0)
        return "0";
    char buf[64];
    // %.15g drops trailing zeros and switches to an exponent only far from 1.
    const int n = std::snprintf(buf, sizeof buf, "%.15g", valore);
    return std::string(buf, size_t(n));
}

std::string formatoCancelletti(long valore) {
    if (valore == 0)
        return "";
    return std::to_string(valore);
}
