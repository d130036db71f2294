#pragma once
// Reader of the refrigerant data files (text, one keyword and its numbers a line, '#'
// starts a comment). The format is what tools/reflib/converti_fluidi.py writes.
#include <memory>
#include <string>

#include "reflib/Fluido.h"

namespace reflib {

// Returns the fluid, or null with `errore` = "file:line: reason".
std::unique_ptr<Fluido> leggiFluido(const std::string& percorso, std::string& errore);

}  // namespace reflib
