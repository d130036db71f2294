#include "selection/Ricerca.h"

#include "engine/Condizioni.h"
#include "engine/Correzioni.h"
#include "engine/Prestazioni.h"

#include <cmath>
#include <limits>
#include <map>

int ProssimoCandidato(StatoRicerca& s, int N, int ultimo) {
    if (s.DirezioneRicerca == 0) {
        s.PassoRicerca = N / 2 + N % 2;
        s.RestoRicerca = N % 2 != 0 ? -1 : 0;
        return s.PassoRicerca;
    }
    const int riporto = (s.RestoRicerca == 0 && s.PassoRicerca % 2 == 1) ? 1 : 0;
    s.PassoRicerca = s.PassoRicerca / 2 + riporto;
    s.RestoRicerca = riporto;
    int prossimo;
    if (s.DirezioneRicerca == 1) {
        prossimo = (s.PassoRicerca == 0 && ultimo <= N - 1) ? ultimo + 1 : ultimo + s.PassoRicerca;
        if (prossimo > N) {
            prossimo = N;
            s.DirezioneRicerca = 2;
        }
    } else {
        prossimo = (s.PassoRicerca == 0 && ultimo >= 2) ? ultimo - 1 : ultimo - s.PassoRicerca;
        if (prossimo <= 1) {
            prossimo = 1;
            s.DirezioneRicerca = 1;
        }
    }
    return prossimo;
}

EsitoBisezione Bisezione(int N, double richiesta, const CaricaPosizione& carica) {
    EsitoBisezione out;
    if (N <= 0)
        return out;
    StatoRicerca s;
    int ultimo = 0, corrente = 0, migliore = 0;
    bool trovato = false, fatto = false;
    double capacita = 0;
    // Capacities that do not rise with position could make the walk circle; the
    // bisection needs far fewer passes than this on any sound catalogue.
    const int passiMassimi = 2 * N + 64;
    for (int passi = 0; !fatto; ++passi) {
        if (passi > passiMassimi) {
            out.esito = Esito::errore(TipoEsito::ErroreDati, "Visitati",
                                      "Ricerca interrotta: le rese non crescono con l'ordinamento");
            return out;
        }
        corrente = ProssimoCandidato(s, N, ultimo);
        if (corrente == ultimo)
            fatto = true;
        if (!fatto) {
            if (Esito e = carica(corrente, capacita); !e.ok()) {
                out.esito = e;
                return out;
            }
            out.Visitati.push_back(corrente);
            if (richiesta > capacita) { // too small
                s.DirezioneRicerca = 1;
                ultimo = corrente;
                if (trovato && migliore == corrente + 1 && s.PassoRicerca == 1) {
                    corrente = migliore;
                    fatto = true;
                }
                if (s.PassoRicerca == 1)
                    s.PassoRicerca = 2;
            } else if (capacita > TolleranzaSelezione * richiesta) { // too large
                s.DirezioneRicerca = 2;
                trovato = true;
                migliore = corrente;
                if (s.PassoRicerca == 1)
                    s.PassoRicerca = 2;
                ultimo = corrente;
            } else {
                fatto = true;
            }
        }
        if (trovato) {
            if (Esito e = carica(corrente, capacita); !e.ok()) {
                out.esito = e;
                return out;
            }
        }
    }
    out.scelta = corrente;
    return out;
}

Risultati RisultatiNonCalcolati() {
    const double n = std::numeric_limits<double>::quiet_NaN();
    return {n, n, n, n, n, n, n, n, n, n, n, n, 0};
}

namespace {
// Loads the row of a candidate into the module state and rates it.
Esito CaricaCandidato(StatoMotore& stato, const RigaCompressore& riga) {
    stato.condFunz.CodiceProdotto = riga.CodiceProdotto;
    stato.codiceProdottoCorrente = riga.CodiceProdotto;
    stato.condFunz.NomeGas = riga.CodiceGas;
    const int16_t wmax = stato.datiCompressore.WMAX; // not part of a candidate's load
    CaricaDatiCompressore(stato.datiCompressore, riga);
    stato.datiCompressore.WMAX = wmax;
    return CalcolaPrestazioni(stato);
}
} // namespace

Esito SelezionaCompressore(StatoMotore& stato, const std::vector<RigaCompressore>& righe,
                           RisultatoSelezione& uscita) {
    uscita = {};
    CondFunz& cf = stato.condFunz;
    const int banda = BandaTc(cf.TC);
    std::vector<const RigaCompressore*> candidati;
    if (banda >= 0) {
        for (const RigaCompressore& riga : righe) {
            cf.TeMin = riga.inviluppo.TEMin[banda].value_or(0);
            cf.TeMax = riga.inviluppo.TEMax[banda].value_or(0);
            // A model that does not offer the chosen supply option cannot be rated at it.
            if (cf.TeMin <= cf.TE && cf.TE <= cf.TeMax &&
                TensioneOfferta(cf.IndiceTensione, riga.bk8)) {
                candidati.push_back(&riga);
                uscita.CandidatiSelezione.push_back(riga.IDCollCompGas);
                uscita.codiciCandidati.push_back(riga.CodiceProdotto);
            }
        }
    }
    const int N = static_cast<int>(candidati.size());
    uscita.NumCandidati = N;
    if (N == 0)
        return Esito::errore(TipoEsito::NessunCandidato, "NumCandidati",
                             "Nessun compressore trovato");

    // A candidate's rating can fault after its capacity (a compressor without motor
    // data has no current): the comparison needs only the capacity, so the walk goes on.
    // Each candidate starts from a record of non-numbers, so a field its rating did not
    // reach never shows a figure of another compressor.
    std::map<int, Esito> guasti;
    auto carica = [&](int p, double& capacitaW) {
        const double riservato = stato.risultati.Riservato;
        stato.risultati = RisultatiNonCalcolati();
        stato.risultati.Riservato = riservato;
        Esito e = CaricaCandidato(stato, *candidati[p - 1]);
        capacitaW = stato.risultati.ResaEvaporatore * 1000;
        if (e.ok()) {
            guasti.erase(p);
            return e;
        }
        e.messaggio += " (" + candidati[p - 1]->CodiceProdotto + ")";
        guasti[p] = e;
        return std::isfinite(capacitaW) ? Esito::riuscito() : e;
    };
    EsitoBisezione b = Bisezione(N, cf.PotenzaRichiesta, carica);
    uscita.Visitati = b.Visitati;
    if (!b.esito.ok())
        return b.esito;

    const int c = b.scelta;
    double ignorata = 0;
    if (c > 1) {
        if (Esito e = carica(c - 1, ignorata); !e.ok())
            return e;
        if (guasti.count(c - 1))
            uscita.erroreInferiore = guasti[c - 1];
        stato.codiceProdottoInferiore = cf.CodiceProdotto;
        stato.risultatiInferiore = stato.risultati;
    } else {
        // Nothing smaller exists: an empty record and a blank code say so.
        stato.codiceProdottoInferiore.clear();
        stato.risultatiInferiore = Risultati{};
    }
    if (Esito e = carica(c, ignorata); !e.ok())
        return e;
    uscita.posizioneScelta = c;
    if (guasti.count(c))
        return guasti[c];
    return Esito::riuscito();
}

Esito EseguiSelezione(StatoMotore& stato, const std::string& codiceGas, SorgenteCandidati& sorgente,
                      const LibreriaProprieta& lib, MessaggiMotore& messaggi,
                      RisultatoSelezione& uscita) {
    uscita = {};
    if (!VerificaCondizioniSelezione(stato.condFunz))
        return Esito::errore(TipoEsito::CondizioniRifiutate, "CondFunz",
                             "Condizioni rifiutate: codice " +
                                 std::to_string(stato.condFunz.CodiceErrore));
    if (Esito e = CalcolaCorrezioni(stato, lib, messaggi); !e.ok())
        return e;
    std::vector<RigaCompressore> righe;
    if (Esito e = sorgente.candidati(codiceGas, stato.condFunz.TC, righe); !e.ok())
        return e;
    return SelezionaCompressore(stato, righe, uscita);
}
