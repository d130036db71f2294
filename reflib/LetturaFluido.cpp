#include "reflib/LetturaFluido.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

namespace reflib {

namespace {

struct Riga {
    std::string chiave;
    std::vector<std::string> campi;
    std::string resto; // the text after the keyword, for free-text fields
};

bool numero(const std::string& s, double& x) {
    errno = 0;
    char* fine = nullptr;
    x = std::strtod(s.c_str(), &fine);
    return fine && *fine == '\0' && fine != s.c_str() && errno == 0 && std::isfinite(x);
}

bool intero(const std::string& s, int& x) {
    double d = 0;
    if (!numero(s, d) || d != std::floor(d) || d < 0 || d > 20)
        return false;
    x = int(d);
    return true;
}

} // namespace

std::unique_ptr<Fluido> leggiFluido(const std::string& percorso, std::string& errore) {
    std::ifstream in(percorso);
    if (!in) {
        errore = percorso + ":0: file non leggibile";
        return nullptr;
    }
    auto f = std::make_unique<Fluido>();
    Equazione& eq = f->eq;
    std::set<std::string> visti;
    Ancillare* ancillare = nullptr;
    std::string testo;
    int numeroRiga = 0;
    auto sbaglio = [&](const std::string& motivo) {
        errore = percorso + ":" + std::to_string(numeroRiga) + ": " + motivo;
        return nullptr;
    };
    while (std::getline(in, testo)) {
        ++numeroRiga;
        if (auto c = testo.find('#'); c != std::string::npos)
            testo.erase(c);
        if (!testo.empty() && testo.back() == '\r')
            testo.pop_back();
        std::istringstream ss(testo);
        Riga r;
        if (!(ss >> r.chiave))
            continue;
        for (std::string s; ss >> s;)
            r.campi.push_back(s);
        const auto inizio = testo.find_first_not_of(" \t", testo.find(r.chiave) + r.chiave.size());
        r.resto = inizio == std::string::npos ? "" : testo.substr(inizio);
        while (!r.resto.empty() && (r.resto.back() == ' ' || r.resto.back() == '\t'))
            r.resto.pop_back();

        // Numbers of the line from field `da` on, exactly `quanti` of them.
        std::vector<double> x;
        auto numeri = [&](size_t da, size_t quanti) {
            if (r.campi.size() != da + quanti)
                return false;
            x.assign(quanti, 0);
            for (size_t i = 0; i < quanti; ++i)
                if (!numero(r.campi[da + i], x[i]))
                    return false;
            return true;
        };
        const std::string& k = r.chiave;
        const bool unica = k != "ideale" && k != "residuo" && k != "ancillare" && k != "coeff";
        if (unica && !visti.insert(k).second)
            return sbaglio("'" + k + "' ripetuto");

        if (k == "fluido") {
            if (r.campi.size() != 1)
                return sbaglio("'fluido' vuole un nome");
            f->nome = r.campi[0];
        } else if (k == "alias") {
            f->alias = r.campi;
        } else if (k == "fonte") {
            if (r.resto.empty())
                return sbaglio("'fonte' vuota");
            f->fonte = r.resto;
        } else if (k == "modello") {
            if (r.campi.size() != 1 || (r.campi[0] != "puro" && r.campi[0] != "pseudopuro"))
                return sbaglio("'modello' vuole 'puro' o 'pseudopuro'");
            f->pseudoPuro = r.campi[0] == "pseudopuro";
        } else if (k == "costante_gas" || k == "massa_molare" || k == "t_riduzione" ||
                   k == "rho_riduzione" || k == "t_critica" || k == "p_critica" || k == "t_min" ||
                   k == "t_max" || k == "t_critica_miscela") {
            if (!numeri(0, 1) || !(x[0] > 0))
                return sbaglio("'" + k + "' vuole un numero positivo");
            double& dest = k == "costante_gas"    ? eq.R
                           : k == "massa_molare"  ? eq.M
                           : k == "t_riduzione"   ? eq.Tr
                           : k == "rho_riduzione" ? eq.rhor
                           : k == "t_critica"     ? f->Tcrit
                           : k == "p_critica"     ? f->pcrit
                           : k == "t_min"         ? f->Tmin
                           : k == "t_max"         ? f->Tmax
                                                  : f->TcritMiscela;
            dest = x[0];
        } else if (k == "ideale") {
            const std::string tipo = r.campi.empty() ? "" : r.campi[0];
            if (tipo == "guida" || tipo == "offset") {
                if (!numeri(1, 2))
                    return sbaglio("'ideale " + tipo + "' vuole a1 a2");
                eq.a1 += x[0];
                eq.a2 += x[1];
            } else if (tipo == "logtau") {
                if (!numeri(1, 1))
                    return sbaglio("'ideale logtau' vuole a");
                eq.logTau += x[0];
            } else if (tipo == "potenza") {
                if (!numeri(1, 2))
                    return sbaglio("'ideale potenza' vuole n t");
                eq.potN.push_back(x[0]);
                eq.potT.push_back(x[1]);
            } else if (tipo == "planck") {
                if (!numeri(1, 2) || !(x[1] > 0))
                    return sbaglio("'ideale planck' vuole n t (t > 0)");
                eq.planckN.push_back(x[0]);
                eq.planckT.push_back(x[1]);
            } else if (tipo == "cp0costante") {
                if (!numeri(1, 3) || !(x[1] > 0) || !(x[2] > 0))
                    return sbaglio("'ideale cp0costante' vuole c T0 Tc");
                eq.cp0C.push_back(x[0]);
                eq.cp0Tau0.push_back(x[2] / x[1]);
            } else if (tipo == "cp0potenza") {
                if (!numeri(1, 4) || x[1] == 0 || x[1] == -1 || !(x[2] > 0) || !(x[3] > 0))
                    return sbaglio("'ideale cp0potenza' vuole c t T0 Tc (t diverso da 0 e -1)");
                eq.cpPolyC.push_back(x[0]);
                eq.cpPolyT.push_back(x[1]);
                eq.cpPolyT0.push_back(x[2]);
                eq.cpPolyTc.push_back(x[3]);
            } else {
                return sbaglio("termine ideale sconosciuto '" + tipo + "'");
            }
        } else if (k == "residuo") {
            const std::string tipo = r.campi.empty() ? "" : r.campi[0];
            int d = 0, l = 0;
            if (tipo == "poli") {
                if (!numeri(1, 3) || !intero(r.campi[2], d))
                    return sbaglio("'residuo poli' vuole n d t");
                eq.polyN.push_back(x[0]);
                eq.polyD.push_back(d);
                eq.polyT.push_back(x[2]);
            } else if (tipo == "esp") {
                if (!numeri(1, 4) || !intero(r.campi[2], d) || !intero(r.campi[4], l) || l < 1 ||
                    l > 15)
                    return sbaglio("'residuo esp' vuole n d t l");
                eq.espN.push_back(x[0]);
                eq.espD.push_back(d);
                eq.espT.push_back(x[2]);
                eq.espL.push_back(l);
                eq.espM.push_back(0);
            } else if (tipo == "esptau") {
                if (!numeri(1, 5) || !intero(r.campi[2], d) || !intero(r.campi[4], l) || l < 1 ||
                    l > 15 || !(x[4] > 0))
                    return sbaglio("'residuo esptau' vuole n d t l m (m > 0)");
                eq.espN.push_back(x[0]);
                eq.espD.push_back(d);
                eq.espT.push_back(x[2]);
                eq.espL.push_back(l);
                eq.espM.push_back(x[4]);
            } else if (tipo == "gauss") {
                if (!numeri(1, 7) || !intero(r.campi[2], d))
                    return sbaglio("'residuo gauss' vuole n d t eta epsilon beta gamma");
                eq.gauss.push_back({x[0], x[2], x[3], x[4], x[5], x[6], d});
            } else if (tipo == "nonanalitico") {
                if (!numeri(1, 8) || !(x[3] > 0))
                    return sbaglio("'residuo nonanalitico' vuole n a b beta A B C D");
                eq.nonAnalitici.push_back({x[0], x[1], x[2], x[3], x[4], x[5], x[6], x[7]});
            } else {
                return sbaglio("termine residuo sconosciuto '" + tipo + "'");
            }
        } else if (k == "ancillare") {
            const std::string nome = r.campi.empty() ? "" : r.campi[0];
            ancillare = nome == "ps"     ? &f->ps
                        : nome == "pl"   ? &f->pl
                        : nome == "pv"   ? &f->pv
                        : nome == "rhol" ? &f->rhol
                        : nome == "rhov" ? &f->rhov
                                         : nullptr;
            if (!ancillare)
                return sbaglio("ancillare sconosciuta '" + nome + "'");
            if (ancillare->Tr > 0)
                return sbaglio("ancillare '" + nome + "' ripetuta");
            const std::string forma = r.campi.size() > 1 ? r.campi[1] : "";
            if (forma == "pressione")
                ancillare->forma = Ancillare::Forma::Pressione;
            else if (forma == "lineare")
                ancillare->forma = Ancillare::Forma::Lineare;
            else if (forma == "esponenziale")
                ancillare->forma = Ancillare::Forma::Esponenziale;
            else
                return sbaglio("forma di ancillare sconosciuta '" + forma + "'");
            if (!numeri(2, 5) || !(x[0] > 0) || !(x[1] > 0) || (x[2] != 0 && x[2] != 1))
                return sbaglio("'ancillare' vuole nome forma T_r valore tau_r(0/1) Tmin Tmax");
            ancillare->Tr = x[0];
            ancillare->valoreRid = x[1];
            ancillare->tauR = x[2] == 1;
            ancillare->Tmin = x[3];
            ancillare->Tmax = x[4];
        } else if (k == "coeff") {
            if (!ancillare)
                return sbaglio("'coeff' fuori da un'ancillare");
            if (!numeri(0, 2))
                return sbaglio("'coeff' vuole n t");
            ancillare->n.push_back(x[0]);
            ancillare->t.push_back(x[1]);
        } else {
            return sbaglio("parola chiave sconosciuta '" + k + "'");
        }
    }
    // What every file must give.
    for (const char* chiave :
         {"fluido", "fonte", "modello", "costante_gas", "massa_molare", "t_riduzione",
          "rho_riduzione", "t_critica", "p_critica", "t_min", "t_max"})
        if (!visti.count(chiave))
            return sbaglio(std::string("manca '") + chiave + "'");
    if (eq.polyN.empty() && eq.espN.empty())
        return sbaglio("nessun termine residuo");
    if (!(f->Tmin < f->Tcrit) || !(f->Tcrit <= f->Tmax))
        return sbaglio("t_min, t_critica e t_max non in ordine");
    if (!f->rhol.presente() || !f->rhov.presente())
        return sbaglio("mancano le ancillari 'rhol' e 'rhov'");
    if (f->pseudoPuro ? (!f->pl.presente() || !f->pv.presente()) : !f->ps.presente())
        return sbaglio(f->pseudoPuro ? "mancano le ancillari 'pl' e 'pv'"
                                     : "manca l'ancillare 'ps'");
    eq.completa();
    return f;
}

bool fileMiscela(const std::string& percorso) {
    std::ifstream in(percorso);
    std::string testo;
    while (std::getline(in, testo)) {
        if (auto c = testo.find('#'); c != std::string::npos)
            testo.erase(c);
        std::istringstream ss(testo);
        std::string k;
        if (ss >> k)
            return k == "miscela";
    }
    return false;
}

std::unique_ptr<Miscela> leggiMiscela(const std::string& percorso, std::string& errore) {
    std::ifstream in(percorso);
    if (!in) {
        errore = percorso + ":0: file non leggibile";
        return nullptr;
    }
    auto m = std::make_unique<Miscela>();
    std::string testo;
    int numeroRiga = 0;
    auto sbaglio = [&](const std::string& motivo) {
        errore = percorso + ":" + std::to_string(numeroRiga) + ": " + motivo;
        return nullptr;
    };
    CoppiaMiscela* coppia = nullptr;
    bool nomeVisto = false;
    auto indice = [&](const std::string& nome) {
        for (size_t i = 0; i < m->nomiComponenti.size(); ++i)
            if (m->nomiComponenti[i] == nome)
                return int(i);
        return -1;
    };
    while (std::getline(in, testo)) {
        ++numeroRiga;
        if (auto c = testo.find('#'); c != std::string::npos)
            testo.erase(c);
        if (!testo.empty() && testo.back() == '\r')
            testo.pop_back();
        std::istringstream ss(testo);
        std::string k;
        if (!(ss >> k))
            continue;
        std::vector<std::string> campi;
        for (std::string s; ss >> s;)
            campi.push_back(s);
        const auto inizio = testo.find_first_not_of(" \t", testo.find(k) + k.size());
        std::string resto = inizio == std::string::npos ? "" : testo.substr(inizio);
        while (!resto.empty() && (resto.back() == ' ' || resto.back() == '\t'))
            resto.pop_back();
        std::vector<double> x;
        auto numeri = [&](size_t da, size_t quanti) {
            if (campi.size() != da + quanti)
                return false;
            x.assign(quanti, 0);
            for (size_t i = 0; i < quanti; ++i)
                if (!numero(campi[da + i], x[i]))
                    return false;
            return true;
        };
        if (k == "miscela") {
            if (nomeVisto || campi.size() != 1)
                return sbaglio("'miscela' vuole un nome, una volta");
            m->nome = campi[0];
            nomeVisto = true;
        } else if (k == "alias") {
            m->alias = campi;
        } else if (k == "fonte") {
            if (resto.empty())
                return sbaglio("'fonte' vuota");
            if (coppia)
                coppia->fonte = resto;
            else
                m->fonte = resto;
        } else if (k == "componente") {
            if (coppia)
                return sbaglio("'componente' dopo le coppie");
            if (!numeri(1, 1) || !(x[0] >= 0) || !(x[0] <= 1))
                return sbaglio("'componente' vuole nome frazione (0..1)");
            if (indice(campi[0]) >= 0)
                return sbaglio("componente '" + campi[0] + "' ripetuto");
            if (m->nomiComponenti.size() >= size_t(MaxComponenti))
                return sbaglio("troppi componenti");
            m->z[m->nomiComponenti.size()] = x[0];
            m->nomiComponenti.push_back(campi[0]);
        } else if (k == "coppia") {
            if (!numeri(2, 5) || !(x[0] > 0) || !(x[1] > 0) || !(x[2] > 0) || !(x[3] > 0) ||
                !(x[4] >= 0))
                return sbaglio("'coppia' vuole I J beta_T gamma_T beta_v gamma_v F (positivi)");
            const int i = indice(campi[0]), j = indice(campi[1]);
            if (i < 0 || j < 0 || i == j)
                return sbaglio("'coppia' di componenti non dichiarati");
            for (const CoppiaMiscela& c : m->modello.coppie)
                if ((c.i == i && c.j == j) || (c.i == j && c.j == i))
                    return sbaglio("coppia ripetuta");
            CoppiaMiscela c;
            c.i = i;
            c.j = j;
            c.betaT = x[0];
            c.gammaT = x[1];
            c.betaV = x[2];
            c.gammaV = x[3];
            c.F = x[4];
            m->modello.coppie.push_back(c);
            coppia = &m->modello.coppie.back();
        } else if (k == "partenza") {
            int d = 0, l = 0;
            if (!coppia)
                return sbaglio("'partenza' fuori da una coppia");
            if (!numeri(0, 4) || !intero(campi[1], d) || !intero(campi[3], l) || l > 15)
                return sbaglio("'partenza' vuole n d t l");
            Equazione& e = coppia->partenza;
            if (l == 0) {
                e.polyN.push_back(x[0]);
                e.polyD.push_back(d);
                e.polyT.push_back(x[2]);
            } else {
                e.espN.push_back(x[0]);
                e.espD.push_back(d);
                e.espT.push_back(x[2]);
                e.espL.push_back(l);
                e.espM.push_back(0);
            }
        } else {
            return sbaglio("parola chiave sconosciuta '" + k + "'");
        }
    }
    if (!nomeVisto)
        return sbaglio("manca 'miscela'");
    if (m->fonte.empty())
        return sbaglio("manca 'fonte'");
    if (m->nomiComponenti.size() < 2)
        return sbaglio("una miscela vuole almeno due componenti");
    double somma = 0;
    for (double x : m->z)
        somma += x;
    if (std::abs(somma - 1) > 1e-9)
        return sbaglio("le frazioni molari non sommano a 1");
    for (const CoppiaMiscela& c : m->modello.coppie)
        if (c.F != 0 && c.partenza.polyN.empty() && c.partenza.espN.empty())
            return sbaglio("coppia con F diverso da 0 senza funzione di partenza");
    return m;
}

} // namespace reflib
