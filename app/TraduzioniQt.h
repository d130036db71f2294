#pragma once
// Qt's own dialogs (print set-up and preview, file dialog, standard buttons) speak the
// program's language through the translations Qt installs (Debian: qt6-translations-l10n).

#include <cstdint>

// Installs Qt's translations for language n (0 Italian, 1 English, 2 French, 3 German,
// 4 Spanish) in place of the previous ones; English needs none. False when the
// translation files of that language are missing (the dialogs then stay in English).
bool applicaTraduzioniQt(int16_t n);
