#include "app/FinestraImportazione.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

FinestraImportazione::FinestraImportazione(QWidget* genitore) : m_genitore(genitore) {}

FinestraImportazione::~FinestraImportazione() = default;

void FinestraImportazione::inizia(const QString& mdb, std::function<void()> annulla) {
    m_finestra = std::make_unique<QProgressDialog>(m_genitore);
    m_finestra->setObjectName(QStringLiteral("finestraImportazione"));
    m_finestra->setWindowTitle(QStringLiteral("Importazione del catalogo"));
    m_finestra->setLabelText(QStringLiteral("Lettura di %1\n(%2)")
                                 .arg(QFileInfo(mdb).fileName(), QDir::toNativeSeparators(mdb)));
    m_finestra->setCancelButtonText(QStringLiteral("Annulla"));
    m_finestra->setRange(0, 0); // no measure of progress: the bar just moves
    // Shown, never exec()'d: the import waits in its own event loop. Modal, so nothing
    // else is started against a catalogue that is not open yet.
    m_finestra->setWindowModality(Qt::ApplicationModal);
    m_finestra->setAutoClose(false);
    m_finestra->setAutoReset(false);
    QObject::connect(m_finestra.get(), &QProgressDialog::canceled, m_finestra.get(),
                     std::move(annulla));
    m_finestra->show();
}

void FinestraImportazione::finisci() {
    if (!m_finestra)
        return;
    m_finestra->disconnect();
    m_finestra->hide();
    m_finestra.reset();
}
