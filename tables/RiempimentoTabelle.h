#pragma once
// Writing the four performance tables into the working tables tmpWR/tmpWA/tmpCA/tmpPM
// of the catalogue, and the envelope they are computed over.
//
// Two ways, same contents:
//   scriviTabelle()      one transaction (empty, then one insert per row with its
//                        values) and one refresh per data source;
//   scriviPerCella()     the legacy way: one insert and one refresh per row and table,
//                        then one Update statement and one refresh per cell. Kept for the
//                        benchmark that measures what the first one saves.

#include "engine/Condizioni.h"
#include "engine/Tabelle.h"

#include <QString>
#include <array>

class Catalogo;
class SorgenteDati;
struct Istantanea;
struct RigaCompressore;

// Record sources of the working tables, capacity, power input, current, mass flow.
inline const std::array<QString, 4> TabelleLavoro = {"tmpWR", "tmpWA", "tmpCA", "tmpPM"};
// The names the update statements use (names match without regard to case).
inline const std::array<QString, 4> TabelleAggiornamento = {"TmpWr", "TmpWa", "TmpCa", "TmpPm"};

// The envelope columns TEMin30..TEMax70 of one row of a CollCompGas-shaped snapshot.
// False when the row does not exist or has no envelope column at all.
bool inviluppoDaRiga(const Istantanea& righe, int riga, InviluppoCompressore& inviluppo);

// True when at least one TEMin/TEMax column holds a value.
bool haInviluppo(const InviluppoCompressore& inviluppo);

// Empties the four working tables and writes `tabelle` in one transaction, then refreshes
// each source once (sorgenti may hold nulls). False with `errore` (nothing written) when
// the database refuses.
bool scriviTabelle(Catalogo& catalogo, const TabellePrestazioni& tabelle,
                   const std::array<SorgenteDati*, 4>& sorgenti, QString* errore = nullptr);

// Empties the four working tables (one transaction) and refreshes the sources.
bool svuotaTabelle(Catalogo& catalogo, const std::array<SorgenteDati*, 4>& sorgenti,
                   QString* errore = nullptr);

// The legacy fill, statement by statement, computing each cell with Calcolores.
bool scriviPerCella(Catalogo& catalogo, const DatiCompressore& dati,
                    const InviluppoCompressore& inviluppo, const FattoriTensione& F,
                    int indiceTensione, bool kW, const std::array<SorgenteDati*, 4>& sorgenti,
                    QString* errore = nullptr);
