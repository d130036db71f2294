#include "tools/cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
void aggiungiNumero(std::string& s, double v) {
    if (!std::isfinite(v)) {
        s += "null";
    } else if (v == 0) {
        s += '0';
    } else if (v == std::trunc(v) && std::fabs(v) < 1e5) {
        // Whole numbers below 100000 are their digits in the shortest form too (the
        // exponent form is never shorter), and printed as integers they cost far less.
        char buf[16];
        auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long>(v));
        s.append(buf, r.ptr);
    } else {
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        s.append(buf, r.ptr);
    }
}
} // namespace

std::string ScrittoreJson::testoNumero(double v) {
    std::string s;
    aggiungiNumero(s, v);
    return s;
}

void ScrittoreJson::aggiungiVirgolette(std::string& s, const char* t, size_t n) {
    s += '"';
    size_t inizio = 0;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(t[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        s.append(t + inizio, i - inizio);
        inizio = i + 1;
        switch (c) {
        case '"':
            s += "\\\"";
            break;
        case '\\':
            s += "\\\\";
            break;
        case '\n':
            s += "\\n";
            break;
        case '\r':
            s += "\\r";
            break;
        case '\t':
            s += "\\t";
            break;
        default: {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            s += buf;
        }
        }
    }
    s.append(t + inizio, n - inizio);
    s += '"';
}

std::string ScrittoreJson::virgolette(const std::string& t) {
    std::string s;
    aggiungiVirgolette(s, t.data(), t.size());
    return s;
}

void ScrittoreJson::chiave(const char* nome) {
    if (primo.back() == '0')
        out += ',';
    primo.back() = '0';
    if (nome) {
        aggiungiVirgolette(out, nome, std::strlen(nome));
        out += ':';
    }
}

ScrittoreJson& ScrittoreJson::apriOggetto(const char* k) {
    chiave(k);
    out += '{';
    primo.push_back('1');
    return *this;
}
ScrittoreJson& ScrittoreJson::chiudiOggetto() {
    out += '}';
    primo.pop_back();
    return *this;
}
ScrittoreJson& ScrittoreJson::apriLista(const char* k) {
    chiave(k);
    out += '[';
    primo.push_back('1');
    return *this;
}
ScrittoreJson& ScrittoreJson::chiudiLista() {
    out += ']';
    primo.pop_back();
    return *this;
}
ScrittoreJson& ScrittoreJson::numero(const char* k, double v) {
    chiave(k);
    aggiungiNumero(out, v);
    return *this;
}
ScrittoreJson& ScrittoreJson::numero(const char* k, std::optional<double> v) {
    return v ? numero(k, *v) : nullo(k);
}
ScrittoreJson& ScrittoreJson::intero(const char* k, long long v) {
    chiave(k);
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
    return *this;
}
ScrittoreJson& ScrittoreJson::booleano(const char* k, bool v) {
    chiave(k);
    out += v ? "true" : "false";
    return *this;
}
ScrittoreJson& ScrittoreJson::testo(const char* k, const std::string& v) {
    chiave(k);
    aggiungiVirgolette(out, v.data(), v.size());
    return *this;
}
ScrittoreJson& ScrittoreJson::nullo(const char* k) {
    chiave(k);
    out += "null";
    return *this;
}
