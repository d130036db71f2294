#include "tools/strati/ControlloStrati.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const fs::path dati = SELCOMP_TEST_DATA;

std::vector<std::string> guastiDi(const std::string& albero, const std::string& eccezioni = {}) {
    const fs::path radice = dati / albero;
    return strati::controlla(strati::leggiStrati(radice / "README.md"),
                             strati::leggiInclusioni(radice),
                             eccezioni.empty() ? decltype(strati::leggiEccezioni({})){}
                                               : strati::leggiEccezioni(dati / eccezioni));
}

std::string tutti(const std::vector<std::string>& guasti) {
    std::string s;
    for (const auto& g : guasti)
        s += g + "\n";
    return s;
}

} // namespace

TEST(ControlloStrati, LeggeLaTabellaDelReadme) {
    const auto strati = strati::leggiStrati(dati / "buono" / "README.md");
    EXPECT_EQ(strati, (std::map<std::string, int>{
                          {"basso", 0}, {"alto", 1}, {"pari_a", 1}, {"pari_b", 1}}));
}

struct Caso {
    const char* albero;
    const char* eccezioni;
    std::vector<std::string> attesi; // one fragment for each fault, in order
};

class AlberiInventati : public testing::TestWithParam<Caso> {};

TEST_P(AlberiInventati, TrovaIGuasti) {
    const auto& caso = GetParam();
    const auto guasti = guastiDi(caso.albero, caso.eccezioni);
    ASSERT_EQ(guasti.size(), caso.attesi.size()) << tutti(guasti);
    for (size_t i = 0; i < guasti.size(); ++i)
        EXPECT_NE(guasti[i].find(caso.attesi[i]), std::string::npos) << guasti[i];
}

INSTANTIATE_TEST_SUITE_P(
    ControlloStrati, AlberiInventati,
    testing::Values(
        // Down and sideways without a cycle; a test including upwards is not a layer.
        Caso{"buono", "", {}},
        Caso{"verso_alto",
             "",
             {"basso/B.cpp:3: 'basso' (layer 0) includes 'alto' (layer 1), above it"}},
        // A known exception silences its include; one left over once mended is a fault.
        Caso{"verso_alto", "eccezione_verso_alto.txt", {}},
        Caso{"buono",
             "eccezione_verso_alto.txt",
             {"exception no longer needed: basso/B.cpp -> alto"}},
        // Three folders of one layer, each including the next, reported once.
        Caso{"ciclo", "", {"cycle between folders: alto -> pari_a -> pari_b -> alto"}}),
    [](const auto& info) {
        return std::string(info.param.albero) + (info.param.eccezioni[0] ? "_con_eccezione" : "");
    });

TEST(ControlloStrati, UnaCartellaFuoriTabellaEUnGuasto) {
    const std::map<std::string, int> strati{{"basso", 0}};
    const auto guasti = strati::controlla(
        strati, {{"nuova/X.cpp", 4, "nuova", "basso"}, {"basso/Y.cpp", 2, "basso", "altrove"}}, {});
    ASSERT_EQ(guasti.size(), 2u) << tutti(guasti);
    EXPECT_NE(guasti[0].find("nuova/X.cpp:4: folder 'nuova' has no layer"), std::string::npos);
    EXPECT_NE(guasti[1].find("includes folder 'altrove', which has no layer"), std::string::npos);
}
