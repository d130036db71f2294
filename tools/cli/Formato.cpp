#include "tools/cli/Formato.h"

#include <cmath>
#include <cstdio>

std::string formatoSchema(double v, const std::string& schema) {
    if (!std::isfinite(v)) return "-"; // a figure the rating did not reach
    const auto punto = schema.find('.');
    const std::string intero = schema.substr(0, punto);
    const std::string decimali = punto == std::string::npos ? "" : schema.substr(punto + 1);
    const bool gruppi = intero.find(',') != std::string::npos;
    int minInteri = 0, obbligatori = 0, facoltativi = 0;
    for (char c : intero) minInteri += c == '0';
    for (char c : decimali) (c == '0' ? obbligatori : facoltativi) += 1;
    const int cifre = obbligatori + facoltativi;

    // Half away from zero on the 15-digit decimal form of the value.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    const double scala = std::pow(10.0, cifre);
    double arrotondato = std::round(std::strtod(buf, nullptr) * scala) / scala;
    if (arrotondato == 0) arrotondato = 0; // no "-0"
    std::snprintf(buf, sizeof buf, "%.*f", cifre, std::fabs(arrotondato));
    std::string testo = buf;
    std::string parteIntera = testo.substr(0, testo.find('.'));
    std::string parteDecimale = cifre ? testo.substr(testo.find('.') + 1) : "";
    while (static_cast<int>(parteDecimale.size()) > obbligatori && parteDecimale.back() == '0')
        parteDecimale.pop_back();
    if (parteIntera == "0" && minInteri == 0) parteIntera.clear();
    while (static_cast<int>(parteIntera.size()) < minInteri) parteIntera.insert(0, "0");
    if (gruppi)
        for (int i = static_cast<int>(parteIntera.size()) - 3; i > 0; i -= 3) parteIntera.insert(i, ",");
    std::string r = (arrotondato < 0 ? "-" : "") + parteIntera;
    if (punto != std::string::npos) r += "." + parteDecimale;
    return r;
}
