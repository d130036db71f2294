#pragma once
// selcomp-cli: rating, selection, performance tables, catalogue list and property checks
// without windows. One function per command; output goes to the streams given, so tests
// can run the commands in process.

#include <ostream>
#include <string>
#include <vector>

enum CodiceUscita {
    UscitaOk = 0,
    UscitaUso = 1,
    UscitaDati = 2,        // catalogue or data error: missing file, unknown model or refrigerant
    UscitaRifiutato = 3,   // operating point rejected (codes 1..5)
    UscitaNessuno = 4,     // no compressor found
    UscitaCalcolo = 5,     // calculation fault
};

// Reports paint pages, which needs a QGuiApplication; the other commands do with a
// QCoreApplication. Decided from the parsed line, so a value such as "--model report"
// does not count.
bool richiedeApplicazioneGrafica(const std::vector<std::string>& argomenti);

// `cartellaProgramma`: where the demo catalogue and the Reflibs folder are looked for.
int eseguiCli(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
              const std::string& cartellaProgramma);
