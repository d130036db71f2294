#pragma once
// What the two technical-characteristics screens share: the compressor query by
// language, the nameplate panel bound to its current row, the dimension drawing and
// the printout of the model in view.

#include "dati/Rapporto.h"
#include "dati/StatoApplicazione.h"

#include <QWidget>
#include <functional>

class SorgenteDati;

// The nameplate fields: captions bound to the Lingue row, values to the compressor row.
class PannelloDatiTarga : public QWidget {
    Q_OBJECT
public:
    PannelloDatiTarga(SorgenteDati* compressori, SorgenteDati* lingue, QWidget* parent = nullptr);
};

// What the catalogue screens open, wired by the program; tests record the calls.
struct AperturaElenchi {
    // The option window, modal, for stato.schermi.TipoElencoOpzioni and the current model.
    std::function<void(QWidget* da, bool conFornitura)> opzioni;
};

// The drawing of the current row of `compressori`: a message when its Immagine is Null,
// else ImmagineIngombri is set and the drawing window opens modally.
void mostraIngombri(StatoApplicazione& stato, const SorgenteDati& compressori, QWidget* da);

// Inside the main window: places the child window holding `schermo` at the top left and
// gives it `dimensione` (none when empty). Call at the first showing.
void collocaInAlto(QWidget* schermo, QSize dimensione = {});

// The data sheet report of the model in view.
ParametriRapporto parametriScheda(const StatoApplicazione& stato, bool variante);
