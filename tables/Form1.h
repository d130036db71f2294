#pragma once
// Information on a zeotropic refrigerant and its temperature glide: a text and two
// pressure-enthalpy sketches, without and with the glide. It opens on its design text about
// R407C; mostra() puts in the current refrigerant's, the drawing in the user's language.

#include "tables/InfoRefrigerante.h"

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

    // Title and text for `info` in language 0..4.
    void mostra(const InfoRefrigerante& info, int indiceLingua);

    // The words of the drawing: two titles and the callouts.
    struct TestiDisegno {
        QString senzaGlide, conGlide, isobaraIsoterma, isobare, isoterme;
    };
    // The design's words (English titles, Italian callouts), or language 0..4's.
    static TestiDisegno testiDisegno();
    static TestiDisegno testiDisegno(int indiceLingua);

    // The drawing of the window (also used by the tests).
    static QImage disegno(const TestiDisegno& testi = testiDisegno());

    QPlainTextEdit* Text1;
    QLabel* Picture1;
};
