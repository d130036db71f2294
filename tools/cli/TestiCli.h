#pragma once
// The tool's own messages in the five languages (0 Italian, 1 English, 2 French,
// 3 German, 4 Spanish). Engine error codes use the catalogue's labels Err1..Err6.

#include <string>

enum class TestoCli {
    CatalogoNonApribile,
    GasSconosciuto,
    GasNonSelezionabile,
    ModelloSconosciuto,
    NonNumerico,
    LibreriaNonConfigurata,
    ErroreCalcolo,
    TensioneNonOfferta,
};

std::string testoCli(TestoCli testo, int lingua);
