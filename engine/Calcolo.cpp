#include "engine/Calcolo.h"

#include "engine/Prestazioni.h"

Esito CalcolaCompressore(StatoMotore& stato, const RigaCompressore& riga,
                         const LibreriaProprieta& lib, MessaggiMotore& messaggi) {
    CondFunz& cf = stato.condFunz;
    LimitiTcDaInviluppo(cf, riga.inviluppo);
    if (!VerificaCondizioni(cf, riga.inviluppo))
        return Esito::errore(TipoEsito::CondizioniRifiutate, "CondFunz",
                             "Condizioni rifiutate: codice " + std::to_string(cf.CodiceErrore));
    cf.CodiceProdotto = riga.CodiceProdotto;
    stato.codiceProdottoCorrente = riga.CodiceProdotto;
    CaricaDatiCompressore(stato.datiCompressore, riga);
    if (Esito e = CalcolaCorrezioni(stato, lib, messaggi); !e.ok())
        return e;
    return CalcolaPrestazioni(stato);
}
