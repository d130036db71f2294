#include "app/Avvio.h"

#include "app/Parametri.h"
#include "app/frmStart.h"
#include "platform/ServizioMessaggi.h"

#include <QEventLoop>

QString VersioneProgramma(int maggiore, int minore, int revisione) {
    const QString major = maggiore == 0 ? QString() : QString::number(maggiore);
    return major + "." + QString::number(minore) + "." + QString::number(revisione);
}

Avvio::Avvio(StatoApplicazione& stato, ArchivioImpostazioni& archivio, PassiAvvio passi)
    : stato(stato), archivio(archivio), passi(std::move(passi)) {}

Avvio::~Avvio() = default;

MDIUser* Avvio::Main() {
    passo("Didascalie");
    for (size_t i = 0; i < DidascalieIniziali.size(); ++i)
        stato.lingua.Didascalie[int(i)] = testo(DidascalieIniziali[i]);

    passo("AvvioConfermato");
    stato.schermi.AvvioConfermato = false;

    passo("LeggiParametri");
    LeggiParametri(stato, archivio, ServizioMessaggi::corrente());

    // Touching the menus loads the main window, whose load initialises the refrigerant library.
    passo("ImpostaLingua");
    principale = std::make_unique<MDIUser>(stato, archivio, passi.impostaFluidi);
    principale->ImpostaLingua(stato.lingua.IndiceLingua);

    passo("NomeFileDatabase");
    stato.impostazioni.NomeFileDatabase = "\\zodirara.mdb";

    passo("InizializzaFattori");
    if (passi.inizializzaFattori)
        passi.inizializzaFattori(stato);

    passo("frmStart");
    auto start = std::make_unique<frmStart>(stato);
    start->show();

    passo("ApriDatabase");
    if (passi.apriDatabase)
        passi.apriDatabase(stato);

    // Wait for the start button in a nested event loop; closing by the frame ends the program.
    passo("Attesa");
    bool chiusoDalBordo = false;
    if (!stato.schermi.AvvioConfermato) {
        QEventLoop attesa;
        QObject::connect(start.get(), &frmStart::avviato, &attesa, &QEventLoop::quit);
        QObject::connect(start.get(), &frmStart::chiuso, &attesa, [&] {
            chiusoDalBordo = true;
            attesa.quit();
        });
        if (passi.finestraAvvioMostrata)
            passi.finestraAvvioMostrata(*start);
        if (!stato.schermi.AvvioConfermato && !chiusoDalBordo)
            attesa.exec();
    }
    start.reset();
    if (chiusoDalBordo)
        return nullptr;

    passo("MDIUser");
    principale->show();
    return principale.get();
}
