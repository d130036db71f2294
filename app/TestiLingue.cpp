#include "app/TestiLingue.h"

namespace {
// clang-format off
const std::array<TestiLingua, NumeroLingue> tabella = {{
    {{"&File", "&Selezione stampante", "&Uscita", "&Archivi", "&Caratteristiche tecniche",
      "&Elenco compressori", "&Calcoli", "&Selezione compressore", "&Calcoli su compressore",
      "&Stampe", "&Lingua", "&Garanzie", "&?", "&Informazioni"},
     "Didaz S.p.A. - Selezione Compressori ",
     "Premere il pulsante 'K' per visualizzare i dati del compressore.",
     "Importante: leggere sempre le Note!",
     {"Caratteristiche tecniche", "Lista compressori", "Calcoli su compressore ",
      "Selezione compressore ", "Informazioni", "Tensioni", "Note", "Ingombri", "Accessori",
      "Risultati ", "Esegui", "Tutti i GAS"},
     "&Avvio"},
    {{"&File", "&Printers...", "E&xit", "&Catalogue", "&Technicals Characteristics",
      "&Compressors List", "&Calculation", "Compressor &selection", "Compressor &calculation",
      "&Printout", "&Language", "&Warranty", "&Help", "&About ..."},
     "Didaz S.p.A. -  Compressor Selection",
     "Press the 'K' button to access the compressors data.",
     "IMPORTANT: Always read the notes!",
     {"Technical Characteristics", "Compressors List", "Compressor calculation ",
      "Compressor selection ", "About...", "Supply voltages", "Notes", "Overall dimensions",
      "Accessories", "Results ", "GO !", "All GAS"},
     "&Start"},
    {{"&Fichier", "S&élection Imprimante", "&Quitter", "C&atalogue", "&Caractéristiques",
      "&Liste des compresseurs", "&Calculs", "&Sélection d'un compresseur",
      "&Calcul pour un compresseur", "&Impression", "&Langue", "&Garanties", "&?",
      "&A propos de ..."},
     "Didaz S.p.A. -  Sélection des Compresseurs",
     "Appuyer sur la touche 'K' pour le donnèes du compresseur.",
     "IMPORTANT: Lisez toujours les notes",
     {"Caractéristiques", "Liste des compresseurs", "Calcul pour un compresseur",
      "Sélection d'un compresseur", "A propos de ...", "Tensions optionelles", "Notes",
      "Caractéristiques dimensionelles", "Accessories", "Resultats ", "Execute !",
      "Tous les réfrigérants"},
     "&Démarrer"},
    {{"&Datei", "&Selezione stampante", "B&eenden", "Ka&talog", "&Charakteristiken",
      "&Liste der Kompressoren", "&Kalculation", "Kompressor&auswahl", "Kompressorka&lculation",
      "&Stampe", "Spr&ache", "&Garantiebedingungen", "&Hilfe", "&Informationen"},
     "Didaz S.p.A. - Kompressor Auswahl ",
     "Drücken Sie das Bild K, um die Kompressordaten anzegeigt zu bekommen",
     "Wichtig: Lesen Sie bitte immer die Anmerkungen!",
     {"technische Charakteristiken", "Liste der Kompressoren", "Kompressorkalculation ",
      "Kompressorauswahl", "Informationen", "Spannungen", "Anmerkungen", "Abmessungen",
      "Zugehör", "Resultate", "Start", "alle Kältemittel"},
     "&Start"},
    {{"&File", "&Seleccion de imprimante", "Sa&lida", "&Archivos", "&Características técnicas",
      "&Lista de Compresores", "&Cálculos", "&Selección de Compressor",
      "&Càlculos sobre un compresor", "&Impresion", "&Lenguas", "&Garantia", "&?",
      "&Informaciónes"},
     "Didaz S.p.A. - Selección de Compressor ",
     "Pulsando sobre 'K' se obtiene las caracteristicas del Compresor.",
     "Importante: Leye siempre las Notas!",
     {"Características técnicas", "Lista de Compresores", "Cálculos sobre un compresor ",
      "Selección de Compressor ", "Informaciones", "voltajes", "Datos Tecnicos", "Dimensiónes",
      "Accesorios", "Resultados ", "Seguir", "todos los GAS"},
     nullptr},
}};
// clang-format on
} // namespace

const std::array<const char*, 11> DidascalieIniziali = {"Caratteristiche tecniche",
                                                        "Lista compressori",
                                                        "Calcoli su compressore ",
                                                        "Selezione compressore ",
                                                        "Informazioni",
                                                        "Tensioni",
                                                        "Note",
                                                        "Ingombri",
                                                        "Accessori",
                                                        "Risultati ",
                                                        "Esegui"};

const std::array<const char*, NumeroLingue> NomiLingue = {"&Italiano", "&English", "&Français",
                                                          "&Deutsch", "E&spañol"};

const TestiLingua& testiLingua(int indice) {
    return tabella.at(indice);
}

QString fileGaranzia(int indice) {
    // Spanish has no warranty text of its own and shows the English one.
    static const char* nomi[NumeroLingue] = {"GARAITA.DAT", "GARAENG.DAT", "GARAFRA.DAT",
                                             "GARATED.DAT", "GARAENG.DAT"};
    return nomi[indice];
}
