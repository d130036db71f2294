// Build tool: selcomp-crea-catalogo OUTPUT SCRIPT.sql...
#include "catalogue/CreaCatalogo.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList a = app.arguments();
    if (a.size() < 3) {
        std::fprintf(stderr, "use: selcomp-crea-catalogo OUTPUT SCRIPT.sql...\n");
        return 2;
    }
    QString errore;
    if (!creaCatalogoDaSql(a[1], a.mid(2), &errore)) {
        std::fprintf(stderr, "selcomp-crea-catalogo: %s\n", qPrintable(errore));
        return 1;
    }
    return 0;
}
