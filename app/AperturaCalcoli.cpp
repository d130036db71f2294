#include "app/AperturaCalcoli.h"

#include "app/FinestreTabelle.h"
#include "app/MDIUser.h"
#include "calculation/cfrmCalcoli.h"
#include "dati/SorgenteDati.h"
#include "platform/frmDEB.h"
#include "reflib/ILK.h"
#include "results/cfrmResults.h"

AgganciCalcoli agganciProgramma(MDIUser& principale) {
    AgganciCalcoli a;
    a.libreria = {ILK_p_D, ILK_h_L, ILK_h_V, ILK_V_V, ILK_p_B};
    a.apriRisultati = [&principale] {
        // The results screen's application-notes button opens the same picture window.
        cfrmResults::Aperture aperture;
        aperture.noteGas = [&principale](QWidget*) {
            EtichetteLingua lingue;
            lingue.carica(principale.stato().catalogo, principale.stato().lingua.IndiceLingua);
            mostraNoteGas(principale, lingue.etichetta("dESCCAMPOAPP"));
        };
        mostraRisultati(principale.stato(), principale.area(), aperture);
    };
    a.chiudiRisultati = [&principale] { chiudiRisultati(principale.area()); };
    a.mostraDebug = [&principale](const QString& riga1, const QString& riga2) {
        auto* debug = new frmDEB(&principale);
        debug->setAttribute(Qt::WA_DeleteOnClose);
        debug->mostraTesti(riga1, riga2);
        debug->show();
    };
    // Tables, chart, refrigerant picture and the R407C window.
    agganciaFinestreTabelle(a, principale);
    return a;
}

void registraCalcoli(MDIUser& principale) {
    principale.registraSchermo(VoceMenu::CalcoliCompr, [](MDIUser& m) -> QWidget* {
        return new cfrmCalcoli(m.stato(), agganciProgramma(m));
    });
}
