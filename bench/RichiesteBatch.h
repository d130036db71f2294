#pragma once
// The generated requests of the batch benchmarks: the same lines in process and through
// the executable, so the two figures compare.

#include <cstdio>
#include <random>
#include <streambuf>
#include <string>

namespace bench {

// One request line of kind standard, corrected or select.
class GeneratoreRichieste {
public:
    explicit GeneratoreRichieste(std::string tipo) : tipo(std::move(tipo)) {}
    std::string prossima() {
        static const char* const modelli[] = {"2DZ-005", "2DZ-009", "4DZ-032", "4DZ-039"};
        const int te = -30 + int(g() % 31), tc = 30 + int(g() % 21);
        char buf[256];
        if (tipo == "select")
            std::snprintf(
                buf, sizeof buf,
                "{\"command\":\"select\",\"gas\":\"R404A\",\"capacity\":%d,\"te\":%d,\"tc\":%d,"
                "\"standard\":true}\n",
                1000 + int(g() % 30000), te, tc);
        else if (tipo == "corrected")
            // Pure R134a and pseudo-pure R507A; conditions repeat as in a plant study.
            std::snprintf(
                buf, sizeof buf,
                "{\"command\":\"rate\",\"gas\":\"%s\",\"model\":\"%s\",\"te\":%d,\"tc\":%d,"
                "\"tu\":%d,\"ta\":%d,\"tl\":%d}\n",
                g() % 2 ? "R134a" : "R507A", modelli[g() % 4], te / 5 * 5, tc / 5 * 5,
                te / 5 * 5 + 5, 10 + 5 * int(g() % 3), tc / 5 * 5 - 5);
        else
            std::snprintf(
                buf, sizeof buf,
                "{\"command\":\"rate\",\"gas\":\"R404A\",\"model\":\"%s\",\"te\":%d,\"tc\":%d,"
                "\"standard\":true}\n",
                modelli[g() % 4], te, tc);
        return buf;
    }

private:
    std::string tipo;
    std::mt19937 g{12900};
};

// An input stream whose lines are written as they are read.
class Richieste : public std::streambuf {
public:
    Richieste(std::string tipo, long long n) : generatore(std::move(tipo)), n(n) {}

protected:
    int_type underflow() override {
        if (fatte >= n)
            return traits_type::eof();
        riga.clear();
        for (int i = 0; i < 256 && fatte < n; ++i, ++fatte)
            riga += generatore.prossima();
        setg(riga.data(), riga.data(), riga.data() + riga.size());
        return traits_type::to_int_type(riga[0]);
    }

private:
    GeneratoreRichieste generatore;
    long long n, fatte = 0;
    std::string riga;
};

} // namespace bench
