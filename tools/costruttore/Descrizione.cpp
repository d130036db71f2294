#include "tools/costruttore/Descrizione.h"

#include <QMap>

namespace {

struct Lettore {
    int riga = 0;
    QString* errore = nullptr;

    bool sbaglia(const QString& motivo) {
        *errore = QString("line %1: %2").arg(riga).arg(motivo);
        return false;
    }
    bool numero(const QString& testo, double* v) {
        bool ok = false;
        const double x = testo.trimmed().toDouble(&ok);
        if (!ok)
            return sbaglia(QString("'%1' is not a number").arg(testo.trimmed()));
        *v = x;
        return true;
    }
    bool intero(const QString& testo, int* v) {
        double x = 0;
        if (!numero(testo, &x))
            return false;
        *v = int(x);
        return true;
    }
    // "0.40 .. 0.55"
    bool banda(const QString& testo, std::optional<Banda>* b) {
        const QStringList v = testo.split("..");
        Banda x;
        if (v.size() != 2 || !numero(v[0].trimmed(), &x.minimo) ||
            !numero(v[1].trimmed(), &x.massimo))
            return errore->isEmpty()
                       ? sbaglia(QString("'%1' is not a band 'lowest .. highest'").arg(testo))
                       : false;
        if (!(x.minimo < x.massimo))
            return sbaglia(QString("band '%1': lowest not below highest").arg(testo));
        *b = x;
        return true;
    }
    // "-40 12.5 | -40 12.5 | ... | Null": one TEMin TEMax pair per condensing band.
    bool inviluppo(const QString& testo, std::array<std::optional<FasciaTE>, kBande>* bande) {
        const QStringList parti = testo.split('|');
        if (parti.size() != kBande)
            return sbaglia(
                QString("the envelope needs %1 bands, not %2").arg(kBande).arg(parti.size()));
        for (int i = 0; i < kBande; ++i) {
            const QString p = parti[i].simplified();
            if (p.compare("Null", Qt::CaseInsensitive) == 0) {
                (*bande)[i].reset();
                continue;
            }
            const QStringList v = p.split(' ');
            FasciaTE f;
            if (v.size() != 2 || !numero(v[0], &f.teMin) || !numero(v[1], &f.teMax))
                return errore->isEmpty()
                           ? sbaglia(QString("band %1: give TEMin TEMax or Null").arg(bandaTC(i)))
                           : false;
            if (f.teMin >= f.teMax)
                return sbaglia(QString("band %1: TEMin not below TEMax").arg(bandaTC(i)));
            (*bande)[i] = f;
        }
        return true;
    }
};

bool leggiGenerale(Lettore& l, DatiGenerali& g, const QString& chiave, const QString& valore) {
    const QMap<QString, double*> numeri{{"esponente", &g.esponente},
                                        {"eta_massimo", &g.etaMassimo},
                                        {"rapporto_ottimo", &g.rapportoOttimo},
                                        {"calo_eta", &g.caloEta},
                                        {"tensione", &g.tensione},
                                        {"cosfi_pieno", &g.cosFiPieno},
                                        {"calo_cosfi", &g.caloCosFi},
                                        {"margine_motore", &g.margineMotore},
                                        {"fattore_fla", &g.fattoreFLA},
                                        {"passo_te", &g.passoTE},
                                        {"quota_scarico", &g.quotaScarico},
                                        {"surriscaldamento_scarico", &g.surriscaldamentoScarico}};
    if (numeri.contains(chiave))
        return l.numero(valore, numeri[chiave]);
    if (chiave == "limite_rms") {
        if (!l.numero(valore.trimmed().remove('%'), &g.limiteRms))
            return false;
        g.limiteRms /= 100;
        return true;
    }
    if (chiave == "punti_usuali") { // "-35/40 -10/45"
        g.puntiUsuali.clear();
        for (const QString& p : valore.simplified().split(' ', Qt::SkipEmptyParts)) {
            const QStringList tt = p.split('/');
            double te = 0, tc = 0;
            if (tt.size() != 2 || !l.numero(tt[0], &te) || !l.numero(tt[1], &tc))
                return l.errore->isEmpty() ? l.sbaglia(QString("'%1' is not TE/TC").arg(p)) : false;
            g.puntiUsuali.append({te, tc});
        }
        return true;
    }
    return l.sbaglia(QString("unknown key '%1' in [generale]").arg(chiave));
}

bool leggiGas(Lettore& l, GasDescritto& g, const QString& chiave, const QString& valore) {
    if (chiave == "nomedis")
        return g.nomeDis = valore, true;
    if (chiave == "tuestd")
        return l.numero(valore, &g.tuestd);
    if (chiave == "dtsurevapstd")
        return l.numero(valore, &g.dtSurEvap);
    if (chiave == "dtsotstd")
        return l.numero(valore, &g.dtSot);
    if (chiave == "flaz")
        return l.intero(valore, &g.flAZ);
    if (chiave == "flseleyes")
        return l.intero(valore, &g.flSeleYes);
    if (chiave == "inviluppo")
        return l.inviluppo(valore, &g.inviluppo);
    if (chiave == "resa_volumetrica")
        return l.banda(valore, &g.resaVolumetrica);
    if (chiave == "cop")
        return l.banda(valore, &g.cop);
    if (chiave == "limite_scarico") {
        double t = 0;
        if (!l.numero(valore, &t))
            return false;
        g.limiteScarico = t;
        return true;
    }
    return l.sbaglia(QString("unknown key '%1' in [gas %2]").arg(chiave, g.codice));
}

bool leggiSerie(Lettore& l, SerieDescritta& s, const QString& chiave, const QString& valore) {
    if (chiave == "cilindri")
        return l.intero(valore, &s.cilindri);
    if (chiave == "gas")
        return s.gas = valore.simplified().split(' ', Qt::SkipEmptyParts), true;
    if (chiave == "tensione")
        return s.tensione = valore, true;
    if (chiave == "immagine")
        return s.immagine = valore, true;
    if (chiave == "bk8")
        return l.intero(valore, &s.bk8);
    if (chiave == "spazio_nocivo")
        return l.numero(valore, &s.spazioNocivo);
    if (chiave == "riempimento")
        return l.numero(valore, &s.riempimento);
    if (chiave == "rendimento_motore")
        return l.numero(valore, &s.rendimentoMotore);
    if (chiave == "rapporto_lra")
        return l.numero(valore, &s.rapportoLRA);
    if (chiave == "opzioni") { // "A04:std A01 N01": ":std" marks the standard supply
        s.opzioni.clear();
        for (const QString& o : valore.simplified().split(' ', Qt::SkipEmptyParts)) {
            const bool std = o.endsWith(":std", Qt::CaseInsensitive);
            s.opzioni.append({std ? o.chopped(4) : o, std ? -1 : 0});
        }
        return true;
    }
    return l.sbaglia(QString("unknown key '%1' in [serie %2]").arg(chiave, s.nome));
}

bool leggiModello(Lettore& l, ModelloDescritto& m, const QString& chiave, const QString& valore) {
    if (chiave == "serie")
        return m.serie = valore, true;
    if (chiave == "alesaggio")
        return l.numero(valore, &m.alesaggio);
    if (chiave == "corsa")
        return l.numero(valore, &m.corsa);
    if (chiave == "giri")
        return l.numero(valore, &m.giri);
    if (chiave == "spazio_nocivo") {
        double c = 0;
        if (!l.numero(valore, &c))
            return false;
        return m.spazioNocivo = c, true;
    }
    if (chiave == "rubinetti") { // "28 mm | 22 mm": suction | discharge
        const QStringList r = valore.split('|');
        if (r.size() != 2)
            return l.sbaglia("rubinetti needs 'suction | discharge'");
        m.rubinettoAspirazione = r[0].trimmed(), m.rubinettoScarico = r[1].trimmed();
        return true;
    }
    if (chiave == "olio")
        return l.numero(valore, &m.olio);
    if (chiave == "peso")
        return l.numero(valore, &m.peso);
    if (chiave == "motore")
        return m.motore = valore, true;
    if (chiave == "tabella_motore") {
        if (valore != "si" && valore != "no")
            return l.sbaglia("tabella_motore is 'si' or 'no'");
        return m.tabellaMotore = valore == "si", true;
    }
    if (chiave == "immagine")
        return m.immagine = valore.compare("Null", Qt::CaseInsensitive) == 0 ? QString() : valore,
               true;
    return l.sbaglia(QString("unknown key '%1' in [modello %2]").arg(chiave, m.codice));
}

bool completa(const Gamma& g, QString* errore) {
    for (const auto& m : g.modelli) {
        const auto* s = g.trovaSerie(m.serie);
        auto sbaglia = [&](const QString& motivo) {
            *errore = QString("line %1: model %2: %3").arg(m.riga).arg(m.codice, motivo);
            return false;
        };
        if (!s)
            return sbaglia(QString("unknown series '%1'").arg(m.serie));
        if (m.alesaggio <= 0 || m.corsa <= 0 || m.giri <= 0)
            return sbaglia("bore, stroke and speed must be positive");
        for (const auto& gas : s->gas)
            if (!g.trovaGas(gas))
                return sbaglia(
                    QString("refrigerant %1 of series %2 has no [gas] section").arg(gas, s->nome));
    }
    for (const auto& s : g.serie)
        if (s.cilindri <= 0) {
            *errore = QString("line %1: series %2 needs cilindri").arg(s.riga).arg(s.nome);
            return false;
        }
    return true;
}

} // namespace

const GasDescritto* Gamma::trovaGas(const QString& codice) const {
    for (const auto& g : gas)
        if (g.codice == codice)
            return &g;
    return nullptr;
}

const SerieDescritta* Gamma::trovaSerie(const QString& nome) const {
    for (const auto& s : serie)
        if (s.nome == nome)
            return &s;
    return nullptr;
}

bool leggiDescrizione(const QString& testo, Gamma* gamma, QString* errore) {
    Gamma g;
    Lettore l{0, errore};
    errore->clear();
    enum class Sezione { Nessuna, Generale, Gas, Serie, Modello } sezione = Sezione::Nessuna;
    for (const QString& grezza : testo.split('\n')) {
        ++l.riga;
        const QString riga = grezza.section('#', 0, 0).trimmed();
        if (riga.isEmpty())
            continue;
        if (riga.startsWith('[')) {
            if (!riga.endsWith(']'))
                return l.sbaglia("a section header ends with ']'");
            const QStringList parti = riga.mid(1, riga.size() - 2).simplified().split(' ');
            const QString tipo = parti[0], nome = parti.size() > 1 ? parti[1] : QString();
            if (tipo == "generale" && parti.size() == 1) {
                sezione = Sezione::Generale;
                continue;
            }
            if (parti.size() != 2)
                return l.sbaglia(QString("section '%1' needs one name").arg(riga));
            if (tipo == "gas") {
                if (g.trovaGas(nome))
                    return l.sbaglia(QString("refrigerant %1 described twice").arg(nome));
                g.gas.append(GasDescritto{}), g.gas.last().codice = nome,
                                              g.gas.last().riga = l.riga, sezione = Sezione::Gas;
            } else if (tipo == "serie") {
                if (g.trovaSerie(nome))
                    return l.sbaglia(QString("series %1 described twice").arg(nome));
                g.serie.append(SerieDescritta{}), g.serie.last().nome = nome,
                                                  g.serie.last().riga = l.riga,
                                                  sezione = Sezione::Serie;
            } else if (tipo == "modello") {
                for (const auto& m : g.modelli)
                    if (m.codice == nome)
                        return l.sbaglia(QString("model %1 described twice").arg(nome));
                g.modelli.append(ModelloDescritto{}), g.modelli.last().codice = nome,
                                                      g.modelli.last().riga = l.riga;
                g.modelli.last().motore = "M-" + nome, sezione = Sezione::Modello;
            } else {
                return l.sbaglia(QString("unknown section '%1'").arg(tipo));
            }
            continue;
        }
        const int uguale = riga.indexOf('=');
        if (uguale < 1)
            return l.sbaglia("expected 'key = value'");
        const QString chiave = riga.left(uguale).trimmed().toLower(),
                      valore = riga.mid(uguale + 1).trimmed();
        bool ok = false;
        switch (sezione) {
        case Sezione::Nessuna:
            ok = l.sbaglia("a value before the first section");
            break;
        case Sezione::Generale:
            ok = leggiGenerale(l, g.generali, chiave, valore);
            break;
        case Sezione::Gas:
            ok = leggiGas(l, g.gas.last(), chiave, valore);
            break;
        case Sezione::Serie:
            ok = leggiSerie(l, g.serie.last(), chiave, valore);
            break;
        case Sezione::Modello:
            ok = leggiModello(l, g.modelli.last(), chiave, valore);
            break;
        }
        if (!ok)
            return false;
    }
    if (g.modelli.isEmpty())
        return l.sbaglia("the description holds no [modello] section");
    if (!completa(g, errore))
        return false;
    *gamma = g;
    return true;
}
