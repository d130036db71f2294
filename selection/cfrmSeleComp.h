#pragma once
// The selection screen: a refrigerant, the operating conditions and a required capacity;
// the search chooses the compressor and the results screen shows it beside the next
// smaller one.

#include "dati/StatoApplicazione.h"
#include "engine/Proprieta.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class PannelloCondizioni;
class SorgenteDati;
class EtichettaDati;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class cfrmConfronto;

// The windows the screen opens; an empty hook leaves its button without effect.
struct AgganciSelezione {
    LibreriaProprieta libreria;
    std::function<void()> apriRisultati;   // after a successful search
    std::function<void()> chiudiRisultati; // after a failed one: no screen of an older run stays
    std::function<void(const QString& didascalia)> apriNoteGas; // envelope picture of NomeDis
    std::function<void()> apriInfo407C;
    std::function<void(const QString&, const QString&)> mostraDebug;
};

class cfrmSeleComp : public QWidget {
    Q_OBJECT
public:
    cfrmSeleComp(StatoApplicazione& stato, AgganciSelezione agganci = {},
                 QWidget* parent = nullptr);
    ~cfrmSeleComp() override;

    PannelloCondizioni* pannello;
    QLineEdit* Text1_6;                        // required capacity, W
    QLabel* Label2Potenza;                     // Label2(0)
    QLabel* unitaPotenza;                      // Panel3D3(5) "Watt"
    QGroupBox* Panel3D2;                       // the refrigerant's limits
    std::array<QLabel*, 4> Panel3D6{};         // "Min.", "Max.", row headers
    std::array<EtichettaDati*, 12> Panel3D5{}; // 0, 1, 9, 11 used
    QLabel* P3DInformazioni;
    std::array<QPushButton*, 7> cm3Naviga{}; // 5 run, 6 close
    QPushButton* cmdNoteGas;
    QCheckBox* Check3D1;
    QPushButton* cmdConfronto = nullptr; // the last search's candidates side by side

    SorgenteDati& Data1(int i) { return *sorgenti[size_t(i)]; }

    // The run button's action.
    void AvviaRicerca();
    // The comparison of every candidate of the last successful search at its conditions;
    // null before one, or when a rating faults.
    cfrmConfronto* Confronta();

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void creaControlli();
    void disponi();
    void carica();
    void potenzaCambiata();
    void refrigeranteScelto();
    void interrogaCompressori();
    void applicaEtichette();
    QString etichetta(const QString& chiave) const;

    StatoApplicazione& stato;
    AgganciSelezione agganci;
    std::array<SorgenteDati*, 3> sorgenti{};
    bool inAltoASinistra = true;
    // The conditions as typed before the last successful search, and its candidates.
    std::optional<StatoMotore> baseConfronto;
    std::vector<std::string> candidatiConfronto;
};
