#include "app/Parametri.h"

#include "platform/ArchivioImpostazioni.h"
#include "platform/LetturaNumeri.h"
#include "platform/ServizioMessaggi.h"

namespace {
// Keeps track of the failures of one call, so the message appears once.
struct Lettura {
    ArchivioImpostazioni& archivio;
    bool guasto = false;

    QString leggi(const QString& chiave) {
        auto v = archivio.leggi(SezioneParametri, chiave);
        if (!v) {
            guasto = true;
            return {};
        }
        return *v;
    }
    void scrivi(const QString& chiave, const QString& valore) {
        if (!archivio.scrivi(SezioneParametri, chiave, valore))
            guasto = true;
    }
    // The number of a non-empty text; an out-of-range text counts as unreadable.
    std::optional<int16_t> numero(const QString& testo) {
        if (testo.isEmpty())
            return std::nullopt;
        auto n = interoIniziale(testo);
        if (!n)
            guasto = true;
        return n;
    }
};
} // namespace

void LeggiParametri(StatoApplicazione& stato, ArchivioImpostazioni& archivio,
                    ServizioMessaggi& messaggi) {
    Impostazioni& imp = stato.impostazioni;
    Lettura l{archivio};
    const QString debug = l.leggi("Debug"), percorso = l.leggi("DatabasePath"),
                  lingua = l.leggi("LinguaSelezionata"), aria = l.leggi("AirCondition");
    const QString limiti[4] = {l.leggi("MinTC"), l.leggi("MaxTC"), l.leggi("MinTE"),
                               l.leggi("MaxTE")};

    imp.Debug = l.numero(debug).value_or(0);
    stato.motore.debug = imp.Debug;

    if (percorso.isEmpty()) {
        imp.PercorsoDatabase = stato.cartellaProgramma;
        l.scrivi("DatabasePath", imp.PercorsoDatabase);
    } else {
        imp.PercorsoDatabase = percorso;
    }

    if (auto n = l.numero(lingua)) {
        stato.lingua.IndiceLingua = *n;
        imp.testoLingua = lingua;
    } else {
        stato.lingua.IndiceLingua = 0;
        imp.testoLingua = "0";
        l.scrivi("LinguaSelezionata", "0");
    }

    if (auto n = l.numero(aria)) {
        imp.ModoCondizionamento = *n;
        imp.testoAirCondition = aria;
    } else {
        imp.ModoCondizionamento = 0;
        imp.testoAirCondition = "0";
        l.scrivi("AirCondition", "0");
    }

    const char* chiavi[4] = {"MinTC", "MaxTC", "MinTE", "MaxTE"};
    const int16_t predefiniti[4] = {30, 70, -40, 20};
    int16_t* destinazioni[4] = {&imp.LimiteMinTC, &imp.LimiteMaxTC, &imp.LimiteMinTE,
                                &imp.LimiteMaxTE};
    for (int i = 0; i < 4; ++i) {
        if (auto n = l.numero(limiti[i])) {
            *destinazioni[i] = *n;
        } else {
            *destinazioni[i] = predefiniti[i];
            l.scrivi(chiavi[i], QString::number(predefiniti[i]));
        }
    }

    if (l.guasto && !imp.archivioGuasto)
        messaggi.informazione(DescrizioneProgramma, MessaggioParametri);
    imp.archivioGuasto = imp.archivioGuasto || l.guasto;
}

bool SalvaParametri(const StatoApplicazione& stato, ArchivioImpostazioni& archivio) {
    const Impostazioni& imp = stato.impostazioni;
    const std::pair<const char*, QString> valori[] = {{"DatabasePath", imp.PercorsoDatabase},
                                                      {"LinguaSelezionata", imp.testoLingua},
                                                      {"AirCondition", imp.testoAirCondition},
                                                      {"MinTC", "30"},
                                                      {"MaxTC", "70"},
                                                      {"MinTE", "-40"},
                                                      {"MaxTE", "20"}};
    bool ok = true;
    for (const auto& [chiave, valore] : valori)
        ok = archivio.scrivi(SezioneParametri, chiave, valore) && ok;
    return ok;
}
