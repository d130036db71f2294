#include "browse/cfrmDatiDiTarga.h"

#include "browse/AperturaSchede.h"
#include "browse/frmAccessori.h"
#include "catalogue/Interrogazioni.h"
#include "dati/AnteprimaRapporto.h"
#include "dati/ComboDati.h"
#include "dati/SorgenteDati.h"
#include "platform/Icone.h"
#include "platform/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

void chiudiSchermo(QWidget* schermo) {
    if (auto* sotto = qobject_cast<QMdiSubWindow*>(schermo->parentWidget()))
        sotto->close();
    else
        schermo->close();
}

cfrmDatiDiTarga::cfrmDatiDiTarga(StatoApplicazione& stato, QWidget* parent)
    : QWidget(parent), m_stato(stato), m_comp(std::make_unique<SorgenteDati>()),
      m_lingue(std::make_unique<SorgenteDati>()) {
    setObjectName(QStringLiteral("cfrmDatiDiTarga"));
    const QStringList& d = stato.lingua.Didascalie;
    setWindowTitle(d.value(0));
    m_lingue->impostaCatalogo(stato.catalogo);
    m_lingue->impostaOrigineRecord(Interrogazioni::Lingue);
    m_lingue->aggiorna();
    m_lingue->muoviPrimo();
    for (int i = 0; i < stato.lingua.IndiceLingua; ++i)
        m_lingue->muoviSuccessivo();
    m_comp->impostaCatalogo(stato.catalogo);
    m_comp->impostaOrigineRecord(Interrogazioni::compressoriConTensione(stato.lingua.IndiceLingua));
    m_comp->aggiorna();

    auto* radice = new QVBoxLayout(this);
    CSCombo1 = new ComboDati(this);
    CSCombo1->setObjectName(QStringLiteral("CSCombo1"));
    CSCombo1->collega(m_comp.get(), QStringLiteral("CodiceProdotto"));
    radice->addWidget(CSCombo1);
    radice->addWidget(new PannelloDatiTarga(m_comp.get(), m_lingue.get(), this));

    auto* barra = new QGridLayout;
    const QStyle::StandardPixmap icone[] = {
        QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward, QStyle::SP_MediaSeekForward,
        QStyle::SP_MediaSkipForward};
    for (int i = 0; i < 10; ++i) {
        cm3Naviga[size_t(i)] = new QPushButton(this);
        cm3Naviga[size_t(i)]->setObjectName(QStringLiteral("cm3Naviga_%1").arg(i));
        connect(cm3Naviga[size_t(i)], &QPushButton::clicked, this, [this, i] { premi(i); });
    }
    for (int i = 0; i < 4; ++i) {
        cm3Naviga[size_t(i)]->setIcon(style()->standardIcon(icone[i]));
        barra->addWidget(cm3Naviga[size_t(i)], 0, i);
    }
    // Lists and drawing with their captions below the buttons.
    const std::array<std::pair<int, int>, 4> elenchi = {{{4, 8}, {5, 5}, {8, 7}, {9, 6}}};
    for (int k = 0; k < 4; ++k) {
        cm3Naviga[size_t(elenchi[k].first)]->setText(d.value(elenchi[k].second));
        barra->addWidget(cm3Naviga[size_t(elenchi[k].first)], 0, 5 + k);
        Panel3D3[size_t(k)] = new QLabel(d.value(elenchi[k].second), this);
        Panel3D3[size_t(k)]->hide(); // the button carries the caption itself
    }
    cm3Naviga[7]->setIcon(iconaStampante());
    cm3Naviga[7]->setToolTip(QStringLiteral("Stampa"));
    cm3Naviga[6]->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    barra->addWidget(cm3Naviga[7], 0, 10);
    barra->addWidget(cm3Naviga[6], 0, 11);
    barra->setColumnStretch(4, 1);
    radice->addLayout(barra);

    connect(CSCombo1, &ComboDati::testoCambiato, this, [this](const QString& t) {
        m_comp->trovaPrimo(QStringLiteral("CodiceProdotto ='") + t + QStringLiteral("'"));
    });
    connect(m_comp.get(), &SorgenteDati::riposizionato, this, [this] {
        if (!m_comp->bof() && !m_comp->eof())
            CSCombo1->impostaTesto(m_comp->testo(QStringLiteral("CodiceProdotto")));
    });
    if (m_comp->numeroRecord() > 0) {
        m_comp->muoviPrimo();
        // The model code by name: a column position depends on the catalogue's table layout.
        CSCombo1->impostaTesto(m_comp->testo(QStringLiteral("CodiceProdotto")));
    }
    resize(std::max(sizeHint().width(), twipsInPixel(LarghezzaTwips, this)),
           std::max(sizeHint().height(), twipsInPixel(AltezzaTwips, this)));
    move(0, 0);
}

cfrmDatiDiTarga::~cfrmDatiDiTarga() = default;

void cfrmDatiDiTarga::impostaCorrente() {
    m_stato.motore.codiceProdottoCorrente = CSCombo1->testo().toStdString();
}

ParametriRapporto cfrmDatiDiTarga::parametriStampa() const {
    return parametriScheda(m_stato, m_stato.impostazioni.ModoCondizionamento != 0);
}

void cfrmDatiDiTarga::premi(int i) {
    if (i == 6) {
        chiudiSchermo(this);
        return;
    }
    if (i != 4 && m_comp->numeroRecord() < 1)
        return;
    switch (i) {
    case 0:
        m_comp->muoviPrimo();
        break;
    case 1:
        m_comp->muoviPrecedente();
        if (m_comp->bof())
            m_comp->muoviPrimo();
        break;
    case 2:
        m_comp->muoviSuccessivo();
        if (m_comp->eof())
            m_comp->muoviUltimo();
        break;
    case 3:
        m_comp->muoviUltimo();
        break;
    case 4:
    case 5:
    case 9:
        impostaCorrente();
        m_stato.schermi.TipoElencoOpzioni = int16_t(i == 4 ? 0 : i == 5 ? 2 : 1);
        if (m_aperture.opzioni)
            m_aperture.opzioni(this, i == 4);
        else
            apriElencoOpzioni(m_stato, this, i == 4);
        break;
    case 7:
        impostaCorrente();
        stampaRapporto(parametriStampa(), this);
        break;
    case 8:
        impostaCorrente();
        mostraIngombri(m_stato, *m_comp, this);
        break;
    }
}

void cfrmDatiDiTarga::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_PageUp)
        premi(1);
    else if (e->key() == Qt::Key_PageDown)
        premi(2);
    else if (e->key() == Qt::Key_Escape)
        chiudiSchermo(this);
    else
        QWidget::keyPressEvent(e);
}

void cfrmDatiDiTarga::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!m_collocato) {
        m_collocato = true;
        collocaInAlto(this,
                      QSize(twipsInPixel(LarghezzaTwips, this), twipsInPixel(AltezzaTwips, this)));
    }
}
