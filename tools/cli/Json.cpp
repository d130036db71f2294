#include "tools/cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::string ScrittoreJson::testoNumero(double v) {
    if (!std::isfinite(v)) return "null";
    if (v == 0) return "0";
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string ScrittoreJson::virgolette(const std::string& t) {
    std::string s = "\"";
    for (unsigned char c : t) {
        switch (c) {
        case '"': s += "\\\""; break;
        case '\\': s += "\\\\"; break;
        case '\n': s += "\\n"; break;
        case '\r': s += "\\r"; break;
        case '\t': s += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                s += buf;
            } else {
                s += char(c);
            }
        }
    }
    return s + "\"";
}

void ScrittoreJson::chiave(const char* nome) {
    if (!primo.back()) out << ",";
    primo.back() = false;
    if (nome) out << virgolette(nome) << ":";
}

ScrittoreJson& ScrittoreJson::apriOggetto(const char* k) {
    chiave(k);
    out << "{";
    primo.push_back(true);
    return *this;
}
ScrittoreJson& ScrittoreJson::chiudiOggetto() {
    out << "}";
    primo.pop_back();
    return *this;
}
ScrittoreJson& ScrittoreJson::apriLista(const char* k) {
    chiave(k);
    out << "[";
    primo.push_back(true);
    return *this;
}
ScrittoreJson& ScrittoreJson::chiudiLista() {
    out << "]";
    primo.pop_back();
    return *this;
}
ScrittoreJson& ScrittoreJson::numero(const char* k, double v) {
    chiave(k);
    out << testoNumero(v);
    return *this;
}
ScrittoreJson& ScrittoreJson::numero(const char* k, std::optional<double> v) {
    return v ? numero(k, *v) : nullo(k);
}
ScrittoreJson& ScrittoreJson::intero(const char* k, long long v) {
    chiave(k);
    out << v;
    return *this;
}
ScrittoreJson& ScrittoreJson::booleano(const char* k, bool v) {
    chiave(k);
    out << (v ? "true" : "false");
    return *this;
}
ScrittoreJson& ScrittoreJson::testo(const char* k, const std::string& v) {
    chiave(k);
    out << virgolette(v);
    return *this;
}
ScrittoreJson& ScrittoreJson::nullo(const char* k) {
    chiave(k);
    out << "null";
    return *this;
}
