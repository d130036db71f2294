#include "tools/cli/ContestoDati.h"

#include "catalogue/RigheCatalogo.h"
#include "platform/ArchivioImpostazioni.h"
#include "platform/Percorsi.h"
#include "selection/SorgenteCatalogo.h"
#include "tools/cli/MemoriaProprieta.h"
#include "tools/cli/TestiCli.h"

#include "reflib/ILK.h"

#include <QFileInfo>

namespace {

// The candidates' query answers remembered; a few thousand distinct condensing
// temperatures at most, then it starts again.
class SorgenteRicordata : public SorgenteCandidati {
public:
    explicit SorgenteRicordata(const Catalogo& c) : vera(c) {}
    Esito candidati(const std::string& gas, double TC,
                    std::vector<RigaCompressore>& righe) override {
        auto chiave = std::make_pair(gas, TC);
        auto it = memoria.find(chiave);
        if (it == memoria.end()) {
            if (memoria.size() >= 4096)
                memoria.clear();
            Risposta r;
            r.esito = vera.candidati(gas, TC, r.righe);
            it = memoria.emplace(std::move(chiave), std::move(r)).first;
        }
        righe = it->second.righe;
        return it->second.esito;
    }

private:
    struct Risposta {
        Esito esito;
        std::vector<RigaCompressore> righe;
    };
    SorgenteCatalogo vera;
    std::map<std::pair<std::string, double>, Risposta> memoria;
};

} // namespace

ContestoCli::ContestoCli(std::string cartellaProgramma, std::ostream& avvisi)
    : dati(std::make_unique<Dati>(std::move(cartellaProgramma), avvisi)) {}
ContestoCli::~ContestoCli() = default;

QString ContestoCli::Dati::percorsoCatalogo(const std::string* scelto) {
    if (scelto) {
        if (!sceltoUltimo || *scelto != *sceltoUltimo) {
            sceltoUltimo = *scelto;
            percorsoScelto = QString::fromStdString(*scelto);
        }
        return percorsoScelto;
    }
    if (!predefinito) {
        ArchivioImpostazioni impostazioni("selcomp");
        const QString cartellaDb =
            impostazioni.leggi("ParametriGenerali", "DatabasePath").value_or(QString());
        if (!cartellaDb.isEmpty()) {
            const QString f = trovaPercorso(cartellaDb, "zodirara.mdb");
            if (QFileInfo::exists(f))
                predefinito = f;
        }
        if (!predefinito)
            predefinito = trovaPercorso(QString::fromStdString(cartella), "zodirara.mdb");
    }
    return *predefinito;
}

const Catalogo* ContestoCli::Dati::catalogo(const QString& percorso, QString& errore) {
    if (!aperto || percorso != percorsoAperto) {
        rapide.clear();
        indici.clear();
        colonne.clear();
        interrogazioni.clear();
        righe.clear();
        sorgente.reset();
        erroreApertura.clear();
        cat = Catalogo::apri(percorso, &erroreApertura);
        percorsoAperto = percorso;
        aperto = true;
    }
    errore = erroreApertura;
    return cat.get();
}

const Istantanea& ContestoCli::Dati::interroga(const QString& sql, const QVariantList& parametri) {
    QString chiave = sql;
    for (const QVariant& p : parametri)
        chiave += QChar(0x1f) + p.toString();
    auto it = interrogazioni.find(chiave);
    if (it == interrogazioni.end())
        it = interrogazioni.emplace(chiave, cat->interroga(sql, parametri)).first;
    return it->second;
}

const Istantanea& ContestoCli::Dati::interroga(const char* sql, const std::string* parametro) {
    chiaveRapida.assign(sql);
    if (parametro)
        chiaveRapida.append(1, '\x1f').append(*parametro);
    auto it = rapide.find(chiaveRapida);
    if (it != rapide.end())
        return *it->second;
    const Istantanea& r = parametro ? interroga(QString(sql), {QString::fromStdString(*parametro)})
                                    : interroga(QString(sql));
    rapide.emplace(chiaveRapida, &r);
    return r;
}

namespace {
bool soloAscii(const std::string& t) {
    for (unsigned char c : t)
        if (c >= 0x80)
            return false;
    return true;
}
void minuscolo(std::string& t) {
    for (char& c : t)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
}
} // namespace

int ContestoCli::Dati::rigaPerCodice(const Istantanea& ist, int col, const std::string& codice) {
    auto testo = [&](int i) {
        const QVariant v = ist.valore(i, col);
        return v.isNull() ? QString() : v.toString();
    };
    auto [it, nuovo] = indici.try_emplace(std::make_pair(&ist, col));
    Indice& indice = it->second;
    if (nuovo) {
        for (int i = 0; i < ist.numeroRighe() && indice.ascii; ++i) {
            std::string t = testo(i).toStdString();
            indice.ascii = soloAscii(t);
            minuscolo(t);
            indice.righe.try_emplace(std::move(t), i); // the first row wins, as in a scan
        }
    }
    // ASCII against ASCII: Qt's case folding is the plain one. Anything else is compared
    // as Qt compares it.
    if (!indice.ascii || !soloAscii(codice)) {
        const QString cercato = QString::fromStdString(codice);
        for (int i = 0; i < ist.numeroRighe(); ++i)
            if (testo(i).compare(cercato, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    codiceMinuscolo = codice;
    minuscolo(codiceMinuscolo);
    auto r = indice.righe.find(codiceMinuscolo);
    return r == indice.righe.end() ? -1 : r->second;
}

int ContestoCli::Dati::colonna(const Istantanea& ist, const char* nome) {
    auto [it, nuovo] = colonne.try_emplace(std::make_pair(&ist, std::string_view(nome)), 0);
    if (nuovo)
        it->second = ist.indiceColonna(QString(nome));
    return it->second;
}

double ContestoCli::Dati::numero(const Istantanea& ist, int riga, const char* nome) {
    const QVariant v = ist.valore(riga, colonna(ist, nome));
    return v.isNull() ? 0.0 : v.toDouble();
}

bool ContestoCli::Dati::vero(const Istantanea& ist, int riga, const char* nome) {
    const QVariant v = ist.valore(riga, colonna(ist, nome));
    return !v.isNull() && v.toDouble() != 0.0;
}

const std::string& ContestoCli::Dati::cartellaReflibs() {
    if (!reflibs)
        reflibs = trovaPercorso(QString::fromStdString(cartella), "Reflibs").toStdString();
    return *reflibs;
}

const RigaCompressore& ContestoCli::Dati::riga(const Istantanea& ist, int indice) {
    const auto chiave = std::make_pair(&ist, indice);
    auto it = righe.find(chiave);
    if (it == righe.end())
        it = righe.emplace(chiave, rigaCompressore(ist, indice)).first;
    return it->second;
}

bool ContestoCli::Dati::libreria(const std::string& dir, int lingua, LibreriaProprieta& uscita) {
    if (statoLibreria == 0 || dir != cartellaLibreria) {
        cartellaLibreria = dir;
        statoLibreria = ILK_Set_Fluids(dir.c_str()) == 0 ? 1 : -1;
        if (statoLibreria > 0)
            lib = libreriaRicordata({ILK_p_D, ILK_h_L, ILK_h_V, ILK_V_V, ILK_p_B});
        else
            avvisi << testoCli(TestoCli::LibreriaNonConfigurata, lingua) << "\n";
    }
    if (statoLibreria > 0)
        uscita = lib;
    return statoLibreria > 0;
}

SorgenteCandidati& ContestoCli::Dati::candidati() {
    if (!sorgente)
        sorgente = std::make_unique<SorgenteRicordata>(*cat);
    return *sorgente;
}
