#pragma once
// How an engine operation ends. The engine shows nothing: callers turn an Esito into a
// message of the current language (screens) or a line on stderr (command-line tool).

#include <string>

enum class TipoEsito {
    Ok,
    CondizioniRifiutate, // operating point refused, CondFunz::CodiceErrore holds 1..5
    NessunCandidato,     // the selection found no compressor (label Err6)
    ErroreDati,          // catalogue data missing or unusable
    ErroreCalcolo,       // floating-point fault or index out of range
};

struct Esito {
    TipoEsito tipo = TipoEsito::Ok;
    std::string grandezza; // the quantity whose computation failed
    std::string messaggio; // readable text of the failure

    bool ok() const { return tipo == TipoEsito::Ok; }
    static Esito riuscito() { return {}; }
    static Esito errore(TipoEsito tipo, std::string grandezza, std::string messaggio) {
        return {tipo, std::move(grandezza), std::move(messaggio)};
    }
};
