#pragma once
// The comparison window: compressors of one refrigerant side by side at one operating
// point, one column each, the best value of each row marked, sortable by any row.

#include "dati/StatoApplicazione.h"
#include "platform/Esportazione.h"
#include "results/Confronto.h"

#include <QAbstractTableModel>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMdiArea;
class QPushButton;
class QTableView;

// What the window shows: the compressors that run at the point, and how they are chosen.
struct DatiConfronto {
    QString refrigerante;
    CondFunz condizioni;                   // as typed, for the heading
    QString tensione;                      // supply option's text
    double potenzaRichiestaW = 0;          // 0: nothing required (calculation screen)
    std::vector<ColonnaConfronto> colonne; // every compressor that runs at the point
    bool scelta = false;                   // the user picks up to six (else all are shown)
    QString preferito;                     // ticked first when picking: the screen's compressor
    int indiceLingua = 0;
};

class ModelloConfronto : public QAbstractTableModel {
    Q_OBJECT
public:
    ModelloConfronto(int indiceLingua, double potenzaRichiestaW, QObject* genitore = nullptr);
    void imposta(std::vector<ColonnaConfronto> colonne);
    const std::vector<ColonnaConfronto>& colonne() const { return m_colonne; }
    // Reorders the columns by the values of a row (NaN last); the marks follow.
    void ordina(RigaConfronto riga, Qt::SortOrder verso);

    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo = Qt::DisplayRole) const override;

    // Caption and unit of a row, and its number pattern.
    QString didascalia(RigaConfronto riga) const;
    static QString unita(RigaConfronto riga);
    static QString formato(RigaConfronto riga);

private:
    int m_lingua;
    double m_richiestaW;
    std::vector<ColonnaConfronto> m_colonne;
    std::array<int, NumeroRigheConfronto> m_migliori{};
};

class cfrmConfronto : public QWidget {
    Q_OBJECT
public:
    static constexpr int MassimoScelti = 6;

    explicit cfrmConfronto(DatiConfronto dati, QWidget* genitore = nullptr);

    ModelloConfronto* modello() const { return m_modello; }
    // The heading of the window, of its printout and of its exports.
    QString intestazione() const;
    // The printout's body (an HTML table with the heading).
    QString htmlStampa() const;
    // The comparison for a spreadsheet: one row per compressor in the order shown, one
    // column per quantity with its unit and the screen's pattern.
    TabellaEsportazione tabellaEsportazione() const;

    QListWidget* elenco = nullptr; // the pick list (shown when picking)
    QTableView* tabella = nullptr;
    QLabel* informazioni = nullptr; // the unmet-requirement warning, the six limit
    QPushButton* cmdStampa = nullptr;
    QPushButton* cmdCopia = nullptr;
    QPushButton* cmdCsv = nullptr;
    QPushButton* cmdXlsx = nullptr;
    QHBoxLayout* pulsanti = nullptr; // Print and the export buttons

private:
    void sceltaCambiata(QListWidgetItem* voce);
    void aggiornaColonne();
    void stampa();

    DatiConfronto m_dati;
    ModelloConfronto* m_modello;
    int m_rigaOrdinata = -1;
    Qt::SortOrder m_verso = Qt::DescendingOrder;
};

// Builds the comparison of `righe` at the conditions in `base` and shows it inside
// `area` (or alone). A fault of a rating goes to the message service; nothing opens.
cfrmConfronto* mostraConfronto(const StatoMotore& base, const std::vector<RigaCompressore>& righe,
                               DatiConfronto dati, const LibreriaProprieta& lib, QMdiArea* area);
