#pragma once
// Inside of ContestoCli, shared by the commands' sources.

#include "catalogue/Catalogo.h"
#include "engine/Proprieta.h"
#include "engine/RigaCompressore.h"
#include "selection/Ricerca.h"
#include "tools/cli/Comandi.h"

#include <QString>
#include <QVariantList>

#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

struct ContestoCli::Dati {
    Dati(std::string cartella, std::ostream& avvisi)
        : cartella(std::move(cartella)), avvisi(avvisi) {}

    std::string cartella; // the program's folder
    std::ostream& avvisi;

    // The catalogue file for a --catalogue value (none: the settings, then the demo).
    QString percorsoCatalogo(const std::string* scelto);
    // Opens the file once; null with `errore` when it cannot be opened.
    const Catalogo* catalogo(const QString& percorso, QString& errore);
    // A query's rows, read once per catalogue.
    const Istantanea& interroga(const QString& sql, const QVariantList& parametri = {});
    // The same for the commands' fixed queries with at most one text parameter, found
    // again without building Qt strings.
    const Istantanea& interroga(const char* sql, const std::string* parametro = nullptr);
    // The first row whose cell in `colonna` equals `codice` ignoring case (a Null cell
    // counts as empty text), -1 if none; as a scan comparing the QStrings would find it.
    int rigaPerCodice(const Istantanea& righe, int colonna, const std::string& codice);
    // The position of a column by name, ignoring case, found once per snapshot; `nome`
    // is a literal.
    int colonna(const Istantanea& righe, const char* nome);
    // The cell read as Istantanea::numero and Istantanea::vero read it.
    double numero(const Istantanea& righe, int riga, const char* nome);
    bool vero(const Istantanea& righe, int riga, const char* nome);
    // The Reflibs folder found from the program's folder, looked for once.
    const std::string& cartellaReflibs();
    // One row of a snapshot held here as the engine wants it, read once.
    const RigaCompressore& riga(const Istantanea& righe, int indice);
    // The property library with its data folder set, once; false after the warning on
    // `avvisi` (given once).
    bool libreria(const std::string& cartellaReflibs, int lingua, LibreriaProprieta& lib);
    // The selection's candidates, remembered by refrigerant and condensing temperature.
    SorgenteCandidati& candidati();

private:
    std::optional<QString> predefinito;
    QString percorsoAperto;
    bool aperto = false;
    std::unique_ptr<Catalogo> cat;
    QString erroreApertura;
    std::map<QString, Istantanea> interrogazioni;
    std::map<std::pair<const Istantanea*, int>, RigaCompressore> righe;
    int statoLibreria = 0; // 0 not set up, 1 ready, -1 failed
    std::string cartellaLibreria;
    LibreriaProprieta lib;
    std::unique_ptr<SorgenteCandidati> sorgente;
    std::optional<std::string> sceltoUltimo;
    QString percorsoScelto;
    std::unordered_map<std::string, const Istantanea*> rapide;
    std::string chiaveRapida;
    struct Indice {
        bool ascii = true; // every code plain ASCII: a lower-case key finds it
        std::unordered_map<std::string, int> righe;
    };
    std::map<std::pair<const Istantanea*, int>, Indice> indici;
    std::string codiceMinuscolo;
    std::map<std::pair<const Istantanea*, std::string_view>, int> colonne;
    std::optional<std::string> reflibs;
};
