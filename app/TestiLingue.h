#pragma once
// Captions built into the program, by language (0 Italian, 1 English, 2 French,
// 3 German, 4 Spanish). All other labels come from the catalogue's table Lingue.

#include <QString>
#include <array>

inline constexpr int NumeroLingue = 5;

// Menu entries, in the order of the menu arrays.
enum class VoceMenu {
    File,               // Men0(0)
    SelezioneStampante, // Men01(0)
    Uscita,             // Men01(1)
    Archivi,            // Men0(1)
    Caratteristiche,    // Men2(0)
    ElencoCompressori,  // Men2(1)
    Calcoli,            // Men0(2)
    SelezioneCompr,     // Men3(0)
    CalcoliCompr,       // Men3(1)
    Stampe,             // Men0(3)
    Lingua,             // Men0(4)
    Garanzie,           // Men0(5)
    Aiuto,              // Men0(6)
    Informazioni,       // Men5(0)
};
inline constexpr int NumeroVociMenu = 14;

struct TestiLingua {
    std::array<const char*, NumeroVociMenu> menu;
    const char* titoloPrincipale;
    const char* infoK1;
    const char* infoK2;
    std::array<const char*, 12> didascalie;
    const char* pulsanteAvvio; // nullptr: the start button keeps its design caption
};

const TestiLingua& testiLingua(int indice);

// The Italian defaults of caption slots 0..10 set before the language is applied.
extern const std::array<const char*, 11> DidascalieIniziali;

// Language entries Men4(0..4), the same in every language.
extern const std::array<const char*, NumeroLingue> NomiLingue;

// Warranty text file of a language, beside the catalogue.
QString fileGaranzia(int indice);

inline QString testo(const char* t) {
    return QString::fromUtf8(t);
}
