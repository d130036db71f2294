#include "tools/costruttore/Costruttore.h"

#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

namespace {

double arrotondaA(double v, int cifre) {
    const double f = std::pow(10.0, cifre);
    return std::round(v * f) / f;
}

// Line current of the three-phase motor drawing p; the power factor rises with the load.
double correnteMotore(double p, double pCima, const DatiGenerali& g) {
    const double x = 1 - p / pCima;
    return p / (std::sqrt(3.0) * g.tensione * (g.cosFiPieno - g.caloCosFi * x * x));
}

std::vector<PuntoMisura> valori(const std::vector<PuntoModello>& punti,
                                double PuntoModello::*campo) {
    std::vector<PuntoMisura> v;
    for (const auto& p : punti)
        v.push_back({p.te, p.tc, p.*campo});
    return v;
}

bool adattaCurva(const QString& chi, const char* nome, const std::vector<PuntoMisura>& punti,
                 double limite, Coefficienti* c, Deviazione* d, QString* errore) {
    Coefficienti grezzi;
    if (!adatta(punti, &grezzi, errore)) {
        *errore = chi + ": " + *errore;
        return false;
    }
    *c = arrotonda(grezzi);
    *d = deviazione(*c, punti);
    *errore = controllaDeviazione(chi, nome, *d, limite);
    return errore->isEmpty();
}

// Refrigerant states depend only on the refrigerant and the point, not on the model.
using StatiNoti = std::map<std::tuple<QString, double, double>, StatoPunto>;

bool costruisciRiga(const Gamma& gamma, const CompressoreCostruito& k, const GasDescritto& gas,
                    StatiNoti& stati, RigaGasCostruita* r, QString* errore) {
    const QString chi = k.modello.codice + " " + gas.codice;
    r->gas = gas.codice;
    r->inviluppo = gas.inviluppo;
    int primo = -1, ultimo = -1;
    for (int i = 0; i < kBande; ++i)
        if (gas.inviluppo[i])
            ultimo = i, primo = primo < 0 ? i : primo;
    if (primo < 0) {
        *errore = chi + ": the envelope holds no band";
        return false;
    }
    // A described band holds from its TC up to the next band's, its upper edge included
    // (the fit's grid reaches it). The catalogue's band of TC = MaxTC is the next one, so
    // the top band's limits are written there too: the data sheet's MaxTC is then a TC the
    // calculation and the selection accept. Band 70 has no band above it.
    if (ultimo + 1 >= kBande) {
        *errore = QString("%1: the last band described must be %2 or lower (its upper edge needs "
                          "the next band's columns)")
                      .arg(chi)
                      .arg(bandaTC(kBande - 2));
        return false;
    }
    r->inviluppo[ultimo + 1] = gas.inviluppo[ultimo];
    r->minTC = bandaTC(primo), r->maxTC = bandaTC(ultimo) + 5;
    if (QString e = controllaInviluppo(chi, r->inviluppo, r->minTC, r->maxTC); !e.isEmpty())
        return *errore = e, false;
    const ParametriCompressore pc{k.vd50, k.modello.spazioNocivo.value_or(k.serie.spazioNocivo),
                                  k.serie.riempimento, k.serie.rendimentoMotore};
    for (const auto& g : grigliaInviluppo(gas.inviluppo, gamma.generali.passoTE)) {
        const auto chiave = std::make_tuple(gas.codice, g.te, g.tc);
        auto s = stati.find(chiave);
        if (s == stati.end()) {
            StatoPunto nuovo;
            if (!statoPunto(gas.codice, g.te, g.tc, gas.tuestd, &nuovo, errore)) {
                *errore = chi + ": " + *errore;
                return false;
            }
            s = stati.emplace(chiave, nuovo).first;
        }
        r->punti.push_back(prestazione(s->second, g.te, g.tc, pc, gamma.generali));
    }
    if (QString e = controllaRendimentoVolumetrico(chi, r->punti); !e.isEmpty())
        return *errore = e, false;
    const double lim = gamma.generali.limiteRms;
    if (!adattaCurva(chi, "capacity", valori(r->punti, &PuntoModello::resa), lim, &r->curve.wr,
                     &r->dResa, errore) ||
        !adattaCurva(chi, "power input", valori(r->punti, &PuntoModello::potenza), lim,
                     &r->curve.wa, &r->dPotenza, errore) ||
        !adattaCurva(chi, "mass flow", valori(r->punti, &PuntoModello::portata), lim, &r->curve.pm,
                     &r->dPortata, errore))
        return false;
    if (QString e = controllaAndamenti(chi, r->curve, valori(r->punti, &PuntoModello::resa));
        !e.isEmpty())
        return *errore = e, false;
    if (QString e = controllaBilancio(chi, r->curve, r->punti); !e.isEmpty())
        return *errore = e, false;
    if (gas.resaVolumetrica || gas.cop) {
        const auto chiave = std::make_tuple(gas.codice, -10.0, 40.0);
        auto s = stati.find(chiave);
        if (s == stati.end()) {
            StatoPunto nuovo;
            if (!statoPunto(gas.codice, -10, 40, gas.tuestd, &nuovo, errore))
                return *errore = chi + ": " + *errore, false;
            s = stati.emplace(chiave, nuovo).first;
        }
        const PuntoModello m = prestazione(s->second, -10, 40, pc, gamma.generali);
        if (QString e = controllaCifre(chi, gas, m, k.vd50); !e.isEmpty())
            return *errore = e, false;
    }
    return true;
}

void datiElettrici(const DatiGenerali& g, CompressoreCostruito& k) {
    const double cima = g.margineMotore * k.potenzaMassima;
    for (int i = 0; i < 22; ++i)
        k.w[i] = std::round(cima * (i + 1) / 22);
    for (int i = 0; i < 22; ++i)
        k.a[i] = arrotondaA(correnteMotore(k.w[i], k.w[21], g), 2);
    const double corrente = k.modello.tabellaMotore ? correnteDaTabella(k.w, k.a, k.potenzaMassima)
                                                    : correnteMotore(k.potenzaMassima, cima, g);
    k.fla50 = arrotondaA(g.fattoreFLA * corrente, 1);
    k.fla60 = arrotondaA(k.fla50 * 1.15, 1);
    k.lra50 = std::round(k.fla50 * k.serie.rapportoLRA);
    k.lra60 = std::round(k.lra50 * 1.1);
}

QString sql(const QString& v) {
    return "'" + QString(v).replace('\'', "''") + "'";
}
QString sql(double v) {
    return numeroTesto(v);
}
QString sqlFacoltativo(const std::optional<FasciaTE>& f, bool minimo) {
    return f ? numeroTesto(minimo ? f->teMin : f->teMax) : QString("NULL");
}

} // namespace

std::vector<PuntoMisura>
grigliaInviluppo(const std::array<std::optional<FasciaTE>, kBande>& inviluppo, double passo) {
    std::vector<PuntoMisura> punti;
    for (int i = 0; i < kBande; ++i) {
        if (!inviluppo[i])
            continue;
        const bool ultima = i + 1 == kBande || !inviluppo[i + 1];
        for (double dtc : {0.0, 2.5, 5.0}) {
            if (dtc == 5.0 && !ultima)
                break; // the next band's own limits apply there
            const double tc = bandaTC(i) + dtc;
            for (int n = 0;; ++n) {
                const double te = std::min(inviluppo[i]->teMin + n * passo, inviluppo[i]->teMax);
                punti.push_back({te, tc, 0});
                if (te >= inviluppo[i]->teMax)
                    break;
            }
        }
    }
    return punti;
}

double correnteDaTabella(const std::array<double, 22>& w, const std::array<double, 22>& a,
                         double p) {
    if (p < w[0])
        return a[0] / w[0] * p;
    int k = 0;
    for (int i = 0; i < 21 && w[i] != 0; ++i)
        if (w[i] < p && p <= w[i + 1]) {
            k = i;
            break;
        }
    return a[k] + (a[k + 1] - a[k]) * (p - w[k]) / (w[k + 1] - w[k]);
}

bool costruisciCatalogo(const Gamma& gamma, CatalogoCostruito* catalogo, QString* errore) {
    CatalogoCostruito c;
    int id = 0;
    std::vector<VoceOrdinamento> voci;
    StatiNoti stati;
    for (const auto& m : gamma.modelli) {
        CompressoreCostruito k;
        k.modello = m;
        k.serie = *gamma.trovaSerie(m.serie);
        k.ordinamento = 10 * (int(c.compressori.size()) + 1);
        const double vd = k.serie.cilindri * std::numbers::pi / 4 * m.alesaggio * m.alesaggio *
                          m.corsa * m.giri * 60 / 1e9;
        k.vd50 = arrotondaA(vd, 1), k.vd60 = arrotondaA(k.vd50 * 1.2, 1);
        // The refrigerants of a model in the Gas table's order, the order of every list.
        for (const auto& gas : gamma.gas) {
            if (!k.serie.gas.contains(gas.codice))
                continue;
            const QString& g = gas.codice;
            RigaGasCostruita r;
            if (!costruisciRiga(gamma, k, gas, stati, &r, errore))
                return false;
            r.id = ++id;
            for (const auto& p : r.punti)
                k.potenzaMassima = std::max(k.potenzaMassima, p.potenza);
            k.righe.append(r);
            voci.push_back({m.codice, g, k.ordinamento, r.inviluppo, r.curve.wr});
        }
        datiElettrici(gamma.generali, k);
        if (QString e = controllaCorrenti(m.codice, k.fla50, k.lra50); !e.isEmpty())
            return *errore = e, false;
        c.compressori.append(k);
    }
    if (QString e = controllaOrdinamento(voci, gamma.generali.puntiUsuali); !e.isEmpty())
        return *errore = e, false;
    *catalogo = c;
    return true;
}

QString sqlCompressori(const CatalogoCostruito& c, const QString& nomeDescrizione) {
    QStringList out{QString("-- Written by selcomp-costruttore from %1: compressors, motors, "
                            "ratings, option links.")
                        .arg(nomeDescrizione),
                    "-- Change the description and build again rather than editing this file.",
                    "BEGIN;"};
    for (const auto& k : c.compressori) {
        const auto& m = k.modello;
        const QString immagine = m.immagine.value_or(k.serie.immagine);
        const QStringList compressore{sql(m.codice),
                                      sql(m.serie),
                                      sql(m.alesaggio),
                                      sql(m.corsa),
                                      sql(double(k.serie.cilindri)),
                                      sql(k.vd50),
                                      sql(k.vd60),
                                      sql(m.rubinettoAspirazione),
                                      sql(m.rubinettoScarico),
                                      sql(m.olio),
                                      sql(m.peso),
                                      sql(k.fla50),
                                      sql(k.fla60),
                                      sql(k.lra50),
                                      sql(k.lra60),
                                      sql(k.serie.tensione),
                                      sql(m.motore),
                                      sql(double(k.ordinamento)),
                                      immagine.isEmpty() ? QString("NULL") : sql(immagine),
                                      QString::number(k.serie.bk8)};
        out << "INSERT INTO Compressori VALUES (" + compressore.join(", ") + ");";
        if (m.tabellaMotore) {
            QStringList motore{sql(m.motore)};
            for (double w : k.w)
                motore << sql(w);
            for (double a : k.a)
                motore << sql(a);
            out << "INSERT INTO Motori VALUES (" + motore.join(", ") + ");";
        }
        for (const auto& r : k.righe) {
            QStringList riga{QString::number(r.id), sql(m.codice), sql(r.gas)};
            for (const auto& f : r.inviluppo)
                riga << sqlFacoltativo(f, true) << sqlFacoltativo(f, false);
            for (const auto* curva : {&r.curve.wr, &r.curve.wa, &r.curve.pm})
                for (double x : *curva)
                    riga << sql(x);
            riga << sql(r.minTC) << sql(r.maxTC) << "1"
                 << "0"
                 << "0"
                 << "21";
            out << "INSERT INTO CollCompGas VALUES (" + riga.join(", ") + ");";
        }
        for (const auto& [opzione, standard] : k.serie.opzioni)
            out << QString("INSERT INTO CollCompOpz VALUES (%1, %2, %3);")
                       .arg(sql(m.codice), sql(opzione))
                       .arg(standard);
    }
    out << "COMMIT;";
    return out.join('\n') + '\n';
}

QString sqlGas(const Gamma& g, const QString& nomeDescrizione) {
    QStringList out{
        QString("-- Written by selcomp-costruttore from %1: refrigerants with the picture of their")
            .arg(nomeDescrizione),
        "-- application range, rated suction gas temperature, azeotropic flag, standard superheat "
        "base,",
        "-- standard subcooling, offered for selection, evaporating and condensing limits of the "
        "selection."};
    for (const auto& gas : g.gas) {
        double teMin = 1e9, teMax = -1e9;
        int primo = -1, ultimo = -1;
        for (int i = 0; i < kBande; ++i) {
            if (!gas.inviluppo[i])
                continue;
            teMin = std::min(teMin, gas.inviluppo[i]->teMin),
            teMax = std::max(teMax, gas.inviluppo[i]->teMax);
            ultimo = i, primo = primo < 0 ? i : primo;
        }
        if (primo < 0)
            continue;
        const QStringList v{sql(gas.codice),
                            sql(gas.nomeDis),
                            sql(gas.tuestd),
                            QString::number(gas.flAZ),
                            sql(gas.dtSurEvap),
                            sql(gas.dtSot),
                            QString::number(gas.flSeleYes),
                            sql(teMin),
                            sql(teMax),
                            sql(double(bandaTC(primo))),
                            sql(double(bandaTC(ultimo) + 5))};
        out << "INSERT INTO Gas VALUES (" + v.join(", ") + ");";
    }
    return out.join('\n') + '\n';
}

QString rapportoDeviazioni(const CatalogoCostruito& c) {
    QStringList out{
        "model     refrigerant points  capacity rms/max %  power rms/max %  mass flow rms/max %"};
    double peggiore = 0;
    for (const auto& k : c.compressori)
        for (const auto& r : k.righe) {
            auto d = [](const Deviazione& x) {
                return QString("%1 / %2")
                    .arg(100 * x.rms, 5, 'f', 3)
                    .arg(100 * x.massima, 5, 'f', 3);
            };
            out << QString("%1 %2 %3  %4     %5   %6")
                       .arg(k.modello.codice, -9)
                       .arg(r.gas, -11)
                       .arg(int(r.punti.size()), 6)
                       .arg(d(r.dResa), 17)
                       .arg(d(r.dPotenza), 15)
                       .arg(d(r.dPortata), 17);
            peggiore = std::max({peggiore, r.dResa.rms, r.dPotenza.rms, r.dPortata.rms});
        }
    out << QString("largest rms deviation %1 %").arg(100 * peggiore, 0, 'f', 3);
    return out.join('\n') + '\n';
}
