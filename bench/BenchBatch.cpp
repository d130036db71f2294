// selcomp-cli batch on one core: requests made on the fly (nothing stored), answers
// counted and dropped; ratings per second and peak memory. Run by hand:
//   build/bin/bench_batch [standard|corrected|select] [lines]
// The per-process figure to compare with: time one `selcomp-cli rate` per request;
// through the executable and a pipe: bench_batch_pipe.

#include "bench/RichiesteBatch.h"
#include "tools/cli/Comandi.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <random>
#include <streambuf>
#include <string>

namespace {

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
    bench::Richieste sorgente(tipo, n);
    Scarico scarico;
    std::istream in(&sorgente);
    std::ostream out(&scarico);
    const auto inizio = std::chrono::steady_clock::now();
    const int codice = eseguiCli({"batch"}, in, out, std::cerr, SELCOMP_RUNTIME_DIR);
    const double secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    // CPU time too: on a shared machine the wall clock counts the neighbours' work.
    const double cpu = double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
                       double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    std::printf("%s: %lld requests, %lld answers, %.2f s wall (%.0f/s), %.2f s CPU (%.0f/s), "
                "peak RSS %ld MiB, exit %d\n",
                tipo.c_str(), n, scarico.righe, secondi, n / secondi, cpu, n / cpu,
                u.ru_maxrss / 1024, codice);
    return codice;
}
