#include "browse/frmIngombri.h"

#include "platform/ServizioMessaggi.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

frmIngombri::frmIngombri(const QString& file, const QString& titolo, QWidget* parent)
    : QDialog(parent), m_immagine(file), m_etichetta(new QLabel(this)) {
    setWindowTitle(titolo);
    setModal(true);
    m_etichetta->setAlignment(Qt::AlignCenter);
    m_etichetta->setMinimumSize(200, 150);
    m_etichetta->setStyleSheet(QStringLiteral("background: white;"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(m_etichetta, 1);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    l->addWidget(pulsanti);
    resize(720, 540);
    if (m_immagine.isNull())
        ServizioMessaggi::corrente().errore(
            QString(),
            QStringLiteral("Disegno degli ingombri non trovato o illeggibile: %1").arg(file));
}

void frmIngombri::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    if (!m_immagine.isNull())
        m_etichetta->setPixmap(m_immagine.scaled(m_etichetta->size() - QSize(8, 8),
                                                 Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
