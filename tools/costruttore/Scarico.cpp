#include "tools/costruttore/Scarico.h"

#include "reflib/ILK.h"
#include "tools/costruttore/Prestazioni.h"

#include <cmath>

namespace {

constexpr double kZero = 273.15;

// Enthalpy of the discharge gas: the cylinder heads, the oil and the housing carry off part
// of the losses.
double entalpiaScarico(const StatoPunto& s, const DatiGenerali& g) {
    const double perdite = s.lavoroIsentropico * (1 / rendimentoIsentropico(s.rapporto(), g) - 1);
    return s.hAspirazione + s.lavoroIsentropico + g.quotaScarico * perdite;
}

// Vapour enthalpy at T_K and p. Where T lies a few kelvin past the top of the equation's range
// (R1234yf's ends at 410 K, and with it that of every blend holding it), the enthalpy is
// carried on from the top with the slope of its last kelvin: cp of a gas that far above its
// saturation changes by well under 1 % over such a step.
int16_t entalpiaVapore(const QByteArray& nome, double T_K, double p, double* h) {
    int16_t stato = ILK_h_V(nome.constData(), T_K, p, h);
    for (int giu = 1; stato == ILK_ERR_FUORI_CAMPO && giu <= 20; ++giu) {
        double h0 = 0, h1 = 0;
        stato = ILK_h_V(nome.constData(), T_K - giu, p, &h0);
        if (stato != ILK_OK)
            continue;
        stato = ILK_h_V(nome.constData(), T_K - giu - 1, p, &h1);
        if (stato == ILK_OK)
            *h = h0 + (h0 - h1) * giu;
    }
    return stato;
}

} // namespace

bool temperaturaScarico(const QString& gas, const StatoPunto& s, double tc, const DatiGenerali& g,
                        double* tScarico, QString* errore) {
    const QByteArray nome = gas.toUtf8();
    const double h = entalpiaScarico(s, g);
    // Newton on the vapour enthalpy at the condensing pressure; the slope from a 0.5 K step.
    // Started in the vapour a little above the condensing temperature: h rises with T, so
    // Newton climbs without overshooting far past the equation's range.
    double t = tc + kZero + 10;
    for (int i = 0; i < 30; ++i) {
        double h0 = 0, h1 = 0;
        if (ILK_h_V(nome.constData(), t, s.pCondensazionePa, &h0) != ILK_OK ||
            ILK_h_V(nome.constData(), t + 0.5, s.pCondensazionePa, &h1) != ILK_OK) {
            *errore = QString("%1: discharge state at %2 K: %3")
                          .arg(gas)
                          .arg(t)
                          .arg(QString::fromUtf8(ILK_Ultimo_Errore()));
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
        if (!gas.limiteScarico)
            continue;
        for (int i = 0; i < kBande; ++i) {
            std::optional<FasciaTE>& banda = gas.inviluppo[i];
            if (!banda)
                continue;
            const double tc = bandaTC(i) + 5;
            // Discharge gas is at least as hot as the condensing temperature.
            if (*gas.limiteScarico <= tc) {
                banda.reset();
                continue;
            }
            for (;;) {
                // Compared as enthalpies at the condensing pressure: a discharge far above the
                // limit may lie beyond the range of a blend's equation of state.
                StatoPunto s;
                double hLimite = 0;
                // An application envelope holds for the usual suction superheat; with the rating
                // conditions' suction gas temperature a low-temperature point needs extra cooling.
                if (!statoPunto(gas.codice, banda->teMin, tc,
                                banda->teMin + g.surriscaldamentoScarico, &s, errore))
                    return false;
                const QByteArray nome = gas.codice.toUtf8();
                if (entalpiaVapore(nome, *gas.limiteScarico + kZero, s.pCondensazionePa,
                                   &hLimite) != ILK_OK) {
                    *errore = QString("%1: discharge limit at %2 degC: %3")
                                  .arg(gas.codice)
                                  .arg(*gas.limiteScarico)
                                  .arg(QString::fromUtf8(ILK_Ultimo_Errore()));
                    return false;
                }
                if (entalpiaScarico(s, g) <= hLimite)
                    break;
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
