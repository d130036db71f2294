// Jet import over damaged files: each input is written to a file and imported into a
// fresh SQLite file through the import process. run.sh seeds the corpus with copies of
// the Jet test catalogue at run time.
#include "catalogue/ImportaJet.h"
#include "fuzz/Supporto.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    static int argc = 1;
    static char nome[] = "fuzz_importa_jet";
    static char* argv[] = {nome, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir cartella;
    const QString mdb = cartella.filePath("fuzz.mdb");
    {
        QFile f(mdb);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        f.write(reinterpret_cast<const char*>(dati), qint64(n));
    }
    eFileJet(QByteArray(reinterpret_cast<const char*>(dati), int(std::min<size_t>(n, 64))));
    // As the program imports: in the separate import process, whose crash on a damaged
    // file must come back as a reason.
    const QString copia = cartella.filePath("fuzz.sqlite");
    QFile::remove(copia);
    QString errore;
    const bool ok = importaJetIsolato(mdb, copia, &errore);
    PROPRIETA(ok || !errore.isEmpty(), "failed without a reason");
    PROPRIETA(ok || !QFile::exists(copia), "a failed import left its copy");
    return 0;
}
