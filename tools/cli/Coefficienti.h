#pragma once
// The catalogue's EN 12900 polynomials (°C; W, W, kg/s) rewritten for AHRI 540 (°F;
// Btu/h, W, lb/h). Both standards write the ten terms in the same order,
//   C0 + C1·S + C2·D + C3·S² + C4·S·D + C5·D² + C6·S³ + C7·S²·D + C8·S·D² + C9·D³,
// S the suction and D the discharge dew-point temperature; only units change. The
// substitution t_C = (t_F − 32)/1.8 is expanded term by term, so the new polynomial is
// the old one exactly, up to rounding.

#include <array>

using Coefficienti10 = std::array<double, 10>;

// Unit factors. 1 Btu (International Table) = 1055.05585262 J; 1 lb = 0.45359237 kg
// (both exact by definition).
inline constexpr double BtuOraPerWatt = 3600.0 / 1055.05585262;
inline constexpr double LibbreOraPerKgS = 3600.0 / 0.45359237;

// c0 + c1·x + c2·y + ... + c9·y³ in the order above.
double ValutaPolinomio10(const Coefficienti10& c, double x, double y);

// The coefficients of Q(s_F, d_F) = fattore · P((s_F − 32)/1.8, (d_F − 32)/1.8).
Coefficienti10 InFahrenheit(const Coefficienti10& c, double fattore);

// A temperature and a temperature difference in °F.
inline double GradiFahrenheit(double celsius) {
    return celsius * 1.8 + 32;
}
inline double DifferenzaFahrenheit(double kelvin) {
    return kelvin * 1.8;
}
