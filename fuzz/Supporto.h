#pragma once
// Shared by the fuzz targets: the input as text, a failed property as a crash.

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// The input as UTF-8 (invalid sequences become replacement characters, as in a file).
inline QString testoDa(const uint8_t* dati, size_t n) {
    return QString::fromUtf8(reinterpret_cast<const char*>(dati), qsizetype(n));
}

// A double taken from the first 8 bytes (any bit pattern: NaN, infinities, subnormals).
inline double doubleDa(const uint8_t*& dati, size_t& n) {
    double x = 0;
    if (n >= sizeof x) {
        std::memcpy(&x, dati, sizeof x);
        dati += sizeof x;
        n -= sizeof x;
    }
    return x;
}

#define PROPRIETA(cond, ...)                                                                       \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "property failed: %s\n", #cond);                                  \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fprintf(stderr, "\n");                                                            \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
