#pragma once
// The table model of one performance grid: the rows of a working-table data source,
// columns Tvap, Tc30 .. Tc70. Column 0 is the row-heading column (grey, empty heading);
// the value columns are written with the grid's picture pattern. The model follows the
// source: one reset per refresh of the source.

#include <QAbstractTableModel>
#include <QLocale>
#include <QPointer>
#include <QString>

class SorgenteDati;

class ModelloTabella : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int NumeroColonne = 10; // Tvap, Tc30 .. Tc70
    // Background of the heading column (&HC0C0C0).
    static constexpr unsigned ColoreIntestazione = 0xC0C0C0;

    explicit ModelloTabella(SorgenteDati* sorgente, QObject* parent = nullptr);

    // Picture of the value columns (1..9); applied at once.
    void impostaSchema(const QString& schema);
    QString schema() const { return m_schema; }
    void impostaLocale(const QLocale& locale);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo = Qt::DisplayRole) const override;

    // Number of resets since construction (each refresh of the source is one).
    int numeroAzzeramenti() const { return m_azzeramenti; }

private:
    QPointer<SorgenteDati> m_sorgente;
    QString m_schema = QStringLiteral("#,###.00");
    QLocale m_locale;
    int m_azzeramenti = 0;
};
