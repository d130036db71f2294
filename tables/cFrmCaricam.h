#pragma once
// The small loading window shown while the performance tables are first computed.

#include <QWidget>

class QLabel;

class cFrmCaricam : public QWidget {
    Q_OBJECT
public:
    explicit cFrmCaricam(QWidget* parent = nullptr);
    // Places the window centred over the program's main window (over the screen when
    // there is none yet).
    void centra();
    QLabel* Label1;
};
