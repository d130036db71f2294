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
    else
        AvvisaRigaLingua(stato);
}

void AvvisaRigaLingua(const StatoApplicazione& stato) {
    if (!stato.catalogo)
        return;
    const int righe = stato.catalogo->righeLingue();
    if (stato.lingua.IndiceLingua < righe)
        return;
    ServizioMessaggi::corrente().avviso(
        DescrizioneProgramma,
        QStringLiteral("Nella tabella Lingue del catalogo manca la riga della lingua scelta (le "
                       "righe sono %1, "
                       "ne servono 5): le didascalie tratte dal catalogo restano vuote.")
            .arg(righe));
}

PassiAvvio passiProgramma(std::unique_ptr<Catalogo>& catalogo) {
    PassiAvvio p;
    p.impostaFluidi = [](const QString& cartella) {
        return ILK_Set_Fluids(cartella.toLocal8Bit().constData());
    };
    p.inizializzaFattori = [](StatoApplicazione& s) {
        s.motore.fattoriTensione = InizializzaFattori();
    };
    p.apriDatabase = [&catalogo](StatoApplicazione& s) { ApriDatabase(s, catalogo); };
    return p;
}
