#include "tables/RiempimentoTabelle.h"

#include "catalogue/Catalogo.h"
#include "catalogue/Interrogazioni.h"
#include "catalogue/Istantanea.h"
#include "dati/SorgenteDati.h"
#include "engine/Numeri.h"
#include "engine/Prestazioni.h"

#include <cmath>

namespace {

QString colonnaTc(int banda) {
    return QStringLiteral("Tc%1").arg(SuffissoBanda(banda));
}

void aggiornaTutte(const std::array<SorgenteDati*, 4>& sorgenti) {
    for (SorgenteDati* s : sorgenti)
        if (s)
            s->aggiorna();
}

// A transaction that rolls back unless confirmed.
class Transazione {
public:
    explicit Transazione(Catalogo& c, QString* errore) : cat(c) {
        aperta = cat.esegui(QStringLiteral("BEGIN TRANSACTION"), {}, errore);
    }
    ~Transazione() {
        if (aperta)
            cat.esegui(QStringLiteral("ROLLBACK"));
    }
    bool ok() const { return aperta; }
    bool conferma(QString* errore) {
        if (!aperta)
            return false;
        aperta = false;
        if (cat.esegui(QStringLiteral("COMMIT"), {}, errore))
            return true;
        cat.esegui(QStringLiteral("ROLLBACK"));
        return false;
    }

private:
    Catalogo& cat;
    bool aperta = false;
};

bool svuota(Catalogo& catalogo, QString* errore) {
    for (const QString& t : TabelleLavoro)
        if (!catalogo.esegui(Interrogazioni::svuotaTabella(t), {}, errore))
            return false;
    return true;
}

// Plain decimal text with a point, as the update statements carry their numbers.
QString testoSql(double v) {
    return QString::fromStdString(testoNumero(v));
}

} // namespace

bool haInviluppo(const InviluppoCompressore& inv) {
    for (int b = 0; b < NumeroBande; ++b)
        if (inv.TEMin[b] || inv.TEMax[b])
            return true;
    return false;
}

bool inviluppoDaRiga(const Istantanea& righe, int riga, InviluppoCompressore& inv) {
    inv = {};
    if (riga < 0 || riga >= righe.numeroRighe())
        return false;
    for (int b = 0; b < NumeroBande; ++b) {
        const int t = SuffissoBanda(b);
        for (int m = 0; m < 2; ++m) {
            const QVariant v =
                righe.valore(riga, QStringLiteral("TE%1%2").arg(m ? "Max" : "Min").arg(t));
            if (v.isNull())
                continue;
            bool ok = false;
            const double d = v.toDouble(&ok);
            if (ok && std::isfinite(d))
                (m ? inv.TEMax : inv.TEMin)[b] = d;
        }
    }
    return haInviluppo(inv);
}

bool svuotaTabelle(Catalogo& catalogo, const std::array<SorgenteDati*, 4>& sorgenti,
                   QString* errore) {
    Transazione tr(catalogo, errore);
    if (!tr.ok() || !svuota(catalogo, errore) || !tr.conferma(errore))
        return false;
    aggiornaTutte(sorgenti);
    return true;
}

bool scriviTabelle(Catalogo& catalogo, const TabellePrestazioni& tabelle,
                   const std::array<SorgenteDati*, 4>& sorgenti, QString* errore) {
    {
        Transazione tr(catalogo, errore);
        if (!tr.ok() || !svuota(catalogo, errore))
            return false;
        for (size_t k = 0; k < 4; ++k) {
            for (const RigaTabella& r : tabelle.tabelle[k]) {
                QVariantMap valori{{QStringLiteral("Tvap"), r.Tvap}};
                for (int b = 0; b < NumeroBande; ++b)
                    if (r.Tc[size_t(b)])
                        valori.insert(colonnaTc(b), *r.Tc[size_t(b)]);
                if (!catalogo.aggiungiRiga(TabelleLavoro[k], valori, errore))
                    return false;
            }
        }
        if (!tr.conferma(errore))
            return false;
    }
    aggiornaTutte(sorgenti);
    return true;
}

bool scriviPerCella(Catalogo& catalogo, const DatiCompressore& dati,
                    const InviluppoCompressore& inv, const FattoriTensione& F, int indice, bool kW,
                    const std::array<SorgenteDati*, 4>& sorgenti, QString* errore) {
    if (!svuota(catalogo, errore))
        return false;
    int teLo = 32767, teHi = -32768;
    for (int b = 0; b < NumeroBande; ++b) {
        if (inv.TEMin[b])
            teLo = std::min(teLo, int(std::nearbyint(*inv.TEMin[b])));
        if (inv.TEMax[b])
            teHi = std::max(teHi, int(std::nearbyint(*inv.TEMax[b])));
    }
    for (int te = teLo; te <= teHi; te += 5)
        for (size_t k = 0; k < 4; ++k) {
            if (!catalogo.aggiungiRiga(TabelleLavoro[k], {{QStringLiteral("Tvap"), te}}, errore))
                return false;
            if (sorgenti[k])
                sorgenti[k]->aggiorna();
        }
    int bLo = -1, bHi = -1;
    for (int b = 0; b < NumeroBande; ++b)
        if (inv.TEMin[b]) {
            if (bLo < 0)
                bLo = b;
            bHi = b;
        }
    for (int k = 1; k <= 4 && bLo >= 0; ++k)
        for (int b = bLo; b <= bHi && (k != 3 || HaTabellaMotore(dati)); ++b) {
            if (!inv.TEMin[b] || !inv.TEMax[b])
                continue;
            const int tc = SuffissoBanda(b);
            for (int te = int(std::nearbyint(*inv.TEMin[b])); te <= *inv.TEMax[b]; te += 5) {
                const double v = Calcolores(dati, F, indice, kW, tc, te, k);
                const QString sql = Interrogazioni::aggiornaCella(
                    TabelleAggiornamento[size_t(k - 1)], tc, testoSql(v), te);
                if (!catalogo.esegui(sql, {}, errore))
                    return false;
                if (sorgenti[size_t(k - 1)])
                    sorgenti[size_t(k - 1)]->aggiorna();
            }
        }
    return true;
}
