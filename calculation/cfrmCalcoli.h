#pragma once
// The calculation screen: a refrigerant, one of its compressors with its envelope, the
// operating conditions, and the rating of that compressor at them.

#include "calculation/DatiSchermoCalcoli.h"
#include "dati/StatoApplicazione.h"
#include "engine/Proprieta.h"

#include <QWidget>
#include <array>
#include <functional>

class PannelloCondizioni;
class SorgenteDati;
class ComboDati;
class EtichettaDati;
class QGroupBox;
class QLabel;
class QPushButton;
class cfrmCalcoli;
class cfrmConfronto;
class DiagrammaInviluppo;

// The windows the screen opens, handed in by whoever registers the screen; an empty one
// leaves its button without effect.
struct AgganciCalcoli {
    LibreriaProprieta libreria;            // refrigerant property library
    std::function<void()> apriRisultati;   // after a successful rating
    std::function<void()> chiudiRisultati; // after a failed one: no screen of an older run stays
    std::function<void(DatiSchermoCalcoli&)> apriTabelle; // "Tabelle"
    std::function<void(DatiSchermoCalcoli&)> apriGrafico; // "Grafico", chart data from the row
    std::function<void(const QString& didascalia)> apriNoteGas;      // envelope picture of NomeDis
    std::function<void()> apriInfo407C;                              // the R407C information window
    std::function<void(const QString&, const QString&)> mostraDebug; // correction's debug lines
};

class cfrmCalcoli : public QWidget, public DatiSchermoCalcoli {
    Q_OBJECT
public:
    cfrmCalcoli(StatoApplicazione& stato, AgganciCalcoli agganci = {}, QWidget* parent = nullptr);
    ~cfrmCalcoli() override;

    const SorgenteDati& compressoreCorrente() const override;
    QString testoCompressore() const override;
    QString testoRefrigerante() const override;

    // Navigation buttons 0..3, compute 5, close 6 (4 does not exist).
    static constexpr int NumeroNaviga = 7;

    PannelloCondizioni* pannello;
    ComboDati* CSCombo1;                       // compressor combo
    QLabel* Label2Modello;                     // Label2(0)
    QGroupBox* Panel3D2;                       // envelope panel
    std::array<QLabel*, 12> Panel3D6{};        // envelope headers
    std::array<EtichettaDati*, 18> Panel3D5{}; // envelope values: 0..8 minimum, 9..17 maximum
    QLabel* P3DInformazioni;                   // message line
    std::array<QPushButton*, NumeroNaviga> cm3Naviga{};
    QPushButton* cmdNoteGas;
    std::array<QPushButton*, 2> Command1{};  // chart, tables
    QPushButton* cmdDiagramma = nullptr;     // shows the envelope diagram beside the panel
    QPushButton* cmdConfronto = nullptr;     // compressors side by side
    DiagrammaInviluppo* diagramma = nullptr; // hidden until asked for

    SorgenteDati& Data1(int i) { return *sorgenti[size_t(i)]; }

    // Navigation (0 first, 1 previous, 2 next, 3 last), as the buttons do it.
    void naviga(int i);
    // The compute button's action.
    void Elabora();
    // The comparison of the refrigerant's compressors that run at the conditions typed,
    // the current one and the next ones ticked; null when a rating faults.
    cfrmConfronto* Confronta();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void creaControlli();
    void disponi();
    void carica();
    void calcolaLimitiTc();
    void aggiornaCompressore();
    void compressoreScelto();
    void refrigeranteScelto();
    void applicaEtichette();
    QString etichetta(const QString& chiave) const;
    void creaDiagramma();
    void aggiornaDiagramma();

    StatoApplicazione& stato;
    AgganciCalcoli agganci;
    std::array<SorgenteDati*, 3> sorgenti{};
    bool bCaricamento = false;
    bool bRiposizionamento = false;
    bool inAltoASinistra = false; // placed at the corner when first shown
};
