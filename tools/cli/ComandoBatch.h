#pragma once
// selcomp-cli batch: one rate, select or tables request per input line (JSON Lines or
// CSV), one answer per line in the same order, written as soon as it is known. Each
// request is read into the options of the command line it stands for and run through
// the same code as the single command, against one context, so the catalogue and the
// property library are opened once and the answers equal the single commands' answers.

#include <istream>
#include <ostream>

struct Argomenti;
class ContestoCli;

int comandoBatch(const Argomenti& a, ContestoCli& contesto, std::istream& in, std::ostream& out,
                 std::ostream& err);
