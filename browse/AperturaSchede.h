#pragma once
// The browsing windows other screens open, without their widgets: what the results screen
// needs from this folder.

#include "dati/StatoApplicazione.h"

class QWidget;

// Opens the list for the current model and kind, modally (what the screens wire in).
void apriElencoOpzioni(StatoApplicazione& stato, QWidget* da, bool conFornitura);

// The technical characteristics of stato.motore.codiceProdottoCorrente, beside `da` in its
// main window (not modal) or on their own when `da` is in none.
void apriSchedaTecnica(StatoApplicazione& stato, QWidget* da);
