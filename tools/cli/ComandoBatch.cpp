#include "tools/cli/ComandoBatch.h"

#include "tools/cli/Argomenti.h"
#include "tools/cli/Comandi.h"
#include "tools/cli/Json.h"

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::set<std::string> comandiBatch = {"rate", "select", "tables"};
// Options that belong to the whole run or would write files: given on the batch's own
// command line, never per request.
const std::set<std::string> vietate = {"catalogue", "lang", "reflibs", "json", "help",
                                       "in",        "out",  "xlsx",    "csv",  "format"};

// The figures of a CSV answer: paths into the single command's JSON object.
const char* const colonneCsv[] = {
    "Riga", "Uscita", "ok", "Messaggio", "CodiceErrore", "CodiceProdotto", "NomeGas",
    "CondFunz.TE", "CondFunz.TC", "CondFunz.TU", "CondFunz.TL", "CondFunz.TA",
    "CondFunz.IndiceTensione", "Correzioni.CoeffResa", "Correzioni.CoeffResaCompressore",
    "Correzioni.VA0", "Correzioni.VA", "Risultati.ResaStd", "Risultati.ResaEvaporatore",
    "Risultati.ResaCompressore", "Risultati.PotenzaAssorbita", "Risultati.CorrenteStd",
    "Risultati.CorrenteAssorbita", "Risultati.PortataMassaStd", "Risultati.PortataMassa",
    "Risultati.COP", "Risultati.COPStd", "Risultati.CaloreCondensatore",
    "Risultati.CaloreCondensatoreStd", "PotenzaRichiesta", "NumCandidati",
    "CodiceProdottoInferiore"};

bool vuota(const std::string& riga) {
    return std::all_of(riga.begin(), riga.end(), [](unsigned char c) { return std::isspace(c); });
}

// A request as the command line it stands for, or the reason it is none.
struct Richiesta {
    std::vector<std::string> argomenti; // command, then options
    std::string errore;
};

bool aggiungiOpzione(Richiesta& r, const std::string& nome, const std::string& valore,
                     bool interruttore, bool acceso) {
    if (nome == "command") {
        r.argomenti.insert(r.argomenti.begin(), valore);
        return true;
    }
    if (vietate.count(nome)) {
        r.errore = "option not allowed in a batch request: " + nome;
        return false;
    }
    const std::string opzione = "--" + nome;
    if (interruttore != eInterruttore(opzione)) {
        r.errore = "option " + nome + (interruttore ? " takes a number or a text" : " takes true or false");
        return false;
    }
    if (!interruttore) r.argomenti.insert(r.argomenti.end(), {opzione, valore});
    else if (acceso) r.argomenti.push_back(opzione);
    return true;
}

Richiesta daJson(std::string& riga) {
    Richiesta r;
    rapidjson::Document d;
    // Numbers as their own text: the command reads them exactly as from a command line.
    d.ParseInsitu<rapidjson::kParseNumbersAsStringsFlag | rapidjson::kParseStopWhenDoneFlag>(riga.data());
    if (d.HasParseError()) {
        r.errore = std::string("malformed JSON request: ") + rapidjson::GetParseError_En(d.GetParseError()) +
                   " (offset " + std::to_string(d.GetErrorOffset()) + ")";
        return r;
    }
    if (!d.IsObject()) {
        r.errore = "a request is a JSON object";
        return r;
    }
    bool comando = false;
    for (auto& m : d.GetObject()) {
        const std::string nome(m.name.GetString(), m.name.GetStringLength());
        const auto& v = m.value;
        if (nome == "command") {
            if (!v.IsString()) {
                r.errore = "command must be a text";
                return r;
            }
            comando = true;
        }
        if (v.IsNull()) continue; // absent, as an empty field
        if (v.IsBool()) {
            if (!aggiungiOpzione(r, nome, "", true, v.GetBool())) return r;
        } else if (v.IsString()) {
            if (!aggiungiOpzione(r, nome, std::string(v.GetString(), v.GetStringLength()), false, false))
                return r;
        } else {
            r.errore = "option " + nome + " takes a number or a text";
            return r;
        }
    }
    if (!comando) r.errore = "no command given";
    return r;
}

// One CSV record of a line (fields may be quoted; no line breaks inside a field).
std::vector<std::string> campiCsv(const std::string& riga, char separatore) {
    std::vector<std::string> campi(1);
    bool virgolette = false;
    for (size_t i = 0; i < riga.size(); ++i) {
        const char c = riga[i];
        if (virgolette) {
            if (c == '"' && i + 1 < riga.size() && riga[i + 1] == '"') campi.back() += '"', ++i;
            else if (c == '"') virgolette = false;
            else campi.back() += c;
        } else if (c == '"') {
            virgolette = true;
        } else if (c == separatore) {
            campi.emplace_back();
        } else if (c != '\r') {
            campi.back() += c;
        }
    }
    for (auto& c : campi) {
        const auto a = c.find_first_not_of(" \t"), b = c.find_last_not_of(" \t");
        c = a == std::string::npos ? std::string() : c.substr(a, b - a + 1);
    }
    return campi;
}

Richiesta daCsv(const std::vector<std::string>& intestazione, const std::vector<std::string>& campi) {
    Richiesta r;
    if (campi.size() > intestazione.size()) {
        r.errore = "more fields than columns";
        return r;
    }
    bool comando = false;
    for (size_t i = 0; i < campi.size(); ++i) {
        const std::string& nome = intestazione[i];
        const std::string& v = campi[i];
        if (v.empty()) continue;
        if (nome == "command") comando = true;
        if (eInterruttore("--" + nome)) {
            std::string t = v;
            for (auto& ch : t) ch = char(std::tolower(static_cast<unsigned char>(ch)));
            const bool acceso = t == "1" || t == "true" || t == "yes" || t == "x";
            if (!acceso && t != "0" && t != "false" && t != "no") {
                r.errore = "option " + nome + " takes true or false";
                return r;
            }
            if (!aggiungiOpzione(r, nome, "", true, acceso)) return r;
        } else if (!aggiungiOpzione(r, nome, v, false, false)) {
            return r;
        }
    }
    if (!comando) r.errore = "no command given";
    return r;
}

// The first line of what the command wrote on stderr, without the tool's prefix.
std::string primaRiga(const std::string& testo) {
    std::string r = testo.substr(0, testo.find('\n'));
    const std::string prefisso = "selcomp-cli: ";
    if (r.rfind(prefisso, 0) == 0) r.erase(0, prefisso.size());
    return r;
}

class Batch {
public:
    Batch(const Argomenti& a, ContestoCli& contesto, std::ostream& out)
        : contesto(contesto), out(out) {
        for (const char* g : {"--catalogue", "--lang", "--reflibs"})
            if (auto v = a.valore(g)) globali.insert(globali.end(), {g, *v});
        globali.push_back("--json");
        csv = a.valore("--format").value_or("jsonl") == "csv";
    }

    void esegui(std::istream& in) {
        std::string riga;
        long long numero = 0;
        std::vector<std::string> intestazione;
        if (csv) scriviIntestazioneCsv();
        while (std::getline(in, riga)) {
            ++numero;
            if (vuota(riga)) continue;
            if (csv && intestazione.empty()) {
                intestazione = campiCsv(riga, separatoreDi(riga));
                continue;
            }
            const Richiesta r = csv ? daCsv(intestazione, campiCsv(riga, separatore)) : daJson(riga);
            rispondi(numero, r);
            // Streaming: whatever is answered goes out before the next wait for input.
            if (in.rdbuf()->in_avail() <= 0) out.flush();
        }
        out.flush();
    }

private:
    ContestoCli& contesto;
    std::ostream& out;
    std::vector<std::string> globali;
    bool csv = false;
    char separatore = ',';
    std::ostringstream bufOut, bufErr;
    std::string risposta;

    char separatoreDi(const std::string& intestazione) {
        separatore = intestazione.find(',') == std::string::npos &&
                             intestazione.find(';') != std::string::npos
                         ? ';'
                         : ',';
        return separatore;
    }

    void rispondi(long long numero, const Richiesta& r) {
        int uscita = UscitaUso;
        std::string oggetto, messaggio = r.errore;
        if (r.errore.empty()) {
            std::vector<std::string> argomenti = globali;
            argomenti.insert(argomenti.end(), r.argomenti.begin(), r.argomenti.end());
            const Argomenti a = leggiArgomenti(argomenti);
            if (!a.errore.empty()) {
                messaggio = a.errore;
            } else if (!comandiBatch.count(a.comando)) {
                messaggio = "command not available in a batch: " + a.comando;
            } else {
                bufOut.str("");
                bufErr.str("");
                uscita = eseguiComando(a, contesto, bufOut, bufErr);
                oggetto = bufOut.str();
                messaggio = primaRiga(bufErr.str());
            }
        }
        while (!oggetto.empty() && (oggetto.back() == '\n' || oggetto.back() == '\r')) oggetto.pop_back();
        risposta.assign("{\"Riga\":").append(std::to_string(numero));
        risposta.append(",\"Uscita\":").append(std::to_string(uscita));
        if (oggetto.size() > 2 && oggetto.front() == '{') {
            risposta.append(",").append(oggetto, 1, std::string::npos);
        } else {
            // No object from the command (a usage error): the message stands alone.
            risposta.append(",\"ok\":false,\"Messaggio\":")
                .append(ScrittoreJson::virgolette(messaggio))
                .append("}");
        }
        if (csv) scriviRigaCsv(risposta);
        else out.write(risposta.data(), std::streamsize(risposta.size())).put('\n');
    }

    void scriviIntestazioneCsv() {
        std::string t;
        for (const char* c : colonneCsv) {
            if (!t.empty()) t += ',';
            const char* punto = std::strrchr(c, '.');
            t += punto ? punto + 1 : c;
        }
        out << t << "\n";
    }

    // The CSV columns taken from the answer's JSON: numbers as the JSON writes them.
    void scriviRigaCsv(std::string& json) {
        rapidjson::Document d;
        d.ParseInsitu<rapidjson::kParseNumbersAsStringsFlag>(json.data());
        std::string t;
        bool primo = true;
        for (const char* c : colonneCsv) {
            if (!primo) t += ',';
            primo = false;
            const rapidjson::Value* v = &d;
            std::string percorso = c;
            for (size_t i = 0; v && i != std::string::npos;) {
                const size_t j = percorso.find('.', i);
                const std::string nome = percorso.substr(i, j == std::string::npos ? j : j - i);
                v = v->IsObject() && v->HasMember(nome.c_str()) ? &(*v)[nome.c_str()] : nullptr;
                i = j == std::string::npos ? j : j + 1;
            }
            if (!v || v->IsNull()) continue;
            if (v->IsBool()) t += v->GetBool() ? "true" : "false";
            else if (v->IsString()) {
                const std::string s(v->GetString(), v->GetStringLength());
                const bool quota = s.find_first_of(",\"\n\r") != std::string::npos;
                if (!quota) t += s;
                else {
                    t += '"';
                    for (char ch : s) t += ch == '"' ? std::string("\"\"") : std::string(1, ch);
                    t += '"';
                }
            }
        }
        out << t << "\n";
    }
};

} // namespace

int comandoBatch(const Argomenti& a, ContestoCli& contesto, std::istream& in, std::ostream& out,
                 std::ostream& err) {
    const std::string formato = a.valore("--format").value_or("jsonl");
    if (formato != "jsonl" && formato != "csv") {
        err << "selcomp-cli: --format takes jsonl or csv\n";
        return UscitaUso;
    }
    std::ifstream fileIn;
    std::ofstream fileOut;
    std::istream* ingresso = &in;
    std::ostream* uscita = &out;
    if (auto f = a.valore("--in")) {
        fileIn.open(*f, std::ios::binary);
        if (!fileIn) {
            err << "selcomp-cli: cannot read " << *f << "\n";
            return UscitaDati;
        }
        ingresso = &fileIn;
    }
    if (auto f = a.valore("--out")) {
        fileOut.open(*f, std::ios::binary | std::ios::trunc);
        if (!fileOut) {
            err << "selcomp-cli: cannot write " << *f << "\n";
            return UscitaDati;
        }
        uscita = &fileOut;
    }
    Batch(a, contesto, *uscita).esegui(*ingresso);
    return UscitaOk;
}
