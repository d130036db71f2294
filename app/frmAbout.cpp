#include "app/frmAbout.h"

#include "dati/StatoApplicazione.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

frmAbout::frmAbout(const StatoApplicazione& stato, QWidget* parent)
    : QDialog(parent), Label1(new QLabel(stato.impostazioni.VersioneProgramma)),
      Label5(new QLabel(stato.impostazioni.DataRilascio)), Label6(new QLabel), Label7(new QLabel),
      Command1(new QPushButton("OK")) {
    setModal(true);
    setWindowTitle(stato.lingua.Didascalie[4]);
    auto* titolo = new QLabel("<b>Didaz S.p.A.</b><br>Selezione Compressori");
    auto* griglia = new QGridLayout(this);
    griglia->addWidget(titolo, 0, 0, 1, 2);
    griglia->addWidget(new QLabel("Versione"), 1, 0);
    griglia->addWidget(Label1, 1, 1);
    griglia->addWidget(new QLabel("Data"), 2, 0);
    griglia->addWidget(Label5, 2, 1);
    griglia->addWidget(Label6, 3, 0, 1, 2);
    griglia->addWidget(Label7, 4, 0, 1, 2);
    griglia->addWidget(Command1, 5, 1, Qt::AlignRight);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    adjustSize();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
}
