#pragma once
// The refrigerant property library as the engine sees it: the four property functions
// of the library's C interface (status 0 = success, kelvin, result through the last
// pointer), and the bubble pressure that gives a blend's glide. The program hands in the
// real library; tests hand in stubs.

#include <cstdint>
#include <string>

struct LibreriaProprieta {
    int16_t (*p_D)(const char* gas, double T_K, double* p) = nullptr;
    int16_t (*h_L)(const char* gas, double T_K, double* h) = nullptr;
    int16_t (*h_V)(const char* gas, double T_K, double p, double* h) = nullptr;
    int16_t (*V_V)(const char* gas, double T_K, double p, double* v) = nullptr;
    // Pressure at which T is the bubble temperature; null: no refrigerant has a glide.
    int16_t (*p_B)(const char* gas, double T_K, double* p) = nullptr;
};

// Where the engine's messages go: the program maps it to its message service, the
// command-line tool to stderr, tests to a list.
class MessaggiMotore {
public:
    virtual ~MessaggiMotore() = default;
    virtual void mostra(const std::string& testo) = 0;
};
