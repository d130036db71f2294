#pragma once
// Numbers read from what the user typed or from stored texts. Two readings exist:
//
// - the locale-aware one (`valoreNumerico`, `eNumerico`) for the temperature fields: the
//   whole text must be a number written with the locale's decimal separator;
// - the leading-number one (`numeroIniziale`, `interoIniziale`) with a point as decimal
//   separator whatever the locale, for the required capacity and the settings store.

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

// The value of a text that is wholly a number in `locale`, or nothing. Grammar:
//   blanks* sign? mantissa exponent? blanks*
//   sign     '+' or '-', or the locale's own plus or minus sign
//   mantissa digits, digits SEP digits*, or SEP digits  (SEP = the locale's decimal
//            separator; "5,", ",5" and ",0" count in Italian)
//   exponent 'e' or 'E', an optional '+' or '-', digits
// Blanks are any white space. Grouping separators are not accepted ("1.000" is no number
// in Italian, "1,000" none in English): a grouped text would too easily be a decimal
// typed with the wrong separator. "", "-", "e5", "1e" are not numbers. A number beyond
// the range of a double is none; one too small for it reads as 0.
std::optional<double> valoreNumerico(const QString& testo, const QLocale& locale);
inline bool eNumerico(const QString& testo, const QLocale& locale) {
    return valoreNumerico(testo, locale).has_value();
}

// The leading number of a text, with a point as decimal separator. Blanks, tabs and line
// feeds anywhere are dropped first ("1 500" is 1500); then an optional sign, digits, one
// point, digits and an optional exponent ('e' or 'E', optional sign, digits) are read up to
// the first character that cannot continue the number ("1,5" is 1, "12abc" is 12).
// A text without a leading number gives 0. Nothing only when the number is beyond the
// range of a double.
std::optional<double> numeroIniziale(const QString& testo);

// The leading number rounded half away from zero to a 16-bit integer ("12abc" is 12,
// "abc" is 0, "2.5" is 3); nothing when it falls outside -32768..32767.
std::optional<int16_t> interoIniziale(const QString& testo);
