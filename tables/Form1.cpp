#include "tables/Form1.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QScrollArea>

#include <array>

// The text stops after 255 characters, in the middle of a word, as the window has it.
const QString Form1::TestoR407C =
    QString::fromUtf8("Il refrigerante R407C è una miscela zeotropica, composta da R32, R125 e "
                      "R134a, che presenta "
                      "un forte effetto glide: durante la condensazione e l'evaporazione la "
                      "temperatura del fluido "
                      "non resta costante a pressione costante, ma si sposta di alcuni gradi tra "
                      "l'inizio e la fine "
                      "del cambiamento di stato")
        .left(255);

namespace {

// One pressure-enthalpy sketch in `r`: the saturation dome, the cycle, and in the
// two-phase region either lines that are isobars and isotherms at once (no glide) or
// horizontal isobars crossed by sloping isotherms (glide).
void schizzo(QPainter& p, const QRectF& r, bool glide) {
    const QRectF area = r.adjusted(34, 34, -10, -26);
    p.setPen(QPen(Qt::black, 1.5));
    // axes
    p.drawLine(area.bottomLeft(), area.topLeft());
    p.drawLine(area.bottomLeft(), area.bottomRight());
    QFont f = p.font();
    f.setPointSizeF(8);
    p.setFont(f);
    p.drawText(QRectF(area.left() - 30, area.top() - 4, 26, 16), Qt::AlignRight, "p");
    p.drawText(QRectF(area.right() - 20, area.bottom() + 4, 20, 16), Qt::AlignRight, "h");
    // dome: a bell from the liquid side to the vapour side
    auto pt = [&](double x, double y) {
        return QPointF(area.left() + x * area.width(), area.bottom() - y * area.height());
    };
    QPainterPath cupola;
    cupola.moveTo(pt(0.12, 0.02));
    cupola.cubicTo(pt(0.22, 0.75), pt(0.45, 1.02), pt(0.55, 0.95));
    cupola.cubicTo(pt(0.65, 0.88), pt(0.78, 0.55), pt(0.86, 0.02));
    p.setPen(QPen(Qt::darkBlue, 2));
    p.drawPath(cupola);
    // cycle: condensation (top), expansion, evaporation (bottom), compression
    const double pc = 0.70, pe = 0.22;
    p.setPen(QPen(Qt::red, 2));
    const QPointF a = pt(0.30, pc), b = pt(0.30, pe), c = pt(0.80, pe), d = pt(0.95, pc);
    p.drawLine(b, c);
    p.drawLine(c, d);
    p.drawLine(d, a);
    p.drawLine(a, b);
    // lines in the two-phase region
    if (!glide) {
        p.setPen(QPen(Qt::darkGreen, 1, Qt::DashLine));
        for (double y : {0.35, 0.5, 0.6})
            p.drawLine(pt(0.22, y), pt(0.80, y));
    } else {
        p.setPen(QPen(Qt::darkGreen, 1, Qt::DashLine));
        for (double y : {0.35, 0.5, 0.6})
            p.drawLine(pt(0.22, y), pt(0.80, y));
        p.setPen(QPen(Qt::magenta, 1, Qt::DotLine));
        for (double y : {0.30, 0.45, 0.58})
            p.drawLine(pt(0.22, y + 0.05), pt(0.80, y - 0.07));
    }
}

void richiamo(QPainter& p, const QPointF& da, const QPointF& a, const QString& testo) {
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(da, a);
    p.drawEllipse(a, 2, 2);
    QFont f = p.font();
    f.setPointSizeF(8);
    p.setFont(f);
    p.drawText(QRectF(da.x() - 2, da.y() - 16, 200, 16), Qt::AlignLeft | Qt::AlignBottom, testo);
}

} // namespace

Form1::TestiDisegno Form1::testiDisegno() {
    return {QStringLiteral("Refrigerant without glide effect"),
            QStringLiteral("Refrigerant with glide effect"), QStringLiteral("isobare = isoterme"),
            QStringLiteral("isobare"), QStringLiteral("isoterme")};
}

Form1::TestiDisegno Form1::testiDisegno(int indiceLingua) {
    static const std::array<std::array<const char*, 5>, 5> testi = {{
        {"Refrigerante senza effetto glide", "Refrigerante con effetto glide", "isobare = isoterme",
         "isobare", "isoterme"},
        {"Refrigerant without glide", "Refrigerant with glide", "isobars = isotherms", "isobars",
         "isotherms"},
        {"Réfrigérant sans glissement", "Réfrigérant avec glissement", "isobares = isothermes",
         "isobares", "isothermes"},
        {"Kältemittel ohne Temperaturgleit", "Kältemittel mit Temperaturgleit",
         "Isobaren = Isothermen", "Isobaren", "Isothermen"},
        {"Refrigerante sin deslizamiento", "Refrigerante con deslizamiento", "isobaras = isotermas",
         "isobaras", "isotermas"},
    }};
    const auto& t = testi[size_t(indiceLingua >= 0 && indiceLingua <= 4 ? indiceLingua : 0)];
    return {QString::fromUtf8(t[0]), QString::fromUtf8(t[1]), QString::fromUtf8(t[2]),
            QString::fromUtf8(t[3]), QString::fromUtf8(t[4])};
}

QImage Form1::disegno(const TestiDisegno& testi) {
    QImage img(LarghezzaDisegno, AltezzaDisegno, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double meta = AltezzaDisegno / 2.0;
    QFont titolo = p.font();
    titolo.setPointSizeF(10);
    titolo.setBold(true);
    p.setFont(titolo);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 4, LarghezzaDisegno, 20), Qt::AlignHCenter, testi.senzaGlide);
    schizzo(p, QRectF(0, 24, LarghezzaDisegno, meta - 30), false);
    // callout of the upper sketch: one line is both isobar and isotherm
    const QRectF su(0, 24, LarghezzaDisegno, meta - 30);
    const QRectF areaSu = su.adjusted(34, 34, -10, -26);
    richiamo(p, QPointF(areaSu.left() + 210, areaSu.top() + 12),
             QPointF(areaSu.left() + 0.6 * areaSu.width(), areaSu.bottom() - 0.5 * areaSu.height()),
             testi.isobaraIsoterma);

    p.setFont(titolo);
    p.setPen(Qt::black);
    p.drawLine(QPointF(8, meta), QPointF(LarghezzaDisegno - 8, meta));
    p.drawText(QRectF(0, meta + 4, LarghezzaDisegno, 20), Qt::AlignHCenter, testi.conGlide);
    const QRectF giu(0, meta + 24, LarghezzaDisegno, meta - 30);
    schizzo(p, giu, true);
    const QRectF areaGiu = giu.adjusted(34, 34, -10, -26);
    richiamo(
        p, QPointF(areaGiu.left() + 220, areaGiu.top() + 6),
        QPointF(areaGiu.left() + 0.7 * areaGiu.width(), areaGiu.bottom() - 0.5 * areaGiu.height()),
        testi.isobare);
    richiamo(p, QPointF(areaGiu.left() + 250, areaGiu.top() + 26),
             QPointF(areaGiu.left() + 0.62 * areaGiu.width(),
                     areaGiu.bottom() - 0.40 * areaGiu.height()),
             testi.isoterme);
    return img;
}

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Form1"));
    Text1 = new QPlainTextEdit(TestoR407C, this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setPixmap(QPixmap::fromImage(disegno()));
    Picture1->setFixedSize(LarghezzaDisegno, AltezzaDisegno);
    // The drawing keeps its size; a smaller window scrolls it.
    auto* scorri = new QScrollArea(this);
    scorri->setWidget(Picture1);
    scorri->setMinimumWidth(LarghezzaDisegno + 20);
    auto* l = new QHBoxLayout(this);
    l->addWidget(Text1, 1);
    l->addWidget(scorri);
    resize(760, AltezzaDisegno + 24);
}

void Form1::mostra(const InfoRefrigerante& info, int indiceLingua) {
    setWindowTitle(titoloInfo(info.codice, indiceLingua));
    Text1->setPlainText(testoInfo(info, indiceLingua));
    Picture1->setPixmap(QPixmap::fromImage(disegno(testiDisegno(indiceLingua))));
}
