// The report template reader: any template text run against a small catalogue; it is
// laid out or refused with a message.
#include "dati/Rapporto.h"
#include "fuzz/CatalogoProva.h"
#include "fuzz/Supporto.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    static int argc = 1;
    static char nome[] = "fuzz_rapporto";
    static char* argv[] = {nome, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    static QTemporaryDir cartella;
    (void)offscreen;
    if (n > 8000)
        return 0;
    ParametriRapporto p;
    p.fileModello = cartella.filePath("fuzz.rpt");
    p.fileDati = catalogoProva();
    p.valori = {{"modello", "AB-100"}, {"gas", "R404A"}, {"vuoto", ""}, {"resa", "12.5"}};
    p.locale = QLocale(QLocale::Italian, QLocale::Italy);
    {
        QFile f(p.fileModello);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(dati), qint64(n));
    }
    DocumentoRapporto d;
    QString errore;
    const bool ok = componiRapporto(p, d, &errore);
    PROPRIETA(ok || !errore.isEmpty(), "refused without a message");
    return 0;
}
