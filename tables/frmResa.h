#pragma once
// The capacity chart: one curve per condensing temperature, capacity in W against the
// evaporating temperature, from the grid of the compressor row.

#include "tables/GrigliaResa.h"

#include <QWidget>
#include <array>
#include <vector>

class QChart;
class QChartView;
class QGroupBox;
class QLabel;
class QPushButton;

class frmResa : public QWidget {
    Q_OBJECT
public:
    explicit frmResa(QWidget* parent = nullptr);

    // Draws the curves (a new call replaces them).
    void mostraCurve(const std::vector<CurvaResa>& curve);
    const std::vector<CurvaResa>& curve() const { return m_curve; }

    QGroupBox* Frame1;
    QChartView* Picture1;
    std::array<QLabel*, 2> Label3{}; // "Watt", "°C"
    QLabel* Label2;                  // "Evap"
    QPushButton* Command1;

private:
    void FormattaImmagine();
    QChart* m_grafico;
    std::vector<CurvaResa> m_curve;
};
