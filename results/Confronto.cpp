#include "results/Confronto.h"

#include "engine/Calcolo.h"
#include "platform/AvvisoCapacita.h"

#include <cmath>
#include <limits>

Esito ConfrontaCompressori(const StatoMotore& base, const std::vector<RigaCompressore>& righe,
                           const LibreriaProprieta& lib, MessaggiMotore& messaggi,
                           std::vector<ColonnaConfronto>& colonne) {
    colonne.clear();
    for (const RigaCompressore& riga : righe) {
        StatoMotore s = base; // the checks complete the conditions: every row starts afresh
        const double nan = std::numeric_limits<double>::quiet_NaN();
        s.risultati = {nan, nan, nan, nan, nan, nan, nan, nan, nan, nan, nan, nan, nan};
        const Esito e = CalcolaCompressore(s, riga, lib, messaggi);
        if (e.tipo == TipoEsito::CondizioniRifiutate)
            continue;
        if (e.tipo == TipoEsito::ErroreDati)
            return e;
        colonne.push_back({riga.CodiceProdotto, s.risultati, e.ok() ? std::string() : e.messaggio});
    }
    return Esito::riuscito();
}

double valoreConfronto(const ColonnaConfronto& c, RigaConfronto riga, double potenzaRichiestaW) {
    const Risultati& r = c.risultati;
    switch (riga) {
    case RigaConfronto::Resa:
        return r.ResaEvaporatore;
    case RigaConfronto::Potenza:
        return r.PotenzaAssorbita;
    case RigaConfronto::Corrente:
        return r.CorrenteAssorbita;
    case RigaConfronto::Portata:
        return r.PortataMassa;
    case RigaConfronto::COP:
        return r.COP;
    case RigaConfronto::Calore:
        return r.CaloreCondensatore;
    case RigaConfronto::Quota:
        return potenzaRichiestaW > 0 ? r.ResaEvaporatore * 1000 / potenzaRichiestaW * 100
                                     : std::numeric_limits<double>::quiet_NaN();
    }
    return std::numeric_limits<double>::quiet_NaN();
}

int migliorConfronto(const std::vector<ColonnaConfronto>& colonne, RigaConfronto riga,
                     double potenzaRichiestaW) {
    const bool massimo = riga == RigaConfronto::Resa || riga == RigaConfronto::COP;
    int scelta = -1;
    double migliore = 0;
    auto meglio = [&](double v, bool piuGrande) {
        return scelta < 0 || (piuGrande ? v > migliore : v < migliore);
    };
    if (riga == RigaConfronto::Quota) {
        for (int i = 0; i < int(colonne.size()); ++i) {
            const double v = valoreConfronto(colonne[size_t(i)], riga, potenzaRichiestaW);
            if (std::isfinite(v) && v >= 100 && meglio(v, false))
                scelta = i, migliore = v;
        }
        if (scelta >= 0)
            return scelta;
    }
    for (int i = 0; i < int(colonne.size()); ++i) {
        const double v = valoreConfronto(colonne[size_t(i)], riga, potenzaRichiestaW);
        if (std::isfinite(v) && meglio(v, massimo || riga == RigaConfronto::Quota))
            scelta = i, migliore = v;
    }
    return scelta;
}

bool richiestaNonRaggiunta(const ColonnaConfronto& c, double potenzaRichiestaW) {
    // The results screen's rule, on the same capacity at the evaporator.
    return capacitaMancanteKW(potenzaRichiestaW, c.risultati.ResaEvaporatore) > 0;
}
