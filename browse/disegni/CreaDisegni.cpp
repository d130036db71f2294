// Writes the dimension drawings of the demo catalogue's series: a side and a front view
// of the compressor body with its overall dimensions, one PNG per series.
//
//     selcomp-crea-disegni <folder>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

struct Serie {
    const char* nome;
    int cilindri;
    int lunghezza, larghezza, altezza; // mm
};

// Overall dimensions of the demo series (invented, in the range of such compressors).
const Serie Elenco[] = {
    {"DZ2", 2, 420, 270, 330},
    {"DZ4", 4, 560, 330, 390},
    {"DZ6", 6, 690, 400, 440},
    {"DZ8", 8, 820, 450, 480},
};

// A dimension line with arrows and its text, from a to b, the text on the side `normale`.
void quota(QPainter& p, QPointF a, QPointF b, const QString& testo, QPointF normale) {
    p.drawLine(a, b);
    const QLineF l(a, b);
    for (const auto& [punta, verso] : {std::pair{a, l.angle()}, std::pair{b, l.angle() + 180}}) {
        QLineF f1 = QLineF::fromPolar(10, verso + 20).translated(punta);
        QLineF f2 = QLineF::fromPolar(10, verso - 20).translated(punta);
        p.drawLine(f1);
        p.drawLine(f2);
    }
    const QPointF centro = (a + b) / 2 + normale * 14;
    p.save();
    p.translate(centro);
    if (qFuzzyCompare(a.x(), b.x()))
        p.rotate(-90);
    p.drawText(QRectF(-60, -10, 120, 20), Qt::AlignCenter, testo);
    p.restore();
}

QImage disegno(const Serie& s) {
    QImage img(1200, 700, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Sans"), 11);
    p.setFont(f);
    const double scala = 560.0 / 820.0; // the largest series fills the side view
    const double L = s.lunghezza * scala, W = s.larghezza * scala, H = s.altezza * scala;
    const QPen tratto(Qt::black, 2.5), sottile(QColor(30, 60, 140), 1.2);

    // Side view: body, cylinder heads, motor end, feet.
    const QPointF o(60, 600);
    p.setPen(tratto);
    const QRectF corpo(o.x(), o.y() - H * 0.75, L * 0.62, H * 0.6);
    const QRectF motore(corpo.right(), o.y() - H * 0.7, L * 0.38, H * 0.5);
    p.drawRoundedRect(corpo, 12, 12);
    p.drawRoundedRect(motore, 30, 30);
    const int teste = std::max(1, s.cilindri / 2);
    const double passo = corpo.width() / teste;
    for (int i = 0; i < teste; ++i)
        p.drawRect(QRectF(corpo.left() + passo * i + 8, o.y() - H, passo - 16, H * 0.25));
    p.drawRect(QRectF(o.x() + 10, o.y() - H * 0.15, L * 0.2, H * 0.15));
    p.drawRect(QRectF(o.x() + L * 0.7, o.y() - H * 0.2, L * 0.25, H * 0.2));
    // Its dimensions.
    p.setPen(sottile);
    quota(p, QPointF(o.x(), o.y() + 40), QPointF(o.x() + L, o.y() + 40),
          QString::number(s.lunghezza), {0, 1});
    quota(p, QPointF(o.x() - 30, o.y()), QPointF(o.x() - 30, o.y() - H), QString::number(s.altezza),
          {-1, 0});

    // Front view.
    const QPointF v(o.x() + L + 120, 600);
    p.setPen(tratto);
    p.drawRoundedRect(QRectF(v.x(), v.y() - H * 0.75, W, H * 0.6), 12, 12);
    p.drawRect(QRectF(v.x() + W * 0.2, v.y() - H, W * 0.6, H * 0.25));
    p.drawRect(QRectF(v.x() - 10, v.y() - H * 0.15, W + 20, H * 0.15));
    p.setPen(sottile);
    quota(p, QPointF(v.x(), v.y() + 40), QPointF(v.x() + W, v.y() + 40),
          QString::number(s.larghezza), {0, 1});

    // Title block.
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 16, QFont::Bold));
    p.drawText(QRectF(40, 20, 1120, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Serie %1 - ingombri / overall dimensions (mm)")
                   .arg(QString::fromLatin1(s.nome)));
    p.setFont(f);
    p.drawText(QRectF(40, 60, 1120, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1 cilindri / cylinders").arg(s.cilindri));
    p.drawRect(QRectF(20, 10, 1160, 680));
    return img;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: selcomp-crea-disegni <folder>\n");
        return 2;
    }
    for (const Serie& s : Elenco) {
        const QString file = QString::fromLocal8Bit(argv[1]) +
                             QStringLiteral("/%1.png").arg(QString::fromLatin1(s.nome));
        if (!disegno(s).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
