#include "reflib/Libreria.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>

#include "reflib/LetturaFluido.h"

namespace reflib {

std::string Libreria::normalizza(const char* codice) {
    std::string s;
    for (const char* c = codice; *c; ++c) {
        const unsigned char u = static_cast<unsigned char>(*c);
        if (u == '-' || u == ' ' || u == '_' || u == '(' || u == ')' || u == '\t') continue;
        s.push_back(char(std::toupper(u)));
    }
    return s;
}

int Libreria::carica(const std::string& cartella) {
    namespace fs = std::filesystem;
    m_fluidi.clear();
    m_perNome.clear();
    m_ultimoCodice.clear();
    m_ultimo = nullptr;
    m_errore.clear();

    fs::path percorso(cartella);
    std::error_code ec;
    if (!fs::is_directory(percorso, ec)) {
        // The program hands over a Windows-style "...\Reflibs".
        std::string s = cartella;
        std::replace(s.begin(), s.end(), '\\', '/');
        percorso = s;
    }
    if (!fs::is_directory(percorso, ec)) {
        m_errore = "cartella dei refrigeranti non trovata: " + cartella;
        return NonInizializzata;
    }
    std::vector<fs::path> file;
    for (const auto& voce : fs::directory_iterator(percorso, ec))
        if (voce.is_regular_file(ec) && voce.path().extension() == ".txt") file.push_back(voce.path());
    std::sort(file.begin(), file.end());

    int esito = Ok;
    std::string primoErrore;
    auto segnala = [&](const std::string& testo) {
        if (esito == Ok) primoErrore = testo;
        esito = FileDati;
    };
    for (const fs::path& p : file) {
        std::string errore;
        std::unique_ptr<Fluido> f = leggiFluido(p.string(), errore);
        if (!f) {
            segnala(errore);
            continue;
        }
        std::vector<std::string> nomi{normalizza(f->nome.c_str())};
        for (const std::string& a : f->alias) nomi.push_back(normalizza(a.c_str()));
        bool doppio = false;
        for (const std::string& n : nomi) doppio = doppio || m_perNome.count(n);
        if (doppio) {
            segnala(p.string() + ":0: il nome di '" + f->nome + "' e' gia' di un altro file");
            continue;
        }
        for (const std::string& n : nomi) m_perNome[n] = f.get();
        m_fluidi.push_back(std::move(f));
    }
    if (m_fluidi.empty() && esito == Ok) {
        m_errore = "nessun file di refrigerante in " + cartella;
        return NonInizializzata;
    }
    m_errore = primoErrore;
    return esito;
}

Fluido* Libreria::trova(const char* codice, int& esito) {
    if (m_fluidi.empty()) {
        m_errore = "libreria dei refrigeranti non inizializzata";
        esito = NonInizializzata;
        return nullptr;
    }
    if (!codice || !*codice) {
        m_errore = "nome del refrigerante mancante";
        esito = Argomento;
        return nullptr;
    }
    if (m_ultimo && m_ultimoCodice == codice) {
        esito = Ok;
        return m_ultimo;
    }
    const auto it = m_perNome.find(normalizza(codice));
    if (it == m_perNome.end()) {
        m_errore = std::string("refrigerante sconosciuto: ") + codice;
        esito = Sconosciuto;
        return nullptr;
    }
    m_ultimoCodice = codice;
    m_ultimo = it->second;
    esito = Ok;
    return m_ultimo;
}

void Libreria::dimentica() {
    for (auto& f : m_fluidi) f->dimentica();
}

}  // namespace reflib
