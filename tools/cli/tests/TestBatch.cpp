// selcomp-cli batch against the single commands, and the coefficient export.

#include "tools/cli/Coefficienti.h"
#include "tools/cli/Comandi.h"
#include "tools/cli/Json.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <charconv>
#include <cmath>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Risposta {
    int codice = -1;
    std::string out, err;
};

Risposta esegui(std::vector<std::string> argomenti, const std::string& ingresso = "") {
    argomenti.insert(argomenti.begin(), {"--catalogue", CATALOGO_CLI});
    std::istringstream in(ingresso);
    std::ostringstream out, err;
    Risposta r;
    r.codice = eseguiCli(argomenti, in, out, err, SELCOMP_RUNTIME_DIR);
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::vector<std::string> righe(const std::string& testo) {
    std::vector<std::string> r;
    std::istringstream s(testo);
    for (std::string riga; std::getline(s, riga);)
        r.push_back(riga);
    return r;
}

// One request: its JSON line and the command line it stands for (empty: no command line,
// the line itself is bad).
struct Caso {
    std::string json;
    std::vector<std::string> argomenti;
};

Caso richiesta(const std::string& comando,
               const std::vector<std::pair<std::string, std::string>>& opzioni) {
    Caso c;
    c.json = "{\"command\":\"" + comando + "\"";
    c.argomenti = {"--json", comando};
    for (const auto& [nome, valore] : opzioni) {
        if (valore == "true") {
            c.json += ",\"" + nome + "\":true";
            c.argomenti.push_back("--" + nome);
        } else {
            const bool numero =
                !valore.empty() &&
                (std::isdigit(static_cast<unsigned char>(valore[0])) || valore[0] == '-');
            c.json += ",\"" + nome + "\":" + (numero ? valore : "\"" + valore + "\"");
            c.argomenti.insert(c.argomenti.end(), {"--" + nome, valore});
        }
    }
    c.json += "}";
    return c;
}

// A few hundred requests of every kind: good and refused ratings, standard and corrected,
// selections that find and do not find, tables, unknown refrigerants and models, texts
// where numbers belong, options a batch refuses, and lines that are no JSON.
std::vector<Caso> richiesteMiste() {
    std::mt19937 g(20);
    auto scegli = [&](const std::vector<std::string>& v) { return v[g() % v.size()]; };
    auto intero = [&](int a, int b) { return std::to_string(a + int(g() % unsigned(b - a + 1))); };
    const std::vector<std::string> gas = {"R404A", "r404a", "R134a", "R-22", "R999"};
    const std::vector<std::string> modelli = {"T01", "T03", "T05", "t07", "T10", "X99"};
    std::vector<Caso> casi;
    for (int i = 0; i < 300; ++i) {
        switch (g() % 10) {
        case 0:
        case 1:
            casi.push_back(richiesta("rate", {{"gas", scegli(gas)},
                                              {"model", scegli(modelli)},
                                              {"te", intero(-45, 12)},
                                              {"tc", intero(25, 60)},
                                              {"standard", "true"},
                                              {"voltage", intero(0, 4)}}));
            break;
        case 2:
        case 3:
            casi.push_back(richiesta("rate", {{"gas", scegli({"R404A", "R134a"})},
                                              {"model", scegli(modelli)},
                                              {"te", intero(-30, 0)},
                                              {"tc", intero(30, 50)},
                                              {"tu", intero(-5, 5)},
                                              {"ta", intero(5, 25)},
                                              {"tl", intero(20, 35)}}));
            break;
        case 4:
            casi.push_back(richiesta("rate", {{"gas", "R404A"},
                                              {"model", scegli(modelli)},
                                              {"te", intero(-30, 0)},
                                              {"tc", intero(30, 50)},
                                              {"tu", intero(3, 8)},
                                              {"ta", intero(8, 20)},
                                              {"tl", intero(0, 6)},
                                              {"differential", "true"}}));
            break;
        case 5:
        case 6:
            casi.push_back(richiesta("select", {{"gas", scegli(gas)},
                                                {"capacity", intero(100, 20000)},
                                                {"te", intero(-40, 5)},
                                                {"tc", intero(30, 55)},
                                                {"standard", "true"}}));
            break;
        case 7:
            casi.push_back(richiesta(
                "tables",
                {{"gas", scegli(gas)}, {"model", scegli(modelli)}, {"voltage", intero(0, 4)}}));
            break;
        case 8: {
            const std::vector<Caso> usi = {
                richiesta("rate",
                          {{"gas", "R404A"}, {"model", "T05"}, {"te", "abc"}, {"tc", "40"}}),
                richiesta("rate", {{"gas", "R404A"}, {"model", "T05"}, {"tc", "40"}}),
                richiesta("rate", {{"gas", "R404A"}, {"bogus", "1"}}),
                richiesta("select", {{"gas", "R404A"},
                                     {"capacity", "4500"},
                                     {"te", "-10"},
                                     {"tc", "40"},
                                     {"standard", "true"},
                                     {"tu", "3"}}),
            };
            casi.push_back(usi[g() % usi.size()]);
            break;
        }
        default: {
            const std::vector<std::string> cattive = {
                "{\"command\":\"rate\",",
                "not json",
                "[1,2]",
                "{\"gas\":\"R404A\"}",
                "{\"command\":\"list\"}",
                "{\"command\":\"rate\",\"catalogue\":\"x.db\"}",
                "{\"command\":\"rate\",\"te\":true}",
                "{\"command\":\"rate\",\"standard\":\"yes\"}"};
            casi.push_back({scegli(cattive), {}});
        }
        }
    }
    return casi;
}

// What the single command wrote on stderr first, as the batch quotes it.
std::string primoMessaggio(const std::string& err) {
    std::string r = err.substr(0, err.find('\n'));
    if (r.rfind("selcomp-cli: ", 0) == 0)
        r.erase(0, 13);
    return r;
}

} // namespace

TEST(Batch, EveryAnswerEqualsTheSingleCommand) {
    const std::vector<Caso> casi = richiesteMiste();
    std::string ingresso;
    for (const Caso& c : casi)
        ingresso += c.json + "\n";
    const Risposta batch = esegui({"batch"}, ingresso);
    ASSERT_EQ(batch.codice, 0) << batch.err;
    const std::vector<std::string> risposte = righe(batch.out);
    ASSERT_EQ(risposte.size(), casi.size());
    int rifiutate = 0, corrette = 0;
    for (size_t i = 0; i < casi.size(); ++i) {
        const std::string inizio = "{\"Riga\":" + std::to_string(i + 1) + ",\"Uscita\":";
        const std::string& r = risposte[i];
        ASSERT_EQ(r.rfind(inizio, 0), 0u) << r;
        if (casi[i].argomenti.empty()) {
            EXPECT_EQ(r.substr(inizio.size(), 2), "1,") << casi[i].json << " -> " << r;
            EXPECT_NE(r.find("\"ok\":false,\"Messaggio\":\""), std::string::npos) << r;
            continue;
        }
        const Risposta singola = esegui(casi[i].argomenti);
        const std::string uscita = std::to_string(singola.codice) + ",";
        EXPECT_EQ(r.substr(inizio.size(), uscita.size()), uscita) << casi[i].json << " -> " << r;
        const std::string resto = r.substr(inizio.size() + uscita.size());
        std::string oggetto = singola.out;
        if (!oggetto.empty() && oggetto.back() == '\n')
            oggetto.pop_back();
        if (oggetto.empty())
            EXPECT_EQ(resto, "\"ok\":false,\"Messaggio\":\"" + primoMessaggio(singola.err) + "\"}")
                << casi[i].json;
        else
            EXPECT_EQ(resto, oggetto.substr(1)) << casi[i].json;
        rifiutate += singola.codice != 0;
        corrette += casi[i].json.find("\"ta\"") != std::string::npos && singola.codice == 0;
    }
    // The mix must really hold both kinds, or the comparison proves little.
    EXPECT_GT(rifiutate, 30);
    EXPECT_GT(corrette, 10);
}

TEST(Batch, CsvInAndOut) {
    const std::string ingresso = "command,gas,model,te,tc,standard,capacity\n"
                                 "rate,R404A,T05,-10,40,1,\n"
                                 "select,R404A,,-10,40,true,4500\n"
                                 "rate,R404A,T05,-10,52,yes,\n"
                                 "rate,R404A,T05,-10,40,maybe,\n";
    const Risposta r = esegui({"batch", "--format", "csv"}, ingresso);
    ASSERT_EQ(r.codice, 0) << r.err;
    const auto linee = righe(r.out);
    ASSERT_EQ(linee.size(), 5u) << r.out;
    EXPECT_EQ(
        linee[0].rfind("Riga,Uscita,ok,Messaggio,CodiceErrore,CodiceProdotto,NomeGas,TE,TC", 0),
        0u);
    const Risposta singola = esegui({"--json", "rate", "--gas", "R404A", "--model", "T05", "--te",
                                     "-10", "--tc", "40", "--standard"});
    // The single command's figures, column by column.
    EXPECT_NE(
        singola.out.find("\"Risultati\":{\"ResaStd\":5,\"ResaEvaporatore\":5,\"ResaCompressore\":5,"
                         "\"PotenzaAssorbita\":2,\"CorrenteStd\":4.5,"),
        std::string::npos);
    EXPECT_EQ(
        linee[1],
        "2,0,true,,0,T05,R404A,-10,40,20,40,20,0,1,1,1,1,5,5,5,2,4.5,4.5,90,90,2.5,2.5,7,7,,,");
    EXPECT_EQ(linee[2].rfind("3,0,true,,0,T05,", 0), 0u) << linee[2];
    EXPECT_NE(linee[2].find(",4500,10,T04"), std::string::npos) << linee[2];
    EXPECT_EQ(linee[3].rfind("4,3,false,Temperatura di condensazione fuori campo,2,", 0), 0u)
        << linee[3];
    EXPECT_EQ(linee[4].rfind("5,1,false,option standard takes true or false", 0), 0u) << linee[4];
}

// The AHRI 540 polynomial in °F, Btu/h or lb/h equals the EN 12900 one in °C, W or kg/s
// times the unit factor, at random points and for coefficients of every size.
TEST(Coefficienti, Ahri540EqualsEn12900AtRandomPoints) {
    std::mt19937 g(540);
    std::uniform_real_distribution<double> te(-45, 15), tc(20, 70), mant(-1, 1);
    for (int prova = 0; prova < 50; ++prova) {
        Coefficienti10 c{};
        const double scala[10] = {1e4, 1e2, -1e2, 1, 1, -1, 1e-2, 1e-2, -1e-2, 1e-3};
        for (int k = 0; k < 10; ++k)
            c[k] = scala[k] * (1 + 0.5 * mant(g));
        for (double fattore : {1.0, BtuOraPerWatt, LibbreOraPerKgS}) {
            const Coefficienti10 f = InFahrenheit(c, fattore);
            for (int p = 0; p < 20; ++p) {
                const double s = te(g), d = tc(g);
                const double atteso = fattore * ValutaPolinomio10(c, s, d);
                const double ottenuto =
                    ValutaPolinomio10(f, GradiFahrenheit(s), GradiFahrenheit(d));
                EXPECT_NEAR(ottenuto, atteso, 1e-9 * std::fabs(atteso)) << s << " " << d;
            }
        }
    }
}

TEST(Coefficienti, CommandOutput) {
    Risposta r =
        esegui({"coefficients", "--gas", "r404a", "--model", "T05", "--standard", "ahri540"});
    ASSERT_EQ(r.codice, 0) << r.err;
    const auto linee = righe(r.out);
    ASSERT_EQ(linee.size(), 4u) << r.out;
    EXPECT_EQ(linee[0],
              "Norma,CodiceGas,CodiceProdotto,Grandezza,Unita,C1,C2,C3,C4,C5,C6,C7,C8,C9,C10,"
              "TemperaturaAspirazione,Sottoraffreddamento,UnitaTemperatura,Riferimento");
    EXPECT_EQ(linee[1].rfind("AHRI 540,R404A,T05,Resa,Btu/h,", 0), 0u) << linee[1];
    EXPECT_NE(linee[1].find(",68,0,°F,dew point"), std::string::npos) << linee[1];
    EXPECT_EQ(linee[3].rfind("AHRI 540,R404A,T05,PortataMassa,lb/h,", 0), 0u) << linee[3];

    r = esegui({"coefficients", "--gas", "R404A", "--format", "json"});
    ASSERT_EQ(r.codice, 0) << r.err;
    EXPECT_NE(r.out.find("\"Norma\":\"EN 12900\""), std::string::npos);
    EXPECT_NE(r.out.find("\"TemperaturaAspirazione\":20"), std::string::npos);
    EXPECT_NE(r.out.find("{\"CodiceProdotto\":\"T01\",\"Resa\":{\"Unita\":\"W\",\"C\":[1000,0,"),
              std::string::npos)
        << r.out;

    EXPECT_EQ(esegui({"coefficients", "--gas", "R999"}).codice, 2);
    EXPECT_EQ(esegui({"coefficients", "--gas", "R404A", "--standard", "ashrae"}).codice, 1);
}

TEST(Batch, TablesWriteTheScreensExport) {
    const std::string dir = ::testing::TempDir();
    const std::string csv = dir + "/tabelle_cli.csv", xlsx = dir + "/tabelle_cli.xlsx";
    const Risposta r =
        esegui({"tables", "--gas", "R404A", "--model", "T05", "--csv", csv, "--xlsx", xlsx});
    ASSERT_EQ(r.codice, 0) << r.err;
    std::ostringstream s;
    s << std::ifstream(csv).rdbuf();
    const auto linee = righe(s.str());
    ASSERT_GT(linee.size(), 10u);
    EXPECT_NE(s.str().find("R404A"), std::string::npos);
    EXPECT_NE(s.str().find("Tvap,Tc30,Tc35"), std::string::npos) << s.str();
    EXPECT_NE(s.str().find("-40,5.00,"), std::string::npos) << s.str(); // capacity 5 kW, "#,###.00"
    EXPECT_TRUE(std::ifstream(xlsx).good());
    EXPECT_EQ(
        esegui({"tables", "--gas", "R404A", "--model", "T05", "--xlsx", dir + "/no/such/dir.xlsx"})
            .codice,
        2);
}

TEST(Aiuto, EveryCommandHasAnExample) {
    for (const char* c :
         {"rate", "select", "tables", "list", "props", "report", "coefficients", "batch"}) {
        const Risposta r = esegui({c, "--help"});
        EXPECT_EQ(r.codice, 0) << c;
        EXPECT_NE(r.out.find("Example:\n  "), std::string::npos) << c;
        EXPECT_NE(r.out.find(c), std::string::npos) << c;
    }
}

namespace {

// selcomp-cli batch as a child process on two pipes, as a script drives it.
class ProcessoBatch {
public:
    ProcessoBatch() {
        std::signal(SIGPIPE, SIG_IGN);
        int a[2], b[2];
        if (pipe(a) != 0 || pipe(b) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            dup2(a[0], 0);
            dup2(b[1], 1);
            close(a[0]), close(a[1]), close(b[0]), close(b[1]);
            execl(SELCOMP_CLI, SELCOMP_CLI, "--catalogue", CATALOGO_CLI, "batch",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(a[0]);
        close(b[1]);
        scrittura = a[1];
        lettura = b[0];
    }
    ~ProcessoBatch() {
        chiudiIngresso();
        if (lettura >= 0)
            close(lettura);
        if (pid > 0)
            attendi();
    }
    bool avviato() const { return pid > 0 && scrittura >= 0; }
    void scrivi(const std::string& testo) {
        for (size_t fatto = 0; fatto < testo.size();) {
            const ssize_t w = write(scrittura, testo.data() + fatto, testo.size() - fatto);
            ASSERT_GT(w, 0);
            fatto += size_t(w);
        }
    }
    void chiudiIngresso() {
        if (scrittura >= 0)
            close(scrittura);
        scrittura = -1;
    }
    // The next whole line, or nothing when none comes within the time (or at the end).
    std::optional<std::string> riga(int millisecondi = 30000) {
        for (;;) {
            const size_t a_capo = letto.find('\n');
            if (a_capo != std::string::npos) {
                std::string r = letto.substr(0, a_capo);
                letto.erase(0, a_capo + 1);
                return r;
            }
            pollfd p{lettura, POLLIN, 0};
            if (poll(&p, 1, millisecondi) <= 0)
                return std::nullopt;
            char buf[4096];
            const ssize_t n = read(lettura, buf, sizeof buf);
            if (n <= 0)
                return std::nullopt;
            letto.append(buf, size_t(n));
        }
    }
    int attendi() {
        int stato = 0;
        if (pid > 0 && waitpid(pid, &stato, 0) == pid)
            pid = -1;
        return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    }

private:
    pid_t pid = -1;
    int scrittura = -1, lettura = -1;
    std::string letto;
};

} // namespace

// Through the real executable: the first answer arrives while the input is still open,
// answers keep the order and the line numbers of the requests (blank lines counted), and
// a malformed line in the middle is answered and passed over.
TEST(Batch, StreamsThroughAPipe) {
    ProcessoBatch p;
    ASSERT_TRUE(p.avviato());
    const std::string rate =
        R"({"command":"rate","gas":"R404A","model":"T05","te":-10,"tc":40,"standard":true})";
    p.scrivi(rate + "\n");
    const auto prima = p.riga();
    ASSERT_TRUE(prima) << "no answer before the end of the input";
    EXPECT_EQ(prima->rfind(R"({"Riga":1,"Uscita":0,"ok":true,)", 0), 0u) << *prima;

    p.scrivi(
        "{\"command\":\"rate\",\"gas\":\n"
        "\n" +
        rate.substr(0, rate.size() - 1) + ",\"tc\":52}\n" +
        R"({"command":"select","gas":"R404A","capacity":4500,"te":-10,"tc":40,"standard":true})" +
        "\n");
    const auto seconda = p.riga();
    ASSERT_TRUE(seconda);
    EXPECT_EQ(
        seconda->rfind(R"({"Riga":2,"Uscita":1,"ok":false,"Messaggio":"malformed JSON request)", 0),
        0u)
        << *seconda;
    p.chiudiIngresso();
    const auto terza = p.riga(), quarta = p.riga();
    ASSERT_TRUE(terza && quarta);
    EXPECT_EQ(terza->rfind(R"({"Riga":4,"Uscita":3,"ok":false,"CodiceErrore":2,)", 0), 0u)
        << *terza;
    EXPECT_EQ(quarta->rfind(R"({"Riga":5,"Uscita":0,"ok":true,)", 0), 0u) << *quarta;
    EXPECT_NE(quarta->find(R"("CodiceProdottoInferiore":"T04")"), std::string::npos) << *quarta;
    EXPECT_FALSE(p.riga(5000));
    EXPECT_EQ(p.attendi(), 0);
}

// Whole numbers take a quicker way to text; the text must stay the shortest round trip,
// which switches to the exponent form from 100000 on.
TEST(Json, NumbersAreTheShortestRoundTrip) {
    for (double v : {1.0, -1.0, 42.0, 9999.0, 10000.0, -10000.0, 99999.0, -99999.0, 100000.0,
                     -100000.0, 120000.0, 1e15, 0.5, -10.25, 1e-7, 2.4635330197330005}) {
        char buf[64];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        EXPECT_EQ(ScrittoreJson::testoNumero(v), std::string(buf, r.ptr)) << v;
    }
    EXPECT_EQ(ScrittoreJson::testoNumero(-0.0), "0");
}
