#pragma once
// Texts written in the sources ("°C", "ΔT") are UTF-8; this says so where they become
// QStrings.

#include <QString>

inline QString u(const char* t) {
    return QString::fromUtf8(t);
}
