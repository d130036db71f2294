#include "tools/strati/ControlloStrati.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace strati {

std::map<std::string, int> leggiStrati(const fs::path& readme) {
    static const std::regex riga(R"(^\|\s*`([A-Za-z0-9_]+)/`\s*\|\s*([0-9]+)\s*\|)");
    std::map<std::string, int> strati;
    std::ifstream in(readme);
    std::smatch m;
    for (std::string testo; std::getline(in, testo);)
        if (std::regex_search(testo, m, riga))
            strati[m[1]] = std::stoi(m[2]);
    return strati;
}

namespace {

// Tests and build folders include whatever they exercise; they are not a layer.
bool fuoriDagliStrati(const fs::path& relativo) {
    for (const auto& parte : relativo)
        if (parte == "tests" || parte.string().starts_with('.') ||
            parte.string().starts_with("build"))
            return true;
    return false;
}

bool sorgente(const fs::path& p) {
    return p.extension() == ".h" || p.extension() == ".cpp";
}

void leggiFile(const fs::path& radice, const fs::path& file, std::vector<Inclusione>& esito) {
    static const std::regex inclusione(R"(^\s*#\s*include\s*"([A-Za-z0-9_]+)/)");
    const fs::path relativo = fs::relative(file, radice);
    const std::string cartella = relativo.begin()->string();
    std::ifstream in(file);
    std::smatch m;
    int n = 0;
    for (std::string testo; std::getline(in, testo);) {
        ++n;
        if (std::regex_search(testo, m, inclusione) && m[1] != cartella)
            esito.push_back({relativo.generic_string(), n, cartella, m[1]});
    }
}

} // namespace

std::vector<Inclusione> leggiInclusioni(const fs::path& radice) {
    std::vector<Inclusione> esito;
    for (auto it = fs::recursive_directory_iterator(radice);
         it != fs::recursive_directory_iterator(); ++it) {
        const fs::path relativo = fs::relative(it->path(), radice);
        if (fuoriDagliStrati(relativo)) {
            if (it->is_directory())
                it.disable_recursion_pending();
            continue;
        }
        // A file at the top folder belongs to no layer.
        if (it->is_regular_file() && sorgente(it->path()) &&
            std::distance(relativo.begin(), relativo.end()) > 1)
            leggiFile(radice, it->path(), esito);
    }
    std::sort(esito.begin(), esito.end(), [](const Inclusione& a, const Inclusione& b) {
        return std::tie(a.file, a.riga) < std::tie(b.file, b.riga);
    });
    return esito;
}

std::vector<std::pair<std::string, std::string>> leggiEccezioni(const fs::path& file) {
    static const std::regex riga(R"(^\s*(\S+)\s*->\s*([A-Za-z0-9_]+)\s*$)");
    std::vector<std::pair<std::string, std::string>> eccezioni;
    std::ifstream in(file);
    std::smatch m;
    for (std::string testo; std::getline(in, testo);) {
        testo = testo.substr(0, testo.find('#'));
        if (std::regex_match(testo, m, riga))
            eccezioni.emplace_back(m[1], m[2]);
    }
    return eccezioni;
}

namespace {

using Grafo = std::map<std::string, std::set<std::string>>;

// A path from `da` back to `verso` in the graph, if any (depth first).
bool cammino(const Grafo& g, const std::string& da, const std::string& verso,
             std::set<std::string>& visti, std::vector<std::string>& percorso) {
    percorso.push_back(da);
    if (da == verso)
        return true;
    if (visti.insert(da).second)
        if (auto it = g.find(da); it != g.end())
            for (const auto& dopo : it->second)
                if (cammino(g, dopo, verso, visti, percorso))
                    return true;
    percorso.pop_back();
    return false;
}

std::string unisci(const std::vector<std::string>& parti) {
    std::string s;
    for (const auto& p : parti)
        s += (s.empty() ? "" : " -> ") + p;
    return s;
}

} // namespace

std::vector<std::string>
controlla(const std::map<std::string, int>& strati, const std::vector<Inclusione>& inclusioni,
          const std::vector<std::pair<std::string, std::string>>& eccezioni) {
    std::vector<std::string> guasti;
    std::set<std::pair<std::string, std::string>> usate;
    Grafo laterali; // includes between folders of the same layer
    for (const auto& i : inclusioni) {
        const std::string dove = i.file + ":" + std::to_string(i.riga);
        const auto da = strati.find(i.da), verso = strati.find(i.verso);
        if (da == strati.end()) {
            guasti.push_back(dove + ": folder '" + i.da +
                             "' has no layer in the README's layout table");
            continue;
        }
        if (verso == strati.end()) {
            guasti.push_back(dove + ": includes folder '" + i.verso +
                             "', which has no layer in the layout table");
            continue;
        }
        const std::pair<std::string, std::string> chiave{i.file, i.verso};
        if (std::find(eccezioni.begin(), eccezioni.end(), chiave) != eccezioni.end()) {
            usate.insert(chiave);
            continue;
        }
        if (verso->second > da->second)
            guasti.push_back(dove + ": '" + i.da + "' (layer " + std::to_string(da->second) +
                             ") includes '" + i.verso + "' (layer " +
                             std::to_string(verso->second) + "), above it");
        else if (verso->second == da->second)
            laterali[i.da].insert(i.verso);
    }
    std::set<std::string> segnalati;
    for (const auto& [da, versi] : laterali)
        for (const auto& verso : versi) {
            std::set<std::string> visti;
            std::vector<std::string> percorso{da};
            if (cammino(laterali, verso, da, visti, percorso) &&
                segnalati.insert(*std::min_element(percorso.begin(), percorso.end())).second)
                guasti.push_back("cycle between folders: " + unisci(percorso));
        }
    for (const auto& e : eccezioni)
        if (!usate.count(e))
            guasti.push_back("exception no longer needed: " + e.first + " -> " + e.second);
    return guasti;
}

} // namespace strati
