#include "tables/frmResa.h"

#include "platform/Twips.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

frmResa::frmResa(QWidget* parent) : QWidget(parent) {
    setObjectName("frmResa");
    setWindowTitle(QStringLiteral("Resa Watt"));
    Frame1 = new QGroupBox(QStringLiteral("Resa Watt "), this);
    m_grafico = new QChart;
    m_grafico->legend()->setAlignment(Qt::AlignRight);
    Picture1 = new QChartView(m_grafico, Frame1);
    Picture1->setObjectName("Picture1");
    Picture1->setRenderHint(QPainter::Antialiasing);
    Picture1->setMinimumSize(twipsInPixel(7575, this), twipsInPixel(3795, this));
    Label3[0] = new QLabel(QStringLiteral("Watt"), Frame1);
    Label2 = new QLabel(QStringLiteral("Evap"), Frame1);
    Label3[1] = new QLabel(QString::fromUtf8("°C"), Frame1);
    Label2->setAlignment(Qt::AlignCenter);
    Label3[1]->setAlignment(Qt::AlignRight);
    Command1 = new QPushButton(this);
    Command1->setObjectName("Command1");
    Command1->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    Command1->setIconSize(QSize(24, 24));
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (auto* s = qobject_cast<QMdiSubWindow*>(parentWidget()))
            s->close();
        else
            close();
    });
    auto* g = new QGridLayout(Frame1);
    g->addWidget(Label3[0], 0, 0, Qt::AlignVCenter);
    g->addWidget(Picture1, 0, 1, 1, 2);
    g->addWidget(Label2, 1, 1);
    g->addWidget(Label3[1], 1, 2);
    g->setColumnStretch(1, 1);
    auto* l = new QGridLayout(this);
    l->addWidget(Frame1, 0, 0);
    l->addWidget(Command1, 1, 0, Qt::AlignRight);
    FormattaImmagine();
}

// The chart keeps no image of its own to release; it starts with its axes only.
void frmResa::FormattaImmagine() {
    m_grafico->removeAllSeries();
    for (QAbstractAxis* a : m_grafico->axes()) {
        m_grafico->removeAxis(a);
        delete a;
    }
}

void frmResa::mostraCurve(const std::vector<CurvaResa>& curve) {
    FormattaImmagine();
    m_curve = curve;
    auto* asseX = new QValueAxis;
    auto* asseY = new QValueAxis;
    asseX->setLabelFormat("%d");
    asseY->setLabelFormat("%.0f");
    m_grafico->addAxis(asseX, Qt::AlignBottom);
    m_grafico->addAxis(asseY, Qt::AlignLeft);
    double xMin = 1e9, xMax = -1e9, yMax = 0;
    for (const CurvaResa& c : curve) {
        auto* s = new QLineSeries;
        s->setName(QStringLiteral("Tc %1 %2").arg(c.Tc).arg(QString::fromUtf8("°C")));
        s->setPointsVisible(true);
        for (const PuntoResa& p : c.punti) {
            s->append(p.Te, p.resa);
            xMin = std::min(xMin, p.Te);
            xMax = std::max(xMax, p.Te);
            yMax = std::max(yMax, p.resa);
        }
        m_grafico->addSeries(s);
        s->attachAxis(asseX);
        s->attachAxis(asseY);
    }
    if (xMin <= xMax) {
        const double da = std::floor(xMin / 5) * 5, a = std::ceil(xMax / 5) * 5;
        asseX->setRange(da, a);
        asseX->setTickCount(int((a - da) / 5) + 1); // a tick every 5 K
        asseY->setRange(0, yMax * 1.05);
        asseY->applyNiceNumbers();
    }
}
