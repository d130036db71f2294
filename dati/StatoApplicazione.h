#pragma once
// The program's shared state: one object, made at start-up and handed to every
// screen. Screens communicate only through it and through the catalogue.

#include "engine/Stato.h"

#include <QString>
#include <QStringList>

class Catalogo;

// Values read from and written to the settings store at start-up.
struct Impostazioni {
    int16_t Debug = 0;
    QString PercorsoDatabase; // folder of the catalogue, no trailing separator
    QString NomeFileDatabase = "\\zodirara.mdb";
    QString testoLingua = "0";       // text of "LinguaSelezionata"
    QString testoAirCondition = "0"; // text of "AirCondition"
    int16_t ModoCondizionamento = 0;
    int16_t LimiteMinTC = 30, LimiteMaxTC = 70, LimiteMinTE = -40, LimiteMaxTE = 20;
    QString VersioneProgramma;
    QString DataRilascio = "25/09/2003";
    bool archivioGuasto = false; // the settings failure was already shown this run
};

// The user-interface language.
struct StatoLingua {
    int16_t IndiceLingua = 0;
    QStringList Didascalie = QStringList(QVector<QString>(12));
    QString MessaggioInfoK;
    // Labels of the optional temperature fields: 0..2 absolute, 3..5 differential.
    QStringList EtichetteCondizioni = QStringList(QVector<QString>(6));
};

// What the catalogue screens treat as current (the current model is motore.codiceProdottoCorrente).
struct StatoSchermi {
    bool AvvioConfermato = false;
    QString CodiceGasCorrente;
    bool bCalcoloSingolo = false;
    int16_t TipoElencoOpzioni = 0;
    QString ImmagineIngombri;
    QString NomeDis;
    bool RiferimentoBolla = false;
    bool bk8 = false;
};

struct StatoApplicazione {
    Impostazioni impostazioni;
    StatoLingua lingua;
    StatoMotore motore;
    StatoSchermi schermi;
    Catalogo* catalogo = nullptr; // open catalogue, or null when it could not be opened
    QString cartellaProgramma;    // where the program, its Reflibs and its pictures live

    QString percorsoCatalogo() const {
        return impostazioni.PercorsoDatabase + impostazioni.NomeFileDatabase;
    }
};
