#pragma once
// The performance tables screen: capacity, power input, current and mass flow of the
// calculation screen's current compressor over its envelope, at the catalogue's rating
// conditions, for a supply option and a unit chosen here. The four tables are written
// into the working tables tmpWR/tmpWA/tmpCA/tmpPM and shown by grids bound to them.
// The calculation screen must stay open while this one is shown.

#include "dati/SorgenteDati.h"
#include "dati/StatoApplicazione.h"
#include "engine/Tabelle.h"
#include "platform/Esportazione.h"

#include <QWidget>
#include <array>

class DatiSchermoCalcoli;
class ModelloTabella;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class cFrmCaricam;

class cFrmDatiComp : public QWidget {
    Q_OBJECT
public:
    // Loads the screen and computes the four tables (behind the loading window).
    cFrmDatiComp(StatoApplicazione& stato, DatiSchermoCalcoli& calcoli, QWidget* parent = nullptr);
    ~cFrmDatiComp() override;

    static constexpr int NumeroTensioni = 5;
    static const std::array<QString, NumeroTensioni> CaptionTensioni;

    // The steps of the screen, public for the program's tests.
    void RicalcolaTutto();
    void CreaTab();
    void riempimento();
    void AdjustTab();
    void AggiustaKW();
    double Calcolores(double Tc, double Te, int k) const;

    int IndiceTensioneTabelle() const { return m_indiceTensioneTabelle; }
    bool bKW() const { return m_bKW; }
    bool bCaricamentoTabelle() const { return m_bCaricamento; }
    const DatiCompressore& dati() const { return m_dati; }
    const TabellePrestazioni& tabelle() const { return m_tabelle; }

    // Data sources: 0 the CollCompGas row, 1..4 the working tables, 5 the labels.
    SorgenteDati& Data1(int i) { return *m_sorgenti[size_t(i)]; }
    ModelloTabella* modello(int i) const { return m_modelli[size_t(i)]; }
    // The tables for the clipboard and the files: table k, or all four (k = -1), each
    // with model, refrigerant, conditions, supply option and unit above it.
    QVector<TabellaEsportazione> tabelleEsportazione(int k = -1) const;

    QGroupBox* Frame2;
    QGroupBox* fmCondizioni;
    QGroupBox* fmUmis;
    QGroupBox* fmTensioni;
    std::array<QLabel*, 4> Label1{};
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    std::array<QRadioButton*, 2> optUM{};
    std::array<QRadioButton*, NumeroTensioni> optTensioni{};
    QTabWidget* SSTab1;
    std::array<QTableView*, 4> TDBGrid1{};
    QPushButton* cm3Naviga;

signals:
    void caricamentoIniziato(); // the loading window is up (tests look at it)

private:
    void creaControlli();
    void carica();
    void tagliaTensionik8();
    void tensioneScelta(int i);
    void unitaScelta(int i);
    void chiudi();
    QString etichetta(const QString& chiave) const;

    StatoApplicazione& stato;
    DatiSchermoCalcoli& calcoli;
    std::array<SorgenteDati*, 6> m_sorgenti{};
    std::array<ModelloTabella*, 4> m_modelli{};
    EtichetteLingua m_lingue;
    DatiCompressore m_dati;
    InviluppoCompressore m_inviluppo;
    bool m_valido = false; // a CollCompGas row with envelope columns was found
    TabellePrestazioni m_tabelle;
    QString m_testoCompressore, m_testoRefrigerante;
    int m_indiceTensioneTabelle = 0;
    bool m_bKW = true;
    bool m_bCaricamento = false;
};
