#pragma once
// The calculation of one compressor, in the order both the calculation screen and the
// command-line tool follow, so they cannot compute differently.

#include "engine/Correzioni.h"
#include "engine/Esito.h"
#include "engine/RigaCompressore.h"
#include "engine/Stato.h"

// Precondition: the caller stored the typed conditions in `stato.condFunz` (TE, TC, the
// optional TU/TL/TA or 9999.9, flags, IndiceTensione, T0, NomeGas = the refrigerant).
// Steps: TcMin/TcMax from the row's envelope, VerificaCondizioni, CodiceProdotto and
// codiceProdottoCorrente from the row, the row into DatiCompressore, CalcolaCorrezioni,
// CalcolaPrestazioni. A refused point ends with CondizioniRifiutate (CodiceErrore set).
Esito CalcolaCompressore(StatoMotore& stato, const RigaCompressore& riga,
                         const LibreriaProprieta& lib, MessaggiMotore& messaggi);
