// Draws the application-envelope picture of every refrigerant of a catalogue: the field
// of evaporating and condensing temperatures that the catalogue's compressors cover with
// that refrigerant, from their envelope columns TEMin30..TEMax70. Each picture is written
// under the name the refrigerant's NomeDis gives, into the output folder.
//
//     selcomp-immagini-gas <catalogue> <output folder>

#include "catalogue/Catalogo.h"
#include "catalogue/Istantanea.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

constexpr int Bande = 9; // condensing temperatures 30, 35, ... 70
constexpr int Larghezza = 559, Altezza = 493;

struct Campo {
    std::array<std::optional<double>, Bande> minimo, massimo;
    int compressori = 0;
};

// The union of the envelopes of the refrigerant's compressors, band by band.
Campo campoDelGas(const Catalogo& cat, const QString& gas) {
    Campo c;
    const Istantanea r = cat.interroga("select * from CollCompGas where CodiceGas = ?", {gas});
    for (int i = 0; i < r.numeroRighe(); ++i) {
        bool qualcosa = false;
        for (int b = 0; b < Bande; ++b) {
            const QVariant lo = r.valore(i, QStringLiteral("TEMin%1").arg(30 + 5 * b));
            const QVariant hi = r.valore(i, QStringLiteral("TEMax%1").arg(30 + 5 * b));
            if (lo.isNull() || hi.isNull())
                continue;
            const double l = lo.toDouble(), h = hi.toDouble();
            if (!std::isfinite(l) || !std::isfinite(h) || l > h)
                continue;
            c.minimo[b] = c.minimo[b] ? std::min(*c.minimo[b], l) : l;
            c.massimo[b] = c.massimo[b] ? std::max(*c.massimo[b], h) : h;
            qualcosa = true;
        }
        if (qualcosa)
            ++c.compressori;
    }
    return c;
}

QImage disegna(const QString& gas, const Campo& c) {
    QImage img(Larghezza, Altezza, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(70, 50, Larghezza - 100, Altezza - 110);
    const double teLo = -45, teHi = 20, tcLo = 25, tcHi = 75;
    auto x = [&](double te) { return area.left() + (te - teLo) / (teHi - teLo) * area.width(); };
    auto y = [&](double tc) { return area.bottom() - (tc - tcLo) / (tcHi - tcLo) * area.height(); };

    QFont f = p.font();
    f.setPixelSize(11);
    p.setFont(f);
    // grid and scale
    for (int te = -45; te <= 20; te += 5) {
        p.setPen(QPen(QColor(220, 220, 220), 1));
        p.drawLine(QPointF(x(te), area.top()), QPointF(x(te), area.bottom()));
        p.setPen(Qt::black);
        p.drawText(QRectF(x(te) - 15, area.bottom() + 4, 30, 14), Qt::AlignCenter,
                   QString::number(te));
    }
    for (int tc = 25; tc <= 75; tc += 5) {
        p.setPen(QPen(QColor(220, 220, 220), 1));
        p.drawLine(QPointF(area.left(), y(tc)), QPointF(area.right(), y(tc)));
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left() - 34, y(tc) - 7, 28, 14), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(tc));
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.drawRect(area);

    // the field: lower limits going up the condensing temperatures, upper ones coming down
    QPolygonF campo;
    for (int b = 0; b < Bande; ++b)
        if (c.minimo[b])
            campo << QPointF(x(*c.minimo[b]), y(30 + 5 * b));
    for (int b = Bande - 1; b >= 0; --b)
        if (c.massimo[b])
            campo << QPointF(x(*c.massimo[b]), y(30 + 5 * b));
    if (campo.size() >= 3) {
        p.setPen(QPen(QColor(0, 70, 160), 2.5));
        p.setBrush(QColor(90, 150, 230, 110));
        p.drawPolygon(campo);
    } else if (!campo.isEmpty()) {
        p.setPen(QPen(QColor(0, 70, 160), 2.5));
        p.drawPolyline(campo);
    }
    p.setBrush(Qt::NoBrush);

    // captions
    QFont t = f;
    t.setPixelSize(18);
    t.setBold(true);
    p.setFont(t);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 8, Larghezza, 26), Qt::AlignHCenter, gas);
    f.setPixelSize(12);
    p.setFont(f);
    p.drawText(QRectF(area.left(), Altezza - 40, area.width(), 16), Qt::AlignHCenter,
               QString::fromUtf8("Temperatura di evaporazione (°C)"));
    p.save();
    p.translate(16, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, -8, area.height(), 16), Qt::AlignHCenter,
               QString::fromUtf8("Temperatura di condensazione (°C)"));
    p.restore();
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(Qt::darkGray);
    p.drawText(QRectF(area.left(), Altezza - 20, area.width(), 14), Qt::AlignRight,
               QStringLiteral("%1 compressori").arg(c.compressori));
    return img;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: selcomp-immagini-gas <catalogue> <output folder>\n");
        return 2;
    }
    QString errore;
    auto cat = Catalogo::apri(QString::fromLocal8Bit(argv[1]), &errore);
    if (!cat) {
        std::fprintf(stderr, "selcomp-immagini-gas: %s\n", qPrintable(errore));
        return 1;
    }
    const QDir uscita(QString::fromLocal8Bit(argv[2]));
    const Istantanea gas = cat->interroga("select * from Gas", {}, &errore);
    if (gas.numeroColonne() == 0) {
        std::fprintf(stderr, "selcomp-immagini-gas: table Gas: %s\n", qPrintable(errore));
        return 1;
    }
    int scritte = 0;
    for (int i = 0; i < gas.numeroRighe(); ++i) {
        const QString codice = gas.valore(i, 0).toString();
        // NomeDis is a plain file name of the program's folder.
        const QString nome = QFileInfo(gas.testo(i, "NomeDis").replace('\\', '/')).fileName();
        if (nome.isEmpty())
            continue;
        const QString file = uscita.filePath(nome);
        if (!disegna(codice, campoDelGas(*cat, codice)).save(file)) {
            std::fprintf(stderr, "selcomp-immagini-gas: cannot write %s\n", qPrintable(file));
            return 1;
        }
        ++scritte;
    }
    std::printf("%d pictures written to %s\n", scritte, qPrintable(uscita.path()));
    return 0;
}
