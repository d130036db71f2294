#include "platform/TestiSchermiExtra.h"

#include <array>

namespace {
using Riga = std::array<const char*, 5>;
// clang-format off
const std::array<Riga, static_cast<size_t>(TestoExtra::Conto)> tabella = {{
    {"Diagramma", "Diagram", "Diagramme", "Diagramm", "Diagrama"},
    {"Punto di funzionamento nel campo di applicazione", "Operating point inside the envelope",
     "Point de fonctionnement dans le champ d'application", "Betriebspunkt im Einsatzbereich",
     "Punto de funcionamiento dentro del campo de aplicación"},
    {"Punto fuori dal campo di applicazione", "Operating point outside the envelope",
     "Point hors du champ d'application", "Betriebspunkt außerhalb des Einsatzbereichs",
     "Punto fuera del campo de aplicación"},
    {"Campo di applicazione non disponibile", "No envelope data",
     "Champ d'application non disponible", "Kein Einsatzbereich vorhanden",
     "Campo de aplicación no disponible"},
    {"Confronto", "Compare", "Comparaison", "Vergleich", "Comparación"},
    {"Compressori da confrontare", "Compressors to compare", "Compresseurs à comparer",
     "Zu vergleichende Kompressoren", "Compresores a comparar"},
    {"Al massimo sei compressori", "At most six compressors", "Six compresseurs au maximum",
     "Höchstens sechs Kompressoren", "Seis compresores como máximo"},
    {"Resa frigorifera", "Cooling capacity", "Puissance frigorifique", "Kälteleistung",
     "Potencia frigorífica"},
    {"Potenza assorbita", "Power input", "Puissance absorbée", "Leistungsaufnahme",
     "Potencia absorbida"},
    {"Corrente assorbita", "Current", "Courant absorbé", "Stromaufnahme", "Corriente absorbida"},
    {"Portata in massa", "Mass flow", "Débit massique", "Massenstrom", "Caudal másico"},
    {"COP", "COP", "COP", "COP", "COP"},
    {"Calore al condensatore", "Heat rejection", "Puissance au condenseur", "Verflüssigerleistung",
     "Calor en el condensador"},
    {"Quota della potenza richiesta", "Share of required capacity",
     "Part de la puissance demandée", "Anteil der geforderten Leistung",
     "Parte de la potencia requerida"},
    {"Potenza richiesta non raggiunta", "Required capacity not reached",
     "Puissance demandée non atteinte", "Geforderte Leistung nicht erreicht",
     "Potencia requerida no alcanzada"},
    {"Stampa", "Print", "Imprimer", "Drucken", "Imprimir"},
    {"Copia", "Copy", "Copier", "Kopieren", "Copiar"},
    {"Salva CSV", "Save CSV", "Enregistrer CSV", "CSV speichern", "Guardar CSV"},
    {"Salva Excel", "Save Excel", "Enregistrer Excel", "Excel speichern", "Guardar Excel"},
    {"CSV con punto decimale", "CSV with decimal point", "CSV avec point décimal",
     "CSV mit Dezimalpunkt", "CSV con punto decimal"},
    {"CSV con separatore locale", "CSV with local separator", "CSV avec séparateur local",
     "CSV mit lokalem Trennzeichen", "CSV con separador local"},
}};
// clang-format on
} // namespace

QString testoExtra(TestoExtra chiave, int indiceLingua) {
    const int i = indiceLingua >= 0 && indiceLingua < 5 ? indiceLingua : 0;
    return QString::fromUtf8(tabella[static_cast<size_t>(chiave)][static_cast<size_t>(i)]);
}
