#pragma once
// How the main window opens the calculation screen: the menu entry, the windows the
// screen opens (results, debug), the program's refrigerant library.

class MDIUser;
struct AgganciCalcoli;

// The hooks of the program for a calculation screen inside `principale`.
AgganciCalcoli agganciProgramma(MDIUser& principale);

// Registers the calculation screen under its entry of the "&Calcoli" menu.
void registraCalcoli(MDIUser& principale);
