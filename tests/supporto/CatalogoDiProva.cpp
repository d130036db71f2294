#include "tests/supporto/CatalogoDiProva.h"

#include "catalogue/CreaCatalogo.h"

bool creaCatalogoDiProva(const QString& script, const QString& percorso, QString* errore) {
    return creaCatalogoDaSql(percorso, {script}, errore);
}

std::unique_ptr<Catalogo> catalogoDaScript(const QTemporaryDir& cartella, const QString& script,
                                           QString* errore) {
    const QString percorso = cartella.filePath(QStringLiteral("catalogo.sqlite"));
    if (!creaCatalogoDiProva(script, percorso, errore))
        return nullptr;
    return Catalogo::apri(percorso, errore);
}
