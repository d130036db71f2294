// The refrigerant data-file reader over any text; a file it accepts is then asked for
// a saturation state, which must fail cleanly or give finite figures.
#include "reflib/LetturaFluido.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    static const std::string file = [] {
        char modello[] = "/tmp/selcomp-fuzz-fluido-XXXXXX";
        const int fd = mkstemp(modello);
        if (fd < 0) std::abort();
        close(fd);
        return std::string(modello);
    }();
    if (n > 20000) return 0;
    {
        std::ofstream f(file, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(dati), std::streamsize(n));
    }
    std::string errore;
    auto fluido = reflib::leggiFluido(file, errore);
    if (!fluido) {
        if (errore.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    for (double T : {250.0, 300.0}) {
        double p = 0, h = 0, v = 0;
        if (fluido->pressioneRugiada(T, p, errore) == 0 && !std::isfinite(p)) std::abort();
        if (fluido->entalpiaLiquido(T, h, errore) == 0 && !std::isfinite(h)) std::abort();
        if (fluido->vapore(T, 2e5, h, v, errore) == 0 && !(std::isfinite(h) && std::isfinite(v)))
            std::abort();
    }
    return 0;
}
