// selcomp-cli run as a program against a small test catalogue: exit statuses, messages
// on stderr in the chosen language, and the JSON object.

#include "tools/cli/Comandi.h"
#include "tools/cli/Formato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct Uscita {
    int codice = -1;
    std::string out, err;
};

std::string leggi(const std::string& file) {
    std::ifstream f(file);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

Uscita cli(const std::string& argomenti, bool conCatalogo = true) {
    // A folder of this process: other builds on the machine run the same test.
    const auto dir =
        std::filesystem::temp_directory_path() / ("selcomp_cli_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string out = (dir / "selcomp_cli_out.txt").string();
    const std::string err = (dir / "selcomp_cli_err.txt").string();
    // An empty settings folder, so no user's DatabasePath leaks in.
    std::string comando = "XDG_CONFIG_HOME=" + (dir / "selcomp_cli_cfg").string() +
                          " HOME=" + (dir / "selcomp_cli_cfg").string() + " '" SELCOMP_CLI "' ";
    if (conCatalogo)
        comando += "--catalogue '" CATALOGO_CLI "' ";
    comando += argomenti + " >" + out + " 2>" + err;
    const int stato = std::system(comando.c_str());
    Uscita u;
    u.codice = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    u.out = leggi(out);
    u.err = leggi(err);
    return u;
}

bool contiene(const std::string& testo, const std::string& parte) {
    return testo.find(parte) != std::string::npos;
}

// The number after "key": in a JSON text (NaN when the key is missing).
double numeroJson(const std::string& json, const std::string& chiave) {
    const auto pos = json.find("\"" + chiave + "\":");
    return pos == std::string::npos ? std::nan("")
                                    : std::atof(json.c_str() + pos + chiave.size() + 3);
}

const char* const standard = " --te -10 --tc 40 --standard";

TEST(SelcompCli, ExitStatusesAndMessages) {
    const struct {
        const char* nome;
        std::string argomenti;
        int codice;
        const char* suStderr;
    } casi[] = {
        {"no command", "", 1, "usage:"},
        {"unknown option", "rate --bogus", 1, "unknown option --bogus"},
        {"text where a number belongs", "rate --gas R404A --model T05 --te abc --tc 40", 1,
         "Valore non numerico per --te: abc"},
        {"text for the capacity, English",
         "--lang 1 select --gas R404A --capacity 4,5kW --te -10 --tc 40", 1,
         "Not a number for --capacity: 4,5kW"},
        {"voltage out of range", "rate --gas R404A --model T05 --te -10 --tc 40 --voltage 5", 1,
         "--voltage takes 0..4"},
        {"unknown model", "--lang 1 rate --gas R404A --model X99" + std::string(standard), 2,
         "Unknown model for this refrigerant: X99"},
        {"unknown refrigerant", "rate --gas R999 --model T05" + std::string(standard), 2,
         "Refrigerante sconosciuto: R999"},
        {"refrigerant not offered for selection",
         "select --gas R-22 --capacity 4500" + std::string(standard), 2,
         "Refrigerante non previsto per la selezione: R-22"},
        {"condensing beyond the envelope",
         "rate --gas R404A --model T05 --te -10 --tc 52 --standard", 3,
         "Temperatura di condensazione fuori campo"},
        {"evaporating outside, English",
         "--lang 1 rate --gas R404A --model T05 --te 6 --tc 40 --standard", 3,
         "Evaporating temperature out of range"},
        {"suction not below condensing",
         "rate --gas R404A --model T05 --te -10 --tc 40 --tu -5 --tl 30 --ta 40", 3,
         "Temperatura di aspirazione non valida"},
        {"no compressor for the refrigerant",
         "select --gas R134a --capacity 4500" + std::string(standard), 4,
         "Nessun compressore trovato"},
        {"voltage the model does not offer",
         "--lang 1 rate --gas R404A --model T10 --voltage 4" + std::string(standard), 3,
         "Supply voltage not offered for this model: T10, 220-240 V"},
        {"tables at a voltage the model does not offer",
         "tables --gas R404A --model T10 --voltage 1", 3,
         "Tensione non prevista per questo modello: T10"},
    };
    for (const auto& c : casi) {
        const Uscita u = cli(c.argomenti);
        EXPECT_EQ(u.codice, c.codice) << c.nome << "\n" << u.err;
        EXPECT_TRUE(contiene(u.err, c.suStderr)) << c.nome << ": " << u.err;
    }
}

TEST(SelcompCli, MissingCatalogueNamesTheFile) {
    const Uscita u = cli("--catalogue /nonexistent/cat.db list", false);
    EXPECT_EQ(u.codice, 2);
    EXPECT_TRUE(contiene(u.err, "/nonexistent/cat.db")) << u.err;
    EXPECT_TRUE(u.out.empty());
}

TEST(SelcompCli, RateJson) {
    const Uscita u = cli("--json rate --gas r404a --model t05 --voltage 4" + std::string(standard));
    ASSERT_EQ(u.codice, 0) << u.err;
    for (const char* parte :
         {"\"ok\":true", "\"CodiceErrore\":0", "\"CodiceProdotto\":\"T05\"",
          "\"NomeGas\":\"R404A\"", "\"TcMin\":30,\"TcMax\":50", "\"TU\":20,\"TL\":40,\"TA\":20",
          "\"IndiceTensione\":4", "\"CondizioniStandard\":true", "\"CoeffResa\":1,",
          "\"ResaStd\":5.9,", "\"PotenzaAssorbita\":2.4"})
        EXPECT_TRUE(contiene(u.out, parte)) << parte << " in " << u.out;
}

TEST(SelcompCli, RejectedPointStillPrintsTheObject) {
    const Uscita u = cli("--json rate --gas R404A --model T05 --te -10 --tc 52 --standard");
    EXPECT_EQ(u.codice, 3);
    EXPECT_TRUE(contiene(u.out, "\"ok\":false,\"CodiceErrore\":2,"
                                "\"Messaggio\":\"Temperatura di condensazione fuori campo\""))
        << u.out;
}

TEST(SelcompCli, SelectJson) {
    Uscita u = cli("--json select --gas R404A --capacity 4500" + std::string(standard));
    ASSERT_EQ(u.codice, 0) << u.err;
    for (const char* parte :
         {"\"CodiceProdotto\":\"T05\"", "\"PotenzaRichiesta\":4500", "\"NumCandidati\":10",
          "\"Visitati\":[5,2,3,4]", "\"CodiceProdottoInferiore\":\"T04\"",
          "\"RisultatiInferiore\":{\"ResaStd\":4,", "\"Candidati\":[\"T01\",\"T02\""})
        EXPECT_TRUE(contiene(u.out, parte)) << parte << " in " << u.out;

    u = cli("--json select --gas R404A --capacity 500" + std::string(standard));
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "\"Visitati\":[5,2,1]")) << u.out;
    EXPECT_TRUE(contiene(u.out, "\"CodiceProdottoInferiore\":\"\",\"RisultatiInferiore\":null"))
        << u.out;
}

// A model without a motor row is rated: everything but the current, which is "-" (null in
// JSON), never "nan" and never a failed run.
TEST(SelcompCli, ModelWithoutMotorTable) {
    Uscita u = cli("rate --gas R404A --model T07" + std::string(standard));
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "7.")) << u.out;
    EXPECT_FALSE(contiene(u.out, "nan")) << u.out;
    const auto corrente = u.out.find("Corrente assorbita");
    ASSERT_NE(corrente, std::string::npos) << u.out;
    const std::string riga = u.out.substr(corrente, u.out.find('\n', corrente) - corrente);
    EXPECT_EQ(riga.find_first_of("0123456789"), std::string::npos) << riga;
    u = cli("--json rate --gas R404A --model T07" + std::string(standard));
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out,
                         "\"PotenzaAssorbita\":2.8,\"CorrenteStd\":null,\"CorrenteAssorbita\":null,"
                         "\"PortataMassaStd\":126"))
        << u.out;
    u = cli("--json tables --gas R404A --model T07");
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "\"tmpCA\":[{\"Tvap\":-40,\"Tc30\":null")) << u.out;
    EXPECT_TRUE(contiene(u.out, "\"tmpPM\":[{\"Tvap\":-40,\"Tc30\":126")) << u.out;
}

// Supply options: a bk8 model is rated at the options it offers; a selection at another
// option passes it by.
TEST(SelcompCli, SupplyOptionsOfTheModel) {
    EXPECT_EQ(cli("rate --gas R404A --model T10 --voltage 2" + std::string(standard)).codice, 0);
    const Uscita u =
        cli("--json select --gas R404A --capacity 9500 --voltage 3" + std::string(standard));
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "\"CodiceProdotto\":\"T09\"")) << u.out;
    EXPECT_FALSE(contiene(u.out, "\"T10\"")) << u.out;
}

// A capacity no compressor reaches: the largest is chosen, and the output says so.
TEST(SelcompCli, RequiredCapacityNotReached) {
    Uscita u = cli("--json select --gas R404A --capacity 12500" + std::string(standard));
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "\"CodiceProdotto\":\"T10\"")) << u.out;
    EXPECT_TRUE(contiene(u.out, "\"PotenzaRichiesta\":12500,\"RichiestaSoddisfatta\":false"))
        << u.out;
    u = cli("--json select --gas R404A --capacity 4500" + std::string(standard));
    EXPECT_TRUE(contiene(u.out, "\"RichiestaSoddisfatta\":true")) << u.out;
    u = cli("--lang 1 select --gas R404A --capacity 12500" + std::string(standard));
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "Required capacity not reached: 2.50 kW short")) << u.out;
    u = cli("select --gas R404A --capacity 4500" + std::string(standard));
    EXPECT_FALSE(contiene(u.out, "non raggiunta")) << u.out;
}

TEST(SelcompCli, ReadableOutputUsesTheLabels) {
    Uscita u = cli("--lang 1 rate --gas R404A --model T05" + std::string(standard));
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "Cooling capacity")) << u.out;
    EXPECT_TRUE(contiene(u.out, "5.")) << u.out;
    u = cli("select --gas R404A --capacity 500" + std::string(standard));
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "Compressore precedente\n  -")) << u.out;
}

TEST(SelcompCli, TablesAndList) {
    Uscita u = cli("--json tables --gas R404A --model T02 --watt");
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "\"kW\":false")) << u.out;
    EXPECT_TRUE(contiene(u.out,
                         "\"tmpWR\":[{\"Tvap\":-40,\"Tc30\":2000,\"Tc35\":2000,\"Tc40\":2000,"
                         "\"Tc45\":2000,\"Tc50\":2000,\"Tc55\":null"))
        << u.out;
    u = cli("--json list --gas R404A");
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "{\"Gas\":[\"R404A\"],\"Compressori\":[\"T01\",")) << u.out;
}

TEST(SelcompCli, CorrectionWithThePropertyLibrary) {
    const std::string reflibs = SELCOMP_RUNTIME_DIR "/Reflibs";
    ASSERT_TRUE(std::filesystem::exists(reflibs)) << reflibs;
    // Suction at the rated 20 °C and no subcooling: the compressor-inlet factor is 1.
    Uscita u = cli("--json --reflibs '" + reflibs +
                   "' rate --gas R404A --model T05 --te -10 --tc 40 --tu 20 --tl 40 --ta 20");
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "\"CoeffResaCompressore\":1,")) << u.out;
    // Subcooling by 10 K gives more capacity at the same mass flow.
    u = cli("--json --reflibs '" + reflibs +
            "' rate --gas R404A --model T05 --te -10 --tc 40 --tu 20 --tl 30 --ta 20");
    ASSERT_EQ(u.codice, 0) << u.err;
    const double fattore = numeroJson(u.out, "CoeffResaCompressore");
    ASSERT_FALSE(std::isnan(fattore)) << u.out;
    EXPECT_GT(fattore, 1.05) << u.out;
    EXPECT_TRUE(contiene(u.out, "\"VA0\":")) << u.out;

    // Optional temperatures completed by their defaults read as people write them.
    u = cli("--reflibs '" + reflibs + "' rate --gas R404A --model T05 --te -10 --tc 40");
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, " 1.1 °C\n")) << u.out;
    EXPECT_TRUE(contiene(u.out, " 31.7 °C\n")) << u.out;
    EXPECT_FALSE(contiene(u.out, "99999")) << u.out;
    // In differences, the empty ones are those of the defaults, not zero.
    u = cli("--reflibs '" + reflibs +
            "' rate --gas R404A --model T05 --te -10 --tc 40 --differential --tu 5");
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, " 5 K\n")) << u.out;
    EXPECT_TRUE(contiene(u.out, " 8.3 K\n")) << u.out;
    EXPECT_TRUE(contiene(u.out, " 11.1 K\n")) << u.out;
}

TEST(SelcompCli, PropsCallsTheFiveFunctions) {
    const std::string reflibs = SELCOMP_RUNTIME_DIR "/Reflibs";
    ASSERT_TRUE(std::filesystem::exists(reflibs)) << reflibs;
    Uscita u = cli("--json props --gas R404A --t 263.15 --reflibs '" + reflibs + "'", false);
    ASSERT_EQ(u.codice, 0) << u.err;
    for (const char* parte : {"\"p_D\":", "\"h_L\":", "\"h_V\":", "\"V_V\":",
                              "\"status\":{\"ILK_Set_Fluids\":0,\"ILK_p_D\":0"})
        EXPECT_TRUE(contiene(u.out, parte)) << parte << " in " << u.out;
    u = cli("--json props --gas R999 --t 263.15 --reflibs '" + reflibs + "'", false);
    EXPECT_EQ(u.codice, 5);
    EXPECT_TRUE(contiene(u.out, "\"p_D\":null")) << u.out;
    u = cli("props --gas R404A --t 263.15 --reflibs /nonexistent", false);
    EXPECT_EQ(u.codice, 2);
    EXPECT_TRUE(contiene(u.err, "Attenzione non risulta configurata la directory dei refrigeranti"))
        << u.err;
}

TEST(SelcompCli, DemoCatalogueBesideTheProgram) {
    ASSERT_TRUE(std::filesystem::exists(SELCOMP_RUNTIME_DIR "/zodirara.mdb"));
    Uscita u = cli("--json list --gas R404A", false);
    ASSERT_EQ(u.codice, 0) << u.err;
    const auto inizio = u.out.find("\"Compressori\":[\"") + 16;
    ASSERT_GT(inizio, 16u) << u.out;
    const std::string modello = u.out.substr(inizio, u.out.find('"', inizio) - inizio);
    u = cli("rate --gas R404A --model " + modello + standard, false);
    EXPECT_EQ(u.codice, 0) << u.err;
    u = cli("--json select --gas R404A --capacity 10000" + std::string(standard), false);
    EXPECT_EQ(u.codice, 0) << u.err;
    EXPECT_TRUE(contiene(u.out, "\"ok\":true")) << u.out;
}

// Today's refrigerants of the demo catalogue, through the commands a user would type.
TEST(SelcompCli, TodaysRefrigerantsInTheDemoCatalogue) {
    for (const char* gas : {"R448A", "R449A", "R407F", "R452A", "R454C", "R455A", "R513A", "R450A",
                            "R1234yf", "R290"}) {
        const Uscita u = cli(std::string("--json list --gas ") + gas, false);
        ASSERT_EQ(u.codice, 0) << gas << u.err;
        const auto modelli = std::count(u.out.begin(), u.out.end(), '"') / 2 - 3;
        EXPECT_GE(modelli, 10) << gas << " " << u.out;
    }
    for (const char* richiesta : {"--gas R448A --capacity 20000 --te -35 --tc 40",
                                  "--gas R513A --capacity 10000 --te -10 --tc 45"}) {
        const Uscita u = cli(std::string("--json select ") + richiesta, false);
        ASSERT_EQ(u.codice, 0) << richiesta << u.err;
        EXPECT_TRUE(contiene(u.out, "\"RichiestaSoddisfatta\":true")) << u.out;
    }

    // 10 K superheat at the compressor (colder than the rated 20 degC suction gas: denser, more
    // mass flow), then 5 K subcooling on top (more capacity at the same mass flow).
    const std::string punto = " --model 4DZ-039 --te -10 --tc 40 --tu -5 --ta 0";
    for (const char* gas : {"R448A", "R455A", "R1234yf", "R290"}) {
        const Uscita surr =
            cli(std::string("--json rate --gas ") + gas + punto + " --tl 40", false);
        const Uscita sott =
            cli(std::string("--json rate --gas ") + gas + punto + " --tl 35", false);
        ASSERT_EQ(surr.codice, 0) << gas << surr.err;
        ASSERT_EQ(sott.codice, 0) << gas << sott.err;
        EXPECT_GT(numeroJson(surr.out, "PortataMassa"), numeroJson(surr.out, "PortataMassaStd"))
            << gas;
        EXPECT_LT(numeroJson(surr.out, "ResaEvaporatore"), numeroJson(surr.out, "ResaStd")) << gas;
        const double f = numeroJson(surr.out, "CoeffResaCompressore"),
                     g = numeroJson(sott.out, "CoeffResaCompressore");
        EXPECT_GT(g, f * 1.03) << gas;
        EXPECT_EQ(numeroJson(surr.out, "PortataMassa"), numeroJson(sott.out, "PortataMassa"))
            << gas;
    }
}

// The comparisons a sales engineer makes, at 10 K superheat and a saturated liquid (no
// subcooling below the bubble point of the condensing pressure): a blend's temperatures typed
// as bubble points with --bubble, so that the subcooling counts from the bubble point.
TEST(SelcompCli, TodaysRefrigerantsAgainstTheOnesTheyReplace) {
    const auto resa = [](const std::string& gas, const std::string& punto) {
        const Uscita u =
            cli("--json rate --model 4DZ-039 --differential --tu 10 --ta 10 --tl 0 --gas " + gas +
                    " " + punto,
                false);
        EXPECT_EQ(u.codice, 0) << gas << u.err;
        return numeroJson(u.out, "ResaCompressore");
    };
    // R448A at the bubble points of -35/40 degC dew.
    const double r404a = resa("R404A", "--te -35 --tc 40");
    const double r448a = resa("R448A", "--te -41.5 --tc 34.8 --bubble");
    EXPECT_GT(r448a / r404a, 0.88) << r448a << " " << r404a;
    EXPECT_LT(r448a / r404a, 1.0);
    const double r134a = resa("R134a", "--te -10 --tc 45");
    const double r513a = resa("R513A", "--te -10 --tc 45");
    const double r1234yf = resa("R1234yf", "--te -10 --tc 45");
    const double r450a = resa("R450A", "--te -10 --tc 45");
    EXPECT_NEAR(r513a / r134a, 1, 0.05) << r513a << " " << r134a;
    EXPECT_GT(r1234yf / r134a, 0.9) << r1234yf << " " << r134a;
    EXPECT_LT(r1234yf / r134a, 0.99) << r1234yf << " " << r134a;
    EXPECT_GT(r450a / r134a, 0.8) << r450a << " " << r134a;
    EXPECT_LT(r450a / r134a, 0.92) << r450a << " " << r134a;
}

// --bubble: the typed temperatures are bubble points, rated at the dew points of the same
// pressures; a refrigerant without glide rates the same either way.
TEST(SelcompCli, BubblePointTemperatures) {
    Uscita u = cli("--json rate --gas R448A --model 4DZ-039 --te -16.2 --tc 34.8 --bubble", false);
    ASSERT_EQ(u.codice, 0) << u.err;
    EXPECT_NEAR(numeroJson(u.out, "TE"), -10, 0.05) << u.out;
    EXPECT_NEAR(numeroJson(u.out, "TC"), 40, 0.05) << u.out;
    EXPECT_EQ(numeroJson(u.out, "TEBolla"), -16.2) << u.out;
    EXPECT_EQ(numeroJson(u.out, "TCBolla"), 34.8) << u.out;
    const Uscita rugiada = cli("--json rate --gas R448A --model 4DZ-039 --te -10 --tc 40", false);
    EXPECT_NEAR(numeroJson(u.out, "ResaStd"), numeroJson(rugiada.out, "ResaStd"), 0.05);
    u = cli("rate --gas R448A --model 4DZ-039 --te -16.2 --tc 34.8 --bubble", false);
    EXPECT_TRUE(contiene(u.out, "-16.2 / 34.8 °C")) << u.out;
    EXPECT_TRUE(contiene(u.out, "(dew temp.)")) << u.out;
    // Subcooling counts from the bubble point: a saturated liquid, 0 K, is a glide below TC.
    u = cli("rate --gas R448A --model 4DZ-039 --te -16.2 --tc 34.8 --bubble --differential --tu 10 "
            "--ta 10 --tl 0",
            false);
    EXPECT_TRUE(contiene(u.out, " 0 K\n")) << u.out;
    EXPECT_FALSE(contiene(u.out, " 5.2 K\n")) << u.out;

    for (const char* gas : {"R134a", "R1234yf", "R290"}) {
        const std::string comando =
            std::string("--json rate --model 4DZ-039 --te -10 --tc 45 --gas ") + gas;
        const Uscita bolla = cli(comando + " --bubble", false), senza = cli(comando, false);
        ASSERT_EQ(bolla.codice, 0) << gas << bolla.err;
        EXPECT_EQ(numeroJson(bolla.out, "TE"), -10) << gas;
        EXPECT_EQ(numeroJson(bolla.out, "TC"), 45) << gas;
        EXPECT_EQ(numeroJson(bolla.out, "ResaStd"), numeroJson(senza.out, "ResaStd")) << gas;
    }
}

TEST(FormatoSchema, Patterns) {
    const struct {
        double v;
        const char* schema;
        const char* atteso;
    } casi[] = {{1234.567, "#,##0.##", "1,234.57"},
                {10, "#,##0.##", "10."},
                {0, "#,##0.##", "0."},
                {2.5, "0.###", "2.5"},
                {0.25, "#,###.00", ".25"},
                {1234567, "#,###", "1,234,567"},
                {-0.001, "#,##0.##", "0."},
                {2.675, "0.##", "2.68"},
                {std::nan(""), "#,##0.##", "-"}};
    for (const auto& c : casi)
        EXPECT_EQ(formatoSchema(c.v, c.schema), c.atteso) << c.v << " " << c.schema;
}

} // namespace

// The report engine headless: a data sheet of one demo model as a PDF, and one clear
// message for a missing template.
TEST(SelcompCli, OnlyTheReportCommandNeedsAGuiApplication) {
    const struct {
        std::vector<std::string> argomenti;
        bool grafica;
    } casi[] = {
        {{"report", "--template", "Dav01.rpt"}, true},
        {{"--json", "report", "--model", "4DZ-039"}, true},
        {{"rate", "--model", "report"}, false},
        {{"--catalogue", "report", "list"}, false},
        {{"list"}, false},
    };
    for (const auto& c : casi)
        EXPECT_EQ(richiedeApplicazioneGrafica(c.argomenti), c.grafica) << c.argomenti.back();
}

TEST(SelcompCli, ReportWritesTheDataSheetOfTheModel) {
    const std::string bin = SELCOMP_RUNTIME_DIR;
    const auto pdf = (std::filesystem::temp_directory_path() / "selcomp_cli_scheda.pdf").string();
    std::filesystem::remove(pdf);
    auto u = cli("report --template '" + bin + "/Dav01.rpt' --data '" + bin +
                     "/zodirara.mdb' --out '" + pdf + "' --model 4DZ-039",
                 false);
    ASSERT_EQ(u.codice, 0) << u.err;
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const std::string testo = pdf + ".txt";
    if (std::system(("pdftotext '" + pdf + "' '" + testo + "' 2>/dev/null").c_str()) == 0) {
        EXPECT_TRUE(contiene(leggi(testo), "4DZ-039")) << leggi(testo);
    }

    u = cli("report --template '" + bin + "/manca.rpt' --data '" + bin + "/zodirara.mdb' --out '" +
                pdf + "'",
            false);
    EXPECT_EQ(u.codice, 2);
    EXPECT_TRUE(contiene(u.err, "manca.rpt")) << u.err;
    EXPECT_EQ(cli("report --template Dav01.rpt", false).codice, 1);

    // The results report takes the figures of the results screen: refused in words,
    // never a silent stop, and no file left behind.
    std::filesystem::remove(pdf);
    u = cli("report --template '" + bin + "/Dav02.rpt' --data '" + bin + "/zodirara.mdb' --out '" +
                pdf + "' --model 4DZ-039",
            false);
    EXPECT_EQ(u.codice, 2);
    EXPECT_TRUE(contiene(u.err, "cannot fill") && contiene(u.err, "{et.gas}")) << u.err;
    EXPECT_FALSE(std::filesystem::exists(pdf));
}
