#pragma once
// `selcomp-cli COMMAND --help`: what the command does, its options, an example.

#include <string>

// The general usage for an empty or unknown command.
std::string aiutoComando(const std::string& comando);
