#pragma once
// The start-up sequence of the program.

#include "app/MDIUser.h"

#include <QStringList>
#include <functional>
#include <memory>

class ArchivioImpostazioni;
class frmStart;

// The pieces the sequence calls; main() wires the real ones, tests their own.
struct PassiAvvio {
    MDIUser::ImpostaFluidi impostaFluidi; // at the main window's load
    std::function<void(StatoApplicazione&)> inizializzaFattori;
    std::function<void(StatoApplicazione&)> apriDatabase;
    // Called when the start window is shown (tests press its button from here).
    std::function<void(frmStart&)> finestraAvvioMostrata;
};

class Avvio {
public:
    Avvio(StatoApplicazione& stato, ArchivioImpostazioni& archivio, PassiAvvio passi);
    ~Avvio();

    // Runs the ten steps. Returns the main window, shown; null when the user closed the
    // start window by its frame, which ends the program.
    MDIUser* Main();

    MDIUser* finestraPrincipale() const { return principale.get(); }
    // Names of the steps as they ran, for the tests.
    const QStringList& passiEseguiti() const { return eseguiti; }

private:
    void passo(const QString& nome) { eseguiti << nome; }

    StatoApplicazione& stato;
    ArchivioImpostazioni& archivio;
    PassiAvvio passi;
    std::unique_ptr<MDIUser> principale;
    QStringList eseguiti;
};

// "major.minor.revision" of the program's version, the major as "##", the others as "0".
QString VersioneProgramma(int maggiore, int minore, int revisione);
