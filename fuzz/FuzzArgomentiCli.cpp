// selcomp-cli's command line: any words (split at zero bytes) are read or refused with
// a reason; every number reading is finite. The whole program runs too, with
// nowhere to find a catalogue.
#include "tools/cli/Argomenti.h"
#include "tools/cli/Comandi.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    static int argc = 1;
    static char nome[] = "fuzz_argomenti_cli";
    static char* argv[] = {nome, nullptr};
    static QCoreApplication app(argc, argv);
    if (n > 2000)
        return 0;
    std::vector<std::string> parole;
    std::string corrente;
    for (size_t i = 0; i < n; ++i) {
        if (dati[i] == 0) {
            parole.push_back(corrente);
            corrente.clear();
        } else {
            corrente += char(dati[i]);
        }
    }
    parole.push_back(corrente);
    const Argomenti a = leggiArgomenti(parole);
    for (const auto& [opzione, valore] : a.valori) {
        if (auto x = numeroDaTesto(valore); x && !std::isfinite(*x))
            std::abort();
        (void)a.valore(opzione);
    }
    for (const auto& parola : parole)
        if (auto x = numeroDaTesto(parola); x && !std::isfinite(*x))
            std::abort();
    // The whole program, as long as it can only look into a folder that does not exist.
    if (!a.errore.empty() || (!a.ha("--catalogue") && !a.ha("--reflibs"))) {
        std::ostringstream out, err;
        const int codice = eseguiCli(parole, out, err, "/nonexistent");
        if (codice < 0 || codice > 5)
            std::abort();
    }
    return 0;
}
