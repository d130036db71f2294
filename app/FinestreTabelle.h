#pragma once
// How the program opens the windows of this folder: the performance tables, the capacity
// chart, the refrigerant's application picture and the R407C information window.

#include "engine/Proprieta.h"
#include <QString>

class MDIUser;
class QWidget;
class DatiSchermoCalcoli;
struct AgganciCalcoli;
class cFrmDatiComp;
class frmNoteGas;
class frmResa;
class Form1;

// The tables of the calculation screen's current compressor; an open tables screen is
// brought forward. The tables screen closes with the calculation screen it reads.
cFrmDatiComp* mostraTabelle(MDIUser& principale, DatiSchermoCalcoli& calcoli);
// The capacity chart of the calculation screen's current compressor.
frmResa* mostraGrafico(MDIUser& principale, DatiSchermoCalcoli& calcoli);
// The picture of the current refrigerant (NomeDis); an open one is reused, with its
// caption set again and its picture kept.
frmNoteGas* mostraNoteGas(MDIUser& principale, const QString& didascalia);
// The information window of the current refrigerant (CodiceGasCorrente), its glide from `libreria`.
Form1* mostraInfo407C(MDIUser& principale, const LibreriaProprieta& libreria);

// Puts the four openings into the calculation screen's hooks.
void agganciaFinestreTabelle(AgganciCalcoli& agganci, MDIUser& principale);
