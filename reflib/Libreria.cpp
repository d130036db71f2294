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
        if (u == '-' || u == ' ' || u == '_' || u == '(' || u == ')' || u == '\t')
            continue;
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
        if (voce.is_regular_file(ec) && voce.path().extension() == ".txt")
            file.push_back(voce.path());
    std::sort(file.begin(), file.end());

    int esito = Ok;
    std::string primoErrore;
    auto segnala = [&](const std::string& testo) {
        if (esito == Ok)
            primoErrore = testo;
        esito = FileDati;
    };
    auto registra = [&](const fs::path& p, std::unique_ptr<Refrigerante> f) {
        std::vector<std::string> nomi{normalizza(f->nome.c_str())};
        for (const std::string& a : f->alias)
            nomi.push_back(normalizza(a.c_str()));
        bool doppio = false;
        for (const std::string& n : nomi)
            doppio = doppio || m_perNome.count(n);
        if (doppio) {
            segnala(p.string() + ":0: il nome di '" + f->nome + "' e' gia' di un altro file");
            return;
        }
        for (const std::string& n : nomi)
            m_perNome[n] = f.get();
        m_fluidi.push_back(std::move(f));
    };
    // The fluids first: the blends are made of them.
    std::vector<std::pair<fs::path, std::unique_ptr<Miscela>>> miscele;
    for (const fs::path& p : file) {
        std::string errore;
        if (fileMiscela(p.string())) {
            std::unique_ptr<Miscela> m = leggiMiscela(p.string(), errore);
            if (m)
                miscele.emplace_back(p, std::move(m));
            else
                segnala(errore);
            continue;
        }
        std::unique_ptr<Fluido> f = leggiFluido(p.string(), errore);
        if (!f) {
            segnala(errore);
            continue;
        }
        registra(p, std::move(f));
    }
    for (auto& [p, m] : miscele) {
        std::string errore;
        if (!componi(*m, errore)) {
            segnala(p.string() + ":0: " + errore);
            continue;
        }
        registra(p, std::move(m));
    }
    if (m_fluidi.empty() && esito == Ok) {
        m_errore = "nessun file di refrigerante in " + cartella;
        return NonInizializzata;
    }
    m_errore = primoErrore;
    return esito;
}

bool Libreria::componi(Miscela& m, std::string& errore) {
    // Components at a mole fraction of 0 are left out: they change no property.
    ModelloMiscela& mod = m.modello;
    std::vector<int> nuovo(m.nomiComponenti.size(), -1);
    Composizione z{};
    int n = 0;
    for (size_t i = 0; i < m.nomiComponenti.size(); ++i) {
        const auto it = m_perNome.find(normalizza(m.nomiComponenti[i].c_str()));
        const Fluido* f = it == m_perNome.end() ? nullptr : dynamic_cast<const Fluido*>(it->second);
        if (!f || f->pseudoPuro) {
            errore = "componente '" + m.nomiComponenti[i] + "' di " + m.nome +
                     " non trovato tra i fluidi puri";
            return false;
        }
        if (m.z[i] == 0)
            continue;
        nuovo[i] = n;
        z[size_t(n++)] = m.z[i];
        mod.componenti.push_back(f);
    }
    m.z = z;
    std::vector<CoppiaMiscela> coppie;
    for (CoppiaMiscela& c : mod.coppie) {
        if (nuovo[size_t(c.i)] < 0 || nuovo[size_t(c.j)] < 0)
            continue;
        c.i = nuovo[size_t(c.i)];
        c.j = nuovo[size_t(c.j)];
        coppie.push_back(std::move(c));
    }
    // A pair the file does not name has the plain combining rules and no departure function.
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            bool c = false;
            for (const CoppiaMiscela& k : coppie)
                c = c || (k.i == i && k.j == j) || (k.i == j && k.j == i);
            if (!c) {
                CoppiaMiscela k;
                k.i = i;
                k.j = j;
                coppie.push_back(std::move(k));
            }
        }
    mod.coppie = std::move(coppie);
    mod.prepara();
    m.Tmin = 0;
    m.Tmax = 1e9;
    for (const Fluido* f : mod.componenti) {
        m.Tmin = std::max(m.Tmin, f->Tmin);
        m.Tmax = std::min(m.Tmax, f->Tmax);
    }
    m.Tmin = std::min(m.Tmin, Miscela::TMinSaturazione);
    return true;
}

Fluido* Libreria::trovaFluido(const char* codice) {
    int esito = 0;
    return dynamic_cast<Fluido*>(trova(codice, esito));
}

Refrigerante* Libreria::trova(const char* codice, int& esito) {
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
    for (auto& f : m_fluidi)
        f->dimentica();
}

} // namespace reflib
