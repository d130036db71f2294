// selcomp-controllo-strati TOP [EXCEPTIONS]: checks that the includes of the tree under TOP
// keep the layers drawn in TOP/README.md. Exit status 0 when they do, 1 with one line per fault.
#include "tools/strati/ControlloStrati.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: selcomp-controllo-strati TOP [EXCEPTIONS]\n";
        return 2;
    }
    const std::filesystem::path radice = argv[1];
    const auto strati = strati::leggiStrati(radice / "README.md");
    if (strati.empty()) {
        std::cerr << "no layers found in " << (radice / "README.md").string() << "\n";
        return 2;
    }
    const auto eccezioni = argc == 3 ? strati::leggiEccezioni(argv[2])
                                     : std::vector<std::pair<std::string, std::string>>{};
    const auto guasti = strati::controlla(strati, strati::leggiInclusioni(radice), eccezioni);
    for (const auto& g : guasti)
        std::cout << g << "\n";
    return guasti.empty() ? 0 : 1;
}
