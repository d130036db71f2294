#include "tools/costruttore/PuntiMisurati.h"

#include <QRegularExpression>

bool leggiPunti(const QString& testo, std::vector<PuntoMisurato>* punti, QString* errore) {
    static const QRegularExpression separatori("[,;\t]");
    punti->clear();
    int riga = 0;
    bool primaRiga = true;
    for (const QString& grezza : testo.split('\n')) {
        ++riga;
        const QString r = grezza.trimmed();
        if (r.isEmpty() || r.startsWith('#'))
            continue;
        const QStringList campi = r.split(separatori);
        double v[5] = {};
        bool numeri = campi.size() == 5;
        for (int i = 0; numeri && i < 5; ++i)
            v[i] = campi[i].trimmed().toDouble(&numeri);
        if (!numeri) {
            if (primaRiga) {
                primaRiga = false;
                continue; // header
            }
            *errore =
                QString(
                    "line %1: expected five numbers TE, TC, capacity W, power W, mass flow kg/s")
                    .arg(riga);
            return false;
        }
        primaRiga = false;
        if (!(v[2] > 0 && v[3] > 0 && v[4] > 0)) {
            *errore = QString("line %1: capacity, power and mass flow must be positive").arg(riga);
            return false;
        }
        punti->push_back({v[0], v[1], v[2], v[3], v[4]});
    }
    return true;
}

EsitoPunti adattaPunti(const QString& chi, const std::vector<PuntoMisurato>& punti,
                       const QString& gas, double tAspirazione) {
    EsitoPunti e;
    std::vector<PuntoMisura> q, p, m;
    for (const auto& x : punti) {
        q.push_back({x.te, x.tc, x.resa});
        p.push_back({x.te, x.tc, x.potenza});
        m.push_back({x.te, x.tc, x.portata});
    }
    Coefficienti grezzi;
    for (auto [dati, curva, dev] :
         {std::tuple{&q, &e.curve.wr, &e.dResa}, std::tuple{&p, &e.curve.wa, &e.dPotenza},
          std::tuple{&m, &e.curve.pm, &e.dPortata}}) {
        if (!adatta(*dati, &grezzi, &e.errore)) {
            e.errore = chi + ": " + e.errore;
            return e;
        }
        *curva = arrotonda(grezzi);
        *dev = deviazione(*curva, *dati);
    }
    e.errore = controllaAndamenti(chi, e.curve, q);
    if (!e.errore.isEmpty() || gas.isEmpty())
        return e;
    std::vector<PuntoModello> stati;
    for (const auto& x : punti) {
        PuntoModello s;
        s.te = x.te, s.tc = x.tc;
        if (!statoPunto(gas, x.te, x.tc, tAspirazione, &s.stato, &e.errore)) {
            e.errore = chi + ": " + e.errore;
            return e;
        }
        stati.push_back(s);
    }
    e.errore = controllaBilancio(chi, e.curve, stati);
    return e;
}

void scriviEsito(QTextStream& out, const EsitoPunti& e, int numeroPunti, bool json) {
    const struct {
        const char* nome;
        const char* testo;
        const Coefficienti* c;
        const Deviazione* d;
    } curve[] = {{"WR", "capacity W", &e.curve.wr, &e.dResa},
                 {"WA", "power input W", &e.curve.wa, &e.dPotenza},
                 {"PM", "mass flow kg/s", &e.curve.pm, &e.dPortata}};
    if (json) {
        QStringList parti{QString("\"ok\":%1").arg(e.errore.isEmpty() ? "true" : "false"),
                          QString("\"punti\":%1").arg(numeroPunti)};
        for (const auto& c : curve) {
            QStringList n;
            for (double x : *c.c)
                n << numeroTesto(x);
            parti << QString("\"%1\":{\"coefficienti\":[%2],\"rms\":%3,\"max\":%4}")
                         .arg(c.nome, n.join(','), numeroTesto(c.d->rms),
                              numeroTesto(c.d->massima));
        }
        QString errore = e.errore;
        errore.replace('\\', "\\\\").replace('"', "\\\"");
        parti << (e.errore.isEmpty() ? QString("\"errore\":null")
                                     : QString("\"errore\":\"%1\"").arg(errore));
        out << '{' << parti.join(',') << "}\n";
        return;
    }
    out << numeroPunti << " points\n";
    for (const auto& c : curve) {
        out << c.testo << ": rms " << QString::number(100 * c.d->rms, 'f', 3) << " %, max "
            << QString::number(100 * c.d->massima, 'f', 3) << " %\n";
        for (int i = 0; i < 10; ++i)
            out << "  " << c.nome << (c.nome[0] == 'P' ? i + 1 : i) << " = "
                << numeroTesto((*c.c)[i]) << '\n';
    }
}
