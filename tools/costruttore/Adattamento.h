#pragma once
// Least-squares fit of the ten-coefficient polynomial in TE and TC (degC):
// C0 + C1 TE + C2 TC + C3 TE^2 + C4 TE TC + C5 TC^2 + C6 TE^3 + C7 TE^2 TC + C8 TE TC^2 + C9 TC^3.

#include <QString>

#include <array>
#include <vector>

using Coefficienti = std::array<double, 10>;

struct PuntoMisura {
    double te = 0, tc = 0, valore = 0;
};

struct Deviazione {
    double massima = 0; // largest |relative deviation|, fraction
    double rms = 0;     // root mean square of the relative deviations, fraction
};

double polinomio(const Coefficienti& c, double te, double tc);
// Partial derivatives of the polynomial by TE and by TC.
double derivataTE(const Coefficienti& c, double te, double tc);
double derivataTC(const Coefficienti& c, double te, double tc);

// Fits the coefficients to the points (at least ten, spread over both temperatures);
// false and a message when the points cannot fix all ten terms.
bool adatta(const std::vector<PuntoMisura>& punti, Coefficienti* c, QString* errore);

// Relative deviation of the polynomial from the points (values must not be zero).
Deviazione deviazione(const Coefficienti& c, const std::vector<PuntoMisura>& punti);

// The coefficients as the catalogue holds them: ten significant digits.
Coefficienti arrotonda(const Coefficienti& c);
// Fixed text of one number for the catalogue's sources and reports.
QString numeroTesto(double v);
