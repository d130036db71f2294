#include "platform/Icone.h"

#include <QPainter>
#include <QPixmap>

namespace {
// The printer drawn on a 32-unit square: paper in, body, paper out with printed lines.
QPixmap disegnaStampante(int lato) {
    QPixmap p(lato, lato);
    p.fill(Qt::transparent);
    QPainter d(&p);
    d.setRenderHint(QPainter::Antialiasing);
    d.scale(lato / 32.0, lato / 32.0);
    const QPen bordo(QColor(0x30, 0x30, 0x30), 1.5);
    d.setPen(bordo);
    d.setBrush(Qt::white);
    d.drawRect(QRectF(9, 3, 14, 10)); // sheet waiting on top
    d.setBrush(QColor(0x70, 0x78, 0x84));
    d.drawRoundedRect(QRectF(3, 11, 26, 12), 2.5, 2.5); // body
    d.setPen(Qt::NoPen);
    d.setBrush(QColor(0x4c, 0xd0, 0x4c));
    d.drawEllipse(QPointF(25, 15), 1.4, 1.4); // power light
    d.setPen(bordo);
    d.setBrush(Qt::white);
    d.drawRect(QRectF(8, 19, 16, 10)); // printed sheet coming out
    d.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    for (double y : {22.5, 25.5})
        d.drawLine(QPointF(11, y), QPointF(21, y));
    return p;
}
} // namespace

QIcon iconaStampante() {
    QIcon disegnata;
    for (int lato : {16, 22, 24, 32, 48})
        disegnata.addPixmap(disegnaStampante(lato));
    return QIcon::fromTheme(QStringLiteral("document-print"), disegnata);
}
