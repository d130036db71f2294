// The locale-aware numeric test and the leading-number reading over any text; the
// default number form must read back as the same value in every locale.
#include "fuzz/Supporto.h"
#include "platform/FormatoNumero.h"
#include "platform/LetturaNumeri.h"

#include <cmath>

namespace {
const QLocale& localeDa(uint8_t b) {
    static const QLocale tutti[] = {
        QLocale(QLocale::Italian, QLocale::Italy),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),
        QLocale::c(),
        QLocale(QLocale::Swedish, QLocale::Sweden),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::German, QLocale::Switzerland),
    };
    return tutti[b % (sizeof tutti / sizeof tutti[0])];
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    if (n == 0)
        return 0;
    const QLocale& locale = localeDa(dati[0]);
    const QString testo = testoDa(dati + 1, n - 1);

    if (auto v = valoreNumerico(testo, locale))
        PROPRIETA(std::isfinite(*v), "valoreNumerico gave %g", *v);
    PROPRIETA(eNumerico(testo, locale) == valoreNumerico(testo, locale).has_value(), "eNumerico");
    if (auto v = numeroIniziale(testo))
        PROPRIETA(std::isfinite(*v), "numeroIniziale gave %g", *v);
    if (auto i = interoIniziale(testo)) {
        auto v = numeroIniziale(testo);
        PROPRIETA(v && std::fabs(*v - *i) <= 0.5, "interoIniziale %d far from %g", *i,
                  v ? *v : 0.0);
    }

    // Round trip of the default form (15 significant digits), for any bit pattern of the
    // input's first bytes.
    const uint8_t* p = dati + 1;
    size_t resto = n - 1;
    const double x = doubleDa(p, resto);
    if (std::isfinite(x)) {
        const QString t = testoNumero(x, locale);
        auto indietro = valoreNumerico(t, locale);
        PROPRIETA(indietro && std::fabs(*indietro - x) <= std::fabs(x) * 1e-14,
                  "testoNumero(%.17g) = \"%s\" reads back as %.17g", x, qPrintable(t),
                  indietro ? *indietro : NAN);
    }
    return 0;
}
