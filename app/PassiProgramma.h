#pragma once
// The real pieces of the start-up sequence: refrigerant library, factor table, catalogue.

#include "app/Avvio.h"

#include <memory>

class Catalogo;

// `catalogo` receives the opened catalogue; it must outlive the program's windows.
PassiAvvio passiProgramma(std::unique_ptr<Catalogo>& catalogo);

// Opens the catalogue named by the settings; on failure one clear message naming the
// file, and the program goes on without a catalogue.
void ApriDatabase(StatoApplicazione& stato, std::unique_ptr<Catalogo>& catalogo);

// A catalogue whose Lingue table has no row for the chosen language leaves the captions
// it supplies empty: one warning says so (after opening, and on a pick of such a language).
void AvvisaRigaLingua(const StatoApplicazione& stato);
