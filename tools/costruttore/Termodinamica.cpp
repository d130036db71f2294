#include "tools/costruttore/Termodinamica.h"

#include "reflib/ILK.h"
#include "reflib/Stato.h"

#include <cmath>

namespace {

constexpr double kZero = 273.15;

QString guasto(const char* funzione, double t, const std::string& errore) {
    return QString("%1 at %2 K: %3").arg(funzione).arg(t).arg(QString::fromStdString(errore));
}

} // namespace

bool caricaRefrigeranti(const QString& cartella, QString* errore) {
    if (ILK_Set_Fluids(cartella.toLocal8Bit().constData()) == ILK_OK)
        return true;
    *errore =
        QString("refrigerant data in %1: %2").arg(cartella, QString::fromUtf8(ILK_Ultimo_Errore()));
    return false;
}

bool statoPunto(const QString& nome, double te, double tc, double tAspirazione, StatoPunto* s,
                QString* errore) {
    const QByteArray gas = nome.toUtf8();
    int esito = 0;
    reflib::Refrigerante* r = reflib::libreriaProcesso().trova(gas.constData(), esito);
    if (!r) {
        *errore = nome + " " + QString::fromUtf8(ILK_Ultimo_Errore());
        return false;
    }
    const double tS = tAspirazione + kZero;
    std::string e;
    StatoPunto x;
    if (r->pressioneRugiada(te + kZero, x.pEvaporazionePa, e) != reflib::Ok) {
        *errore = nome + " " + guasto("dew pressure", te + kZero, e);
        return false;
    }
    if (r->pressioneRugiada(tc + kZero, x.pCondensazionePa, e) != reflib::Ok) {
        *errore = nome + " " + guasto("dew pressure", tc + kZero, e);
        return false;
    }
    reflib::Proprieta aspirazione, scarico;
    if (r->statoVapore(tS, x.pEvaporazionePa, aspirazione, e) != reflib::Ok) {
        *errore = nome + " " + guasto("suction state", tS, e);
        return false;
    }
    x.vAspirazione = aspirazione.v;
    x.hAspirazione = aspirazione.h;
    if (r->entalpiaLiquido(tc + kZero, x.hLiquido, e) != reflib::Ok) {
        *errore = nome + " " + guasto("liquid enthalpy", tc + kZero, e);
        return false;
    }
    // The isentrope from the suction state's entropy, started at the polytropic guess.
    const double tGuess = tS * std::pow(x.pCondensazionePa / x.pEvaporazionePa, 0.1 / 1.1);
    if (r->isentropica(x.pCondensazionePa, aspirazione.s, tGuess, scarico, e) != reflib::Ok) {
        *errore = nome + " " + guasto("isentropic compression", tS, e);
        return false;
    }
    x.lavoroIsentropico = scarico.h - aspirazione.h;
    x.tScaricoIsentropico = scarico.T - kZero;
    *s = x;
    return true;
}
