#pragma once
// The application envelope of one compressor with one refrigerant, drawn as condensing
// against evaporating temperature with the operating point marked. The same drawing
// serves the screens and the printed results.

#include "engine/Condizioni.h"

#include <QImage>
#include <QPolygonF>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QPainter;

// Outlines, in (TE, TC) °C, of the region the engine's checks accept. The condensing range
// is TcMin..TcMax as LimitiTcDaInviluppo gives it (the first and the last band with a
// column), so the last band adds only its lower edge; inside it a Null column counts as 0,
// as LimitiTePerTc reads it. A band whose minimum lies above its maximum accepts nothing
// and splits the outline. A record without columns has none.
std::vector<QPolygonF> PoligoniInviluppo(const InviluppoCompressore& inviluppo);

// How the point fares in the engine's check of the calculation screen.
struct EsitoPunto {
    bool dentro = false;
    int16_t codice = 0; // CodiceErrore: 1 TE outside its band, 2 TC outside the range
    double TeMin = 0, TeMax = 0, TcMin = 0, TcMax = 0; // the limits the check used
};

// TE/TC against the envelope, through LimitiTcDaInviluppo and VerificaCondizioni on a
// copy with the optional temperatures not given (the envelope alone is judged here).
EsitoPunto VerificaPuntoInviluppo(const InviluppoCompressore& inviluppo, double TE, double TC);

// The short reason of a refusal: the message of the error code (`testoErrore`, from
// Lingue; may be empty) and the limit broken, e.g. "TE -45.0 < TE min -40.0 °C (TC 40.0)".
QString MotivoFuoriInviluppo(const EsitoPunto& esito, double TE, double TC,
                             const QString& testoErrore,
                             const QString& nomeTE = QStringLiteral("TE"),
                             const QString& nomeTC = QStringLiteral("TC"));

struct DatiDiagramma {
    InviluppoCompressore inviluppo;
    QString titolo; // model and refrigerant
    QString nomeTE = QStringLiteral("TE"), nomeTC = QStringLiteral("TC");
    std::optional<QPointF> punto; // (TE, TC) °C
    EsitoPunto esito;             // of the point, when there is one
    QString didascalia;           // under the chart: inside, or the reason
};

// Paints the diagram into `area` (screen pixels or printer points alike).
void disegnaDiagramma(QPainter& p, const QRectF& area, const DatiDiagramma& d);
// The diagram as a picture, for the printed results.
QImage immagineDiagramma(const DatiDiagramma& d, QSize dimensione);

class DiagrammaInviluppo : public QWidget {
    Q_OBJECT
public:
    explicit DiagrammaInviluppo(QWidget* genitore = nullptr);
    void imposta(DatiDiagramma dati);
    const DatiDiagramma& dati() const { return m_dati; }
    QSize sizeHint() const override { return {360, 320}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    DatiDiagramma m_dati;
};
