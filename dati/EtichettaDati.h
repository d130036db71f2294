#pragma once
// A label that shows one column of a data source's current row and follows the source:
// it is rewritten at every reposition and every refresh. Null, a missing column and a
// source standing before the first or after the last row give an empty text. Numbers
// are written in the widget's locale (setLocale): with a picture pattern when one is
// given (formatoNumero), otherwise in the default form (testoNumero).
//
//     EtichettaDati teMin(&compressori, "TEMin30", parent);
//     EtichettaDati didascalia(&lingue, "DescModello", parent);

#include <QLabel>
#include <QPointer>
#include <QString>

class SorgenteDati;

class EtichettaDati : public QLabel {
    Q_OBJECT
public:
    explicit EtichettaDati(QWidget* parent = nullptr);
    EtichettaDati(SorgenteDati* sorgente, const QString& colonna, QWidget* parent = nullptr);

    // The source (not owned) and the column, by name (any case); shown at once.
    void collega(SorgenteDati* sorgente, const QString& colonna);
    // A picture such as "#,##0.##" for numeric values; empty: the default number text.
    void impostaSchema(const QString& schema);

    SorgenteDati* sorgente() const;
    QString colonna() const { return m_colonna; }

    // Shows the column of the source's current row now.
    void aggiornaTesto();

private:
    QPointer<SorgenteDati> m_sorgente;
    QString m_colonna;
    QString m_schema;
};
