#include "app/FinestreTabelle.h"

#include "app/MDIUser.h"
#include "calculation/cfrmCalcoli.h"
#include "catalogue/RigheCatalogo.h"
#include "dati/SorgenteDati.h"
#include "tables/Form1.h"
#include "tables/GrigliaResa.h"
#include "tables/cFrmDatiComp.h"
#include "tables/frmNoteGas.h"
#include "tables/frmResa.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
template <class T> T* aperta(MDIUser& principale) {
    if (!principale.area())
        return nullptr;
    for (QMdiSubWindow* w : principale.area()->subWindowList())
        if (auto* f = qobject_cast<T*>(w->widget()))
            return f;
    return nullptr;
}

void inPrimoPiano(QWidget* finestra) {
    if (auto* s = qobject_cast<QMdiSubWindow*>(finestra->parentWidget())) {
        s->showNormal();
        if (s->mdiArea())
            s->mdiArea()->setActiveSubWindow(s);
    } else {
        finestra->show();
        finestra->raise();
    }
}

void chiudiFinestra(QWidget* finestra) {
    if (auto* s = qobject_cast<QMdiSubWindow*>(finestra->parentWidget()))
        s->close();
    else
        finestra->close();
}

// The window at its own size, but never larger than the client area that holds it.
void adatta(QWidget* finestra) {
    auto* s = qobject_cast<QMdiSubWindow*>(finestra->parentWidget());
    if (!s)
        return;
    s->adjustSize();
    if (QMdiArea* area = s->mdiArea()) {
        const QSize spazio = area->viewport()->size();
        if (spazio.isValid() && !spazio.isEmpty())
            s->resize(s->size().boundedTo(spazio));
    }
}
} // namespace

cFrmDatiComp* mostraTabelle(MDIUser& principale, DatiSchermoCalcoli& calcoli) {
    if (auto* t = aperta<cFrmDatiComp>(principale)) {
        inPrimoPiano(t);
        return t;
    }
    auto* t = new cFrmDatiComp(principale.stato(), calcoli);
    principale.mostraFinestra(t);
    adatta(t);
    // The screen reads the calculation screen: it cannot outlive it.
    if (auto* origine = dynamic_cast<QObject*>(&calcoli))
        QObject::connect(origine, &QObject::destroyed, t, [t] { chiudiFinestra(t); });
    return t;
}

frmResa* mostraGrafico(MDIUser& principale, DatiSchermoCalcoli& calcoli) {
    const SorgenteDati& c = calcoli.compressoreCorrente();
    auto* f = new frmResa;
    if (!c.bof() && !c.eof())
        f->mostraCurve(grigliaResa(rigaCompressore(c.righe(), c.posizione())));
    principale.mostraFinestra(f);
    adatta(f);
    return f;
}

frmNoteGas* mostraNoteGas(MDIUser& principale, const QString& didascalia) {
    if (auto* n = aperta<frmNoteGas>(principale)) {
        n->setWindowTitle(didascalia);
        inPrimoPiano(n);
        return n;
    }
    StatoApplicazione& stato = principale.stato();
    auto* n = new frmNoteGas(stato.cartellaProgramma, stato.schermi.NomeDis);
    n->setWindowTitle(didascalia);
    principale.mostraFinestra(n);
    if (auto* s = qobject_cast<QMdiSubWindow*>(n->parentWidget())) {
        s->adjustSize();
        s->move(0, 0); // the top-left corner of the main window's client area
    }
    return n;
}

Form1* mostraInfo407C(MDIUser& principale, const LibreriaProprieta& libreria) {
    auto* f = new Form1;
    const StatoApplicazione& stato = principale.stato();
    f->mostra(
        infoRefrigerante(libreria, stato.schermi.CodiceGasCorrente, stato.lingua.IndiceLingua),
        stato.lingua.IndiceLingua);
    principale.mostraFinestra(f);
    adatta(f);
    return f;
}

void agganciaFinestreTabelle(AgganciCalcoli& a, MDIUser& principale) {
    a.apriTabelle = [&principale](DatiSchermoCalcoli& c) { mostraTabelle(principale, c); };
    a.apriGrafico = [&principale](DatiSchermoCalcoli& c) { mostraGrafico(principale, c); };
    a.apriNoteGas = [&principale](const QString& d) { mostraNoteGas(principale, d); };
    a.apriInfo407C = [&principale, libreria = a.libreria] { mostraInfo407C(principale, libreria); };
}
