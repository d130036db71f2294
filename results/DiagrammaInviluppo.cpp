#include "results/DiagrammaInviluppo.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

// What LimitiTcDaInviluppo leaves when no column exists: an empty range.
constexpr double TcNessuno = 1e9;

struct Intervallo {
    double lo, hi;
};

Intervallo intervalloTc(const InviluppoCompressore& inv) {
    CondFunz cf;
    cf.TcMin = TcNessuno;
    cf.TcMax = -TcNessuno;
    LimitiTcDaInviluppo(cf, inv);
    return {cf.TcMin, cf.TcMax};
}

QString numero(double v) {
    return QLocale().toString(v, 'f', 1);
}

} // namespace

std::vector<QPolygonF> PoligoniInviluppo(const InviluppoCompressore& inv) {
    std::vector<QPolygonF> esito;
    const Intervallo tc = intervalloTc(inv);
    if (tc.lo > tc.hi)
        return esito;
    // Runs of consecutive bands that accept something, each one outline: up the left
    // side, down the right.
    QPolygonF sinistra, destra;
    auto chiudi = [&] {
        if (sinistra.isEmpty())
            return;
        QPolygonF p = sinistra;
        std::reverse(destra.begin(), destra.end());
        p += destra;
        esito.push_back(p);
        sinistra.clear();
        destra.clear();
    };
    for (int b = 0; b < NumeroBande; ++b) {
        const double lo = SuffissoBanda(b);
        if (lo < tc.lo || lo > tc.hi)
            continue;
        const double hi = lo == tc.hi ? lo : lo + 5; // tc.hi is a band's lower edge
        const double mn = inv.TEMin[size_t(b)].value_or(0), mx = inv.TEMax[size_t(b)].value_or(0);
        if (mn > mx) {
            chiudi();
            continue;
        }
        sinistra << QPointF(mn, lo) << QPointF(mn, hi);
        destra << QPointF(mx, lo) << QPointF(mx, hi);
    }
    chiudi();
    return esito;
}

EsitoPunto VerificaPuntoInviluppo(const InviluppoCompressore& inv, double TE, double TC) {
    CondFunz cf;
    cf.TE = TE;
    cf.TC = TC;
    cf.TU = cf.TL = cf.TA = NonDato;
    cf.TcMin = TcNessuno;
    cf.TcMax = -TcNessuno;
    LimitiTcDaInviluppo(cf, inv);
    EsitoPunto e;
    e.dentro = VerificaCondizioni(cf, inv);
    e.codice = e.dentro ? 0 : cf.CodiceErrore;
    e.TeMin = cf.TeMin;
    e.TeMax = cf.TeMax;
    e.TcMin = cf.TcMin;
    e.TcMax = cf.TcMax;
    return e;
}

QString MotivoFuoriInviluppo(const EsitoPunto& e, double TE, double TC, const QString& testoErrore,
                             const QString& nomeTE, const QString& nomeTC) {
    if (e.dentro)
        return {};
    QString limite;
    if (e.codice == 2) {
        if (e.TcMin > e.TcMax)
            limite = QStringLiteral("%1 -").arg(nomeTC);
        else if (TC > e.TcMax)
            limite =
                QStringLiteral("%1 %2 > %1 max %3 °C").arg(nomeTC, numero(TC), numero(e.TcMax));
        else if (TC < e.TcMin)
            limite =
                QStringLiteral("%1 %2 < %1 min %3 °C").arg(nomeTC, numero(TC), numero(e.TcMin));
        else // inside the range but without a band of its own
            limite = QStringLiteral("%1 %2").arg(nomeTC, numero(TC));
    } else if (e.codice == 1) {
        const bool sotto = TE < e.TeMin;
        limite = QStringLiteral("%1 %2 %3 %1 %4 %5 °C (%6 %7)")
                     .arg(nomeTE, numero(TE), sotto ? "<" : ">", sotto ? "min" : "max",
                          numero(sotto ? e.TeMin : e.TeMax), nomeTC, numero(TC));
    }
    const QString errore = testoErrore.trimmed();
    if (errore.isEmpty())
        return limite;
    return limite.isEmpty() ? errore : errore + QStringLiteral(": ") + limite;
}

namespace {

struct Scala {
    QRectF grafico;
    double teMin, teMax, tcMin, tcMax;
    QPointF punto(double te, double tc) const {
        return {grafico.left() + (te - teMin) / (teMax - teMin) * grafico.width(),
                grafico.bottom() - (tc - tcMin) / (tcMax - tcMin) * grafico.height()};
    }
};

Scala scala(const QRectF& grafico, const DatiDiagramma& d, const std::vector<QPolygonF>& poligoni) {
    double a = -40, b = 20, c = 25, e = 75;
    bool primo = true;
    auto includi = [&](QPointF q) {
        if (primo) {
            a = b = q.x();
            c = e = q.y();
            primo = false;
        }
        a = std::min(a, q.x());
        b = std::max(b, q.x());
        c = std::min(c, q.y());
        e = std::max(e, q.y());
    };
    for (const auto& p : poligoni)
        for (QPointF q : p)
            includi(q);
    if (d.punto && std::isfinite(d.punto->x()) && std::isfinite(d.punto->y()))
        includi(*d.punto);
    // Whole tens of TE and fives of TC with a margin, so the edges never touch the frame.
    a = std::floor((a - 5) / 10) * 10;
    b = std::ceil((b + 5) / 10) * 10;
    c = std::floor((c - 5) / 5) * 5;
    e = std::ceil((e + 5) / 5) * 5;
    return {grafico, a, b, c, e};
}

} // namespace

void disegnaDiagramma(QPainter& p, const QRectF& area, const DatiDiagramma& d) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    const QFontMetricsF fm(p.font());
    const double riga = fm.height();
    const QRectF titolo(area.left(), area.top(), area.width(), riga * 1.3);
    const QRectF piede(area.left(), area.bottom() - riga * 4.6, area.width(), riga * 4.6);
    const QRectF grafico(area.left() + fm.horizontalAdvance("-000") + riga * 1.6,
                         titolo.bottom() + riga * 0.5, 0, 0);
    QRectF g = grafico;
    g.setRight(area.right() - riga);
    g.setBottom(piede.top() - riga * 2.2);

    p.setPen(Qt::black);
    p.drawText(titolo, Qt::AlignCenter, d.titolo);

    const std::vector<QPolygonF> poligoni = PoligoniInviluppo(d.inviluppo);
    const Scala s = scala(g, d, poligoni);

    // Grid and tick labels.
    QPen griglia(QColor(215, 215, 215));
    griglia.setWidthF(0);
    // Tick labels never closer than their own width.
    const double passoTe =
        g.width() / ((s.teMax - s.teMin) / 10) < fm.horizontalAdvance("-000") ? 20 : 10;
    for (double te = s.teMin; te <= s.teMax + 1e-9; te += passoTe) {
        const QPointF q = s.punto(te, s.tcMin);
        p.setPen(griglia);
        p.drawLine(q, s.punto(te, s.tcMax));
        p.setPen(Qt::black);
        p.drawText(QRectF(q.x() - 30, g.bottom() + 2, 60, riga), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(te));
    }
    for (double tc = s.tcMin; tc <= s.tcMax + 1e-9; tc += 5) {
        const QPointF q = s.punto(s.teMin, tc);
        p.setPen(griglia);
        p.drawLine(q, s.punto(s.teMax, tc));
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), q.y() - riga / 2, g.left() - area.left() - 4, riga),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(tc));
    }
    p.setPen(Qt::black);
    p.drawRect(g);
    p.drawText(QRectF(g.left(), g.bottom() + riga, g.width(), riga * 1.2), Qt::AlignCenter,
               d.nomeTE + QStringLiteral(" [°C]"));
    p.save();
    p.translate(area.left() + riga * 0.1, g.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-g.height() / 2, 0, g.height(), riga * 1.2), Qt::AlignCenter,
               d.nomeTC + QStringLiteral(" [°C]"));
    p.restore();

    // The envelope: a filled outline; a run of one band is a segment, drawn thick.
    const QColor blu(31, 63, 127);
    for (const QPolygonF& poli : poligoni) {
        QPolygonF schermo;
        for (QPointF q : poli)
            schermo << s.punto(q.x(), q.y());
        QPen bordo(blu);
        bordo.setWidthF(std::max(1.5, riga / 8));
        if (poli.boundingRect().height() == 0)
            bordo.setWidthF(riga / 3);
        p.setPen(bordo);
        p.setBrush(QColor(190, 210, 240, 160));
        p.drawPolygon(schermo);
    }

    // The operating point: dark when accepted, red when refused.
    if (d.punto) {
        const QColor colore = d.esito.dentro ? QColor(0, 110, 0) : QColor(210, 0, 0);
        const QPointF q = s.punto(d.punto->x(), d.punto->y());
        const double r = riga * 0.35;
        p.setPen(QPen(colore, 2));
        p.setBrush(colore);
        p.drawEllipse(q, r, r);
        p.drawLine(q - QPointF(2 * r, 0), q + QPointF(2 * r, 0));
        p.drawLine(q - QPointF(0, 2 * r), q + QPointF(0, 2 * r));
        p.setPen(colore);
        p.drawText(piede, Qt::AlignCenter | Qt::TextWordWrap, d.didascalia);
    } else if (!d.didascalia.isEmpty()) {
        p.drawText(piede, Qt::AlignCenter | Qt::TextWordWrap, d.didascalia);
    }
    p.restore();
}

QImage immagineDiagramma(const DatiDiagramma& d, QSize dimensione) {
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QFont f = p.font();
    f.setPixelSize(std::max(10, dimensione.height() / 34));
    p.setFont(f);
    disegnaDiagramma(p, QRectF(QPointF(0, 0), QSizeF(dimensione)), d);
    return img;
}

DiagrammaInviluppo::DiagrammaInviluppo(QWidget* genitore) : QWidget(genitore) {
    setObjectName(QStringLiteral("DiagrammaInviluppo"));
    setMinimumSize(260, 240);
}

void DiagrammaInviluppo::imposta(DatiDiagramma dati) {
    m_dati = std::move(dati);
    update();
}

void DiagrammaInviluppo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    disegnaDiagramma(p, QRectF(rect()), m_dati);
}
