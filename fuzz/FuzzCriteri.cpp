// The criterion texts of a data source's FindFirst, over a small catalogue.
#include "catalogue/Catalogo.h"
#include "dati/SorgenteDati.h"
#include "fuzz/CatalogoProva.h"
#include "fuzz/Supporto.h"

#include <QCoreApplication>

namespace {
struct Ambiente {
    std::unique_ptr<Catalogo> catalogo;
    SorgenteDati gas, compressori;
    Ambiente() {
        QString errore;
        catalogo = Catalogo::apri(catalogoProva(), &errore);
        if (!catalogo) {
            std::fprintf(stderr, "%s\n", qPrintable(errore));
            std::abort();
        }
        gas.impostaCatalogo(catalogo.get());
        gas.impostaOrigineRecord("select * from Gas");
        compressori.impostaCatalogo(catalogo.get());
        compressori.impostaOrigineRecord("Compressori");
        if (!gas.aggiorna() || !compressori.aggiorna())
            std::abort();
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    static int argc = 1;
    static char nome[] = "fuzz_criteri";
    static char* argv[] = {nome, nullptr};
    static QCoreApplication app(argc, argv);
    static Ambiente a;
    if (n == 0)
        return 0;
    SorgenteDati& s = (dati[0] & 1) ? a.gas : a.compressori;
    const QString criterio = testoDa(dati + 1, n - 1);
    const int prima = s.posizione();
    const bool trovato = s.trovaPrimo(criterio);
    PROPRIETA(trovato != s.nessunaCorrispondenza(), "found and no match");
    if (trovato) {
        PROPRIETA(s.posizione() >= 0 && s.posizione() < s.numeroRecord(), "position %d",
                  s.posizione());
    } else {
        PROPRIETA(s.posizione() == prima, "moved on no match");
    }
    // The two-argument form with the text as the column name and as the value.
    const int cut = criterio.indexOf('=');
    if (cut >= 0)
        s.trovaPrimo(criterio.left(cut), criterio.mid(cut + 1));
    s.valore(criterio);
    s.numero(criterio);
    s.muoviPrimo();
    return 0;
}
