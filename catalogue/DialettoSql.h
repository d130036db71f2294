#pragma once
// The catalogue's SQL dialect, as the screens write it, turned into SQLite's:
//  - DISTINCTROW is dropped (every query that uses it selects from all its tables,
//    where it has no effect);
//  - Like patterns use * for any run of characters, ? for one character and # for one
//    digit; they become LIKE patterns (the % and _ they hold are escaped). A pattern
//    given as a parameter (Like ?) is converted when it is bound;
//  - true and false become -1 and 0, the values Jet stores;
//  - [bracketed] names become "quoted" names, and "double-quoted" texts become
//    'single-quoted' literals;
//  - ? placeholders stay, in order.
// Texts inside literals are never touched.

#include <QString>
#include <QVector>

struct SqlTradotto {
    QString testo;              // SQLite text
    QVector<int> parametriLike; // indexes (0-based) of the ? that are Like patterns
    int numeroParametri = 0;
};

SqlTradotto traduciSql(const QString& jet);

// A Like pattern of the dialect as a LIKE pattern with \ as escape character.
QString modelloLike(const QString& jet);
