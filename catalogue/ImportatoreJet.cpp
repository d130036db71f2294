// selcomp-importa-jet FILE.mdb COPY.sqlite: imports a Jet catalogue into a new SQLite
// file. Exit 0 when imported; 1 with the reason on stdout when the file is refused. A
// damaged file may also end this process by a signal: the caller tells that apart.
#include "catalogue/ImportaJet.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() != 3) {
        std::fputs("uso: selcomp-importa-jet FILE.mdb COPIA.sqlite\n", stdout);
        return 1;
    }
    QString errore;
    if (importaJetInFile(argomenti[1], argomenti[2], &errore))
        return 0;
    std::fputs(errore.toUtf8().constData(), stdout);
    return 1;
}
