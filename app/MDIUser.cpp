#include "app/MDIUser.h"

#include "app/Parametri.h"
#include "app/PassiProgramma.h"
#include "app/TraduzioniQt.h"
#include "app/frmAbout.h"
#include "platform/Percorsi.h"
#include "platform/ServizioMessaggi.h"

#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStringDecoder>

MDIUser::MDIUser(StatoApplicazione& stato, ArchivioImpostazioni& archivio,
                 ImpostaFluidi impostaFluidi, QWidget* parent)
    : QMainWindow(parent), m_stato(stato), archivio(archivio), m_area(new QMdiArea(this)) {
    // Screens taller than the window stay reachable.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    creaMenu();

    resize(twipsInPixel(LarghezzaTwips, this), twipsInPixel(AltezzaTwips, this));
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }

    if (impostaFluidi) {
        const QString cartella = uniscePercorso(stato.cartellaProgramma, "\\Reflibs");
        if (impostaFluidi(cartella) != 0)
            ServizioMessaggi::corrente().errore(DescrizioneProgramma, MessaggioRefrigeranti);
    }
}

void MDIUser::creaMenu() {
    auto nuova = [this](VoceMenu v, QAction* a) { azioni[size_t(v)] = a; };
    QMenuBar* barra = menuBar();

    QMenu* file = barra->addMenu(QString());
    nuova(VoceMenu::File, file->menuAction());
    nuova(VoceMenu::SelezioneStampante,
          file->addAction(QString(), this, [this] { selezionaStampante(); }));
    nuova(VoceMenu::Uscita, file->addAction(QString(), this, [] { QCoreApplication::exit(0); }));

    QMenu* archivi = barra->addMenu(QString());
    nuova(VoceMenu::Archivi, archivi->menuAction());
    nuova(VoceMenu::Caratteristiche,
          archivi->addAction(QString(), this, [this] { apri(VoceMenu::Caratteristiche); }));
    nuova(VoceMenu::ElencoCompressori,
          archivi->addAction(QString(), this, [this] { apri(VoceMenu::ElencoCompressori); }));

    QMenu* calcoli = barra->addMenu(QString());
    nuova(VoceMenu::Calcoli, calcoli->menuAction());
    nuova(VoceMenu::SelezioneCompr,
          calcoli->addAction(QString(), this, [this] { apri(VoceMenu::SelezioneCompr); }));
    nuova(VoceMenu::CalcoliCompr,
          calcoli->addAction(QString(), this, [this] { apri(VoceMenu::CalcoliCompr); }));

    // "Stampe" has no entries and no action.
    nuova(VoceMenu::Stampe, barra->addAction(QString()));

    QMenu* lingua = barra->addMenu(QString());
    nuova(VoceMenu::Lingua, lingua->menuAction());
    for (int i = 0; i < NumeroLingue; ++i) {
        lingue[size_t(i)] = lingua->addAction(testo(NomiLingue[size_t(i)]), this, [this, i] {
            m_stato.lingua.IndiceLingua = int16_t(i);
            ImpostaLingua(int16_t(i));
            AvvisaRigaLingua(m_stato);
        });
    }

    nuova(VoceMenu::Garanzie, barra->addAction(QString(), this, [this] { mostraGaranzia(); }));

    QMenu* aiuto = barra->addMenu(QString());
    nuova(VoceMenu::Aiuto, aiuto->menuAction());
    nuova(VoceMenu::Informazioni,
          aiuto->addAction(QString(), this, [this] { mostraInformazioni(); }));

    // Design captions, replaced by the language step at start-up.
    const TestiLingua& it = testiLingua(0);
    for (int v = 0; v < NumeroVociMenu; ++v)
        azioni[size_t(v)]->setText(testo(it.menu[size_t(v)]));
    azione(VoceMenu::Uscita)->setText("&Fine lavoro");
    azione(VoceMenu::CalcoliCompr)->setText("&Calcoli su compessore");
}

void MDIUser::ImpostaLingua(int16_t n) {
    if (n >= 0 && n < NumeroLingue) {
        const TestiLingua& t = testiLingua(n);
        for (int v = 0; v < NumeroVociMenu; ++v)
            azioni[size_t(v)]->setText(testo(t.menu[size_t(v)]));
        m_stato.lingua.MessaggioInfoK = testo(t.infoK1) + "\r\n" + testo(t.infoK2);
        // The window system appends the display name to titles that do not end with it:
        // the main window's own title is the name, so it is never shown twice. The name
        // goes first: a shown window formats its title when the title is set.
        QGuiApplication::setApplicationDisplayName(testo(t.titoloPrincipale));
        setWindowTitle(testo(t.titoloPrincipale));
        applicaTraduzioniQt(n);
        for (int s = 0; s < 12; ++s)
            m_stato.lingua.Didascalie[s] = testo(t.didascalie[size_t(s)]);
        m_stato.impostazioni.testoLingua = QString::number(n);
    }
    if (!SalvaParametri(m_stato, archivio) && !m_stato.impostazioni.archivioGuasto) {
        m_stato.impostazioni.archivioGuasto = true;
        ServizioMessaggi::corrente().informazione(DescrizioneProgramma, MessaggioParametri);
    }
}

void MDIUser::registraSchermo(VoceMenu voce, Apertura apertura) {
    aperture[voce] = std::move(apertura);
}

QWidget* MDIUser::mostraFinestra(QWidget* finestra) {
    QMdiSubWindow* sotto = m_area->addSubWindow(finestra);
    sotto->setAttribute(Qt::WA_DeleteOnClose);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    sotto->show();
    return finestra;
}

QWidget* MDIUser::ancoraAperto(VoceMenu voce) {
    QWidget* w = aperti[voce];
    if (!w)
        return nullptr;
    // A closed window lingers until its deletion is processed (a minimised one hides
    // its contents, but it is open).
    auto* sotto = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    return (sotto ? sotto->isHidden() : w->isHidden()) ? nullptr : w;
}

void MDIUser::portaInPrimoPiano(QWidget* finestra) {
    if (auto* sotto = qobject_cast<QMdiSubWindow*>(finestra->parentWidget())) {
        if (sotto->isMinimized())
            sotto->showNormal();
        m_area->setActiveSubWindow(sotto);
    } else {
        finestra->show();
        finestra->raise();
        finestra->activateWindow();
    }
}

void MDIUser::apri(VoceMenu voce) {
    auto it = aperture.find(voce);
    if (it == aperture.end())
        return;
    if (QWidget* aperto = ancoraAperto(voce)) {
        // A screen takes its texts when it loads: one opened in another language gives way
        // to a new one, as chosen again after a language change.
        if (aperto->property("lingua").toInt() == m_stato.lingua.IndiceLingua) {
            portaInPrimoPiano(aperto);
            return;
        }
        aperto->parentWidget()->close();
    }
    // Every screen of the menu reads the catalogue; without one it could only show emptiness.
    if (!m_stato.catalogo) {
        ServizioMessaggi::corrente().informazione(DescrizioneProgramma, MessaggioSenzaCatalogo);
        return;
    }
    if (QWidget* w = it->second(*this)) {
        w->setProperty("lingua", m_stato.lingua.IndiceLingua);
        aperti[voce] = mostraFinestra(w);
    }
}

// Text files of the catalogue world are old; read UTF-8 when valid, else Latin-1.
static QString testoFile(const QByteArray& dati) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString t = utf8(dati);
    if (utf8.hasError())
        t = QString::fromLatin1(dati);
    return t;
}

void MDIUser::mostraGaranzia() {
    const int16_t n = m_stato.lingua.IndiceLingua;
    // The text open in another language gives way to this language's.
    if (QWidget* aperta = ancoraAperto(VoceMenu::Garanzie)) {
        if (aperta->property("lingua").toInt() == n) {
            portaInPrimoPiano(aperta);
            return;
        }
        aperta->parentWidget()->close();
    }
    const QString nome = fileGaranzia(n >= 0 && n < NumeroLingue ? n : 0);
    const QString percorso = trovaPercorso(m_stato.impostazioni.PercorsoDatabase, nome);
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        ServizioMessaggi::corrente().informazione(
            DescrizioneProgramma, QStringLiteral("File non disponibile: %1").arg(percorso));
        return;
    }
    auto* vista = new QPlainTextEdit;
    vista->setObjectName("Garanzia");
    vista->setReadOnly(true);
    vista->setProperty("lingua", n);
    vista->setPlainText(testoFile(file.readAll()));
    vista->setWindowTitle(azione(VoceMenu::Garanzie)->text().remove('&'));
    aperti[VoceMenu::Garanzie] = mostraFinestra(vista);
    vista->parentWidget()->resize(twipsInPixel(9000, this), twipsInPixel(6000, this));
}

void MDIUser::selezionaStampante() {
    auto* dialogo = new QPrintDialog(this);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    dialogo->open();
}

void MDIUser::mostraInformazioni() {
    auto* about = new frmAbout(m_stato, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}
