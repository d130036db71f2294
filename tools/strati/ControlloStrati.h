#pragma once
// The include check: every `#include "folder/…"` of the tree must go down the layers
// drawn in the README's layout table, or sideways between folders of the same layer
// without closing a cycle. Tests, fuzz targets and benchmarks sit outside the layers.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace strati {

// Folder name -> layer number (0 at the bottom), read from the README's layout table:
// rows `| \`folder/\` | layer | ... |`.
std::map<std::string, int> leggiStrati(const std::filesystem::path& readme);

// One include between folders: where it is written and what it names.
struct Inclusione {
    std::string file; // relative to the top folder
    int riga = 0;
    std::string da, verso; // folders
};

// Every include of one folder into another in the checked sources.
std::vector<Inclusione> leggiInclusioni(const std::filesystem::path& radice);

// Known exceptions, one `file -> folder` a line ('#' starts a comment).
std::vector<std::pair<std::string, std::string>> leggiEccezioni(const std::filesystem::path& file);

// The faults found, one sentence each; empty when the tree keeps its layers.
std::vector<std::string>
controlla(const std::map<std::string, int>& strati, const std::vector<Inclusione>& inclusioni,
          const std::vector<std::pair<std::string, std::string>>& eccezioni);

} // namespace strati
