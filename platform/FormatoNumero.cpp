#include "platform/FormatoNumero.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// A non-negative finite number as decimal digits: value = 0.d1d2d3... x 10^(esponente + 1),
// that is the first digit stands at 10^esponente. No leading zero unless the value is 0.
struct Cifre {
    std::string cifre;
    int esponente = 0;
};

Cifre cifreDecimali(double valore, int precisione) {
    char buf[64];
    const auto r = precisione < 0
                       ? std::to_chars(buf, buf + sizeof buf, valore, std::chars_format::scientific)
                       : std::to_chars(buf, buf + sizeof buf, valore, std::chars_format::scientific,
                                       precisione);
    const std::string testo(buf, r.ptr);
    const auto e = testo.find('e');
    Cifre c;
    for (size_t i = 0; i < e; ++i)
        if (testo[i] != '.')
            c.cifre += testo[i];
    c.esponente = std::stoi(testo.substr(e + 1));
    return c;
}

// The digit at 10^posizione, '0' outside the stored digits.
char cifraA(const Cifre& c, int posizione) {
    const int i = c.esponente - posizione;
    return i >= 0 && i < int(c.cifre.size()) ? c.cifre[size_t(i)] : '0';
}

// Rounds half away from zero so that no digit is left below 10^-decimali.
Cifre arrotonda(Cifre c, int decimali) {
    const int tenute = c.esponente + 1 + decimali; // digits kept
    if (tenute >= int(c.cifre.size()))
        return c;
    if (tenute < 0)
        return {"0", 0};
    const bool suPiu = c.cifre[size_t(tenute)] >= '5';
    c.cifre.resize(size_t(tenute));
    if (suPiu) {
        int i = tenute - 1;
        for (; i >= 0 && c.cifre[size_t(i)] == '9'; --i)
            c.cifre[size_t(i)] = '0';
        if (i >= 0) {
            ++c.cifre[size_t(i)];
        } else {
            c.cifre.insert(c.cifre.begin(), '1');
            ++c.esponente;
        }
    }
    if (c.cifre.find_first_not_of('0') == std::string::npos)
        return {"0", 0};
    return c;
}

bool eZero(const Cifre& c) {
    return c.cifre.find_first_not_of('0') == std::string::npos;
}

// The parts of a picture that matter for the layout.
struct Schema {
    QString prefisso, suffisso;
    int minimoInteri = 0;   // integer digits always shown
    bool raggruppa = false; // "," in the integer part
    bool separatore = false;
    int massimoDecimali = 0;
    int minimoDecimali = 0; // decimals always shown
};

bool eSegnaposto(QChar c) {
    return c == '0' || c == '#' || c == ',' || c == '.';
}

Schema leggiSchema(const QString& testo) {
    Schema s;
    int inizio = 0, fine = int(testo.size());
    while (inizio < fine && !eSegnaposto(testo[inizio]))
        ++inizio;
    while (fine > inizio && !eSegnaposto(testo[fine - 1]))
        --fine;
    s.prefisso = testo.left(inizio);
    s.suffisso = testo.mid(fine);
    const QString corpo = testo.mid(inizio, fine - inizio);
    const auto punto = corpo.indexOf('.');
    const QString interi = punto < 0 ? corpo : corpo.left(punto);
    const QString decimali = punto < 0 ? QString() : corpo.mid(punto + 1);
    s.separatore = punto >= 0;
    s.raggruppa = interi.contains(',');
    bool forzato = false;
    for (QChar c : interi) {
        if (c == '0')
            forzato = true;
        if ((c == '0' || c == '#') && forzato)
            ++s.minimoInteri;
    }
    for (QChar c : decimali) {
        if (c == '0' || c == '#')
            ++s.massimoDecimali;
        if (c == '0')
            s.minimoDecimali = s.massimoDecimali;
    }
    return s;
}

QString raggruppa(const QString& interi, const QString& separatore) {
    QString r;
    for (int i = 0; i < int(interi.size()); ++i) {
        if (i > 0 && (interi.size() - i) % 3 == 0)
            r += separatore;
        r += interi[i];
    }
    return r;
}

// A value that is not a number is one the engine could not know (a model without a motor
// table has no current): a dash, as in the grids' empty positions, never "nan" or "inf".
QString nonFinito(double, const QLocale&) {
    return QStringLiteral("-");
}

} // namespace

QString formatoNumero(double valore, const QString& schema, const QLocale& locale) {
    if (!std::isfinite(valore))
        return nonFinito(valore, locale);
    const Schema s = leggiSchema(schema);
    const Cifre c = arrotonda(cifreDecimali(std::fabs(valore), 14), s.massimoDecimali);
    const bool zero = eZero(c);

    QString interi;
    for (int p = c.esponente; p >= 0 && !zero; --p)
        interi += QChar(cifraA(c, p));
    while (interi.size() < s.minimoInteri)
        interi.prepend('0');
    QString decimali;
    for (int p = -1; p >= -s.massimoDecimali; --p)
        decimali += QChar(cifraA(c, p));
    while (decimali.size() > s.minimoDecimali && decimali.endsWith('0'))
        decimali.chop(1);

    QString testo = (valore < 0 && !zero) ? locale.negativeSign() : QString();
    testo += s.prefisso;
    testo += s.raggruppa ? raggruppa(interi, locale.groupSeparator()) : interi;
    if (s.separatore)
        testo += locale.decimalPoint() + decimali;
    return testo + s.suffisso;
}

QString testoNumero(double valore, const QLocale& locale) {
    if (!std::isfinite(valore))
        return nonFinito(valore, locale);
    if (valore == 0)
        return QStringLiteral("0"); // also for -0
    Cifre c = cifreDecimali(std::fabs(valore), 14);
    while (c.cifre.size() > 1 && c.cifre.back() == '0')
        c.cifre.pop_back();
    QString testo = valore < 0 ? locale.negativeSign() : QString();
    const QString cifre = QString::fromStdString(c.cifre);
    if (c.esponente >= -5 && c.esponente < 15) {
        QString interi, decimali;
        for (int p = c.esponente; p >= 0; --p)
            interi += QChar(cifraA(c, p));
        if (interi.isEmpty())
            interi = QStringLiteral("0");
        for (int p = -1; p > c.esponente - int(cifre.size()); --p)
            decimali += QChar(cifraA(c, p));
        testo += interi;
        if (!decimali.isEmpty())
            testo += locale.decimalPoint() + decimali;
        return testo;
    }
    testo += cifre.left(1);
    if (cifre.size() > 1)
        testo += locale.decimalPoint() + cifre.mid(1);
    return testo + (c.esponente < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
           QString::number(std::abs(c.esponente)).rightJustified(2, '0');
}
