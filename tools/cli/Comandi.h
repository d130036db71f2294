#pragma once
// selcomp-cli: rating, selection, performance tables, catalogue list and property checks
// without windows. One function per command; output goes to the streams given, so tests
// can run the commands in process.

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

struct Argomenti;

enum CodiceUscita {
    UscitaOk = 0,
    UscitaUso = 1,
    UscitaDati = 2,      // catalogue or data error: missing file, unknown model or refrigerant
    UscitaRifiutato = 3, // operating point rejected (codes 1..5)
    UscitaNessuno = 4,   // no compressor found
    UscitaCalcolo = 5,   // calculation fault
};

// Reports paint pages, which needs a QGuiApplication; the other commands do with a
// QCoreApplication. Decided from the parsed line, so a value such as "--model report"
// does not count.
bool richiedeApplicazioneGrafica(const std::vector<std::string>& argomenti);

// `cartellaProgramma`: where the demo catalogue and the Reflibs folder are looked for.
// `batch` reads its requests from `in` (standard input in the first form).
int eseguiCli(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
              const std::string& cartellaProgramma);
int eseguiCli(const std::vector<std::string>& argomenti, std::istream& in, std::ostream& out,
              std::ostream& err, const std::string& cartellaProgramma);

// What the commands keep between the requests of one batch: the catalogue opened once,
// its rows read once, the property library set up once, repeated property calls
// remembered. The tool only reads the catalogue, so nothing kept can go stale; the
// memories are bounded so a long batch runs in flat memory.
class ContestoCli {
public:
    // `avvisi`: where warnings that concern the whole run go, once (the library folder).
    ContestoCli(std::string cartellaProgramma, std::ostream& avvisi);
    ~ContestoCli();
    ContestoCli(const ContestoCli&) = delete;
    ContestoCli& operator=(const ContestoCli&) = delete;

    struct Dati;
    std::unique_ptr<Dati> dati;
};

// One command line run with what `contesto` already holds; the same code as eseguiCli,
// so the answers cannot differ.
int eseguiComando(const Argomenti& argomenti, ContestoCli& contesto, std::ostream& out,
                  std::ostream& err);
