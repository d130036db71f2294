// Picture number formats: any pattern over any double; a finite value never comes back
// as a NaN or infinity text.
#include "fuzz/Supporto.h"
#include "platform/FormatoNumero.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    if (n < 9 || n > 4096)
        return 0;
    static const QLocale locali[] = {QLocale(QLocale::Italian, QLocale::Italy),
                                     QLocale(QLocale::English, QLocale::UnitedStates),
                                     QLocale(QLocale::French, QLocale::France), QLocale::c()};
    const QLocale& locale = locali[dati[0] % 4];
    ++dati;
    --n;
    const double x = doubleDa(dati, n);
    const QString schema = testoDa(dati, n);
    const QString t = formatoNumero(x, schema, locale);
    // (patterns holding the letters of those texts could spell them themselves)
    if (std::isfinite(x) && !schema.contains(QLatin1Char('n'), Qt::CaseInsensitive) &&
        !schema.contains(QChar(0x221E)))
        PROPRIETA(!t.contains(QLatin1Char('n'), Qt::CaseInsensitive) && !t.contains(QChar(0x221E)),
                  "formatoNumero(%.17g, \"%s\") = \"%s\"", x, qPrintable(schema), qPrintable(t));
    testoNumero(x, locale);
    return 0;
}
