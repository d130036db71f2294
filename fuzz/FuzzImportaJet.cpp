// Jet import over damaged files: each input is written to a file and imported into a
// fresh SQLite file through the import process. run.sh seeds the corpus with copies of
// the Jet test catalogue at run time.
//
// The import process's coverage is not seen from here, so the mutations go blind. With
// SELCOMP_FUZZ_JET_DIRETTO=1 the import runs in this process instead, for libFuzzer's fork
// mode: fuzz/run.sh runs it as well, with -fork=1 -ignore_crashes=1, and a crash whose
// stack is not wholly inside libmdb is a fault of ours.
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
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(dati), qint64(n));
    }
    eFileJet(QByteArray(reinterpret_cast<const char*>(dati), int(std::min<size_t>(n, 64))));
    // As the program imports: in the separate import process, whose crash on a damaged
    // file must come back as a reason.
    const QString copia = cartella.filePath("fuzz.sqlite");
    QFile::remove(copia);
    QString errore;
    static const bool diretto = qEnvironmentVariableIsSet("SELCOMP_FUZZ_JET_DIRETTO");
    const bool ok = diretto ? importaJetInFile(mdb, copia, &errore)
                            : importaJetIsolato(mdb, copia, &errore) == EsitoImportaJet::Riuscito;
    PROPRIETA(ok || !errore.isEmpty(), "failed without a reason");
    PROPRIETA(ok || !QFile::exists(copia), "a failed import left its copy");
    return 0;
}
