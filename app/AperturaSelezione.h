#pragma once
// How the main window opens the selection screen.

class MDIUser;

// Registers the selection screen under its entry of the "&Calcoli" menu.
void registraSelezione(MDIUser& principale);
