#pragma once
// The selection search: among the compressors rated with the refrigerant whose envelope
// holds the operating point, find by bisection over the catalogue order the smallest one
// that reaches the required capacity (or exceeds it by at most 1 %).
// Pure C++: the catalogue rows come in through SorgenteCandidati.

#include "engine/Esito.h"
#include "engine/Proprieta.h"
#include "engine/RigaCompressore.h"
#include "engine/Stato.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

inline constexpr double TolleranzaSelezione = 1.01; // 1 % above the requirement

// Bisection state, reset by every search.
struct StatoRicerca {
    int DirezioneRicerca = 0; // 0 start, 1 towards larger compressors, 2 towards smaller
    int PassoRicerca = 0;
    int RestoRicerca = 0; // carry of the step halving; only zero versus non-zero matters
};

// Next position (1..N) to rate after `ultimo` (0 before the first).
int ProssimoCandidato(StatoRicerca& stato, int N, int ultimo);

// Loads and rates the candidate at a position; leaves its capacity (W) in `capacitaW`.
using CaricaPosizione = std::function<Esito(int posizione, double& capacitaW)>;

struct EsitoBisezione {
    Esito esito;
    int scelta = 0;            // final position, 0 when N = 0 or on a fault
    std::vector<int> Visitati; // positions compared with the requirement, in order
};

// The search loop over N candidates rising in capacity.
EsitoBisezione Bisezione(int N, double potenzaRichiestaW, const CaricaPosizione& carica);

struct RisultatoSelezione {
    std::vector<int32_t> CandidatiSelezione;  // IDCollCompGas of positions 1..N (index 0 = 1)
    std::vector<std::string> codiciCandidati; // their model codes, catalogue order
    int NumCandidati = 0;
    std::vector<int> Visitati;
    int posizioneScelta = 0; // 0 when nothing was chosen
    Esito erroreInferiore;   // fault of the next smaller candidate's rating, if any
};

// A record whose twelve results are all NaN: what a rating did not reach.
Risultati RisultatiNonCalcolati();

// Band of TC, envelope scan (rows that do not offer the supply option IndiceTensione are
// no candidates) and search over `righe` (the query's rows in catalogue
// order). On success `stato` holds the chosen compressor (risultati, datiCompressore,
// CodiceProdotto, codiceProdottoCorrente, NomeGas) and the next smaller candidate in
// risultatiInferiore/codiceProdottoInferiore; both are cleared when position 1 was
// chosen. TeMin/TeMax hold the limits of the last row scanned. NessunCandidato when no
// row's band holds TE (outputs untouched). A rating that faults after the capacity does
// not stop the walk; the fields it did not reach are NaN. ErroreCalcolo (naming the
// quantity and the model) when the chosen compressor's rating faulted (everything else
// is then filled) or when a capacity itself could not be computed.
Esito SelezionaCompressore(StatoMotore& stato, const std::vector<RigaCompressore>& righe,
                           RisultatoSelezione& uscita);

// The candidates' query: compressors with the refrigerant whose condensing range holds TC.
class SorgenteCandidati {
public:
    virtual ~SorgenteCandidati() = default;
    virtual Esito candidati(const std::string& codiceGas, double TC,
                            std::vector<RigaCompressore>& righe) = 0;
};

// The selection in the order both the selection screen and the command-line tool follow.
// Precondition: the caller stored the conditions (ApplicaCondizioni), TeMin..TcMax from
// the refrigerant's row, PotenzaRichiesta, T0, and NomeGas = codiceGas.
// Steps: VerificaCondizioniSelezione, CalcolaCorrezioni, the query, SelezionaCompressore.
Esito EseguiSelezione(StatoMotore& stato, const std::string& codiceGas, SorgenteCandidati& sorgente,
                      const LibreriaProprieta& lib, MessaggiMotore& messaggi,
                      RisultatoSelezione& uscita);
