#pragma once
// The operating-conditions panel: refrigerant combo, the five temperature fields, the
// standard and differential modes, the zeotropic choice and the supply options. Each
// host screen owns one copy; every copy writes the same shared state.

#include "dati/StatoApplicazione.h"

#include <QColor>
#include <QObject>
#include <QVariant>
#include <array>
#include <functional>

class QCheckBox;
class ComboDati;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Which screen hosts the panel: the two copies differ in a few design details.
enum class OspitePannello { Calcoli, Selezione };

// What the panel reads of its host's refrigerant list (table Gas).
struct ElencoGasPannello {
    // Positions the list on the first row matching the criterion text; false when none does.
    std::function<bool(const QString& criterio)> trovaPrimo;
    // Value of a column of the current row; a null QVariant stands for Null.
    std::function<QVariant(const QString& colonna)> valore;
};

class PannelloCondizioni : public QObject {
    Q_OBJECT
public:
    static constexpr int NumeroCampi = 5;
    static constexpr int NumeroTensioni = 5;
    static inline const QColor AzzurroCampi{128, 128, 255};
    static inline const QColor NeroCampi{0, 0, 0};

    // Creates the controls as children of `ospite`; the host lays them out.
    PannelloCondizioni(StatoApplicazione& stato, ElencoGasPannello gas, OspitePannello tipo,
                       QWidget* ospite);

    // Controls, indexed like the control arrays they stand for.
    std::array<QLineEdit*, NumeroCampi> Text1{};
    std::array<QLabel*, NumeroCampi> Label2{};   // captions of fields 0..4
    std::array<QLabel*, NumeroCampi> Panel3D3{}; // unit captions of fields 0..4
    QCheckBox* chkStandard;
    QCheckBox* chkDifferenziali;
    QGroupBox* fmCondizioni;
    QGroupBox* frmSelezioni;
    QLabel* etichettaRefrigerante; // Label2(8), caption of the refrigerant combo
    ComboDati* CSCombo2;
    QGroupBox* fmNonAzeo;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* cmdInfo407C;
    QGroupBox* frmTensioni;
    std::array<QRadioButton*, NumeroTensioni> optTensioni{};

    // Reads the optional fields into the operating point before a computation; TE and TC are
    // the typed ones again and RiferimentoBolla holds the dew/bubble choice of a zeotropic
    // refrigerant (the host then calls RiferisciARugiada).
    void ApplicaCondizioni();
    // The selection screen's reading: differential mode as ApplicaCondizioni; absolute mode
    // by the leading number of each field, a point as decimal separator ("5,5" gives 5).
    void ApplicaCondizioniSelezione();
    // Shows or hides the supply options by the current compressor's bk8.
    void tagliaTensionik8(bool bk8);
    // Fills the three optional fields from the current Gas row, by mode.
    void CompilaStandard();
    // Lookups of a refrigerant click: code, T0, NomeDis, zeotropic frame.
    void cercaRefrigerante();
    // The zeotropic frame follows the flAZ of the host list's current row.
    void seguiRigaGas();
    // Captions from the current Lingue row (`etichetta` gives "" for Null or missing keys)
    // and the six texts of EtichetteCondizioni.
    void applicaEtichette(const std::function<QString(const QString& chiave)>& etichetta);
    // The mode labels and units as they stand for the current differential mode.
    void aggiornaEtichetteModo();
    // Enter, Esc and the arrow keys on every focusable control of the host.
    void installaTasti();
    // Closes the host screen (its frame inside the main window, when it has one).
    void chiudiOspite();

    // Background of field i as the panel last set it.
    QColor sfondo(int i) const { return sfondi[size_t(i)]; }
    // True when `testo` is a number by the user's locale; `valore` gets it.
    static bool numerico(const QString& testo, double* valore = nullptr);

signals:
    // Focus entered field i (0..4): the host shows or hides its envelope panel.
    void campoAttivato(int i);
    // The refrigerant combo's text changed, after the panel's handling.
    void refrigeranteCambiato();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void creaControlli(QWidget* ospite);
    void statoIniziale();
    void campoCambiato(int i);
    void campoLasciato(int i);
    void standardCliccato();
    void differenzialiCliccato();
    void testoRefrigeranteCambiato();
    void impostaSfondo(int i, const QColor& colore);
    double& destinazione(int i);
    void riprendiDigitate();
    void nominaInfo();
    bool tastoOspite(QObject* oggetto, int tasto);

    StatoApplicazione& stato;
    ElencoGasPannello gas;
    OspitePannello tipo;
    QWidget* ospite;
    std::array<QColor, NumeroCampi> sfondi{};
    std::array<double, 2> digitate; // TE and TC as last typed
    QString testoInfo;              // caption of the information button, naming R407C
};

// Picture patterns the panel writes: "00.0" and "##.0", with the user's decimal separator.
QString formatoPannello(double valore, const QString& modello);
