#include "tools/cli/Argomenti.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>

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
const std::set<std::string> conValore = {"--catalogue", "--lang", "--reflibs", "--gas",
                                         "--model",     "--te",   "--tc",      "--tu",
                                         "--tl",        "--ta",   "--voltage", "--capacity",
                                         "--t",         "--p",    "--template", "--data",
                                         "--out",       "--in",   "--format",  "--xlsx",
                                         "--csv"};
const std::set<std::string> senzaValore = {"--json", "--standard", "--differential", "--bubble",
                                           "--watt", "--help"};
const std::set<std::string> comandi = {"rate",   "select", "tables",       "list",
                                       "props",  "report", "coefficients", "batch"};
} // namespace

bool eInterruttore(const std::string& opzione) { return senzaValore.count(opzione) > 0; }

std::optional<std::string> Argomenti::valore(const std::string& opzione) const {
    auto it = valori.find(opzione);
    if (it == valori.end()) return std::nullopt;
    return it->second;
}

Argomenti leggiArgomenti(const std::vector<std::string>& a) {
    Argomenti r;
    // coefficients names its standard: there --standard takes a value.
    const bool standardConValore = std::find(a.begin(), a.end(), "coefficients") != a.end();
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& s = a[i];
        if (conValore.count(s) || (standardConValore && s == "--standard")) {
            if (i + 1 >= a.size()) {
                r.errore = "missing value after " + s;
                return r;
            }
            r.valori[s] = a[++i];
        } else if (senzaValore.count(s)) {
            r.interruttori.insert(s);
        } else if (s.rfind("--", 0) == 0) {
            r.errore = "unknown option " + s;
            return r;
        } else if (r.comando.empty() && comandi.count(s)) {
            r.comando = s;
        } else {
            r.errore = r.comando.empty() ? "unknown command " + s : "unexpected argument " + s;
            return r;
        }
    }
    if (r.comando.empty() && r.errore.empty() && !r.interruttori.count("--help"))
        r.errore = "no command given";
    return r;
}

std::optional<double> numeroDaTesto(const std::string& t) {
    const char* inizio = t.data();
    const char* fine = t.data() + t.size();
    if (inizio != fine && *inizio == '+') ++inizio;
    double v = 0;
    auto r = std::from_chars(inizio, fine, v);
    if (r.ec != std::errc() || r.ptr != fine || !std::isfinite(v)) return std::nullopt;
    return v;
}
