#pragma once
// Numbers turned into screen text: picture patterns such as "#,##0.##" or "00.0", and the
// plain default form. Grouping and decimal characters come from the locale passed in, so
// a screen hands over the user's locale and a test any locale it likes.

#include <QLocale>
#include <QString>

// `valore` laid out by the picture `schema`:
//   "0"  a digit always shown (leading zeros pad the integer part, trailing ones the
//        decimals),
//   "#"  a digit shown only when significant,
//   ","  anywhere in the integer part: group the integer digits by three,
//   "."  the decimal separator; it is written even when no decimal follows ("10.").
// The value is rounded half away from zero to the pattern's decimal places, reading it
// as its 15-significant-digit decimal form (2.675 gives 2.68 with "0.##"). A value that
// rounds to zero carries no minus sign. Characters before the first and after the last
// placeholder are copied as they stand ("0.0 kW"). Infinity and NaN (a figure that is
// not known) give "-".
QString formatoNumero(double valore, const QString& schema, const QLocale& locale);

// The platform's default number-to-text form: at most 15 significant digits, trailing
// zeros dropped, the locale's decimal separator and minus sign, no grouping. 9999.9 gives
// "9999,9" in Italian and -10 + 11.1 gives "1,1", not the double's full tail. Plain
// positional digits for magnitudes from 1e-5 up to below 1e15, else an exponent form
// such as "1,5E+20" (which the locale-aware numeric test reads back). NaN gives "-".
QString testoNumero(double valore, const QLocale& locale);
