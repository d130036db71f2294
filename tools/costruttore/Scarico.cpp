#include "tools/costruttore/Scarico.h"

#include "reflib/ILK.h"
#include "tools/costruttore/Prestazioni.h"

#include <cmath>

namespace {

constexpr double kZero = 273.15;

} // namespace

bool temperaturaScarico(const QString& gas, const StatoPunto& s, double tc, const DatiGenerali& g,
                        double* tScarico, QString* errore) {
    const QByteArray nome = gas.toUtf8();
    // The cylinder heads, the oil and the housing carry off part of the losses.
    const double perdite = s.lavoroIsentropico * (1 / rendimentoIsentropico(s.rapporto(), g) - 1);
    const double h = s.hAspirazione + s.lavoroIsentropico + g.quotaScarico * perdite;
    // Newton on the vapour enthalpy at the condensing pressure; the slope from a 0.5 K step.
    // Started in the vapour a little above the condensing temperature: h rises with T, so
    // Newton climbs without overshooting far past the equation's range.
    double t = tc + kZero + 10;
    for (int i = 0; i < 30; ++i) {
        double h0 = 0, h1 = 0;
        if (ILK_h_V(nome.constData(), t, s.pCondensazionePa, &h0) != ILK_OK ||
            ILK_h_V(nome.constData(), t + 0.5, s.pCondensazionePa, &h1) != ILK_OK) {
            *errore = QString("%1: discharge state at %2 K: %3").arg(gas).arg(t).arg(QString::fromUtf8(ILK_Ultimo_Errore()));
            return false;
        }
        const double passo = (h - h0) / ((h1 - h0) / 0.5);
        t += passo;
        if (std::abs(passo) < 1e-6) {
            *tScarico = t - kZero;
            return true;
        }
    }
    *errore = QString("%1: the discharge temperature does not converge").arg(gas);
    return false;
}

bool limitaScarico(Gamma* gamma, QString* errore) {
    const DatiGenerali& g = gamma->generali;
    for (GasDescritto& gas : gamma->gas) {
        if (!gas.limiteScarico) continue;
        for (int i = 0; i < kBande; ++i) {
            std::optional<FasciaTE>& banda = gas.inviluppo[i];
            if (!banda) continue;
            const double tc = bandaTC(i) + 5;
            for (;;) {
                StatoPunto s;
                double t = 0;
                if (!statoPunto(gas.codice, banda->teMin, tc, gas.tuestd, &s, errore) ||
                    !temperaturaScarico(gas.codice, s, tc, g, &t, errore))
                    return false;
                if (t <= *gas.limiteScarico) break;
                banda->teMin += g.passoTE;
                if (banda->teMin >= banda->teMax) {
                    banda.reset();
                    break;
                }
            }
        }
    }
    return true;
}
