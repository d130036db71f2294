#include "tools/cli/TestiCli.h"

namespace {
const char* const testi[][5] = {
    {"Impossibile aprire il catalogo", "Cannot open the catalogue",
     "Impossible d'ouvrir le catalogue", "Katalog kann nicht geöffnet werden",
     "No se puede abrir el catálogo"},
    {"Refrigerante sconosciuto:", "Unknown refrigerant:", "Réfrigérant inconnu :",
     "Unbekanntes Kältemittel:", "Refrigerante desconocido:"},
    {"Refrigerante non previsto per la selezione:", "Refrigerant not offered for selection:",
     "Réfrigérant non prévu pour la sélection :", "Kältemittel nicht für die Auswahl vorgesehen:",
     "Refrigerante no previsto para la selección:"},
    {"Modello sconosciuto per questo refrigerante:", "Unknown model for this refrigerant:",
     "Modèle inconnu pour ce réfrigérant :", "Unbekanntes Modell für dieses Kältemittel:",
     "Modelo desconocido para este refrigerante:"},
    {"Valore non numerico per", "Not a number for", "Valeur non numérique pour",
     "Kein Zahlenwert für", "Valor no numérico para"},
    {"Attenzione non risulta configurata la directory dei refrigeranti  ! il programma potrebbe "
     "non eseguire i calcoli sui refrigeranti !",
     "Warning: the refrigerant data folder is not configured! Refrigerant calculations may fail!",
     "Attention : le dossier des réfrigérants n'est pas configuré ! Les calculs peuvent échouer !",
     "Achtung: Der Kältemittelordner ist nicht eingerichtet! Die Berechnungen können fehlschlagen!",
     "Atención: ¡la carpeta de refrigerantes no está configurada! ¡Los cálculos pueden fallar!"},
    {"Errore di calcolo", "Calculation error", "Erreur de calcul", "Rechenfehler",
     "Error de cálculo"},
    {"Tensione non prevista per questo modello:", "Supply voltage not offered for this model:",
     "Tension non prévue pour ce modèle :", "Spannung für dieses Modell nicht vorgesehen:",
     "Tensión no prevista para este modelo:"},
};
} // namespace

std::string testoCli(TestoCli testo, int lingua) {
    if (lingua < 0 || lingua > 4)
        lingua = 0;
    return testi[static_cast<int>(testo)][lingua];
}
