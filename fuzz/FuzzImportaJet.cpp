// Jet import over damaged files: each input is written to a file and imported into a
// fresh in-memory SQLite database. run.sh seeds the corpus with copies of the Jet test
// catalogue at run time.
#include "catalogue/ImportaJet.h"
#include "fuzz/Supporto.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
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
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fuzz");
        db.setDatabaseName(":memory:");
        if (!db.open()) std::abort();
        QString errore;
        const bool ok = importaJet(mdb, "fuzz", &errore);
        PROPRIETA(ok || !errore.isEmpty(), "failed without a reason");
        db.close();
    }
    QSqlDatabase::removeDatabase("fuzz");
    return 0;
}
