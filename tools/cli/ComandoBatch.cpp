#include "tools/cli/ComandoBatch.h"

#include "tools/cli/Argomenti.h"
#include "tools/cli/Comandi.h"
#include "tools/cli/Json.h"

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::set<std::string> comandiBatch = {"rate", "select", "tables"};
// Options that belong to the whole run or would write files: given on the batch's own
// command line, never per request.
const std::set<std::string> vietate = {"catalogue", "lang", "reflibs", "json", "help",
                                       "in",        "out",  "xlsx",    "csv",  "format"};

// The figures of a CSV answer: paths into the single command's JSON object.
const char* const colonneCsv[] = {"Riga",
                                  "Uscita",
                                  "ok",
                                  "Messaggio",
                                  "CodiceErrore",
                                  "CodiceProdotto",
                                  "NomeGas",
                                  "CondFunz.TE",
                                  "CondFunz.TC",
                                  "CondFunz.TU",
                                  "CondFunz.TL",
                                  "CondFunz.TA",
                                  "CondFunz.IndiceTensione",
                                  "Correzioni.CoeffResa",
                                  "Correzioni.CoeffResaCompressore",
                                  "Correzioni.VA0",
                                  "Correzioni.VA",
                                  "Risultati.ResaStd",
                                  "Risultati.ResaEvaporatore",
                                  "Risultati.ResaCompressore",
                                  "Risultati.PotenzaAssorbita",
                                  "Risultati.CorrenteStd",
                                  "Risultati.CorrenteAssorbita",
                                  "Risultati.PortataMassaStd",
                                  "Risultati.PortataMassa",
                                  "Risultati.COP",
                                  "Risultati.COPStd",
                                  "Risultati.CaloreCondensatore",
                                  "Risultati.CaloreCondensatoreStd",
                                  "PotenzaRichiesta",
                                  "NumCandidati",
                                  "CodiceProdottoInferiore"};

bool vuota(const std::string& riga) {
    return std::all_of(riga.begin(), riga.end(), [](unsigned char c) { return std::isspace(c); });
}

// A request as read: its command(s) and options in the order given, texts pointing into
// the line (or the CSV fields) it came from, or the reason it is none.
struct Richiesta {
    struct Opzione {
        std::string_view nome, valore;
        bool interruttore, acceso;
    };
    std::vector<std::string_view> comandi;
    std::vector<Opzione> opzioni;
    std::string errore;

    void svuota() {
        comandi.clear();
        opzioni.clear();
        errore.clear();
    }
};

bool aggiungiOpzione(Richiesta& r, std::string_view nome, std::string_view valore,
                     bool interruttore, bool acceso) {
    if (nome == "command") {
        r.comandi.push_back(valore);
        return true;
    }
    if (vietate.count(std::string(nome))) {
        r.errore = "option not allowed in a batch request: " + std::string(nome);
        return false;
    }
    if (interruttore != eInterruttore("--" + std::string(nome))) {
        r.errore = "option " + std::string(nome) +
                   (interruttore ? " takes a number or a text" : " takes true or false");
        return false;
    }
    r.opzioni.push_back({nome, valore, interruttore, acceso});
    return true;
}

// The members of the line's object as the reader meets them, nested values only noted:
// the request needs no document tree, and the line's own buffer holds the texts.
struct LettoreRichiesta : rapidjson::BaseReaderHandler<rapidjson::UTF8<>, LettoreRichiesta> {
    enum Tipo { Nullo, Vero, Falso, Testo, Composto };
    struct Membro {
        std::string_view nome;
        Tipo tipo;
        std::string_view testo;
    };
    std::vector<Membro> membri;
    bool oggetto = false;
    int profondita = 0;
    std::string_view chiave;

    void svuota() {
        membri.clear();
        oggetto = false;
        profondita = 0;
    }
    bool valore(Tipo t, std::string_view testo = {}) {
        if (profondita == 1)
            membri.push_back({chiave, t, testo});
        return true;
    }
    bool Null() { return valore(Nullo); }
    bool Bool(bool b) { return valore(b ? Vero : Falso); }
    bool Default() { return valore(Composto); }
    bool RawNumber(const char* t, rapidjson::SizeType n, bool) { return valore(Testo, {t, n}); }
    bool String(const char* t, rapidjson::SizeType n, bool) { return valore(Testo, {t, n}); }
    bool Key(const char* t, rapidjson::SizeType n, bool) {
        if (profondita == 1)
            chiave = {t, n};
        return true;
    }
    bool StartObject() {
        if (profondita == 0)
            oggetto = true;
        else
            valore(Composto);
        ++profondita;
        return true;
    }
    bool EndObject(rapidjson::SizeType) { return --profondita, true; }
    bool StartArray() {
        valore(Composto);
        ++profondita;
        return true;
    }
    bool EndArray(rapidjson::SizeType) { return --profondita, true; }
};

void daJson(std::string& riga, rapidjson::Reader& lettore, LettoreRichiesta& membri, Richiesta& r) {
    r.svuota();
    membri.svuota();
    // Numbers as their own text: the command reads them exactly as from a command line.
    rapidjson::InsituStringStream flusso(riga.data());
    lettore.Parse<rapidjson::kParseInsituFlag | rapidjson::kParseNumbersAsStringsFlag |
                  rapidjson::kParseStopWhenDoneFlag>(flusso, membri);
    if (lettore.HasParseError()) {
        r.errore = std::string("malformed JSON request: ") +
                   rapidjson::GetParseError_En(lettore.GetParseErrorCode()) + " (offset " +
                   std::to_string(lettore.GetErrorOffset()) + ")";
        return;
    }
    if (!membri.oggetto) {
        r.errore = "a request is a JSON object";
        return;
    }
    bool comando = false;
    for (const auto& m : membri.membri) {
        if (m.nome == "command") {
            if (m.tipo != LettoreRichiesta::Testo) {
                r.errore = "command must be a text";
                return;
            }
            comando = true;
        }
        if (m.tipo == LettoreRichiesta::Nullo)
            continue; // absent, as an empty field
        if (m.tipo == LettoreRichiesta::Vero || m.tipo == LettoreRichiesta::Falso) {
            if (!aggiungiOpzione(r, m.nome, "", true, m.tipo == LettoreRichiesta::Vero))
                return;
        } else if (m.tipo == LettoreRichiesta::Testo) {
            if (!aggiungiOpzione(r, m.nome, m.testo, false, false))
                return;
        } else {
            r.errore = "option " + std::string(m.nome) + " takes a number or a text";
            return;
        }
    }
    if (!comando)
        r.errore = "no command given";
}

// One CSV record of a line (fields may be quoted; no line breaks inside a field).
std::vector<std::string> campiCsv(const std::string& riga, char separatore) {
    std::vector<std::string> campi(1);
    bool virgolette = false;
    for (size_t i = 0; i < riga.size(); ++i) {
        const char c = riga[i];
        if (virgolette) {
            if (c == '"' && i + 1 < riga.size() && riga[i + 1] == '"')
                campi.back() += '"', ++i;
            else if (c == '"')
                virgolette = false;
            else
                campi.back() += c;
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

void daCsv(const std::vector<std::string>& intestazione, const std::vector<std::string>& campi,
           Richiesta& r) {
    r.svuota();
    if (campi.size() > intestazione.size()) {
        r.errore = "more fields than columns";
        return;
    }
    bool comando = false;
    for (size_t i = 0; i < campi.size(); ++i) {
        const std::string& nome = intestazione[i];
        const std::string& v = campi[i];
        if (v.empty())
            continue;
        if (nome == "command")
            comando = true;
        if (eInterruttore("--" + nome)) {
            std::string t = v;
            for (auto& ch : t)
                ch = char(std::tolower(static_cast<unsigned char>(ch)));
            const bool acceso = t == "1" || t == "true" || t == "yes" || t == "x";
            if (!acceso && t != "0" && t != "false" && t != "no") {
                r.errore = "option " + nome + " takes true or false";
                return;
            }
            if (!aggiungiOpzione(r, nome, "", true, acceso))
                return;
        } else if (!aggiungiOpzione(r, nome, v, false, false)) {
            return;
        }
    }
    if (!comando)
        r.errore = "no command given";
}

// The first line of what the command wrote on stderr, without the tool's prefix.
std::string primaRiga(const std::string& testo) {
    std::string r = testo.substr(0, testo.find('\n'));
    const std::string prefisso = "selcomp-cli: ";
    if (r.rfind(prefisso, 0) == 0)
        r.erase(0, prefisso.size());
    return r;
}

// What a command writes, kept in one string that keeps its room from request to request.
class Accumulo : public std::streambuf {
public:
    std::string testo;

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        testo.append(s, size_t(n));
        return n;
    }
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            testo.push_back(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
};

class Batch {
public:
    Batch(const Argomenti& a, ContestoCli& contesto, std::ostream& out)
        : contesto(contesto), out(out), flussoOut(&bufOut), flussoErr(&bufErr) {
        for (const char* g : {"--catalogue", "--lang", "--reflibs"})
            if (auto v = a.valore(g))
                globali.insert(globali.end(), {g, *v});
        globali.push_back("--json");
        csv = a.valore("--format").value_or("jsonl") == "csv";
        globaliSemplici =
            std::find(globali.begin(), globali.end(), "coefficients") == globali.end();
    }

    void esegui(std::istream& in) {
        std::string riga;
        long long numero = 0;
        std::vector<std::string> intestazione, campi;
        if (csv)
            scriviIntestazioneCsv();
        while (std::getline(in, riga)) {
            ++numero;
            if (vuota(riga))
                continue;
            if (csv && intestazione.empty()) {
                intestazione = campiCsv(riga, separatoreDi(riga));
                continue;
            }
            if (csv) {
                campi = campiCsv(riga, separatore);
                daCsv(intestazione, campi, richiesta);
            } else {
                daJson(riga, lettore, membri, richiesta);
            }
            rispondi(numero, richiesta);
            // Streaming: whatever is answered goes out before the next wait for input.
            if (in.rdbuf()->in_avail() <= 0)
                out.flush();
        }
        out.flush();
    }

private:
    ContestoCli& contesto;
    std::ostream& out;
    std::vector<std::string> globali;
    bool globaliSemplici = true;
    bool csv = false;
    char separatore = ',';
    // Kept from request to request, so that a request allocates next to nothing.
    rapidjson::Reader lettore;
    LettoreRichiesta membri;
    Richiesta richiesta;
    Argomenti argomenti;
    std::vector<std::string> riga;
    Accumulo bufOut, bufErr;
    std::ostream flussoOut, flussoErr;
    std::string risposta;

    char separatoreDi(const std::string& intestazione) {
        separatore = intestazione.find(',') == std::string::npos &&
                             intestazione.find(';') != std::string::npos
                         ? ';'
                         : ',';
        return separatore;
    }

    // The request as the command line it stands for would read: filled in directly when
    // that reading is plain (one batch command, known options, no value that changes how
    // the line reads), otherwise through the command line itself.
    void componi(const Richiesta& r, Argomenti& a) {
        bool semplice = globaliSemplici && r.comandi.size() == 1 &&
                        comandiBatch.count(std::string(r.comandi[0]));
        for (const auto& o : r.opzioni) {
            if (!semplice)
                break;
            semplice = o.valore != "coefficients" &&
                       (o.interruttore || conValore("--" + std::string(o.nome)));
        }
        if (!semplice) {
            riga = globali;
            for (auto c = r.comandi.rbegin(); c != r.comandi.rend(); ++c)
                riga.emplace_back(*c);
            for (const auto& o : r.opzioni) {
                if (!o.interruttore)
                    riga.insert(riga.end(), {"--" + std::string(o.nome), std::string(o.valore)});
                else if (o.acceso)
                    riga.push_back("--" + std::string(o.nome));
            }
            a = leggiArgomenti(riga);
            return;
        }
        a.svuota();
        for (size_t i = 0; i + 1 < globali.size(); i += 2)
            a.imposta(globali[i], globali[i + 1]);
        a.accendi("--json");
        a.comando.assign(r.comandi[0]);
        std::string opzione = "--";
        for (const auto& o : r.opzioni) {
            opzione.resize(2);
            opzione.append(o.nome);
            if (!o.interruttore)
                a.imposta(opzione, o.valore);
            else if (o.acceso)
                a.accendi(opzione);
        }
    }

    void rispondi(long long numero, const Richiesta& r) {
        int uscita = UscitaUso;
        std::string messaggio = r.errore;
        std::string_view oggetto;
        if (r.errore.empty()) {
            componi(r, argomenti);
            const Argomenti& a = argomenti;
            if (!a.errore.empty()) {
                messaggio = a.errore;
            } else if (!comandiBatch.count(a.comando)) {
                messaggio = "command not available in a batch: " + a.comando;
            } else {
                bufOut.testo.clear();
                bufErr.testo.clear();
                uscita = eseguiComando(a, contesto, flussoOut, flussoErr);
                oggetto = bufOut.testo;
                if (!bufErr.testo.empty())
                    messaggio = primaRiga(bufErr.testo);
            }
        }
        while (!oggetto.empty() && (oggetto.back() == '\n' || oggetto.back() == '\r'))
            oggetto.remove_suffix(1);
        char cifre[24];
        risposta.assign("{\"Riga\":")
            .append(cifre, std::to_chars(cifre, cifre + sizeof cifre, numero).ptr);
        risposta.append(",\"Uscita\":")
            .append(cifre, std::to_chars(cifre, cifre + sizeof cifre, uscita).ptr);
        if (oggetto.size() > 2 && oggetto.front() == '{') {
            risposta.append(",").append(oggetto.substr(1));
        } else {
            // No object from the command (a usage error): the message stands alone.
            risposta.append(",\"ok\":false,\"Messaggio\":")
                .append(ScrittoreJson::virgolette(messaggio))
                .append("}");
        }
        if (csv)
            scriviRigaCsv(risposta);
        else
            out.write(risposta.data(), std::streamsize(risposta.size())).put('\n');
    }

    void scriviIntestazioneCsv() {
        std::string t;
        for (const char* c : colonneCsv) {
            if (!t.empty())
                t += ',';
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
            if (!primo)
                t += ',';
            primo = false;
            const rapidjson::Value* v = &d;
            std::string percorso = c;
            for (size_t i = 0; v && i != std::string::npos;) {
                const size_t j = percorso.find('.', i);
                const std::string nome = percorso.substr(i, j == std::string::npos ? j : j - i);
                v = v->IsObject() && v->HasMember(nome.c_str()) ? &(*v)[nome.c_str()] : nullptr;
                i = j == std::string::npos ? j : j + 1;
            }
            if (!v || v->IsNull())
                continue;
            if (v->IsBool())
                t += v->GetBool() ? "true" : "false";
            else if (v->IsString()) {
                const std::string s(v->GetString(), v->GetStringLength());
                const bool quota = s.find_first_of(",\"\n\r") != std::string::npos;
                if (!quota)
                    t += s;
                else {
                    t += '"';
                    for (char ch : s)
                        t += ch == '"' ? std::string("\"\"") : std::string(1, ch);
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
