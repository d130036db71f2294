#pragma once
// The results screen: the latest rating left in the shared state, with the
// conditions it was made at, and after a selection the next smaller candidate.
// It computes nothing but the required capacity in kW.

#include "dati/Rapporto.h"
#include "dati/StatoApplicazione.h"
#include "platform/Esportazione.h"

#include <QMap>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QMdiArea;
class QPushButton;
class QRadioButton;
class SorgenteDati;
class EtichetteLingua;
class DiagrammaInviluppo;
struct DatiDiagramma;

class cfrmResults : public QWidget {
    Q_OBJECT
public:
    // Window heights, in twips, after a single calculation and after a selection.
    static constexpr int AltezzaSingolo = 6675, AltezzaSelezione = 9255;
    static constexpr int NumeroCelle = 36;
    static constexpr int NumeroTensioni = 5;

    // What the buttons open; the program wires the browsing windows in, tests record.
    struct Aperture {
        // Each unset one opens the program's own window: the technical characteristics of
        // stato.motore.codiceProdottoCorrente, its notes list (modal), the print preview.
        std::function<void(QWidget* da)> caratteristiche;
        std::function<void(QWidget* da)> note;
        std::function<void(QWidget* da)> noteGas; // refrigerant application notes (no default yet)
        std::function<void(QWidget* da)> stampa;
    };

    // Loads the screen: captions, data sources, placement. Call attiva() (or show it) to fill.
    explicit cfrmResults(StatoApplicazione& stato, QWidget* parent = nullptr);
    ~cfrmResults() override;

    void impostaAperture(Aperture aperture) { m_aperture = std::move(aperture); }

    // Refills every cell from the shared state (done at every activation).
    void attiva();

    // The figures and captions as shown, by name, for the report of this screen.
    QMap<QString, QString> valoriSchermo() const;
    // The report of the print button: template Dav02.rpt and data file ZODIRARA.MDB beside
    // the catalogue, with the figures on screen.
    ParametriRapporto parametriStampa() const;
    // The result grids for the clipboard and the files (after a selection the next
    // smaller candidate too), with model, refrigerant, conditions and supply option.
    QVector<TabellaEsportazione> tabelleEsportazione() const;

    // Controls, indexed like the control arrays they stand for.
    std::array<QLabel*, NumeroCelle> Panel3D2{};
    std::array<QGroupBox*, 2> Panel3D5{};
    std::array<QPushButton*, 5> cm3Naviga{};
    std::array<QRadioButton*, NumeroTensioni> optTensioni{};
    std::array<QLabel*, 17> Label2{}; // row captions; 16 is the required capacity
    std::array<QLabel*, 5> Label3{};  // units of the five temperature rows
    QLabel* unitaPotenza = nullptr;   // Panel3D3(5), "kW" of the required capacity
    // Zeotropic blend typed at bubble points: those temperatures, beside the dew points rated.
    QLabel* etichettaBolla = nullptr;
    QLabel* cellaBolla = nullptr;
    QLabel* unitaBolla = nullptr;
    QCheckBox* chkStandard = nullptr;
    QCheckBox* chkDifferenziali = nullptr;
    QGroupBox* fmCondizioni = nullptr;
    QGroupBox* frmTensioni = nullptr;
    QPushButton* cmdNoteGas = nullptr;
    QLabel* Label1 = nullptr;            // "Tentative Data"
    QPushButton* cmdDiagramma = nullptr; // shows the envelope diagram beside the figures
    DiagrammaInviluppo* diagramma = nullptr;

    // The envelope of the rated compressor with the point rated, as shown and printed.
    DatiDiagramma datiDiagramma() const;
    QLabel* lblRichiestaNonRaggiunta = nullptr; // a selection that falls short says by how much

    // Row captions and headings of the two result grids (both grids share the texts).
    struct Griglia;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void costruisci();
    QGroupBox* creaGriglia(int frame, const std::array<int, 13>& celle, int cellaModello);
    void caricaSorgenti();
    void applicaDidascalie();
    void riempiGriglia(const std::array<int, 13>& celle, const Risultati& r);
    void mostraRiferimento();
    void svuotaGriglia(const std::array<int, 13>& celle);
    void mostraRigheOpzionali();
    void applicaAltezza(int twips);
    void aggiornaDiagramma();
    void premiNaviga(int indice);
    void apriCaratteristiche();
    void differenzialiCliccato(bool spuntato);
    QString etichetta(const QString& chiave) const;

    StatoApplicazione& m_stato;
    Aperture m_aperture;
    std::unique_ptr<SorgenteDati> m_compGas; // Data1(0)
    std::unique_ptr<EtichetteLingua> m_lingue;
    std::vector<std::pair<QLabel*, QString>> m_etichetteGriglia; // labels bound to Lingue keys
    bool m_aggiornando = false;
    bool m_collegato = false;
};

// Shows the results screen inside `area`: brings an open one forward and refills it, or
// creates one. `aperture` wires its buttons. Returns the screen.
cfrmResults* mostraRisultati(StatoApplicazione& stato, QMdiArea* area,
                             const cfrmResults::Aperture& aperture = {});

// Closes the results screen open in `area`, if any: after a run that failed, the shared
// state holds that run's conditions and an older run's figures, which must never be shown
// or printed together.
void chiudiRisultati(QMdiArea* area);
