#pragma once
// The refrigerants read from one data folder, found by their catalogue codes.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "reflib/Fluido.h"

namespace reflib {

class Libreria {
public:
    // Reads the folder's "*.txt" files; returns an Esito. Well-formed files are kept even
    // when another one is malformed.
    int carica(const std::string& cartella);
    bool inizializzata() const { return !m_fluidi.empty(); }

    // The fluid for a catalogue code, or null (with the cause in ultimoErrore()).
    Fluido* trova(const char* codice, int& esito);

    const std::string& ultimoErrore() const { return m_errore; }
    std::string& errore() { return m_errore; }

    // Forgets every fluid's remembered states.
    void dimentica();

    // "R-407C", "r407c", "R 407 C" -> "R407C"; "R1234ze(E)" -> "R1234ZEE".
    static std::string normalizza(const char* codice);

private:
    std::vector<std::unique_ptr<Fluido>> m_fluidi;
    std::unordered_map<std::string, Fluido*> m_perNome;
    std::string m_ultimoCodice;
    Fluido* m_ultimo = nullptr;
    std::string m_errore;
};

}  // namespace reflib
