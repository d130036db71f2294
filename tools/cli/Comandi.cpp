#include "tools/cli/Comandi.h"

#include "catalogue/Catalogo.h"
#include "catalogue/RigheCatalogo.h"
#include "engine/Calcolo.h"
#include "engine/Numeri.h"
#include "engine/Prestazioni.h"
#include "engine/Rugiada.h"
#include "engine/Tabelle.h"
#include "platform/ArchivioImpostazioni.h"
#include "platform/AvvisoCapacita.h"
#include "platform/Esportazione.h"
#include "platform/Percorsi.h"
#include "selection/Ricerca.h"
#include "selection/SorgenteCatalogo.h"
#include "tools/cli/Aiuto.h"
#include "tools/cli/Argomenti.h"
#include "tools/cli/Coefficienti.h"
#include "tools/cli/ComandoBatch.h"
#include "tools/cli/ComandoReport.h"
#include "tools/cli/ContestoDati.h"
#include "tools/cli/Formato.h"
#include "tools/cli/Json.h"
#include "tools/cli/TestiCli.h"

#include "reflib/ILK.h"
#include "reflib/Stato.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <iomanip>
#include <iostream>
#include <memory>
#include <optional>

namespace {

const char* const CaptionTensioni[5] = {"380-420 V / 3 / 50Hz", "220-240 V / 3 / 50Hz",
                                        "440-480 V / 3 / 60Hz", "380-420 V / 3 / 60Hz",
                                        "220-240 V / 3 / 60Hz"};

std::string s(const QString& q) {
    return q.toStdString();
}
QString q(const std::string& s) {
    return QString::fromStdString(s);
}

struct MessaggiStderr : MessaggiMotore {
    std::ostream& err;
    explicit MessaggiStderr(std::ostream& e) : err(e) {}
    void mostra(const std::string& testo) override { err << testo << "\n"; }
};

// Rounded to one decimal, as the panel writes the standard values ("00.0", "##.0").
double unDecimale(double v) {
    return std::round(v * 10) / 10;
}

class Cli {
public:
    Cli(const Argomenti& a, ContestoCli::Dati& d, std::ostream& out, std::ostream& err)
        : a(a), out(out), err(err), cartella(d.cartella), d(d), messaggi(err) {
        json = a.ha("--json");
    }

    int esegui() {
        if (const std::string* l = a.trova("--lang")) {
            auto n = numeroDaTesto(*l);
            if (!n || *n != std::floor(*n) || *n < 0 || *n > 4)
                return uso("--lang takes 0..4");
            lingua = static_cast<int>(*n);
        }
        stato.fattoriTensione = InizializzaFattori();
        if (a.comando == "props")
            return props();
        if (a.comando == "rate")
            return rate();
        if (a.comando == "select")
            return select();
        if (a.comando == "tables")
            return tables();
        if (a.comando == "coefficients")
            return coefficients();
        if (a.comando == "report")
            return comandoReport(a, QFileInfo(percorsoCatalogo()).absolutePath(), lingua, out, err);
        return list();
    }

private:
    const Argomenti& a;
    std::ostream& out;
    std::ostream& err;
    const std::string& cartella;
    ContestoCli::Dati& d;
    MessaggiStderr messaggi;
    bool json = false;
    int lingua = 0;
    const Catalogo* catalogo = nullptr;
    Istantanea lingue;
    StatoMotore stato;
    LibreriaProprieta libreria;

    int uso(const std::string& motivo) {
        err << "selcomp-cli: " << motivo << "\n" << TestoUso;
        return UscitaUso;
    }

    // A required or optional number; false (after the message) when the text is no number.
    bool numero(const char* opzione, std::optional<double>& valore, bool richiesto, int& uscita) {
        const std::string* t = a.trova(opzione);
        if (!t) {
            if (richiesto)
                uscita = uso(std::string("missing ") + opzione);
            return !richiesto;
        }
        valore = numeroDaTesto(*t);
        if (!valore) {
            err << testoCli(TestoCli::NonNumerico, lingua) << " " << opzione << ": " << *t << "\n";
            uscita = UscitaUso;
            return false;
        }
        return true;
    }

    bool testoRichiesto(const char* opzione, std::string& valore, int& uscita) {
        const std::string* t = a.trova(opzione);
        if (!t || t->empty()) {
            uscita = uso(std::string("missing ") + opzione);
            return false;
        }
        valore = *t;
        return true;
    }

    bool indiceTensione(int& uscita) {
        std::optional<double> v;
        if (!numero("--voltage", v, false, uscita))
            return false;
        if (v) {
            if (*v != std::floor(*v) || *v < 0 || *v > 4) {
                uscita = uso("--voltage takes 0..4");
                return false;
            }
            stato.condFunz.IndiceTensione = static_cast<int16_t>(*v);
        }
        return true;
    }

    // --- catalogue --------------------------------------------------------------

    QString percorsoCatalogo() const { return d.percorsoCatalogo(a.trova("--catalogue")); }

    int apriCatalogo() {
        QString errore;
        const QString percorso = percorsoCatalogo();
        catalogo = d.catalogo(percorso, errore);
        if (!catalogo) {
            // The store's text already names the file.
            return erroreDati(errore.isEmpty() ? testoCli(TestoCli::CatalogoNonApribile, lingua) +
                                                     ": " + s(percorso)
                                               : s(errore));
        }
        const Istantanea& tutte = d.interroga("select * from Lingue");
        lingue.colonne = tutte.colonne;
        lingue.righe.clear();
        if (lingua < tutte.numeroRighe())
            lingue.righe.push_back(tutte.righe[lingua]);
        return UscitaOk;
    }

    // The catalogue pads some captions for its frames (" Tensione / fasi / frequenza "):
    // in a line of text the padding only misaligns.
    std::string etichetta(const char* chiave) const { return s(lingue.testo(0, chiave).trimmed()); }

    int erroreDati(const std::string& testo) {
        err << testo << "\n";
        if (json)
            out << ScrittoreJson()
                       .apriOggetto()
                       .booleano("ok", false)
                       .testo("Messaggio", testo)
                       .chiudiOggetto()
                       .risultato()
                << "\n";
        return UscitaDati;
    }

    // The refrigerant's row of table Gas (first column = code), any case; -1 if absent.
    int rigaGas(const Istantanea& gas, const std::string& codice) const {
        return d.rigaPerCodice(gas, 0, codice);
    }

    const Istantanea& compressoriDelGas(const std::string& codice) const {
        return d.interroga("select * from CollCompGasQry where CodiceGas = ? order by Ordinamento",
                           &codice);
    }

    int rigaModello(const Istantanea& righe, const std::string& modello) const {
        return d.rigaPerCodice(righe, d.colonna(righe, "CodiceProdotto"), modello);
    }

    // The refrigerant of --gas (its row of Gas) and the model of --model among its
    // compressors (its row of CollCompGasQry).
    // Both point into the snapshots the context keeps.
    struct GasEModello {
        const Istantanea* tabellaGas = nullptr;
        const Istantanea* righe = nullptr;
        int rg = -1, rm = -1;
    };

    // Finds both; `gas` becomes the code as the catalogue writes it. Otherwise the exit
    // code of the data error.
    int trovaGasEModello(std::string& gas, const std::string& modello, GasEModello& t) {
        t.tabellaGas = &d.interroga("select * from Gas");
        t.rg = rigaGas(*t.tabellaGas, gas);
        if (t.rg < 0)
            return erroreDati(testoCli(TestoCli::GasSconosciuto, lingua) + " " + gas);
        gas = s(t.tabellaGas->valore(t.rg, 0).toString());
        t.righe = &compressoriDelGas(gas);
        t.rm = rigaModello(*t.righe, modello);
        if (t.rm < 0)
            return erroreDati(testoCli(TestoCli::ModelloSconosciuto, lingua) + " " + modello);
        return tensioneOfferta(*t.righe, t.rm);
    }

    // A supply option the model does not offer (the screens hide it) is refused, not rated.
    int tensioneOfferta(const Istantanea& righe, int riga) {
        const int16_t i = stato.condFunz.IndiceTensione;
        if (TensioneOfferta(i, d.vero(righe, riga, "bk8")))
            return UscitaOk;
        const std::string messaggio = testoCli(TestoCli::TensioneNonOfferta, lingua) + " " +
                                      s(righe.testo(riga, "CodiceProdotto")) + ", " +
                                      CaptionTensioni[i];
        err << messaggio << "\n";
        if (json)
            out << ScrittoreJson()
                       .apriOggetto()
                       .booleano("ok", false)
                       .testo("Messaggio", messaggio)
                       .chiudiOggetto()
                       .risultato()
                << "\n";
        return UscitaRifiutato;
    }

    // --- property library ---------------------------------------------------------

    // --reflibs, or the Reflibs folder found from the program's folder.
    std::string cartellaReflibs() const {
        if (const std::string* v = a.trova("--reflibs"))
            return *v;
        return d.cartellaReflibs();
    }

    bool preparaLibreria() { return d.libreria(cartellaReflibs(), lingua, libreria); }

    // --- operating conditions -----------------------------------------------------

    // What the panel leaves in CondFunz at compute time: the typed fields, or with
    // --standard the refrigerant's standard values, read as absolute or differential.
    int condizioni(const Istantanea& gas, int riga) {
        CondFunz& cf = stato.condFunz;
        int uscita = UscitaOk;
        std::optional<double> campi[3];
        const char* nomi[3] = {"--tu", "--tl", "--ta"};
        for (int i = 0; i < 3; ++i)
            if (!numero(nomi[i], campi[i], false, uscita))
                return uscita;
        cf.ValoriDifferenziali = a.ha("--differential");
        cf.CondizioniStandard = a.ha("--standard");
        cf.RiferimentoBolla = a.ha("--bubble");
        cf.T0 = d.numero(gas, riga, "TUEStd");
        if (cf.CondizioniStandard) {
            if (campi[0] || campi[1] || campi[2])
                return uso("--standard excludes --tu, --tl, --ta");
            if (cf.ValoriDifferenziali) {
                campi[0] = campi[2] = unDecimale(d.numero(gas, riga, "DTsurEvapSTD") - cf.TE);
                campi[1] = unDecimale(d.numero(gas, riga, "DTSotSTD"));
            } else {
                campi[0] = campi[2] = unDecimale(cf.T0);
                campi[1] = cf.TC;
            }
        }
        if (cf.ValoriDifferenziali) {
            cf.TU = campi[0] ? (cf.DeltaTU = *campi[0], cf.TE + cf.DeltaTU) : NonDato;
            cf.TL = campi[1] ? (cf.Sottoraffreddamento = *campi[1], cf.TC - cf.Sottoraffreddamento)
                             : NonDato;
            cf.TA =
                campi[2] ? (cf.Surriscaldamento = *campi[2], cf.TE + cf.Surriscaldamento) : NonDato;
        } else {
            cf.TU = campi[0].value_or(NonDato);
            cf.TL = campi[1].value_or(NonDato);
            cf.TA = campi[2].value_or(NonDato);
        }
        return UscitaOk;
    }

    bool puntoDiLavoro(int& uscita) {
        std::optional<double> te, tc;
        if (!numero("--te", te, true, uscita) || !numero("--tc", tc, true, uscita))
            return false;
        stato.condFunz.TE = *te;
        stato.condFunz.TC = *tc;
        return true;
    }

    // --bubble needs the library even at standard conditions: the glide comes from it.
    bool serveLibreria() const { return !a.ha("--standard") || a.ha("--bubble"); }

    // Bubble-point TE/TC typed with --bubble become the dew points the catalogue is rated at.
    int riferimento(std::string& messaggio) {
        const Esito e = RiferisciARugiada(stato.condFunz, libreria);
        return e.ok() ? UscitaOk : uscitaDa(e, messaggio);
    }

    // Turns an engine outcome into the exit status and the message on stderr.
    int uscitaDa(const Esito& e, std::string& messaggio) {
        switch (e.tipo) {
        case TipoEsito::Ok:
            return UscitaOk;
        case TipoEsito::CondizioniRifiutate: {
            const int c = stato.condFunz.CodiceErrore;
            messaggio =
                c >= 1 && c <= 5 ? etichetta(("Err" + std::to_string(c)).c_str()) : e.messaggio;
            if (messaggio.empty())
                messaggio = e.messaggio;
            err << messaggio << "\n";
            return UscitaRifiutato;
        }
        case TipoEsito::NessunCandidato:
            messaggio = etichetta("Err6");
            if (messaggio.empty())
                messaggio = e.messaggio;
            err << messaggio << "\n";
            return UscitaNessuno;
        case TipoEsito::ErroreDati:
            messaggio = e.messaggio;
            err << messaggio << "\n";
            return UscitaDati;
        case TipoEsito::ErroreCalcolo:
            messaggio = testoCli(TestoCli::ErroreCalcolo, lingua) + ": " + e.messaggio;
            err << messaggio << "\n";
            return UscitaCalcolo;
        }
        return UscitaCalcolo;
    }

    // --- output -------------------------------------------------------------------

    static void jsonRisultati(ScrittoreJson& j, const char* chiave, const Risultati& r) {
        j.apriOggetto(chiave)
            .numero("ResaStd", r.ResaStd)
            .numero("ResaEvaporatore", r.ResaEvaporatore)
            .numero("ResaCompressore", r.ResaCompressore)
            .numero("PotenzaAssorbita", r.PotenzaAssorbita)
            .numero("CorrenteStd", r.CorrenteStd)
            .numero("CorrenteAssorbita", r.CorrenteAssorbita)
            .numero("PortataMassaStd", r.PortataMassaStd)
            .numero("PortataMassa", r.PortataMassa)
            .numero("COP", r.COP)
            .numero("COPStd", r.COPStd)
            .numero("CaloreCondensatore", r.CaloreCondensatore)
            .numero("CaloreCondensatoreStd", r.CaloreCondensatoreStd)
            .chiudiOggetto();
    }

    void jsonComune(ScrittoreJson& j, bool ok, const std::string& messaggio) {
        const CondFunz& cf = stato.condFunz;
        const Correzioni& c = stato.correzioni;
        j.booleano("ok", ok)
            .intero("CodiceErrore", cf.CodiceErrore)
            .testo("Messaggio", messaggio)
            .testo("CodiceProdotto", cf.CodiceProdotto)
            .testo("NomeGas", cf.NomeGas);
        j.apriOggetto("CondFunz")
            .numero("TE", cf.TE)
            .numero("TC", cf.TC)
            .numero("TU", cf.TU)
            .numero("TL", cf.TL)
            .numero("TA", cf.TA)
            .numero("DeltaTU", cf.DeltaTU)
            .numero("Sottoraffreddamento", cf.Sottoraffreddamento)
            .numero("Surriscaldamento", cf.Surriscaldamento)
            .numero("TeMin", cf.TeMin)
            .numero("TeMax", cf.TeMax)
            .numero("TcMin", cf.TcMin)
            .numero("TcMax", cf.TcMax)
            .intero("IndiceTensione", cf.IndiceTensione)
            .booleano("CondizioniStandard", cf.CondizioniStandard)
            .booleano("ValoriDifferenziali", cf.ValoriDifferenziali)
            .numero("TEBolla",
                    cf.TEBolla != NonDato ? std::optional<double>(cf.TEBolla) : std::nullopt)
            .numero("TCBolla",
                    cf.TCBolla != NonDato ? std::optional<double>(cf.TCBolla) : std::nullopt)
            .chiudiOggetto();
        j.apriOggetto("Correzioni")
            .numero("CoeffResa", c.CoeffResa)
            .numero("CoeffResaCompressore", c.CoeffResaCompressore)
            .numero("VA0", c.VA0)
            .numero("VA", c.VA)
            .chiudiOggetto();
        jsonRisultati(j, "Risultati", stato.risultati);
    }

    static std::string colonna(const std::string& t, size_t larghezza) {
        // Width by characters, not bytes, so accented labels line up.
        size_t n = 0;
        for (unsigned char ch : t)
            n += (ch & 0xC0) != 0x80;
        return t + std::string(n < larghezza ? larghezza - n : 1, ' ');
    }

    void testoCondizioni() {
        const CondFunz& cf = stato.condFunz;
        const bool diff = cf.ValoriDifferenziali;
        auto riga = [&](const std::string& etich, const std::string& valore, const char* unita) {
            out << "  " << colonna(etich, 34) << valore << " " << unita << "\n";
        };
        out << etichetta("DescModello") << " " << cf.CodiceProdotto << "   " << etichetta("DescGas")
            << " " << cf.NomeGas << "\n";
        out << etichetta("DescCondFunz") << "\n";
        // A zeotropic blend is rated at dew points, as the results screen says.
        const Istantanea& gas = d.interroga("select * from Gas");
        const int rg = rigaGas(gas, cf.NomeGas);
        const char* unitaT = rg >= 0 && !gas.vero(rg, "flAZ") ? "°C (dew temp.)" : "°C";
        riga(etichetta("DescCalc10"), testoPredefinito(cf.TE), unitaT);
        riga(etichetta("DescCalc11"), testoPredefinito(cf.TC), unitaT);
        if (cf.TEBolla != NonDato && cf.TCBolla != NonDato) {
            const std::string bolla = etichetta("Mzeo2");
            riga(bolla.empty() ? "Bolla (bubble temp.)" : bolla,
                 testoPredefinito(cf.TEBolla) + " / " + testoPredefinito(cf.TCBolla), "°C");
        }
        const std::array<double, 3> dif = differenzeCondizioni(cf);
        riga(etichetta(diff ? "SUE" : "DescCalc12"), testoPredefinito(diff ? dif[0] : cf.TU),
             diff ? "K" : "°C");
        riga(etichetta(diff ? "sdl" : "DescCalc13"), testoPredefinito(diff ? dif[1] : cf.TL),
             diff ? "K" : "°C");
        riga(etichetta(diff ? "sas" : "DescCalc14"), testoPredefinito(diff ? dif[2] : cf.TA),
             diff ? "K" : "°C");
        out << "  [" << (cf.CondizioniStandard ? "x" : " ") << "] " << etichetta("DescCondStd")
            << "   [" << (diff ? "x" : " ") << "] " << etichetta("DescValDif") << "\n";
        out << "  " << etichetta("DescTFF") << ": " << CaptionTensioni[cf.IndiceTensione] << "\n";
    }

    void testoRisultati(const Risultati& r, const std::string& modello) {
        const std::string v = "#,##0.##", cop = "0.###";
        auto cella = [](const std::string& t) { return colonna(t, 18); };
        out << colonna(modello, 34) << cella(etichetta("DescResult9"))
            << cella(etichetta("DescResult8")) << etichetta("DescResult7") << "\n";
        auto riga = [&](const char* chiave, const char* unita, const std::string& a,
                        const std::string& b, const std::string& c) {
            out << colonna(etichetta(chiave), 26) << colonna(unita, 8) << cella(a) << cella(b) << c
                << "\n";
        };
        riga("DescResult1", "kW", formatoSchema(r.ResaCompressore, v),
             formatoSchema(r.ResaEvaporatore, v), formatoSchema(r.ResaStd, v));
        riga("DescResult4", "Kg/h", formatoSchema(r.PortataMassa, v), "-",
             formatoSchema(r.PortataMassaStd, v));
        riga("DescResult2", "kW", formatoSchema(r.PotenzaAssorbita, v), "-",
             formatoSchema(r.PotenzaAssorbita, v));
        riga("DescResult3", "A", formatoSchema(r.CorrenteAssorbita, v), "-",
             formatoSchema(r.CorrenteStd, v));
        riga("DescResult5", "", formatoSchema(r.COP, cop), "-", formatoSchema(r.COPStd, cop));
        riga("DescResult6", "kW", formatoSchema(r.CaloreCondensatore, v), "-",
             formatoSchema(r.CaloreCondensatoreStd, "#,###.##"));
    }

    void stampaDebug() {
        const TestoDebug& d = stato.correzioni.debug;
        if (d.daMostrare)
            err << d.riga1 << "\n" << d.riga2 << "\n";
    }

    // --- commands -----------------------------------------------------------------

    int rate() {
        int uscita = UscitaOk;
        std::string gas, modello;
        if (!testoRichiesto("--gas", gas, uscita) || !testoRichiesto("--model", modello, uscita) ||
            !puntoDiLavoro(uscita) || !indiceTensione(uscita))
            return uscita;
        if (int c = apriCatalogo())
            return c;
        GasEModello t;
        if (int c = trovaGasEModello(gas, modello, t))
            return c;
        if (int c = condizioni(*t.tabellaGas, t.rg))
            return c;
        if (serveLibreria())
            preparaLibreria();
        stato.condFunz.NomeGas = gas;
        std::string messaggio;
        if (int c = riferimento(messaggio))
            return c;

        const Esito e = CalcolaCompressore(stato, d.riga(*t.righe, t.rm), libreria, messaggi);
        stampaDebug();
        const int codice = uscitaDa(e, messaggio);
        if (json) {
            ScrittoreJson j;
            j.apriOggetto();
            jsonComune(j, e.ok(), messaggio);
            out << j.chiudiOggetto().risultato() << "\n";
        } else if (e.ok()) {
            testoCondizioni();
            testoRisultati(stato.risultati, stato.condFunz.CodiceProdotto);
        }
        return codice;
    }

    int select() {
        int uscita = UscitaOk;
        std::string gas;
        std::optional<double> potenza;
        if (!testoRichiesto("--gas", gas, uscita) || !numero("--capacity", potenza, true, uscita) ||
            !puntoDiLavoro(uscita) || !indiceTensione(uscita))
            return uscita;
        if (int c = apriCatalogo())
            return c;
        const Istantanea& tabellaGas = d.interroga("select * from Gas where flSeleYes = true ");
        const int rg = rigaGas(tabellaGas, gas);
        if (rg < 0) {
            const bool esiste = rigaGas(d.interroga("select * from Gas"), gas) >= 0;
            return erroreDati(
                testoCli(esiste ? TestoCli::GasNonSelezionabile : TestoCli::GasSconosciuto,
                         lingua) +
                " " + gas);
        }
        gas = s(tabellaGas.valore(rg, 0).toString());
        if (int c = condizioni(tabellaGas, rg))
            return c;
        if (serveLibreria())
            preparaLibreria();
        CondFunz& cf = stato.condFunz;
        cf.PotenzaRichiesta = *potenza;
        cf.NomeGas = gas;
        cf.TcMax = d.numero(tabellaGas, rg, "CAPTCMAX");
        cf.TcMin = d.numero(tabellaGas, rg, "CAPTCMIN");
        cf.TeMax = d.numero(tabellaGas, rg, "CAPTEMAX");
        cf.TeMin = d.numero(tabellaGas, rg, "CAPTEMIN");
        std::string messaggio;
        if (int c = riferimento(messaggio))
            return c;

        RisultatoSelezione ris;
        const Esito e = EseguiSelezione(stato, gas, d.candidati(), libreria, messaggi, ris);
        stampaDebug();
        const int codice = uscitaDa(e, messaggio);
        if (!ris.erroreInferiore.ok())
            err << testoCli(TestoCli::ErroreCalcolo, lingua) << ": "
                << ris.erroreInferiore.messaggio << "\n";
        const bool inferiore = e.ok() && !stato.codiceProdottoInferiore.empty();
        // The largest candidate is chosen even when it falls short; say so.
        const double mancante =
            e.ok() ? capacitaMancanteKW(cf.PotenzaRichiesta, stato.risultati.ResaEvaporatore) : 0;
        if (json) {
            ScrittoreJson j;
            j.apriOggetto();
            jsonComune(j, e.ok(), messaggio);
            j.numero("PotenzaRichiesta", cf.PotenzaRichiesta)
                .booleano("RichiestaSoddisfatta", e.ok() && mancante == 0)
                .intero("NumCandidati", ris.NumCandidati);
            j.apriLista("Candidati");
            for (const auto& c : ris.codiciCandidati)
                j.testo(nullptr, c);
            j.chiudiLista().apriLista("Visitati");
            for (int p : ris.Visitati)
                j.intero(nullptr, p);
            j.chiudiLista().testo("CodiceProdottoInferiore",
                                  e.ok() ? stato.codiceProdottoInferiore : "");
            if (inferiore)
                jsonRisultati(j, "RisultatiInferiore", stato.risultatiInferiore);
            else
                j.nullo("RisultatiInferiore");
            out << j.chiudiOggetto().risultato() << "\n";
        } else if (e.ok()) {
            testoCondizioni();
            out << "  " << colonna(etichetta("DescCalc16b"), 34)
                << formatoSchema(cf.PotenzaRichiesta / 1000, "#,###.00") << " kW\n";
            if (mancante > 0)
                out << "  " << s(testoCapacitaNonRaggiunta(lingua, mancante, QLocale::c())) << "\n";
            std::string visitati;
            for (int p : ris.Visitati)
                visitati += (visitati.empty() ? "" : ", ") + std::to_string(p);
            out << "  " << ris.NumCandidati << " / " << visitati << "\n\n";
            testoRisultati(stato.risultati, cf.CodiceProdotto);
            out << "\n" << etichetta("CompPrec") << "\n";
            if (inferiore)
                testoRisultati(stato.risultatiInferiore, stato.codiceProdottoInferiore);
            else
                out << "  -\n";
        }
        return codice;
    }

    int tables() {
        int uscita = UscitaOk;
        std::string gas, modello;
        if (!testoRichiesto("--gas", gas, uscita) || !testoRichiesto("--model", modello, uscita) ||
            !indiceTensione(uscita))
            return uscita;
        const bool kW = !a.ha("--watt");
        if (int c = apriCatalogo())
            return c;
        GasEModello trovati;
        if (int c = trovaGasEModello(gas, modello, trovati))
            return c;
        const RigaCompressore& riga = d.riga(*trovati.righe, trovati.rm);
        DatiCompressore dati;
        CaricaDatiCompressore(dati, riga);
        TabellePrestazioni t;
        const int indice = stato.condFunz.IndiceTensione;
        const Esito e = CalcolaTabelle(dati, riga.inviluppo, stato.fattoriTensione, indice, kW, t);
        std::string messaggio;
        const int codice = uscitaDa(e, messaggio);
        const char* nomi[4] = {"tmpWR", "tmpWA", "tmpCA", "tmpPM"};
        const auto fileXlsx = a.valore("--xlsx"), fileCsv = a.valore("--csv");
        if (e.ok() && (fileXlsx || fileCsv)) {
            const QVector<TabellaEsportazione> tabelle = tabelleEsportazione(
                t, riga.CodiceProdotto, gas, *trovati.tabellaGas, trovati.rg, kW, indice);
            QString errore;
            if (fileXlsx && !scriviXlsx(tabelle, q(*fileXlsx), &errore))
                return erroreDati(s(testoErroreScrittura(lingua) + ": " + errore));
            if (fileCsv &&
                !scriviCsv(tabelle, q(*fileCsv), DecimaleCsv::Punto, QLocale::c(), &errore))
                return erroreDati(s(testoErroreScrittura(lingua) + ": " + errore));
            if (!json)
                return codice;
        }
        if (json) {
            ScrittoreJson j;
            j.apriOggetto()
                .booleano("ok", e.ok())
                .testo("Messaggio", messaggio)
                .testo("CodiceProdotto", riga.CodiceProdotto)
                .testo("NomeGas", gas)
                .intero("IndiceTensione", indice)
                .booleano("kW", kW)
                .apriOggetto("Tabelle");
            for (int k = 0; k < 4; ++k) {
                j.apriLista(nomi[k]);
                for (const RigaTabella& r : t.tabelle[k]) {
                    j.apriOggetto(nullptr).intero("Tvap", r.Tvap);
                    for (int b = 0; b < NumeroBande; ++b)
                        j.numero(("Tc" + std::to_string(SuffissoBanda(b))).c_str(), r.Tc[b]);
                    j.chiudiOggetto();
                }
                j.chiudiLista();
            }
            out << j.chiudiOggetto().chiudiOggetto().risultato() << "\n";
        } else if (e.ok()) {
            const std::string unita = kW ? " (kW)" : " (Watt)";
            const std::string titoli[4] = {
                etichetta("DescResult1") + unita, etichetta("TassPot") + unita,
                etichetta("TassCorr") + " (A)", etichetta("tabportmassa") + " (kg/h)"};
            const std::string schemi[4] = {kW ? "#,###.00" : "#,###", kW ? "#,###.00" : "#,###",
                                           "#,##0.00", "#,###.00"};
            out << etichetta("descmodello") << " " << riga.CodiceProdotto << "   "
                << etichetta("descgas") << " " << gas << "   " << CaptionTensioni[indice] << "\n";
            for (int k = 0; k < 4; ++k) {
                out << "\n" << titoli[k] << "\n" << std::setw(6) << "";
                for (int b = 0; b < NumeroBande; ++b)
                    out << std::setw(10) << SuffissoBanda(b);
                out << "\n";
                for (size_t i = 0; i < t.tabelle[k].size(); ++i) {
                    const RigaTabella& r = t.tabelle[k][i];
                    out << std::setw(6) << r.Tvap;
                    // Inside the envelope a cell without a figure (no motor table: no
                    // current) is a dash, as on the results screen.
                    const RigaTabella& resa = t.tabelle[TabResa][i];
                    for (int b = 0; b < NumeroBande; ++b)
                        out << std::setw(10)
                            << (r.Tc[b]      ? formatoSchema(*r.Tc[b], schemi[k])
                                : resa.Tc[b] ? "-"
                                             : "");
                    out << "\n";
                }
            }
        }
        return codice;
    }

    // The four tables as the screens export them: the header block of the tables screen,
    // Tvap and the condensing columns, the screen's number patterns.
    QVector<TabellaEsportazione> tabelleEsportazione(const TabellePrestazioni& t,
                                                     const std::string& modello,
                                                     const std::string& gas,
                                                     const Istantanea& tabellaGas, int rg, bool kW,
                                                     int indice) const {
        const std::string unita = kW ? " (kW)" : " (Watt)";
        const std::string titoli[4] = {etichetta("DescResult1") + unita,
                                       etichetta("TassPot") + unita, etichetta("TassCorr") + " (A)",
                                       etichetta("tabportmassa") + " (kg/h)"};
        const QString schemi[4] = {kW ? "#,###.00" : "#,###", kW ? "#,###.00" : "#,###", "#,##0.00",
                                   "#,###.00"};
        std::string aspirazione =
            etichetta("TABCFTAS") + formatoSchema(tabellaGas.numero(rg, "TUEStd"), "##") + " °C";
        if (gas == "R407C")
            aspirazione += " (dew temp.)";
        const QStringList intestazione = {q(etichetta("descmodello") + " " + modello),
                                          q(etichetta("descgas") + " " + gas),
                                          q(aspirazione),
                                          q(etichetta("TABCFTSO")),
                                          q(etichetta("TABCFSUT")),
                                          q(CaptionTensioni[indice])};
        QVector<TabellaEsportazione> tabelle;
        for (int k = 0; k < 4; ++k) {
            TabellaEsportazione e;
            e.titolo = q(titoli[k]);
            e.intestazione = intestazione;
            e.colonne = {"Tvap"};
            e.schemi = {""};
            for (int b = 0; b < NumeroBande; ++b) {
                e.colonne.append("Tc" + QString::number(SuffissoBanda(b)));
                e.schemi.append(schemi[k]);
            }
            for (const RigaTabella& r : t.tabelle[k]) {
                QVector<QVariant> celle{QVariant(r.Tvap)};
                for (int b = 0; b < NumeroBande; ++b)
                    celle.append(r.Tc[b] ? QVariant(*r.Tc[b]) : QVariant());
                e.righe.append(celle);
            }
            tabelle.append(e);
        }
        return tabelle;
    }

    // The catalogue's polynomials of the refrigerant (or of one model) for simulation
    // tools, as stored (EN 12900) or converted to AHRI 540's units.
    int coefficients() {
        int uscita = UscitaOk;
        std::string gas;
        if (!testoRichiesto("--gas", gas, uscita))
            return uscita;
        const std::string norma = a.valore("--standard").value_or("en12900");
        if (norma != "en12900" && norma != "ahri540")
            return uso("--standard takes en12900 or ahri540");
        const std::string formato = a.valore("--format").value_or(json ? "json" : "csv");
        if (formato != "csv" && formato != "json")
            return uso("--format takes csv or json");
        if (int c = apriCatalogo())
            return c;
        const Istantanea& tabellaGas = d.interroga("select * from Gas");
        const int rg = rigaGas(tabellaGas, gas);
        if (rg < 0)
            return erroreDati(testoCli(TestoCli::GasSconosciuto, lingua) + " " + gas);
        gas = s(tabellaGas.valore(rg, 0).toString());
        const Istantanea& righe = compressoriDelGas(gas);
        std::vector<int> scelte;
        if (auto m = a.valore("--model")) {
            const int rm = rigaModello(righe, *m);
            if (rm < 0)
                return erroreDati(testoCli(TestoCli::ModelloSconosciuto, lingua) + " " + *m);
            scelte.push_back(rm);
        } else {
            for (int i = 0; i < righe.numeroRighe(); ++i)
                scelte.push_back(i);
        }
        const bool ahri = norma == "ahri540";
        const double T0 = tabellaGas.numero(rg, "TUEStd");
        const double aspirazione = ahri ? GradiFahrenheit(T0) : T0;
        const double sottoraffreddamento = 0; // saturated liquid at the condensing temperature
        const char* unitaT = ahri ? "°F" : "°C";
        struct Grandezza {
            const char* nome;
            const char* unita;
            double fattore;
        };
        const Grandezza grandezze[3] = {
            {"Resa", ahri ? "Btu/h" : "W", ahri ? BtuOraPerWatt : 1},
            {"PotenzaAssorbita", "W", 1},
            {"PortataMassa", ahri ? "lb/h" : "kg/s", ahri ? LibbreOraPerKgS : 1}};
        auto coefficienti = [&](const RigaCompressore& r, int g) {
            const auto& c = g == 0 ? r.WR : g == 1 ? r.WA : r.PM;
            Coefficienti10 x{};
            for (int i = 0; i < 10; ++i)
                x[i] = c[i].value_or(0); // Null counts as 0, as in the rating
            return ahri ? InFahrenheit(x, grandezze[g].fattore) : x;
        };
        const char* nomeNorma = ahri ? "AHRI 540" : "EN 12900";
        const int primo = ahri ? 1 : 0; // AHRI 540 numbers C1..C10, EN 12900 C0..C9
        if (formato == "json") {
            ScrittoreJson j;
            j.apriOggetto().testo("Norma", nomeNorma).testo("CodiceGas", gas);
            j.apriOggetto("Base")
                .numero("TemperaturaAspirazione", aspirazione)
                .numero("Sottoraffreddamento", sottoraffreddamento)
                .testo("UnitaTemperatura", unitaT)
                .testo("Riferimento", "dew point")
                .chiudiOggetto();
            j.apriLista("Compressori");
            for (int rm : scelte) {
                const RigaCompressore& r = d.riga(righe, rm);
                j.apriOggetto(nullptr).testo("CodiceProdotto", r.CodiceProdotto);
                for (int g = 0; g < 3; ++g) {
                    j.apriOggetto(grandezze[g].nome)
                        .testo("Unita", grandezze[g].unita)
                        .apriLista("C");
                    for (double c : coefficienti(r, g))
                        j.numero(nullptr, c);
                    j.chiudiLista().chiudiOggetto();
                }
                j.chiudiOggetto();
            }
            out << j.chiudiLista().chiudiOggetto().risultato() << "\n";
            return UscitaOk;
        }
        out << "Norma,CodiceGas,CodiceProdotto,Grandezza,Unita";
        for (int i = 0; i < 10; ++i)
            out << ",C" << i + primo;
        out << ",TemperaturaAspirazione,Sottoraffreddamento,UnitaTemperatura,Riferimento\n";
        for (int rm : scelte) {
            const RigaCompressore& r = d.riga(righe, rm);
            for (int g = 0; g < 3; ++g) {
                out << nomeNorma << "," << gas << "," << r.CodiceProdotto << ","
                    << grandezze[g].nome << "," << grandezze[g].unita;
                for (double c : coefficienti(r, g))
                    out << "," << ScrittoreJson::testoNumero(c);
                out << "," << ScrittoreJson::testoNumero(aspirazione) << ","
                    << ScrittoreJson::testoNumero(sottoraffreddamento) << "," << unitaT
                    << ",dew point\n";
            }
        }
        return UscitaOk;
    }

    int list() {
        if (int c = apriCatalogo())
            return c;
        std::vector<std::string> gas, modelli;
        const Istantanea& tabellaGas = d.interroga("select * from Gas");
        for (int i = 0; i < tabellaGas.numeroRighe(); ++i)
            gas.push_back(s(tabellaGas.valore(i, 0).toString()));
        if (auto g = a.valore("--gas")) {
            const int rg = rigaGas(tabellaGas, *g);
            if (rg < 0)
                return erroreDati(testoCli(TestoCli::GasSconosciuto, lingua) + " " + *g);
            gas = {s(tabellaGas.valore(rg, 0).toString())};
            const Istantanea& righe = compressoriDelGas(gas[0]);
            for (int i = 0; i < righe.numeroRighe(); ++i)
                modelli.push_back(s(righe.testo(i, "CodiceProdotto")));
        } else {
            const Istantanea& righe =
                d.interroga("select CodiceProdotto from Compressori order by Ordinamento");
            for (int i = 0; i < righe.numeroRighe(); ++i)
                modelli.push_back(s(righe.testo(i, "CodiceProdotto")));
        }
        if (json) {
            ScrittoreJson j;
            j.apriOggetto().apriLista("Gas");
            for (const auto& g : gas)
                j.testo(nullptr, g);
            j.chiudiLista().apriLista("Compressori");
            for (const auto& m : modelli)
                j.testo(nullptr, m);
            out << j.chiudiLista().chiudiOggetto().risultato() << "\n";
        } else {
            out << etichetta("DescGas") << ":";
            for (const auto& g : gas)
                out << " " << g;
            out << "\n" << etichetta("DescModello") << ":\n";
            for (const auto& m : modelli)
                out << "  " << m << "\n";
        }
        return UscitaOk;
    }

    int props() {
        int uscita = UscitaOk;
        std::string gas;
        std::optional<double> t, p;
        if (!testoRichiesto("--gas", gas, uscita) || !numero("--t", t, true, uscita) ||
            !numero("--p", p, false, uscita))
            return uscita;
        const std::string dir = cartellaReflibs();
        const int16_t sFluids = ILK_Set_Fluids(dir.c_str());
        double pD = 0, hL = 0, hV = 0, vV = 0;
        const int16_t sPD = ILK_p_D(gas.c_str(), *t, &pD);
        const int16_t sHL = ILK_h_L(gas.c_str(), *t, &hL);
        const double pVap = p ? *p : pD;
        const int16_t sHV = ILK_h_V(gas.c_str(), *t, pVap, &hV);
        const int16_t sVV = ILK_V_V(gas.c_str(), *t, pVap, &vV);
        // The glide: bubble and dew temperature at the dew pressure of T.
        double tBolla = 0, tRugiada = 0;
        int16_t sGlide = sPD;
        if (sPD == 0) {
            int esito = 0;
            std::string errore;
            reflib::Refrigerante* r = reflib::libreriaProcesso().trova(gas.c_str(), esito);
            sGlide = r ? int16_t(r->glide(pD, tBolla, tRugiada, errore)) : int16_t(esito);
        }
        const bool ok = sFluids == 0 && sPD == 0 && sHL == 0 && sHV == 0 && sVV == 0;
        if (json) {
            ScrittoreJson j;
            j.apriOggetto()
                .testo("gas", gas)
                .numero("T", *t)
                .numero("p", pVap)
                .numero("p_D", sPD == 0 ? std::optional<double>(pD) : std::nullopt)
                .numero("h_L", sHL == 0 ? std::optional<double>(hL) : std::nullopt)
                .numero("h_V", sHV == 0 ? std::optional<double>(hV) : std::nullopt)
                .numero("V_V", sVV == 0 ? std::optional<double>(vV) : std::nullopt)
                .numero("T_bubble", sGlide == 0 ? std::optional<double>(tBolla) : std::nullopt)
                .numero("T_dew", sGlide == 0 ? std::optional<double>(tRugiada) : std::nullopt)
                .numero("glide",
                        sGlide == 0 ? std::optional<double>(tRugiada - tBolla) : std::nullopt)
                .apriOggetto("status")
                .intero("ILK_Set_Fluids", sFluids)
                .intero("ILK_p_D", sPD)
                .intero("ILK_h_L", sHL)
                .intero("ILK_h_V", sHV)
                .intero("ILK_V_V", sVV)
                .chiudiOggetto();
            out << j.chiudiOggetto().risultato() << "\n";
        } else {
            auto riga = [&](const char* nome, int16_t st, double v, const char* unita) {
                out << std::left << std::setw(16) << nome << std::right << " status " << st;
                if (st == 0)
                    out << "  " << testoPredefinito(v) << " " << unita;
                out << "\n";
            };
            out << gas << " T = " << testoPredefinito(*t) << " K, p = " << testoPredefinito(pVap)
                << " Pa\n";
            out << std::left << std::setw(16) << "ILK_Set_Fluids" << std::right << " status "
                << sFluids << "  " << dir << "\n";
            riga("ILK_p_D", sPD, pD, "Pa");
            riga("ILK_h_L", sHL, hL, "J/kg");
            riga("ILK_h_V", sHV, hV, "J/kg");
            riga("ILK_V_V", sVV, vV, "m3/kg");
            riga("T_bubble(p_D)", sGlide, tBolla, "K");
            riga("T_dew(p_D)", sGlide, tRugiada, "K");
            riga("glide", sGlide, tRugiada - tBolla, "K");
        }
        if (sFluids != 0) {
            err << testoCli(TestoCli::LibreriaNonConfigurata, lingua) << "\n";
            return UscitaDati;
        }
        return ok ? UscitaOk : UscitaCalcolo;
    }
};

} // namespace

bool richiedeApplicazioneGrafica(const std::vector<std::string>& argomenti) {
    return leggiArgomenti(argomenti).comando == "report";
}

int eseguiCli(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
              const std::string& cartellaProgramma) {
    return eseguiCli(argomenti, std::cin, out, err, cartellaProgramma);
}

int eseguiCli(const std::vector<std::string>& argomenti, std::istream& in, std::ostream& out,
              std::ostream& err, const std::string& cartellaProgramma) {
    const Argomenti a = leggiArgomenti(argomenti);
    if (!a.errore.empty()) {
        err << "selcomp-cli: " << a.errore << "\n" << TestoUso;
        return UscitaUso;
    }
    if (a.ha("--help")) {
        out << aiutoComando(a.comando);
        return UscitaOk;
    }
    ContestoCli contesto(cartellaProgramma, err);
    if (a.comando == "batch")
        return comandoBatch(a, contesto, in, out, err);
    return eseguiComando(a, contesto, out, err);
}

int eseguiComando(const Argomenti& a, ContestoCli& contesto, std::ostream& out, std::ostream& err) {
    return Cli(a, *contesto.dati, out, err).esegui();
}
