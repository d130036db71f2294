#include "engine/Prestazioni.h"

#include "engine/Numeri.h"

#include <algorithm>
#include <limits>

FattoriTensione InizializzaFattori() {
    FattoriTensione f{};
    f[0] = {1.0, 1.0, 1.0};   // 380-420 V / 3 / 50Hz
    f[1] = {1.0, 1.0, 1.732}; // 220-240 V / 3 / 50Hz
    f[2] = {1.18, 1.2, 1.0};  // 440-480 V / 3 / 60Hz
    f[3] = {1.18, 1.2, 1.2};  // 380-420 V / 3 / 60Hz
    f[4] = {1.18, 1.2, 2.08}; // 220-240 V / 3 / 60Hz
    return f;
}

bool TensioneOfferta(int indice, bool bk8) {
    if (indice < 0 || indice > 4)
        return false;
    return !bk8 || indice == 0 || indice == 2;
}

double Polinomio(const std::array<double, 12>& C, double TE, double TC) {
    return C[0] + C[1] * TE + C[2] * TC + C[3] * TE * TE + C[4] * TE * TC + C[5] * TC * TC +
           C[6] * TE * TE * TE + C[7] * TE * TE * TC + C[8] * TE * TC * TC + C[9] * TC * TC * TC;
}

double CorrenteDaPotenza(const DatiCompressore& dati, double P, int n) {
    const auto& W = dati.W;
    const auto& A = dati.A;
    if (P < W[0])
        return (A[0] / W[0]) * P;
    n = std::clamp(n, 0, SegmentiMotore); // never past the 22 points
    int k = 0;
    for (int i = 0; i < n; ++i) {
        if (W[i] == 0)
            break;
        if (W[i] < P && P <= W[i + 1]) {
            k = i;
            break;
        }
    }
    const double s = (A[k + 1] - A[k]) / (W[k + 1] - W[k]);
    const double b = (W[k] * A[k + 1] - A[k] * W[k + 1]) / (W[k] - W[k + 1]);
    return s * P + b;
}

bool HaTabellaMotore(const DatiCompressore& dati) {
    return dati.W[0] != 0 || dati.A[0] != 0;
}

namespace {
// Runs the steps of one rating, stopping at the first fault.
struct Passi {
    Esito esito;
    bool operator()(const char* grandezza, double& campo, double valore) {
        if (!esito.ok())
            return false;
        if (auto guasto = guastoPasso(valore)) {
            esito =
                Esito::errore(TipoEsito::ErroreCalcolo, grandezza,
                              std::string("Errore nel calcolo di ") + grandezza + ": " + *guasto);
            return false;
        }
        campo = valore;
        return true;
    }
};
} // namespace

Esito CalcolaPrestazioni(StatoMotore& stato) {
    const CondFunz& cf = stato.condFunz;
    const int i = cf.IndiceTensione;
    if (i < 0 || i >= static_cast<int>(stato.fattoriTensione.size()))
        return Esito::errore(TipoEsito::ErroreCalcolo, "IndiceTensione",
                             "Indice fuori intervallo: IndiceTensione " + std::to_string(i));
    const auto& F = stato.fattoriTensione[i];
    const DatiCompressore& d = stato.datiCompressore;
    const Correzioni& c = stato.correzioni;
    Risultati& r = stato.risultati;

    iniziaPasso();
    Passi passo;
    double pWR = 0, pWA = 0, pPM = 0, corrente = 0;
    const bool motore = HaTabellaMotore(d);
    if (!motore)
        r.CorrenteStd = r.CorrenteAssorbita = std::numeric_limits<double>::quiet_NaN();
    passo("ResaStd", pWR, Polinomio(d.WR, cf.TE, cf.TC)) &&
        passo("ResaStd", r.ResaStd, pWR * F[0] / 1000) &&
        passo("ResaEvaporatore", r.ResaEvaporatore, c.CoeffResa * r.ResaStd) &&
        passo("ResaCompressore", r.ResaCompressore, c.CoeffResaCompressore * r.ResaStd) &&
        passo("PotenzaAssorbita", pWA, Polinomio(d.WA, cf.TE, cf.TC)) &&
        passo("PotenzaAssorbita", r.PotenzaAssorbita, pWA * F[1] / 1000) &&
        (!motore || (passo("CorrenteStd", corrente, CorrenteDaPotenza(d, pWA, SegmentiMotore)) &&
                     passo("CorrenteStd", r.CorrenteStd, corrente * F[2]) &&
                     passo("CorrenteAssorbita", r.CorrenteAssorbita, r.CorrenteStd))) &&
        passo("PortataMassaStd", pPM, Polinomio(d.PM, cf.TE, cf.TC)) &&
        passo("PortataMassaStd", r.PortataMassaStd, pPM * F[0] * 3600) &&
        passo("PortataMassa", r.PortataMassa, (c.VA0 / c.VA) * r.PortataMassaStd) &&
        passo("COP", r.COP, r.ResaCompressore / r.PotenzaAssorbita) &&
        passo("COPStd", r.COPStd, r.ResaStd / r.PotenzaAssorbita) &&
        passo("CaloreCondensatore", r.CaloreCondensatore, r.PotenzaAssorbita + r.ResaCompressore) &&
        passo("CaloreCondensatoreStd", r.CaloreCondensatoreStd, r.PotenzaAssorbita + r.ResaStd);
    return passo.esito;
}
