#pragma once
// Refrigerant property library: a C interface, one refrigerant per call named by its
// catalogue code ("R407C", "R-407C", "r407c", "R-22", "R290", "R600a", "R744", ...).
//
// Units are SI throughout: temperatures in K, pressures in Pa, specific enthalpies in
// J/kg (IIR reference: h = 200 kJ/kg for saturated liquid at 0 degC, the bubble point
// for blends), specific volumes in m3/kg.
//
// Every function returns a status, 0 on success and one of the ILK_ERR_* values below on
// failure; on failure the result argument is left untouched and ILK_Ultimo_Errore()
// describes the cause. The library keeps one state for the whole process and is meant
// to be called from one thread at a time.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ILK_OK 0
// ILK_Set_Fluids has not succeeded yet, or its folder is missing or holds no data file.
#define ILK_ERR_NON_INIZIALIZZATA 1
// No data file names this refrigerant.
#define ILK_ERR_REFRIGERANTE_SCONOSCIUTO 2
// Temperature outside the equation's range, saturation asked at or above the critical
// temperature, or a (T, p) state that is not vapour.
#define ILK_ERR_FUORI_CAMPO 3
// The density or phase-equilibrium iteration did not converge.
#define ILK_ERR_NON_CONVERGE 4
// A data file is malformed; ILK_Ultimo_Errore() gives "file:line: reason". The other,
// well-formed files of the folder are loaded all the same.
#define ILK_ERR_FILE_DATI 5
// A null pointer, an empty name or a value that is not a finite positive number.
#define ILK_ERR_ARGOMENTO 6

// Reads every "*.txt" data file of the folder (the program folder followed by
// "Reflibs"). Must succeed before any other call; calling it again reloads.
int16_t ILK_Set_Fluids(const char* cartella);

// Pressure at which T is the dew temperature, Pa.
int16_t ILK_p_D(const char* gas, double T_K, double* p_Pa);

// Pressure at which T is the bubble temperature, Pa (the dew pressure for a pure fluid).
// With ILK_p_D it gives a blend's glide.
int16_t ILK_p_B(const char* gas, double T_K, double* p_Pa);

// Enthalpy of the saturated liquid at T (for a blend the liquid at its bubble point at T), J/kg.
int16_t ILK_h_L(const char* gas, double T_K, double* h);

// Enthalpy of the vapour at T and p, J/kg. At the dew pressure of T and exactly at T it
// is the saturated vapour.
int16_t ILK_h_V(const char* gas, double T_K, double p_Pa, double* h);

// Specific volume of the vapour at T and p, m3/kg.
int16_t ILK_V_V(const char* gas, double T_K, double p_Pa, double* v);

// Text describing the last failure (empty after a success); valid until the next call.
const char* ILK_Ultimo_Errore(void);

#ifdef __cplusplus
}
#endif
