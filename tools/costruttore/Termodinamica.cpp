#include "tools/costruttore/Termodinamica.h"

#include "reflib/ILK.h"

#include <cmath>

namespace {

constexpr double kZero = 273.15;

QString guasto(const char* funzione, double t) {
    return QString("%1 at %2 K: %3").arg(funzione).arg(t).arg(QString::fromUtf8(ILK_Ultimo_Errore()));
}

// Temperature of the vapour at p whose enthalpy is h: Newton's method on h_V, started at
// tK, with the slope (cp) taken from a 0.5 K step.
bool temperaturaDaEntalpia(const QByteArray& gas, double p, double h, double* tK, QString* errore) {
    double t = *tK;
    for (int i = 0; i < 20; ++i) {
        double h0 = 0, h1 = 0;
        if (ILK_h_V(gas.constData(), t, p, &h0) != ILK_OK || ILK_h_V(gas.constData(), t + 0.5, p, &h1) != ILK_OK) {
            *errore = guasto("ILK_h_V", t);
            return false;
        }
        const double passo = (h - h0) / ((h1 - h0) / 0.5);
        t += passo;
        if (std::abs(passo) < 1e-7) {
            *tK = t;
            return true;
        }
    }
    *errore = QString("isentropic discharge temperature does not converge at %1 Pa").arg(p);
    return false;
}

// Isentropic work from the suction state to pFine. The five property functions give no
// entropy, so the isentrope is followed through its own definition, dh = v dp at constant
// entropy: the pressure rises in equal logarithmic steps, each step adds the trapezoid of
// v dp (v from ILK_V_V at both ends) to the enthalpy, and the end temperature of the step
// is the vapour temperature of that enthalpy (inverse of ILK_h_V), corrected twice.
bool lavoroIsentropico(const QByteArray& gas, double tK, double p, double h, double v, double pFine, double* lavoro,
                       QString* errore) {
    constexpr int kPassi = 16;
    const double h0 = h;
    const double fattore = std::pow(pFine / p, 1.0 / kPassi);
    for (int i = 0; i < kPassi; ++i) {
        const double pNuova = i + 1 == kPassi ? pFine : p * fattore;
        double t = tK * std::pow(pNuova / p, 0.1 / 1.1); // polytropic first guess
        double vNuovo = v, hNuova = h;
        for (int giro = 0; giro < 3; ++giro) {
            if (ILK_V_V(gas.constData(), t, pNuova, &vNuovo) != ILK_OK) {
                *errore = guasto("ILK_V_V", t);
                return false;
            }
            hNuova = h + 0.5 * (v + vNuovo) * (pNuova - p);
            if (!temperaturaDaEntalpia(gas, pNuova, hNuova, &t, errore)) return false;
        }
        if (ILK_V_V(gas.constData(), t, pNuova, &vNuovo) != ILK_OK) {
            *errore = guasto("ILK_V_V", t);
            return false;
        }
        tK = t, p = pNuova, h = hNuova, v = vNuovo;
    }
    *lavoro = h - h0;
    return true;
}

} // namespace

bool caricaRefrigeranti(const QString& cartella, QString* errore) {
    if (ILK_Set_Fluids(cartella.toLocal8Bit().constData()) == ILK_OK) return true;
    *errore = QString("refrigerant data in %1: %2").arg(cartella, QString::fromUtf8(ILK_Ultimo_Errore()));
    return false;
}

bool statoPunto(const QString& nome, double te, double tc, double tAspirazione, StatoPunto* s, QString* errore) {
    const QByteArray gas = nome.toUtf8();
    const double tS = tAspirazione + kZero;
    StatoPunto r;
    if (ILK_p_D(gas.constData(), te + kZero, &r.pEvaporazionePa) != ILK_OK) {
        *errore = nome + " " + guasto("ILK_p_D", te + kZero);
        return false;
    }
    if (ILK_p_D(gas.constData(), tc + kZero, &r.pCondensazionePa) != ILK_OK) {
        *errore = nome + " " + guasto("ILK_p_D", tc + kZero);
        return false;
    }
    if (ILK_V_V(gas.constData(), tS, r.pEvaporazionePa, &r.vAspirazione) != ILK_OK ||
        ILK_h_V(gas.constData(), tS, r.pEvaporazionePa, &r.hAspirazione) != ILK_OK) {
        *errore = nome + " " + guasto("suction state", tS);
        return false;
    }
    if (ILK_h_L(gas.constData(), tc + kZero, &r.hLiquido) != ILK_OK) {
        *errore = nome + " " + guasto("ILK_h_L", tc + kZero);
        return false;
    }
    if (!lavoroIsentropico(gas, tS, r.pEvaporazionePa, r.hAspirazione, r.vAspirazione, r.pCondensazionePa,
                           &r.lavoroIsentropico, errore)) {
        *errore = nome + " " + *errore;
        return false;
    }
    *s = r;
    return true;
}
