#pragma once
// The candidates of the selection search read from the catalogue (one query, one
// snapshot; the store keeps no stored query behind).

#include "selection/Ricerca.h"

class Catalogo;

class SorgenteCatalogo : public SorgenteCandidati {
public:
    explicit SorgenteCatalogo(const Catalogo& catalogo) : catalogo(catalogo) {}
    Esito candidati(const std::string& codiceGas, double TC,
                    std::vector<RigaCompressore>& righe) override;

private:
    const Catalogo& catalogo;
};
