#include "dati/AnteprimaRapporto.h"

#include "platform/ServizioMessaggi.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include <memory>

bool anteprimaRapporto(const ParametriRapporto& p, QWidget* genitore, QString* errore) {
    auto d = std::make_shared<DocumentoRapporto>();
    if (!componiRapporto(p, *d, errore))
        return false;
    auto stampante = std::make_shared<QPrinter>(QPrinter::HighResolution);
    stampante->setPageLayout(impaginazioneRapporto(d->orizzontale));
    stampante->setDocName(d->documento);
    auto* anteprima = new QPrintPreviewDialog(stampante.get(), genitore);
    anteprima->setAttribute(Qt::WA_DeleteOnClose);
    anteprima->setWindowTitle(d->documento);
    QObject::connect(anteprima, &QPrintPreviewDialog::paintRequested, anteprima,
                     [d, p, stampante](QPrinter* s) { disegnaRapporto(*d, p, *s); });
    // Saving as PDF beside printing, without going through a printer.
    if (auto* barra = anteprima->findChild<QToolBar*>()) {
        QAction* salva = barra->addAction(QStringLiteral("PDF"));
        salva->setObjectName(QStringLiteral("salvaPdf"));
        salva->setToolTip(QStringLiteral("Salva come PDF"));
        QObject::connect(salva, &QAction::triggered, anteprima, [anteprima, p] {
            const QString file =
                QFileDialog::getSaveFileName(anteprima, QStringLiteral("Salva come PDF"), QString(),
                                             QStringLiteral("PDF (*.pdf)"));
            if (file.isEmpty())
                return;
            QString errore;
            if (!eseguiRapporto(p, file, &errore))
                ServizioMessaggi::corrente().errore(QStringLiteral("Stampa"), errore);
        });
    }
    anteprima->open();
    return true;
}

void stampaRapporto(const ParametriRapporto& p, QWidget* genitore) {
    QString errore;
    if (!anteprimaRapporto(p, genitore, &errore))
        ServizioMessaggi::corrente().errore(QStringLiteral("Stampa"), errore);
}
