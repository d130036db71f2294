// The catalogue's SQL dialect turned into SQLite's: any text translates, the Like
// parameter indexes name existing placeholders, and the result runs (or fails cleanly)
// on a real catalogue.
#include "catalogue/Catalogo.h"
#include "catalogue/DialettoSql.h"
#include "fuzz/CatalogoProva.h"
#include "fuzz/Supporto.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    static int argc = 1;
    static char nome[] = "fuzz_dialetto_sql";
    static char* argv[] = {nome, nullptr};
    static QCoreApplication app(argc, argv);
    static std::unique_ptr<Catalogo> catalogo = [] {
        QString errore;
        auto c = Catalogo::apri(catalogoProva(), &errore);
        if (!c) {
            std::fprintf(stderr, "%s\n", qPrintable(errore));
            std::abort();
        }
        return c;
    }();
    if (n > 2000)
        return 0;
    const QString jet = testoDa(dati, n);
    const SqlTradotto t = traduciSql(jet);
    PROPRIETA(t.numeroParametri >= 0, "%d parameters", t.numeroParametri);
    for (int i : t.parametriLike)
        PROPRIETA(i >= 0 && i < t.numeroParametri, "Like index %d of %d", i, t.numeroParametri);
    const QString like = modelloLike(jet);
    (void)like;
    // Only queries: an action statement would change the shared catalogue between runs.
    if (catalogo && jet.trimmed().startsWith(QLatin1String("select"), Qt::CaseInsensitive) &&
        !jet.contains(';')) {
        QVariantList parametri;
        for (int i = 0; i < t.numeroParametri && i < 8; ++i)
            parametri << QStringLiteral("R4*");
        QString errore;
        Istantanea r;
        catalogo->interroga(jet, parametri, r, &errore);
    }
    return 0;
}
