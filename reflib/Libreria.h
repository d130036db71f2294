#pragma once
// The refrigerants read from one data folder, found by their catalogue codes.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "reflib/Fluido.h"
#include "reflib/Miscela.h"
#include "reflib/Refrigerante.h"

namespace reflib {

class Libreria {
public:
    // Reads the folder's "*.txt" files; returns an Esito. Well-formed files are kept even
    // when another one is malformed.
    int carica(const std::string& cartella);
    bool inizializzata() const { return !m_fluidi.empty(); }

    // The refrigerant for a catalogue code, or null (with the cause in ultimoErrore()).
    Refrigerante* trova(const char* codice, int& esito);
    // The same when it is a single-fluid equation (pure or pseudo-pure), else null.
    Fluido* trovaFluido(const char* codice);

    const std::string& ultimoErrore() const { return m_errore; }
    std::string& errore() { return m_errore; }

    // Forgets every fluid's remembered states.
    void dimentica();

    // "R-407C", "r407c", "R 407 C" -> "R407C"; "R1234ze(E)" -> "R1234ZEE".
    static std::string normalizza(const char* codice);

private:
    // Finds a blend's components among the fluids read.
    bool componi(Miscela& m, std::string& errore);
    std::vector<std::unique_ptr<Refrigerante>> m_fluidi;
    std::unordered_map<std::string, Refrigerante*> m_perNome;
    std::string m_ultimoCodice;
    Refrigerante* m_ultimo = nullptr;
    std::string m_errore;
};

} // namespace reflib
