#include "browse/cfrmDatiDiTargaPiat.h"

#include "browse/AperturaSchede.h"
#include "browse/cfrmDatiDiTarga.h"
#include "catalogue/Interrogazioni.h"
#include "dati/AnteprimaRapporto.h"
#include "dati/SorgenteDati.h"
#include "platform/Icone.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

cfrmDatiDiTargaPiat::cfrmDatiDiTargaPiat(StatoApplicazione& stato, QWidget* parent)
    : QWidget(parent), m_stato(stato), m_comp(std::make_unique<SorgenteDati>()),
      m_lingue(std::make_unique<SorgenteDati>()) {
    setObjectName(QStringLiteral("cfrmDatiDiTargaPiat"));
    const QStringList& d = stato.lingua.Didascalie;
    setWindowTitle(d.value(0));
    const int lingua = stato.lingua.IndiceLingua;

    m_lingue->impostaCatalogo(stato.catalogo);
    m_lingue->impostaOrigineRecord(Interrogazioni::Lingue);
    m_lingue->aggiorna();
    m_lingue->muoviPrimo();
    for (int i = 0; i < lingua; ++i)
        m_lingue->muoviSuccessivo();
    m_fornitura = m_lingue->testo(QStringLiteral("Fornitura"));
    m_aRichiesta = m_lingue->testo(QStringLiteral("Arichiesta"));

    m_comp->impostaCatalogo(stato.catalogo);
    m_comp->impostaOrigineRecord(Interrogazioni::compressoriConTensione(lingua));
    m_comp->aggiorna();
    const QString codice = QString::fromStdString(stato.motore.codiceProdottoCorrente);
    if (!codice.trimmed().isEmpty())
        m_comp->trovaPrimo(QStringLiteral("CodiceProdotto"), codice);

    auto* radice = new QHBoxLayout(this);
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(new PannelloDatiTarga(m_comp.get(), m_lingue.get(), this));
    auto* pulsanti = new QHBoxLayout;
    for (int i : {0, 1, 7}) {
        cm3Naviga[size_t(i)] = new QPushButton(this);
        cm3Naviga[size_t(i)]->setObjectName(QStringLiteral("cm3Naviga_%1").arg(i));
    }
    cm3Naviga[0]->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    cm3Naviga[1]->setText(d.value(7));
    cm3Naviga[7]->setIcon(iconaStampante());
    cm3Naviga[7]->setToolTip(QStringLiteral("Stampa"));
    pulsanti->addWidget(cm3Naviga[0]);
    pulsanti->addStretch();
    pulsanti->addWidget(cm3Naviga[1]);
    pulsanti->addWidget(cm3Naviga[7]);
    sinistra->addLayout(pulsanti);
    sinistra->addStretch();
    radice->addLayout(sinistra, 3);

    auto* destra = new QVBoxLayout;
    const int slot[] = {6, 5, 8};
    const QChar iniziali[] = {u'N', u'V', u'A'};
    for (int i = 0; i < 3; ++i) {
        Panel3D3[size_t(i)] = new QGroupBox(d.value(slot[i]), this);
        auto* l = new QVBoxLayout(Panel3D3[size_t(i)]);
        l->setContentsMargins(4, 4, 4, 4);
        elenchi[size_t(i)] = new QTableWidget(Panel3D3[size_t(i)]);
        elenchi[size_t(i)]->setEditTriggers(QAbstractItemView::NoEditTriggers);
        elenchi[size_t(i)]->verticalHeader()->hide();
        elenchi[size_t(i)]->horizontalHeader()->setStretchLastSection(true);
        l->addWidget(elenchi[size_t(i)]);
        destra->addWidget(Panel3D3[size_t(i)]);
        SorgenteDati s;
        s.impostaCatalogo(stato.catalogo);
        s.impostaOrigineRecord(Interrogazioni::opzioniCompressore(lingua, iniziali[i], i == 2),
                               {codice});
        s.aggiorna();
        riempiElenco(i, s, i == 2);
    }
    radice->addLayout(destra, 2);

    connect(cm3Naviga[0], &QPushButton::clicked, this, [this] {
        if (m_comp->numeroRecord() > 0)
            chiudiSchermo(this);
    });
    connect(cm3Naviga[1], &QPushButton::clicked, this, [this] {
        if (m_comp->numeroRecord() < 1)
            return;
        m_stato.motore.codiceProdottoCorrente =
            m_comp->testo(QStringLiteral("CodiceProdotto")).toStdString();
        mostraIngombri(m_stato, *m_comp, this);
    });
    connect(cm3Naviga[7], &QPushButton::clicked, this, [this] {
        if (m_comp->numeroRecord() < 1)
            return;
        m_stato.motore.codiceProdottoCorrente =
            m_comp->testo(QStringLiteral("CodiceProdotto")).toStdString();
        stampaRapporto(parametriScheda(m_stato, false), this);
    });
    move(0, 0);
}

cfrmDatiDiTargaPiat::~cfrmDatiDiTargaPiat() = default;

void cfrmDatiDiTargaPiat::riempiElenco(int i, const SorgenteDati& s, bool fornitura) {
    QTableWidget* t = elenchi[size_t(i)];
    const Istantanea& r = s.righe();
    t->setColumnCount(fornitura ? 3 : 2);
    QStringList intestazioni{QString(), QString()};
    if (fornitura)
        intestazioni << (m_fornitura.isEmpty() ? QStringLiteral("tipo") : m_fornitura);
    t->setHorizontalHeaderLabels(intestazioni);
    t->horizontalHeader()->setVisible(fornitura); // only the supply column has a caption
    t->setRowCount(r.numeroRighe());
    for (int k = 0; k < r.numeroRighe(); ++k) {
        t->setItem(k, 0, new QTableWidgetItem(r.testo(k, QStringLiteral("CodiceOpzione"))));
        t->setItem(k, 1, new QTableWidgetItem(r.testo(k, QStringLiteral("Desc"))));
        if (fornitura)
            t->setItem(
                k, 2,
                new QTableWidgetItem(r.vero(k, QStringLiteral("flStandard"))
                                         ? QStringLiteral("Standard")
                                         : (m_aRichiesta.isEmpty() ? QStringLiteral("su Richiesta")
                                                                   : m_aRichiesta)));
    }
    t->resizeColumnToContents(0);
}

void cfrmDatiDiTargaPiat::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        chiudiSchermo(this);
        return;
    }
    QWidget::keyPressEvent(e);
}

void cfrmDatiDiTargaPiat::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!m_collocato) {
        m_collocato = true;
        collocaInAlto(this);
    }
}

void apriSchedaTecnica(StatoApplicazione& stato, QWidget* da) {
    // It reads the current model now.
    auto* scheda = new cfrmDatiDiTargaPiat(stato);
    scheda->setAttribute(Qt::WA_DeleteOnClose);
    auto* sotto = da ? qobject_cast<QMdiSubWindow*>(da->parentWidget()) : nullptr;
    if (QMdiArea* area = sotto ? sotto->mdiArea() : nullptr) {
        QMdiSubWindow* w = area->addSubWindow(scheda);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->move(0, 0);
        w->show();
    } else {
        scheda->show();
    }
}
