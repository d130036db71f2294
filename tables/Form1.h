#pragma once
// Information on the refrigerant R407C and its temperature glide: a fixed text and two
// pressure-enthalpy sketches, without and with the glide.

#include <QImage>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

class Form1 : public QWidget {
    Q_OBJECT
public:
    static const QString TestoR407C; // exactly 255 characters
    static constexpr int LarghezzaDisegno = 444, AltezzaDisegno = 538;

    explicit Form1(QWidget* parent = nullptr);

    // The drawing of the window (also used by the tests).
    static QImage disegno();

    QPlainTextEdit* Text1;
    QLabel* Picture1;
};
