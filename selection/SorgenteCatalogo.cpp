#include "selection/SorgenteCatalogo.h"

#include "catalogue/Catalogo.h"
#include "catalogue/RigheCatalogo.h"

Esito SorgenteCatalogo::candidati(const std::string& codiceGas, double TC,
                                  std::vector<RigaCompressore>& righe) {
    righe.clear();
    QString errore;
    const Istantanea ist =
        catalogo.candidatiSelezione(QString::fromStdString(codiceGas), TC, &errore);
    if (!errore.isEmpty())
        return Esito::errore(TipoEsito::ErroreDati, "CandidatiSelezione", errore.toStdString());
    righe.reserve(ist.numeroRighe());
    for (int i = 0; i < ist.numeroRighe(); ++i)
        righe.push_back(rigaCompressore(ist, i));
    return Esito::riuscito();
}
