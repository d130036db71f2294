// selcomp-cli batch end to end: the executable started as a child, generated requests
// written into its standard input by one thread while the answers are read from its
// standard output, as a script or a configurator would drive it. Run by hand:
//   build/bin/bench_batch_pipe [standard|corrected|select] [lines]
// Wall time, the child's CPU time and its peak memory (nothing is stored on either side).

#include "bench/RichiesteBatch.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    const std::string tipo = argc > 1 ? argv[1] : "standard";
    const long long n = argc > 2 ? std::atoll(argv[2]) : 1000000;
    std::signal(SIGPIPE, SIG_IGN);
    int ingresso[2], uscita[2];
    if (pipe(ingresso) != 0 || pipe(uscita) != 0)
        return 2;
    const auto inizio = std::chrono::steady_clock::now();
    const pid_t figlio = fork();
    if (figlio == 0) {
        dup2(ingresso[0], 0);
        dup2(uscita[1], 1);
        close(ingresso[0]), close(ingresso[1]), close(uscita[0]), close(uscita[1]);
        execl(SELCOMP_CLI, SELCOMP_CLI, "batch", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ingresso[0]);
    close(uscita[1]);

    std::thread scrittore([&] {
        bench::GeneratoreRichieste g(tipo);
        std::string blocco;
        for (long long i = 0; i < n;) {
            blocco.clear();
            for (int k = 0; k < 512 && i < n; ++k, ++i)
                blocco += g.prossima();
            for (size_t fatto = 0; fatto < blocco.size();) {
                const ssize_t w = write(ingresso[1], blocco.data() + fatto, blocco.size() - fatto);
                if (w <= 0)
                    return;
                fatto += size_t(w);
            }
        }
        close(ingresso[1]);
    });

    long long righe = 0, byte = 0, primaRisposta = -1;
    char buf[1 << 16];
    for (ssize_t r; (r = read(uscita[0], buf, sizeof buf)) > 0;) {
        if (primaRisposta < 0)
            primaRisposta = std::chrono::duration_cast<std::chrono::microseconds>(
                                std::chrono::steady_clock::now() - inizio)
                                .count();
        byte += r;
        righe += std::count(buf, buf + r, '\n');
    }
    scrittore.join();
    int stato = 0;
    rusage u{};
    wait4(figlio, &stato, 0, &u);
    const double secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    // CPU time of the child alone: on a shared machine the wall clock counts the
    // neighbours' work, and the generator's share is this process's.
    const double cpu = double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
                       double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    std::printf(
        "%s through the pipe: %lld requests, %lld answers (%.0f MiB), %.2f s wall (%.0f/s), "
        "child %.2f s CPU (%.0f/s), child peak RSS %ld MiB, first answer after %.1f ms, exit %d\n",
        tipo.c_str(), n, righe, double(byte) / (1 << 20), secondi, double(n) / secondi, cpu,
        double(n) / cpu, u.ru_maxrss / 1024, double(primaRisposta) / 1000,
        WIFEXITED(stato) ? WEXITSTATUS(stato) : -1);
    return righe == n && WIFEXITED(stato) && WEXITSTATUS(stato) == 0 ? 0 : 1;
}
