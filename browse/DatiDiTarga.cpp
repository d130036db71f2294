#include "browse/DatiDiTarga.h"

#include "browse/frmIngombri.h"
#include "platform/EtichettaDati.h"
#include "platform/Percorsi.h"
#include "platform/ServizioMessaggi.h"
#include "platform/SorgenteDati.h"

#include <QGridLayout>
#include <QMdiSubWindow>
#include <QLabel>

QString colonnaDescrizione(int indiceLingua) {
    static const char* const colonne[] = {"DescrizioneITA", "DescrizioneING", "DescrizioneFRA",
                                          "DescrizioneGER", "DescrizioneSPA"};
    return QString::fromLatin1(colonne[indiceLingua >= 0 && indiceLingua < 5 ? indiceLingua : 0]);
}

QString queryCompressori(int indiceLingua) {
    return QStringLiteral("select * , Opzioni.%1 as desc1, Ordinamento  FROM Compressori LEFT JOIN "
                          "Opzioni ON Compressori.TensioneStd = Opzioni.CodiceOpzione order by Ordinamento")
        .arg(colonnaDescrizione(indiceLingua));
}

QString queryOpzioni(int indiceLingua, QChar iniziale, bool accessori) {
    return QStringLiteral("SELECT DISTINCTROW CollCompOpz.CodiceProdotto, CollCompOpz.CodiceOpzione, "
                          "Opzioni.%1 AS [Desc]%2 FROM CollCompOpz INNER JOIN Opzioni ON "
                          "CollCompOpz.CodiceOpzione = Opzioni.CodiceOpzione WHERE((CollCompOpz.CodiceProdotto = ?) "
                          "AND (CollCompOpz.CodiceOpzione Like ('%3*'))) ORDER BY %4CollCompOpz.CodiceOpzione")
        .arg(colonnaDescrizione(indiceLingua), accessori ? QStringLiteral(", CollCompOpz.flStandard") : QString(),
             QString(iniziale), accessori ? QStringLiteral("CollCompOpz.flStandard , ") : QString());
}

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
        {"DescVolSP", "Volume Spostato", "VolumeSpostato50hz", "mc/h 50Hz", "VolumeSpostato60hz", "mc/h 60Hz"},
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
    const auto valore = [&](const char* colonna, int c) {
        auto* v = new EtichettaDati(comp, QString::fromLatin1(colonna), this);
        v->setObjectName(QStringLiteral("valore_%1").arg(QString::fromLatin1(colonna)));
        v->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        v->setMinimumWidth(90);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        v->setAutoFillBackground(true);
        QPalette p = v->palette();
        p.setColor(QPalette::Window, Qt::white);
        v->setPalette(p);
        g->addWidget(v, r, c);
        return v;
    };
    for (const Campo& f : campi) {
        auto* didascalia = new EtichettaDati(lingue, QString::fromLatin1(f.chiave), this);
        didascalia->setObjectName(QStringLiteral("etichetta_%1").arg(QString::fromLatin1(f.chiave)));
        if (didascalia->text().isEmpty() && !lingue)
            didascalia->setText(QString::fromUtf8(f.progetto));
        g->addWidget(didascalia, r, 0);
        EtichettaDati* v = valore(f.colonna, 1);
        if (r < 2 || QByteArray(f.colonna).startsWith("Rubinetto") || QByteArray(f.colonna) == "desc1")
            v->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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
        ServizioMessaggi::corrente().informazione(QString(), QStringLiteral("Immagine ingombri non disponibile"));
        return;
    }
    stato.schermi.ImmagineIngombri = comp.testo(QStringLiteral("Immagine"));
    frmIngombri finestra(trovaPercorso(stato.impostazioni.PercorsoDatabase, stato.schermi.ImmagineIngombri), da);
    if (finestra.caricata())
        finestra.exec();
}

ParametriRapporto parametriScheda(const StatoApplicazione& stato, bool variante) {
    ParametriRapporto p;
    const QString cartella = stato.impostazioni.PercorsoDatabase;
    p.fileModello = trovaPercorso(cartella, variante ? QStringLiteral("\\Divoz01.rpt") : QStringLiteral("\\Dav01.rpt"));
    p.fileDati = trovaPercorso(cartella, variante ? QStringLiteral("\\DEVIRAVE.MDB") : QStringLiteral("\\ZODIRARA.MDB"));
    p.valori[QStringLiteral("modello")] = QString::fromStdString(stato.motore.codiceProdottoCorrente);
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
