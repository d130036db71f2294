#include "tests/supporto/CalcoliFinti.h"

#include "catalogue/Interrogazioni.h"

CalcoliFinti::CalcoliFinti(Catalogo* cat, const QString& gas, const QString& modello)
    : gas(gas), modello(modello) {
    compressori.impostaCatalogo(cat);
    compressori.impostaOrigineRecord(Interrogazioni::CompressoriDelGasOrdinati, {gas});
    compressori.aggiorna();
    compressori.trovaPrimo("CodiceProdotto", modello);
}
