// The refrigerant data-file reader over any text; a file it accepts is then asked for
// a saturation state, which must fail cleanly or give finite figures. A blend file
// ('miscela' first) is composed with real component fluids copied beside it, so that its
// pairs and departure terms reach the phase equilibrium.
#include "reflib/LetturaFluido.h"
#include "reflib/Libreria.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void chiedi(reflib::Refrigerante& r) {
    std::string errore;
    for (double T : {250.0, 300.0}) {
        double p = 0, h = 0, v = 0;
        if (r.pressioneRugiada(T, p, errore) == 0 && !std::isfinite(p))
            std::abort();
        if (r.entalpiaLiquido(T, h, errore) == 0 && !std::isfinite(h))
            std::abort();
        if (r.vapore(T, 2e5, h, v, errore) == 0 && !(std::isfinite(h) && std::isfinite(v)))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    namespace fs = std::filesystem;
    // A folder of the components the blend seeds use; the input goes beside them.
    static const std::string cartella = [] {
        char modello[] = "/tmp/selcomp-fuzz-fluido-XXXXXX";
        if (!mkdtemp(modello))
            std::abort();
        const fs::path dati = fs::path(SELCOMP_SOURCE_DIR) / "reflib" / "data" / "Reflibs";
        for (const char* f : {"R32.txt", "R134a.txt", "R1234yf.txt"})
            fs::copy_file(dati / f, fs::path(modello) / f, fs::copy_options::overwrite_existing);
        return std::string(modello);
    }();
    const std::string file = cartella + "/ingresso.txt";
    if (n > 20000)
        return 0;
    {
        std::ofstream f(file, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(dati), std::streamsize(n));
    }
    std::string errore;
    if (reflib::fileMiscela(file)) {
        auto miscela = reflib::leggiMiscela(file, errore);
        if (!miscela) {
            if (errore.empty())
                std::abort(); // a refusal always says why
            return 0;
        }
        reflib::Libreria libreria;
        libreria.carica(cartella);
        int esito = 0;
        if (reflib::Refrigerante* r = libreria.trova(miscela->nome.c_str(), esito))
            chiedi(*r);
        else if (libreria.ultimoErrore().empty())
            std::abort();
        return 0;
    }
    auto fluido = reflib::leggiFluido(file, errore);
    if (!fluido) {
        if (errore.empty())
            std::abort();
        return 0;
    }
    chiedi(*fluido);
    return 0;
}
