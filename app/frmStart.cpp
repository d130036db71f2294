#include "app/frmStart.h"

#include "app/TestiLingue.h"
#include "dati/StatoApplicazione.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
// The picture of the start window, drawn rather than shipped.
QPixmap immagineAvvio() {
    QPixmap p(480, 220);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sfondo(0, 0, 0, p.height());
    sfondo.setColorAt(0, QColor(20, 60, 130));
    sfondo.setColorAt(1, QColor(120, 170, 230));
    g.fillRect(p.rect(), sfondo);
    g.setPen(Qt::white);
    QFont f = g.font();
    f.setPointSize(40);
    f.setBold(true);
    g.setFont(f);
    g.drawText(p.rect().adjusted(0, 20, 0, -70), Qt::AlignCenter, "Didaz");
    f.setPointSize(14);
    f.setBold(false);
    g.setFont(f);
    g.drawText(p.rect().adjusted(0, 120, 0, -20), Qt::AlignCenter,
               "Compressori semiermetici alternativi");
    return p;
}
} // namespace

frmStart::frmStart(StatoApplicazione& stato, QWidget* parent)
    : QWidget(parent), Image3(new QLabel), Label1(new QLabel("Selezione Compressori")),
      Command1(new QPushButton("&Start")), stato(stato) {
    setWindowTitle("Didaz");
    Image3->setPixmap(immagineAvvio());
    auto* Shape1 = new QFrame;
    Shape1->setFrameShape(QFrame::Box);
    auto* riquadro = new QVBoxLayout(Shape1);
    riquadro->addWidget(Image3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Shape1);
    layout->addWidget(Label1, 0, Qt::AlignCenter);
    layout->addWidget(Command1, 0, Qt::AlignCenter);

    // On load: the button speaks the language; Spanish keeps the design caption.
    const int16_t n = stato.lingua.IndiceLingua;
    if (n >= 0 && n < NumeroLingue && testiLingua(n).pulsanteAvvio)
        Command1->setText(testo(testiLingua(n).pulsanteAvvio));
    Label1->setVisible(stato.impostazioni.ModoCondizionamento != 0);

    adjustSize();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }

    connect(Command1, &QPushButton::clicked, this, [this] {
        this->stato.schermi.AvvioConfermato = true;
        confermato = true;
        emit avviato();
        close();
    });
}

void frmStart::closeEvent(QCloseEvent* e) {
    if (!confermato)
        emit chiuso();
    e->accept();
}
