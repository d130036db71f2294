#include "tables/cFrmCaricam.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QVBoxLayout>

cFrmCaricam::cFrmCaricam(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("cFrmCaricam");
    setWindowTitle(QStringLiteral("Caricamento ..."));
    Label1 = new QLabel(QStringLiteral("Caricamento ..."), this);
    Label1->setAlignment(Qt::AlignCenter);
    QFont f = Label1->font();
    f.setBold(true);
    Label1->setFont(f);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Label1);
    resize(twipsInPixel(3000, this), twipsInPixel(900, this));
}

void cFrmCaricam::centra() {
    QRect sopra;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible()) {
            sopra = w->frameGeometry();
            break;
        }
    if (sopra.isNull())
        if (const QScreen* s = QGuiApplication::primaryScreen())
            sopra = s->availableGeometry();
    move(sopra.center() - QPoint(width() / 2, height() / 2));
}
