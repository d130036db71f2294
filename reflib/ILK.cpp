#include "reflib/ILK.h"

#include <cmath>

#include "reflib/Libreria.h"
#include "reflib/Stato.h"

namespace reflib {

// The C interface has no handle, so its one state lives here.
Libreria& libreriaProcesso() {
    static Libreria lib;
    return lib;
}

} // namespace reflib

using reflib::Libreria;

namespace {

bool positivo(double x) {
    return std::isfinite(x) && x > 0;
}

int16_t argomentoNonValido(Libreria& lib, const char* cosa) {
    lib.errore() = std::string("argomento non valido: ") + cosa;
    return reflib::Argomento;
}

template <class F> int16_t conFluido(const char* gas, double T, const double* risultato, F&& f) {
    Libreria& lib = reflib::libreriaProcesso();
    int esito = 0;
    reflib::Refrigerante* fluido = lib.trova(gas, esito);
    if (!fluido)
        return int16_t(esito);
    if (!risultato)
        return argomentoNonValido(lib, "puntatore del risultato nullo");
    if (!positivo(T))
        return argomentoNonValido(lib, "temperatura");
    lib.errore().clear();
    esito = f(*fluido, lib.errore());
    // A damaged data file can make the equations give no number: never report that as success.
    if (esito == reflib::Ok && !std::isfinite(*risultato)) {
        lib.errore() = "risultato non finito";
        return int16_t(reflib::NonConverge);
    }
    return int16_t(esito);
}

} // namespace

extern "C" {

int16_t ILK_Set_Fluids(const char* cartella) {
    Libreria& lib = reflib::libreriaProcesso();
    if (!cartella) {
        lib.carica("");
        return argomentoNonValido(lib, "cartella nulla");
    }
    return int16_t(lib.carica(cartella));
}

int16_t ILK_p_D(const char* gas, double T_K, double* p_Pa) {
    return conFluido(gas, T_K, p_Pa, [&](reflib::Refrigerante& f, std::string& e) {
        return f.pressioneRugiada(T_K, *p_Pa, e);
    });
}

int16_t ILK_p_B(const char* gas, double T_K, double* p_Pa) {
    return conFluido(gas, T_K, p_Pa, [&](reflib::Refrigerante& f, std::string& e) {
        return f.pressioneBolla(T_K, *p_Pa, e);
    });
}

int16_t ILK_h_L(const char* gas, double T_K, double* h) {
    return conFluido(gas, T_K, h, [&](reflib::Refrigerante& f, std::string& e) {
        return f.entalpiaLiquido(T_K, *h, e);
    });
}

int16_t ILK_h_V(const char* gas, double T_K, double p_Pa, double* h) {
    return conFluido(gas, T_K, h, [&](reflib::Refrigerante& f, std::string& e) {
        if (!positivo(p_Pa)) {
            e = "argomento non valido: pressione";
            return int(reflib::Argomento);
        }
        double v = 0;
        return f.vapore(T_K, p_Pa, *h, v, e);
    });
}

int16_t ILK_V_V(const char* gas, double T_K, double p_Pa, double* v) {
    return conFluido(gas, T_K, v, [&](reflib::Refrigerante& f, std::string& e) {
        if (!positivo(p_Pa)) {
            e = "argomento non valido: pressione";
            return int(reflib::Argomento);
        }
        double h = 0;
        return f.vapore(T_K, p_Pa, h, *v, e);
    });
}

const char* ILK_Ultimo_Errore(void) {
    return reflib::libreriaProcesso().ultimoErrore().c_str();
}

} // extern "C"
