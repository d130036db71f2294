#pragma once
// The main window: the frame that holds every screen, its menus and the
// user-interface language.

#include "app/TestiLingue.h"
#include "dati/StatoApplicazione.h"
#include "platform/Twips.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>

class ArchivioImpostazioni;
class QMdiArea;
class QMenu;
class QAction;

inline const QString MessaggioRefrigeranti = QStringLiteral(
    "Attenzione non risulta configurata la directory dei refrigeranti  ! il programma potrebbe "
    "non eseguire i calcoli sui refrigeranti !");

inline const QString MessaggioSenzaCatalogo =
    QStringLiteral("Il catalogo non è disponibile: questa finestra non può funzionare.");

class MDIUser : public QMainWindow {
    Q_OBJECT
public:
    // Initialises the refrigerant library with the given folder; returns its status.
    using ImpostaFluidi = std::function<int16_t(const QString& cartella)>;
    // Creates a screen for a menu entry; the window adds it to its client area.
    using Apertura = std::function<QWidget*(MDIUser&)>;

    MDIUser(StatoApplicazione& stato, ArchivioImpostazioni& archivio,
            ImpostaFluidi impostaFluidi = {}, QWidget* parent = nullptr);

    // Applies language n (0..4) to the menus, the title and the shared captions,
    // then writes the settings. Outside 0..4 only the settings are written.
    void ImpostaLingua(int16_t n);

    void registraSchermo(VoceMenu voce, Apertura apertura);
    // Shows `finestra` as a child of the client area, not modal.
    QWidget* mostraFinestra(QWidget* finestra);
    // Brings an open child window forward (restored if minimised).
    void portaInPrimoPiano(QWidget* finestra);

    QAction* azione(VoceMenu voce) const { return azioni[size_t(voce)]; }
    QAction* azioneLingua(int i) const { return lingue[size_t(i)]; }
    QMdiArea* area() const { return m_area; }
    StatoApplicazione& stato() { return m_stato; }

    // Size of the window at load, in twips.
    static constexpr int AltezzaTwips = 8300, LarghezzaTwips = 11375;

private:
    void creaMenu();
    void apri(VoceMenu voce);
    QWidget* ancoraAperto(VoceMenu voce);
    void mostraGaranzia();
    void selezionaStampante();
    void mostraInformazioni();

    StatoApplicazione& m_stato;
    ArchivioImpostazioni& archivio;
    QMdiArea* m_area;
    std::array<QAction*, NumeroVociMenu> azioni{};
    std::array<QAction*, NumeroLingue> lingue{};
    std::map<VoceMenu, Apertura> aperture;
    // The screen each menu entry has open: chosen again, the entry brings it forward.
    std::map<VoceMenu, QPointer<QWidget>> aperti;
};
