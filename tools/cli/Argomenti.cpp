#include "tools/cli/Argomenti.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <iterator>

const char* const TestoUso =
    "usage: selcomp-cli [--catalogue FILE] [--lang N] [--json] [--reflibs DIR] COMMAND [options]\n"
    "  rate   --gas CODE --model CODE --te T --tc T [conditions] [--voltage N]\n"
    "  select --gas CODE --capacity W --te T --tc T [conditions] [--voltage N]\n"
    "  tables --gas CODE --model CODE [--voltage N] [--watt]\n"
    "  list   [--gas CODE]\n"
    "  props  --gas CODE --t T_K [--p PA]\n"
    "  report --template NAME --data FILE --out FILE.pdf [--model CODE]\n"
    "  coefficients --gas CODE [--model CODE] [--standard en12900|ahri540] [--format csv|json]\n"
    "  batch  [--format jsonl|csv] [--in FILE] [--out FILE]\n"
    "conditions: --standard | --tu X --tl X --ta X (each optional, absent = not given) "
    "[--differential] [--bubble]\n"
    "selcomp-cli COMMAND --help: what the command does, with an example\n";

namespace {
constexpr std::string_view opzioniConValore[] = {
    "--catalogue", "--lang", "--reflibs", "--gas",     "--model",    "--te",   "--tc",
    "--tu",        "--tl",   "--ta",      "--voltage", "--capacity", "--t",    "--p",
    "--template",  "--data", "--out",     "--in",      "--format",   "--xlsx", "--csv"};
constexpr std::string_view opzioniSenzaValore[] = {"--json",   "--standard", "--differential",
                                                   "--bubble", "--watt",     "--help"};
constexpr std::string_view nomiComandi[] = {"rate",  "select", "tables",       "list",
                                            "props", "report", "coefficients", "batch"};

template <size_t N> bool tra(const std::string_view (&elenco)[N], std::string_view s) {
    return std::find(std::begin(elenco), std::end(elenco), s) != std::end(elenco);
}
} // namespace

bool eInterruttore(std::string_view opzione) {
    return tra(opzioniSenzaValore, opzione);
}
bool conValore(std::string_view opzione) {
    return tra(opzioniConValore, opzione);
}
bool eComando(std::string_view parola) {
    return tra(nomiComandi, parola);
}

const std::string* Argomenti::trova(std::string_view opzione) const {
    for (const auto& [nome, v] : valori)
        if (nome == opzione)
            return &v;
    return nullptr;
}

bool Argomenti::acceso(std::string_view opzione) const {
    return std::find(interruttori.begin(), interruttori.end(), opzione) != interruttori.end();
}

std::optional<std::string> Argomenti::valore(std::string_view opzione) const {
    if (const std::string* v = trova(opzione))
        return *v;
    return std::nullopt;
}

void Argomenti::imposta(std::string_view opzione, std::string_view v) {
    for (auto& [nome, valore] : valori)
        if (nome == opzione) {
            valore.assign(v);
            return;
        }
    valori.emplace_back(opzione, v);
}

void Argomenti::accendi(std::string_view opzione) {
    if (!acceso(opzione))
        interruttori.emplace_back(opzione);
}

void Argomenti::svuota() {
    comando.clear();
    valori.clear();
    interruttori.clear();
    errore.clear();
}

Argomenti leggiArgomenti(const std::vector<std::string>& a) {
    Argomenti r;
    // coefficients names its standard: there --standard takes a value.
    const bool standardConValore = std::find(a.begin(), a.end(), "coefficients") != a.end();
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& s = a[i];
        if (conValore(s) || (standardConValore && s == "--standard")) {
            if (i + 1 >= a.size()) {
                r.errore = "missing value after " + s;
                return r;
            }
            r.imposta(s, a[i + 1]);
            ++i;
        } else if (eInterruttore(s)) {
            r.accendi(s);
        } else if (s.rfind("--", 0) == 0) {
            r.errore = "unknown option " + s;
            return r;
        } else if (r.comando.empty() && eComando(s)) {
            r.comando = s;
        } else {
            r.errore = r.comando.empty() ? "unknown command " + s : "unexpected argument " + s;
            return r;
        }
    }
    if (r.comando.empty() && r.errore.empty() && !r.acceso("--help"))
        r.errore = "no command given";
    return r;
}

std::optional<double> numeroDaTesto(const std::string& t) {
    const char* inizio = t.data();
    const char* fine = t.data() + t.size();
    if (inizio != fine && *inizio == '+')
        ++inizio;
    double v = 0;
    auto r = std::from_chars(inizio, fine, v);
    if (r.ec != std::errc() || r.ptr != fine || !std::isfinite(v))
        return std::nullopt;
    return v;
}
