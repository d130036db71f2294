// selcomp-cli batch on one core: requests made on the fly (nothing stored), answers
// counted and dropped; ratings per second and peak memory. Run by hand:
//   build/bin/bench_batch [standard|corrected|select] [lines]
// The per-process figure to compare with: time one `selcomp-cli rate` per request.

#include "tools/cli/Comandi.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <cstdio>
#include <cstring>
#include <random>
#include <streambuf>
#include <string>

namespace {

// An input stream whose lines are written as they are read.
class Richieste : public std::streambuf {
public:
    Richieste(std::string tipo, long long n) : tipo(std::move(tipo)), n(n) {}

protected:
    int_type underflow() override {
        if (fatte >= n) return traits_type::eof();
        riga.clear();
        for (int i = 0; i < 256 && fatte < n; ++i, ++fatte) riga += prossima();
        setg(riga.data(), riga.data(), riga.data() + riga.size());
        return traits_type::to_int_type(riga[0]);
    }

private:
    std::string prossima() {
        static const char* const modelli[] = {"2DZ-005", "2DZ-009", "4DZ-032", "4DZ-039"};
        const int te = -30 + int(g() % 31), tc = 30 + int(g() % 21);
        char buf[256];
        if (tipo == "select")
            std::snprintf(buf, sizeof buf,
                          "{\"command\":\"select\",\"gas\":\"R404A\",\"capacity\":%d,\"te\":%d,\"tc\":%d,"
                          "\"standard\":true}\n",
                          1000 + int(g() % 30000), te, tc);
        else if (tipo == "corrected")
            // Pure R134a and pseudo-pure R507A; conditions repeat as in a plant study.
            std::snprintf(buf, sizeof buf,
                          "{\"command\":\"rate\",\"gas\":\"%s\",\"model\":\"%s\",\"te\":%d,\"tc\":%d,"
                          "\"tu\":%d,\"ta\":%d,\"tl\":%d}\n",
                          g() % 2 ? "R134a" : "R507A", modelli[g() % 4], te / 5 * 5, tc / 5 * 5,
                          te / 5 * 5 + 5, 10 + 5 * int(g() % 3), tc / 5 * 5 - 5);
        else
            std::snprintf(buf, sizeof buf,
                          "{\"command\":\"rate\",\"gas\":\"R404A\",\"model\":\"%s\",\"te\":%d,\"tc\":%d,"
                          "\"standard\":true}\n",
                          modelli[g() % 4], te, tc);
        return buf;
    }
    std::string tipo;
    long long n, fatte = 0;
    std::string riga;
    std::mt19937 g{12900};
};

class Scarico : public std::streambuf {
public:
    long long byte = 0, righe = 0;

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        byte += n;
        righe += std::count(s, s + n, '\n');
        return n;
    }
    int_type overflow(int_type c) override {
        ++byte;
        righe += c == '\n';
        return c;
    }
};

} // namespace

int main(int argc, char** argv) {
    const std::string tipo = argc > 1 ? argv[1] : "standard";
    const long long n = argc > 2 ? std::atoll(argv[2]) : 1000000;
    Richieste sorgente(tipo, n);
    Scarico scarico;
    std::istream in(&sorgente);
    std::ostream out(&scarico);
    const auto inizio = std::chrono::steady_clock::now();
    const int codice = eseguiCli({"batch"}, in, out, std::cerr, SELCOMP_RUNTIME_DIR);
    const double secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    // CPU time too: on a shared machine the wall clock counts the neighbours' work.
    const double cpu = double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
                       double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    std::printf("%s: %lld requests, %lld answers, %.2f s wall (%.0f/s), %.2f s CPU (%.0f/s), "
                "peak RSS %ld MiB, exit %d\n",
                tipo.c_str(), n, scarico.righe, secondi, n / secondi, cpu, n / cpu, u.ru_maxrss / 1024,
                codice);
    return codice;
}
