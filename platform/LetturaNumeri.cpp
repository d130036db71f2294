#include "platform/LetturaNumeri.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// The parts of a number already recognised by one of the grammars.
struct Parti {
    bool negativo = false;
    std::string interi, decimali; // ASCII digits
    long esponente = 0;
};

// Nothing when the number is too large for a double; a number too small for it is 0.
std::optional<double> converti(const Parti& p) {
    std::string testo = p.interi + "." + p.decimali + "e" + std::to_string(p.esponente);
    if (p.interi.empty())
        testo.insert(testo.begin(), '0');
    double valore = 0;
    const auto r = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (r.ec == std::errc::result_out_of_range) {
        // Order of magnitude of the mantissa decides which way the range was left.
        const auto primo = p.interi.find_first_not_of('0');
        const long ordine = primo != std::string::npos ? long(p.interi.size() - primo)
                                                       : -long(p.decimali.find_first_not_of('0'));
        if (ordine + p.esponente > 0)
            return std::nullopt;
        valore = 0;
    } else if (r.ec != std::errc()) {
        return std::nullopt;
    }
    if (valore == 0)
        return 0.0; // no negative zero
    return p.negativo ? -valore : valore;
}

bool eCifra(QChar c) {
    return c >= '0' && c <= '9';
}

// Reads digits from `testo` at `i` into `cifre`; returns how many were read.
int leggiCifre(const QString& testo, qsizetype& i, std::string& cifre) {
    int n = 0;
    for (; i < testo.size() && eCifra(testo[i]); ++i, ++n)
        cifre += char(testo[i].unicode());
    return n;
}

// An exponent at `i` ('e'/'E', sign, digits); `i` moves past it only when it is whole.
bool leggiEsponente(const QString& testo, qsizetype& i, long& esponente) {
    qsizetype j = i;
    if (j >= testo.size() || (testo[j] != 'e' && testo[j] != 'E'))
        return false;
    ++j;
    bool meno = false;
    if (j < testo.size() && (testo[j] == '+' || testo[j] == '-'))
        meno = testo[j++] == '-';
    std::string cifre;
    if (leggiCifre(testo, j, cifre) == 0)
        return false;
    // Beyond this size any exponent leaves the range of a double either way.
    esponente = cifre.size() > 6 ? 1000000 : std::stol(cifre);
    if (meno)
        esponente = -esponente;
    i = j;
    return true;
}

bool iniziaCon(const QString& testo, qsizetype i, const QString& parola) {
    return !parola.isEmpty() && QStringView(testo).mid(i).startsWith(parola);
}

} // namespace

std::optional<double> valoreNumerico(const QString& testo, const QLocale& locale) {
    const QString t = testo.trimmed();
    const QString separatore = locale.decimalPoint();
    Parti p;
    qsizetype i = 0;
    if (iniziaCon(t, i, QStringLiteral("+")) || iniziaCon(t, i, QStringLiteral("-"))) {
        p.negativo = t[i] == '-';
        ++i;
    } else if (iniziaCon(t, i, locale.negativeSign())) {
        p.negativo = true;
        i += locale.negativeSign().size();
    } else if (iniziaCon(t, i, locale.positiveSign())) {
        i += locale.positiveSign().size();
    }
    int cifre = leggiCifre(t, i, p.interi);
    if (iniziaCon(t, i, separatore)) {
        i += separatore.size();
        cifre += leggiCifre(t, i, p.decimali);
    }
    if (cifre == 0)
        return std::nullopt;
    leggiEsponente(t, i, p.esponente);
    if (i != t.size())
        return std::nullopt;
    return converti(p);
}

std::optional<double> numeroIniziale(const QString& testo) {
    QString t;
    for (QChar c : testo)
        if (c != ' ' && c != '\t' && c != '\n')
            t += c;
    Parti p;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        p.negativo = t[i++] == '-';
    int cifre = leggiCifre(t, i, p.interi);
    if (i < t.size() && t[i] == '.') {
        ++i;
        cifre += leggiCifre(t, i, p.decimali);
    }
    if (cifre == 0)
        return 0.0;
    leggiEsponente(t, i, p.esponente);
    return converti(p);
}

std::optional<int16_t> interoIniziale(const QString& testo) {
    const auto valore = numeroIniziale(testo);
    if (!valore)
        return std::nullopt;
    const double arrotondato = std::round(*valore);
    if (arrotondato < -32768 || arrotondato > 32767)
        return std::nullopt;
    return int16_t(arrotondato);
}
