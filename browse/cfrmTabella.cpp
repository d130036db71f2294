#include "browse/cfrmTabella.h"

#include "browse/cfrmDatiDiTarga.h"
#include "browse/cfrmDatiDiTargaPiat.h"
#include "catalogue/Interrogazioni.h"
#include "dati/AnteprimaRapporto.h"
#include "dati/SorgenteDati.h"
#include "platform/EsportazioneGriglia.h"
#include "platform/FormatoNumero.h"
#include "platform/Icone.h"
#include "platform/Twips.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const std::array<const char*, cfrmTabella::NumeroColonne> Colonne = {"CodiceProdotto",
                                                                     "Serie",
                                                                     "Cilindri",
                                                                     "Alesaggio",
                                                                     "Corsa",
                                                                     "VolumeSpostato50hz",
                                                                     "VolumeSpostato60hz",
                                                                     "RubinettoAspiraz",
                                                                     "RubinettoScarico",
                                                                     "CaricaOlio",
                                                                     "PesoNetto",
                                                                     "FLA50Hz",
                                                                     "LRA50Hz",
                                                                     "FLA60Hz",
                                                                     "LRA60Hz",
                                                                     "Immagine",
                                                                     "Ordinamento",
                                                                     "TensioneStd",
                                                                     "CodMotore"};
} // namespace

cfrmTabella::cfrmTabella(StatoApplicazione& stato, QWidget* parent)
    : QWidget(parent), m_stato(stato), m_comp(std::make_unique<SorgenteDati>()),
      m_lingue(std::make_unique<SorgenteDati>()) {
    setObjectName(QStringLiteral("cfrmTabella"));
    setWindowTitle(stato.lingua.Didascalie.value(1));
    m_lingue->impostaCatalogo(stato.catalogo);
    m_lingue->impostaOrigineRecord(Interrogazioni::Lingue);
    m_lingue->aggiorna();
    m_comp->impostaCatalogo(stato.catalogo);
    m_comp->impostaOrigineRecord(Interrogazioni::ElencoCompressori);
    m_comp->aggiorna();
    m_comp->muoviPrimo();
    m_lingue->muoviPrimo();
    for (int i = 0; i < stato.lingua.IndiceLingua; ++i)
        m_lingue->muoviSuccessivo();

    auto* radice = new QVBoxLayout(this);
    radice->setContentsMargins(4, 4, 4, 4);
    TDBGrid1 = new QTableWidget(this);
    TDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    TDBGrid1->verticalHeader()->setDefaultSectionSize(20);
    radice->addWidget(TDBGrid1, 1);
    TDBGrid1->installEventFilter(this);

    auto* barra = new QHBoxLayout;
    const QStyle::StandardPixmap icone[] = {
        QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward, QStyle::SP_MediaSeekForward,
        QStyle::SP_MediaSkipForward};
    for (int i : {0, 1, 2, 3, 7, 6}) {
        cm3Naviga[size_t(i)] = new QPushButton(this);
        cm3Naviga[size_t(i)]->setObjectName(QStringLiteral("cm3Naviga_%1").arg(i));
        cm3Naviga[size_t(i)]->setIcon(i < 4 ? style()->standardIcon(icone[i])
                                      : i == 7
                                          ? iconaStampante()
                                          : style()->standardIcon(QStyle::SP_DialogCloseButton));
        connect(cm3Naviga[size_t(i)], &QPushButton::clicked, this, [this, i] { premi(i); });
        barra->addWidget(cm3Naviga[size_t(i)]);
        if (i == 3) {
            Command1 = new QPushButton(QStringLiteral("Scheda"), this);
            barra->addWidget(Command1);
            barra->addStretch();
        }
    }
    cm3Naviga[7]->setToolTip(QStringLiteral("Stampa"));
    radice->addLayout(barra);
    connect(Command1, &QPushButton::clicked, this, &cfrmTabella::apriScheda);
    connect(TDBGrid1, &QTableWidget::cellDoubleClicked, this, &cfrmTabella::apriScheda);
    // The grid's selection and the source's current row follow each other.
    connect(TDBGrid1, &QTableWidget::currentCellChanged, this, [this](int riga) {
        if (riga >= 0 && riga != m_comp->posizione())
            m_comp->spostaA(riga);
    });
    connect(m_comp.get(), &SorgenteDati::riposizionato, this, [this] {
        const int r = m_comp->posizione();
        if (r >= 0 && r < TDBGrid1->rowCount() && TDBGrid1->currentRow() != r)
            TDBGrid1->selectRow(r);
    });
    riempi();
    agganciaEsportazione(
        TDBGrid1,
        [this] {
            return QVector<TabellaEsportazione>{
                tabellaDaModello(*TDBGrid1->model(), windowTitle(), {}, false)};
        },
        stato.lingua.IndiceLingua);
    resize(twipsInPixel(LarghezzaTwips, this), twipsInPixel(AltezzaTwips, this));
    move(0, 0);
}

cfrmTabella::~cfrmTabella() = default;

void cfrmTabella::riempi() {
    const Istantanea& r = m_comp->righe();
    TDBGrid1->setColumnCount(NumeroColonne);
    QStringList intestazioni;
    for (int c = 0; c < NumeroColonne; ++c) {
        if (c <= 4)
            intestazioni << m_lingue->testo(c + 1);
        else if (c == 5 || c == 6)
            intestazioni << m_lingue->testo(6) +
                                (c == 5 ? QStringLiteral(" 50Hz") : QStringLiteral(" 60Hz"));
        else if (c <= 10)
            intestazioni << m_lingue->testo(c);
        else
            intestazioni << QString::fromLatin1(Colonne[size_t(c)]);
    }
    TDBGrid1->setHorizontalHeaderLabels(intestazioni);
    TDBGrid1->setRowCount(r.numeroRighe());
    const QLocale locale;
    for (int k = 0; k < r.numeroRighe(); ++k)
        for (int c = 0; c < NumeroColonne; ++c) {
            const QVariant v = r.valore(k, QString::fromLatin1(Colonne[size_t(c)]));
            const bool numero = v.typeId() == QMetaType::Double ||
                                v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int;
            auto* cella = new QTableWidgetItem(v.isNull() ? QString()
                                               : numero   ? testoNumero(v.toDouble(), locale)
                                                          : v.toString());
            if (numero)
                cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            TDBGrid1->setItem(k, c, cella);
        }
    TDBGrid1->resizeColumnsToContents();
    if (r.numeroRighe() > 0)
        TDBGrid1->selectRow(0);
}

ParametriRapporto cfrmTabella::parametriStampa() const {
    return parametriScheda(m_stato, m_stato.impostazioni.ModoCondizionamento != 0);
}

void cfrmTabella::apriScheda() {
    if (m_comp->numeroRecord() < 1 || m_comp->bof() || m_comp->eof())
        return;
    m_stato.motore.codiceProdottoCorrente =
        m_comp->testo(QStringLiteral("CodiceProdotto")).toStdString();
    if (m_scheda) {
        m_scheda(this);
        return;
    }
    auto* scheda = new cfrmDatiDiTargaPiat(m_stato);
    scheda->setAttribute(Qt::WA_DeleteOnClose);
    auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (QMdiArea* area = sotto ? sotto->mdiArea() : nullptr) {
        QMdiSubWindow* w = area->addSubWindow(scheda);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
    } else {
        scheda->show();
    }
}

void cfrmTabella::premi(int i) {
    if (i == 6) {
        chiudiSchermo(this);
        return;
    }
    if (m_comp->numeroRecord() < 1)
        return;
    switch (i) {
    case 0:
        m_comp->muoviPrimo();
        break;
    case 1:
        if (!m_comp->bof()) {
            m_comp->muoviPrecedente();
            if (m_comp->bof())
                m_comp->muoviPrimo();
        }
        break;
    case 2:
        if (!m_comp->eof()) {
            m_comp->muoviSuccessivo();
            if (m_comp->eof())
                m_comp->muoviUltimo();
        }
        break;
    case 3:
        m_comp->muoviUltimo();
        break;
    case 7:
        m_stato.motore.codiceProdottoCorrente =
            m_comp->testo(QStringLiteral("CodiceProdotto")).toStdString();
        stampaRapporto(parametriStampa(), this);
        break;
    }
}

bool cfrmTabella::tasto(int key) {
    switch (key) {
    case Qt::Key_PageUp:
        premi(1);
        return true;
    case Qt::Key_PageDown:
        premi(2);
        return true;
    case Qt::Key_Escape:
        chiudiSchermo(this);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        apriScheda();
        return true;
    default:
        return false;
    }
}

void cfrmTabella::keyPressEvent(QKeyEvent* e) {
    if (tasto(e->key()))
        e->accept();
    else
        QWidget::keyPressEvent(e);
}

// The screen's keys act while the grid has the focus too (it would scroll instead).
bool cfrmTabella::eventFilter(QObject* o, QEvent* e) {
    if (o == TDBGrid1 && e->type() == QEvent::KeyPress)
        return tasto(static_cast<QKeyEvent*>(e)->key());
    return QWidget::eventFilter(o, e);
}

void cfrmTabella::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!m_collocato) {
        m_collocato = true;
        collocaInAlto(this,
                      QSize(twipsInPixel(LarghezzaTwips, this), twipsInPixel(AltezzaTwips, this)));
    }
}
