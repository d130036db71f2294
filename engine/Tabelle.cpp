#include "engine/Tabelle.h"

#include "engine/Numeri.h"
#include "engine/Prestazioni.h"

#include <cmath>

double Calcolores(const DatiCompressore& dati, const FattoriTensione& F, int i, bool kW, double Tc,
                  double Te, int k) {
    switch (k) {
    case 1: {
        const double v = Polinomio(dati.WR, Te, Tc) * F[i][0];
        return kW ? v / 1000 : v;
    }
    case 2: {
        const double v = Polinomio(dati.WA, Te, Tc) * F[i][1];
        return kW ? v / 1000 : v;
    }
    case 3:
        return CorrenteDaPotenza(dati, Polinomio(dati.WA, Te, Tc), dati.WMAX) * F[i][2];
    case 4:
        return Polinomio(dati.PM, Te, Tc) * F[i][0] * 3600;
    default:
        return 0;
    }
}

static int interoArrotondato(double v) {
    return static_cast<int>(std::nearbyint(v));
}

Esito CalcolaTabelle(const DatiCompressore& dati, const InviluppoCompressore& inv,
                     const FattoriTensione& F, int indiceTensione, bool kW,
                     TabellePrestazioni& uscita) {
    for (auto& t : uscita.tabelle)
        t.clear();
    if (indiceTensione < 0 || indiceTensione >= static_cast<int>(F.size()))
        return Esito::errore(TipoEsito::ErroreCalcolo, "IndiceTensione",
                             "Indice fuori intervallo: IndiceTensione " +
                                 std::to_string(indiceTensione));
    // Rows: from the lowest TEMin to the highest TEMax of all bands.
    int teLo = 32767, teHi = -32768;
    for (int b = 0; b < NumeroBande; ++b) {
        if (inv.TEMin[b])
            teLo = std::min(teLo, interoArrotondato(*inv.TEMin[b]));
        if (inv.TEMax[b])
            teHi = std::max(teHi, interoArrotondato(*inv.TEMax[b]));
    }
    for (auto& t : uscita.tabelle)
        for (int te = teLo; te <= teHi; te += 5)
            t.push_back({te, {}});

    // Columns: from the first to the last band with a TEMin.
    int bLo = -1, bHi = -1;
    for (int b = 0; b < NumeroBande; ++b)
        if (inv.TEMin[b]) {
            if (bLo < 0)
                bLo = b;
            bHi = b;
        }
    static const char* nomi[4] = {"tmpWR", "tmpWA", "tmpCA", "tmpPM"};
    for (int k = 1; k <= 4 && bLo >= 0; ++k) {
        if (k == 3 && !HaTabellaMotore(dati))
            continue; // no current to tabulate: cells stay empty
        auto& tabella = uscita.tabelle[k - 1];
        for (int b = bLo; b <= bHi; ++b) {
            if (!inv.TEMin[b] || !inv.TEMax[b])
                continue;
            const double tc = SuffissoBanda(b);
            for (int te = interoArrotondato(*inv.TEMin[b]); te <= *inv.TEMax[b]; te += 5) {
                if (te < teLo || (te - teLo) % 5 != 0)
                    continue; // no row for this point
                iniziaPasso();
                const double v = Calcolores(dati, F, indiceTensione, kW, tc, te, k);
                if (auto guasto = guastoPasso(v))
                    return Esito::errore(TipoEsito::ErroreCalcolo, nomi[k - 1],
                                         std::string("Errore nel calcolo di ") + nomi[k - 1] +
                                             " (Tc " + std::to_string(int(tc)) + ", Te " +
                                             std::to_string(te) + "): " + *guasto);
                tabella[(te - teLo) / 5].Tc[b] = v;
            }
        }
    }
    return Esito::riuscito();
}
