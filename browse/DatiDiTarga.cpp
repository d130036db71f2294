#include "browse/DatiDiTarga.h"

#include "browse/frmIngombri.h"
#include "dati/EtichettaDati.h"
#include "dati/SorgenteDati.h"
#include "platform/Percorsi.h"
#include "platform/ServizioMessaggi.h"

#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>

#include <algorithm>

PannelloDatiTarga::PannelloDatiTarga(SorgenteDati* comp, SorgenteDati* lingue, QWidget* parent)
    : QWidget(parent) {
    struct Campo {
        const char* chiave;
        const char* progetto;
        const char* colonna;
        const char* unita;
        const char* colonna2;
        const char* unita2;
    };
    static const Campo campi[] = {
        {"DescModello", "Modello", "CodiceProdotto", "", nullptr, nullptr},
        {"DescSerie", "Famiglia", "Serie", "", nullptr, nullptr},
        {"DescCil", "N°Cilindri", "Cilindri", "", nullptr, nullptr},
        {"DescAle", "Alesaggio", "Alesaggio", "mm", nullptr, nullptr},
        {"DescCorsa", "Corsa", "Corsa", "mm", nullptr, nullptr},
        {"DescPesoN", "Peso Netto", "PesoNetto", "kg", nullptr, nullptr},
        {"DescCarOlio", "Carica Olio", "CaricaOlio", "kg", nullptr, nullptr},
        {"DescVolSP", "Volume Spostato", "VolumeSpostato50hz", "mc/h 50Hz", "VolumeSpostato60hz",
         "mc/h 60Hz"},
        {"DescRubAsp", "Rubinetto Aspirazione", "RubinettoAspiraz", "", nullptr, nullptr},
        {"DescRubSca", "Rubinetto Scarico", "RubinettoScarico", "", nullptr, nullptr},
        {"DescTensSTD", "Tensione Std", "desc1", "", nullptr, nullptr},
        {"DescFLA", "Max corrente di funzionamento", "FLA50Hz", "A 50Hz", "FLA60Hz", "A 60Hz"},
        {"DescLRA", "Corrente a rotore bloccato", "LRA50Hz", "A 50Hz", "LRA60Hz", "A 60Hz"},
    };
    auto* g = new QGridLayout(this);
    g->setContentsMargins(4, 4, 4, 4);
    g->setVerticalSpacing(3);
    int r = 0;
    const auto valore = [&](const char* colonna, int c, int colonne = 1) {
        auto* v = new EtichettaDati(comp, QString::fromLatin1(colonna), this);
        v->setObjectName(QStringLiteral("valore_%1").arg(QString::fromLatin1(colonna)));
        v->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        v->setMinimumWidth(90);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        v->setAutoFillBackground(true);
        QPalette p = v->palette();
        p.setColor(QPalette::Window, Qt::white);
        v->setPalette(p);
        g->addWidget(v, r, c, 1, colonne);
        return v;
    };
    for (const Campo& f : campi) {
        auto* didascalia = new EtichettaDati(lingue, QString::fromLatin1(f.chiave), this);
        didascalia->setObjectName(
            QStringLiteral("etichetta_%1").arg(QString::fromLatin1(f.chiave)));
        if (didascalia->text().isEmpty() && !lingue)
            didascalia->setText(QString::fromUtf8(f.progetto));
        g->addWidget(didascalia, r, 0);
        // The supply description is long text: it takes the whole row to the right.
        const bool descrizione = QByteArray(f.colonna) == "desc1";
        EtichettaDati* v = valore(f.colonna, 1, descrizione ? 4 : 1);
        if (descrizione && comp) {
            // As wide as the longest description of the catalogue: browsing never cuts one.
            const Istantanea& righe = comp->righe();
            int larghezza = 0;
            for (int k = 0; k < righe.numeroRighe(); ++k)
                larghezza = std::max(larghezza, v->fontMetrics().horizontalAdvance(
                                                    righe.testo(k, QStringLiteral("desc1"))));
            v->setMinimumWidth(larghezza + 2 * v->frameWidth() + 2 * v->margin() + 8);
        }
        if (r < 2 || QByteArray(f.colonna).startsWith("Rubinetto") ||
            QByteArray(f.colonna) == "desc1")
            v->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (!descrizione)
            g->addWidget(new QLabel(QString::fromUtf8(f.unita), this), r, 2);
        if (f.colonna2) {
            valore(f.colonna2, 3);
            g->addWidget(new QLabel(QString::fromUtf8(f.unita2), this), r, 4);
        }
        ++r;
    }
    g->setColumnStretch(0, 1);
}

void mostraIngombri(StatoApplicazione& stato, const SorgenteDati& comp, QWidget* da) {
    if (comp.isNull(QStringLiteral("Immagine"))) {
        ServizioMessaggi::corrente().informazione(
            QString(), QStringLiteral("Immagine ingombri non disponibile"));
        return;
    }
    stato.schermi.ImmagineIngombri = comp.testo(QStringLiteral("Immagine"));
    // Titled with the model, as the user knows it (the file name is the catalogue's business).
    const QString modello = comp.testo(QStringLiteral("CodiceProdotto"));
    const QString voce = stato.lingua.Didascalie.value(7).trimmed();
    frmIngombri finestra(
        trovaPercorso(stato.impostazioni.PercorsoDatabase, stato.schermi.ImmagineIngombri),
        voce.isEmpty() ? modello : voce + QStringLiteral(" - ") + modello, da);
    if (finestra.caricata())
        finestra.exec();
}

ParametriRapporto parametriScheda(const StatoApplicazione& stato, bool variante) {
    ParametriRapporto p;
    const QString cartella = stato.impostazioni.PercorsoDatabase;
    p.fileModello = trovaPercorso(cartella, variante ? QStringLiteral("\\Divoz01.rpt")
                                                     : QStringLiteral("\\Dav01.rpt"));
    p.fileDati = trovaPercorso(cartella, variante ? QStringLiteral("\\DEVIRAVE.MDB")
                                                  : QStringLiteral("\\ZODIRARA.MDB"));
    p.valori[QStringLiteral("modello")] =
        QString::fromStdString(stato.motore.codiceProdottoCorrente);
    p.indiceLingua = stato.lingua.IndiceLingua;
    p.programma = (QStringLiteral("selcomp ") + stato.impostazioni.VersioneProgramma).trimmed();
    return p;
}

void collocaInAlto(QWidget* schermo, QSize dimensione) {
    auto* sotto = qobject_cast<QMdiSubWindow*>(schermo->parentWidget());
    if (!sotto)
        return;
    sotto->move(0, 0);
    if (dimensione.isValid())
        sotto->resize(dimensione.expandedTo(sotto->sizeHint()));
}
