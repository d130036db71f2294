#pragma once
// The command line of selcomp-cli: global options, one command, its options.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct Argomenti {
    std::string comando;
    std::map<std::string, std::string> valori; // "--gas" -> "R404A"
    std::set<std::string> interruttori;        // "--json", "--standard", ...
    std::string errore;                        // non-empty: the line is not usable

    bool ha(const std::string& opzione) const {
        return valori.count(opzione) || interruttori.count(opzione);
    }
    std::optional<std::string> valore(const std::string& opzione) const;
};

// Options are accepted before or after the command.
Argomenti leggiArgomenti(const std::vector<std::string>& argomenti);

// A whole text read as a number with a point as decimal separator ("1e3", "-10", "42.5");
// nothing for any other text, infinity or NaN.
std::optional<double> numeroDaTesto(const std::string& testo);

// True for the options that take no value (--json, --standard, ...).
bool eInterruttore(const std::string& opzione);

extern const char* const TestoUso;
