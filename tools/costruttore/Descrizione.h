#pragma once
// The readable description of a compressor range from which the catalogue builder
// computes the catalogue: sections "[generale]", "[gas <code>]", "[serie <name>]" and
// "[modello <code>]" holding "key = value" lines; "#" starts a comment.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// Condensing bands of the envelope: 30, 35, ... 70 degC.
constexpr int kBande = 9;
inline int bandaTC(int i) {
    return 30 + 5 * i;
}

struct FasciaTE {
    double teMin = 0, teMax = 0;
};

struct DatiGenerali {
    double esponente = 1.15;     // polytropic exponent of the clearance gas re-expansion
    double etaMassimo = 0.69;    // isentropic efficiency at the best pressure ratio
    double rapportoOttimo = 3.2; // best pressure ratio
    double caloEta = 0.10;       // eta = etaMassimo (1 - caloEta ln^2(pi / rapportoOttimo))
    double tensione = 400;       // V, three-phase motor of the motor tables
    double cosFiPieno = 0.84;    // power factor at the top of the motor table
    double caloCosFi = 0.3;      // cos phi = cosFiPieno - caloCosFi (1 - P / Ptop)^2
    double margineMotore = 1.2;  // top of the motor table over the largest power input
    double fattoreFLA = 1.12;    // full-load current over the current at the largest power input
    double passoTE = 2.5;        // K, grid step of evaporating temperature
    double limiteRms = 0.01;     // largest rms deviation of a fit accepted
    QList<QPair<double, double>> puntiUsuali; // TE/TC where capacity must rise along Ordinamento
    double quotaScarico = 0.6; // share of the work beyond the isentropic that heats the gas
    double surriscaldamentoScarico =
        10; // K: suction superheat at which the discharge limit is checked
};

// A plausible band of a figure, lowest..highest.
struct Banda {
    double minimo = 0, massimo = 0;
};

struct GasDescritto {
    QString codice, nomeDis;
    double tuestd = 20, dtSurEvap = 20, dtSot = 0;
    int flAZ = -1, flSeleYes = -1;
    std::array<std::optional<FasciaTE>, kBande> inviluppo;
    // At -10/40 degC: capacity per displacement (kW per m3/h at 50 Hz) and COP.
    std::optional<Banda> resaVolumetrica, cop;
    // degC at the discharge line: hotter points leave the envelope. Only where the section
    // names it: the envelopes the catalogue already publishes stay as published.
    std::optional<double> limiteScarico;
    int riga = 0;
};

struct SerieDescritta {
    QString nome;
    int cilindri = 0;
    QStringList gas;
    QString tensione, immagine;
    int bk8 = 0;
    QList<QPair<QString, int>> opzioni; // option code, flStandard
    double spazioNocivo = 0.04;         // clearance volume over the swept volume
    double riempimento = 0.83;          // suction heating, valve throttling and leakage
    double rendimentoMotore = 0.88;
    double rapportoLRA = 5.2; // locked-rotor over full-load current
    int riga = 0;
};

struct ModelloDescritto {
    QString codice, serie;
    double alesaggio = 0, corsa = 0, giri = 1450; // mm, mm, rpm at 50 Hz
    std::optional<double> spazioNocivo;           // the series' value unless given
    QString rubinettoAspirazione, rubinettoScarico;
    double olio = 0, peso = 0;
    QString motore;                  // motor code; "M-" + code unless given
    bool tabellaMotore = true;       // false: wound to order, no motor table in the catalogue
    std::optional<QString> immagine; // the series' picture unless given; an empty text is Null
    int riga = 0;
};

struct Gamma {
    DatiGenerali generali;
    QList<GasDescritto> gas;
    QList<SerieDescritta> serie;
    QList<ModelloDescritto> modelli; // in the order of Ordinamento
    const GasDescritto* trovaGas(const QString& codice) const;
    const SerieDescritta* trovaSerie(const QString& nome) const;
};

// Reads the description; false and "line N: reason" on the first fault.
bool leggiDescrizione(const QString& testo, Gamma* gamma, QString* errore);
