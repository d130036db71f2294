#pragma once
// The command line of selcomp-cli: global options, one command, its options.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct Argomenti {
    std::string comando;
    // A handful of options per line: flat lists are quicker to fill and to search than
    // trees, and a batch fills one for every request.
    std::vector<std::pair<std::string, std::string>> valori; // "--gas" -> "R404A", one each
    std::vector<std::string> interruttori;                   // "--json", "--standard", ...
    std::string errore;                                      // non-empty: the line is not usable

    bool ha(std::string_view opzione) const { return trova(opzione) || acceso(opzione); }
    std::optional<std::string> valore(std::string_view opzione) const;
    // The option's value in place, or null.
    const std::string* trova(std::string_view opzione) const;
    bool acceso(std::string_view opzione) const;
    // A later value of the same option replaces the earlier one.
    void imposta(std::string_view opzione, std::string_view valore);
    void accendi(std::string_view opzione);
    void svuota();
};

// Options are accepted before or after the command.
Argomenti leggiArgomenti(const std::vector<std::string>& argomenti);

// A whole text read as a number with a point as decimal separator ("1e3", "-10", "42.5");
// nothing for any other text, infinity or NaN.
std::optional<double> numeroDaTesto(const std::string& testo);

// True for the options that take no value (--json, --standard, ...).
bool eInterruttore(std::string_view opzione);
// True for the options that take a value (--gas, --te, ...; not coefficients' --standard).
bool conValore(std::string_view opzione);
// True for the names of commands.
bool eComando(std::string_view parola);

extern const char* const TestoUso;
