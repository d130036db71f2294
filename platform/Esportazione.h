#pragma once
// Grids leave the program as tab-separated text (the clipboard), CSV or an .xlsx
// workbook. No widgets: the screens and selcomp-cli hand over the same plain table, so
// a grid exported from a screen and from the tool cannot differ.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

struct TabellaEsportazione {
    QString titolo;           // first line of the header block and the sheet's name
    QStringList intestazione; // further header lines: model, refrigerant, conditions, supply, units
    QStringList colonne;      // column headings
    QStringList schemi;       // per column: the screen's picture ("#,###.00"); empty = plain number
    // A double (or any number) is a number, a string is a text, a null QVariant an empty
    // cell. A non-finite number is written as an empty cell.
    QVector<QVector<QVariant>> righe;
};

enum class DecimaleCsv {
    Punto,  // "12.5" with ',' between fields
    Locale, // the locale's decimal; with a decimal comma the fields are split by ';'
};

// Tab-separated text with the header block and the column headings, numbers rounded as
// on screen with the locale's decimal and no grouping; tables one after another, a blank
// line between them. Lines end with "\n".
QString testoTabulato(const QVector<TabellaEsportazione>& tabelle, const QLocale& locale);

// The same content as CSV (fields quoted when they hold the separator, a quote or a
// line break). Lines end with "\r\n", as spreadsheets expect.
QString testoCsv(const QVector<TabellaEsportazione>& tabelle, DecimaleCsv decimale,
                 const QLocale& locale);
bool scriviCsv(const QVector<TabellaEsportazione>& tabelle, const QString& percorso,
               DecimaleCsv decimale, const QLocale& locale, QString* errore);

// One sheet per table: the header block (title bold), a blank row, the headings (bold),
// the rows; numbers stored as numbers at full precision, shown with the Excel format
// equivalent to the screen's picture. Sheet names are made valid and unique.
bool scriviXlsx(const QVector<TabellaEsportazione>& tabelle, const QString& percorso,
                QString* errore);

// The Excel number format equivalent to a screen picture: placeholders pass unchanged,
// texts before and after them are quoted ("0.0 kW" gives 0.0" kW"); empty is "General".
QString formatoExcel(const QString& schema);

// "Cannot write the file" in the language of the index (0 Italian .. 4 Spanish); the
// writers' `errore` adds the file and the system's reason.
QString testoErroreScrittura(int lingua);
