#include "app/PassiProgramma.h"

#include "app/Parametri.h"
#include "catalogue/Catalogo.h"
#include "engine/Prestazioni.h"
#include "platform/Percorsi.h"
#include "platform/ServizioMessaggi.h"
#include "reflib/ILK.h"

void ApriDatabase(StatoApplicazione& stato, std::unique_ptr<Catalogo>& catalogo) {
    const QString percorso =
        trovaPercorso(stato.impostazioni.PercorsoDatabase, stato.impostazioni.NomeFileDatabase);
    QString errore;
    catalogo = Catalogo::apri(percorso, &errore);
    stato.catalogo = catalogo.get();
    if (!catalogo)
        ServizioMessaggi::corrente().errore(DescrizioneProgramma, errore);
}

PassiAvvio passiProgramma(std::unique_ptr<Catalogo>& catalogo) {
    PassiAvvio p;
    p.impostaFluidi = [](const QString& cartella) {
        return ILK_Set_Fluids(cartella.toLocal8Bit().constData());
    };
    p.inizializzaFattori = [](StatoApplicazione& s) { s.motore.fattoriTensione = InizializzaFattori(); };
    p.apriDatabase = [&catalogo](StatoApplicazione& s) { ApriDatabase(s, catalogo); };
    return p;
}
