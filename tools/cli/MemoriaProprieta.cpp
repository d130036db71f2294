#include "tools/cli/MemoriaProprieta.h"

#include <cstring>
#include <functional>
#include <string>
#include <unordered_map>

namespace {

struct Chiave {
    std::string gas;
    double T = 0, p = 0;
    bool operator==(const Chiave& o) const { return T == o.T && p == o.p && gas == o.gas; }
};

struct HashChiave {
    size_t operator()(const Chiave& k) const {
        size_t h = std::hash<std::string>()(k.gas);
        h ^= std::hash<double>()(k.T) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
        h ^= std::hash<double>()(k.p) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
        return h;
    }
};

struct Risposta {
    int16_t stato = 0;
    double valore = 0;
};

using Tabella = std::unordered_map<Chiave, Risposta, HashChiave>;

constexpr size_t MassimoRisposte = 200000;

struct Memoria {
    LibreriaProprieta vera;
    Tabella p_D, h_L, h_V, V_V, p_B;
    ContaMemoria conta;
};

Memoria& memoria() {
    static Memoria m;
    return m;
}

// The key object is reused so a hit costs no allocation once the gas text has room.
template <class Chiama>
int16_t ricorda(Tabella& t, const char* gas, double T, double p, double* r, Chiama&& chiama) {
    thread_local Chiave k;
    k.gas.assign(gas ? gas : "");
    k.T = T;
    k.p = p;
    Memoria& m = memoria();
    if (auto it = t.find(k); it != t.end() && r) {
        ++m.conta.ricordate;
        *r = it->second.valore;
        return it->second.stato;
    }
    ++m.conta.calcolate;
    // Only answers that succeeded are kept: a failure may depend on what the caller left
    // in the result, and failures are rare enough to ask again.
    const int16_t stato = chiama(r);
    if (stato != 0 || !r || !gas)
        return stato;
    if (t.size() >= MassimoRisposte)
        t.clear();
    t.emplace(k, Risposta{stato, *r});
    return stato;
}

int16_t ricordaPD(const char* gas, double T, double* p) {
    return ricorda(memoria().p_D, gas, T, 0, p,
                   [&](double* r) { return memoria().vera.p_D(gas, T, r); });
}
int16_t ricordaHL(const char* gas, double T, double* h) {
    return ricorda(memoria().h_L, gas, T, 0, h,
                   [&](double* r) { return memoria().vera.h_L(gas, T, r); });
}
int16_t ricordaHV(const char* gas, double T, double p, double* h) {
    return ricorda(memoria().h_V, gas, T, p, h,
                   [&](double* r) { return memoria().vera.h_V(gas, T, p, r); });
}
int16_t ricordaVV(const char* gas, double T, double p, double* v) {
    return ricorda(memoria().V_V, gas, T, p, v,
                   [&](double* r) { return memoria().vera.V_V(gas, T, p, r); });
}

int16_t ricordaPB(const char* gas, double T, double* p) {
    return ricorda(memoria().p_B, gas, T, 0, p,
                   [&](double* r) { return memoria().vera.p_B(gas, T, r); });
}

} // namespace

LibreriaProprieta libreriaRicordata(const LibreriaProprieta& vera) {
    // Called once the library has its fluids: what was remembered before may come from
    // another data folder.
    Memoria& m = memoria();
    m.vera = vera;
    m.p_D.clear();
    m.h_L.clear();
    m.h_V.clear();
    m.V_V.clear();
    m.p_B.clear();
    return {ricordaPD, ricordaHL, ricordaHV, ricordaVV, vera.p_B ? ricordaPB : nullptr};
}

ContaMemoria contaMemoriaProprieta() {
    return memoria().conta;
}
