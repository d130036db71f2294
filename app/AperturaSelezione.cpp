#include "app/AperturaSelezione.h"

#include "app/AperturaCalcoli.h"
#include "app/MDIUser.h"
#include "calculation/cfrmCalcoli.h"
#include "selection/cfrmSeleComp.h"

void registraSelezione(MDIUser& principale) {
    principale.registraSchermo(VoceMenu::SelezioneCompr, [](MDIUser& m) -> QWidget* {
        // The same windows as the calculation screen's: results, debug lines, pictures.
        const AgganciCalcoli calcoli = agganciProgramma(m);
        AgganciSelezione a;
        a.libreria = calcoli.libreria;
        a.apriRisultati = calcoli.apriRisultati;
        a.chiudiRisultati = calcoli.chiudiRisultati;
        a.mostraDebug = calcoli.mostraDebug;
        a.apriNoteGas = calcoli.apriNoteGas;
        a.apriInfo407C = calcoli.apriInfo407C;
        return new cfrmSeleComp(m.stato(), a);
    });
}
