#pragma once
// The report on screen: a print preview from which the user prints or saves a PDF.
// Widgets, so apart from the report engine, which the command-line tool uses too.

#include "dati/Rapporto.h"

class QWidget;

// The report in a print preview that does not block; the user prints or saves it as PDF.
// False with the message (nothing shown) when the report cannot be made.
bool anteprimaRapporto(const ParametriRapporto& p, QWidget* genitore, QString* errore);

// What the printing screens call: the preview, or the engine's message when it fails.
void stampaRapporto(const ParametriRapporto& p, QWidget* genitore);
