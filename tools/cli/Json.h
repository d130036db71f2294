#pragma once
// A small writer for the tool's one JSON object: numbers as the shortest text that reads
// back to the same double, non-finite numbers and absent values as null.

#include <optional>
#include <string>

class ScrittoreJson {
public:
    // Room for a rating's answer at once: a batch writes millions of them.
    ScrittoreJson() { out.reserve(2048); }
    ScrittoreJson& apriOggetto(const char* chiave = nullptr);
    ScrittoreJson& chiudiOggetto();
    ScrittoreJson& apriLista(const char* chiave = nullptr);
    ScrittoreJson& chiudiLista();
    ScrittoreJson& numero(const char* chiave, double valore);
    ScrittoreJson& numero(const char* chiave, std::optional<double> valore);
    ScrittoreJson& intero(const char* chiave, long long valore);
    ScrittoreJson& booleano(const char* chiave, bool valore);
    ScrittoreJson& testo(const char* chiave, const std::string& valore);
    ScrittoreJson& nullo(const char* chiave);
    const std::string& risultato() const { return out; }

    static std::string testoNumero(double valore);
    static std::string virgolette(const std::string& testo);

private:
    void chiave(const char* nome);
    static void aggiungiVirgolette(std::string& s, const char* testo, size_t n);
    // Appended to directly: a batch writes millions of objects.
    std::string out;
    // One flag per open object or list: nothing written in it yet (no allocation for the
    // few levels a command writes).
    std::string primo = std::string(1, '1');
};
