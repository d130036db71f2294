#pragma once
// Captions of the engineers' screens (envelope diagram, comparison, export) that the
// catalogue's Lingue table has no key for, in the five languages (0 Italian, 1 English,
// 2 French, 3 German, 4 Spanish).

#include <QString>

enum class TestoExtra {
    Diagramma,       // button showing the envelope diagram
    DentroInviluppo, // the point lies inside
    FuoriInviluppo,  // the point lies outside
    NessunInviluppo, // the record has no envelope columns
    Confronto,       // comparison window and its button
    Scelta,          // the pick list of the comparison
    MassimoSei,      // "at most six" hint
    Resa,
    Potenza,
    Corrente,
    Portata,
    COP,
    Calore,
    QuotaRichiesta, // share of the required capacity reached
    RichiestaNonRaggiunta,
    Stampa,
    Copia,
    SalvaCsv,
    SalvaXlsx,
    SeparatorePunto,  // CSV with a point as decimal separator
    SeparatoreLocale, // CSV with the locale's decimal separator
    Conto
};

QString testoExtra(TestoExtra chiave, int indiceLingua);
