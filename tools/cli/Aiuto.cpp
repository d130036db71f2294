#include "tools/cli/Aiuto.h"

#include "tools/cli/Argomenti.h"

#include <map>

namespace {
const std::map<std::string, const char*> aiuti = {
    {"rate",
     "selcomp-cli rate --gas CODE --model CODE --te T --tc T [conditions] [--voltage N]\n"
     "Rates one compressor at evaporating TE and condensing TC (dew points, °C): capacity,\n"
     "power input, current, mass flow, COP, heat rejection, at rating conditions and\n"
     "corrected for the suction (--ta), evaporator outlet (--tu) and liquid (--tl)\n"
     "temperatures; --standard takes the refrigerant's rating values, --differential reads\n"
     "the three as superheat and subcooling (K). --bubble reads TE and TC of a zeotropic\n"
     "blend as bubble points: they are rated at the dew points of the same pressures.\n"
     "--voltage 0..4 chooses the supply option.\n"
     "Example:\n"
     "  selcomp-cli --json rate --gas R404A --model 4DZ-039 --te -10 --tc 40 --ta 20 --tl 35\n"},
    {"select",
     "selcomp-cli select --gas CODE --capacity W --te T --tc T [conditions] [--voltage N]\n"
     "Finds the smallest compressor that delivers the required capacity (W) at the\n"
     "operating point, and the next smaller one.\n"
     "Example:\n"
     "  selcomp-cli --json select --gas R404A --capacity 12000 --te -10 --tc 45 --standard\n"},
    {"tables",
     "selcomp-cli tables --gas CODE --model CODE [--voltage N] [--watt] [--xlsx FILE] [--csv "
     "FILE]\n"
     "Capacity, power input, current and mass flow at rating conditions over the envelope\n"
     "(rows every 5 K of TE, columns TC 30..70 °C). --xlsx writes a workbook with one sheet\n"
     "per table, --csv a CSV file (decimal point), both as the screens export them.\n"
     "Example:\n"
     "  selcomp-cli tables --gas R134a --model 4DZ-039 --xlsx 4DZ-039.xlsx\n"},
    {"list", "selcomp-cli list [--gas CODE]\n"
             "The catalogue's refrigerants and models (with --gas: the models rated with it).\n"
             "Example:\n"
             "  selcomp-cli list --gas R404A\n"},
    {"props", "selcomp-cli props --gas CODE --t T_K [--p PA]\n"
              "Calls the refrigerant property library's functions at one temperature (K).\n"
              "Example:\n"
              "  selcomp-cli props --gas R407C --t 263.15\n"},
    {"report", "selcomp-cli report --template NAME --data FILE --out FILE.pdf [--model CODE]\n"
               "Runs a report template headless and writes the PDF.\n"
               "Example:\n"
               "  selcomp-cli report --template Dav01.rpt --data zodirara.mdb --out sheet.pdf "
               "--model 4DZ-039\n"},
    {"coefficients",
     "selcomp-cli coefficients --gas CODE [--model CODE] [--standard en12900|ahri540]\n"
     "                         [--format csv|json]\n"
     "The catalogue's ten-coefficient polynomials of capacity, power input and mass flow,\n"
     "for simulation tools, with their rating basis (suction gas temperature, subcooling,\n"
     "dew-point temperatures). en12900 (default): as stored, °C, W, W, kg/s, C0..C9.\n"
     "ahri540: the same polynomials in °F, Btu/h, W, lb/h, C1..C10, in AHRI 540's term\n"
     "order (C1 + C2·S + C3·D + C4·S² + C5·S·D + C6·D² + C7·S³ + C8·S²·D + C9·S·D² + C10·D³).\n"
     "Example:\n"
     "  selcomp-cli coefficients --gas R404A --model 4DZ-039 --standard ahri540\n"},
    {"batch",
     "selcomp-cli batch [--format jsonl|csv] [--in FILE] [--out FILE]\n"
     "Reads rate, select and tables requests, one per line, from standard input (or --in)\n"
     "and writes one answer per line, in order, as soon as each is known. JSON Lines: an\n"
     "object with \"command\" and the options by name (switches as true/false). CSV: a\n"
     "header row naming the columns (command, gas, model, te, tc, ...), one request per row.\n"
     "The answer is the single command's JSON object with \"Riga\" (the line number) and\n"
     "\"Uscita\" (the exit status the command would have given) in front; a request the\n"
     "command refuses, or a line that is no request, gets ok false and its \"Messaggio\".\n"
     "In CSV the answer is the main figures (tables: only the status). A bad line never\n"
     "stops the batch; the exit status is 0 unless the batch itself cannot run. Global\n"
     "options (--catalogue, --lang, --reflibs) go before the command.\n"
     "Example:\n"
     "  echo "
     "'{\"command\":\"rate\",\"gas\":\"R404A\",\"model\":\"4DZ-039\",\"te\":-10,\"tc\":40,\"ta\":"
     "20,\"tl\":35}' |\n"
     "    selcomp-cli batch\n"},
};
} // namespace

std::string aiutoComando(const std::string& comando) {
    auto it = aiuti.find(comando);
    return it == aiuti.end() ? std::string(TestoUso) : std::string(it->second);
}
