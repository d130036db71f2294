#pragma once
// The small loading window shown while the performance tables are first computed.

#include <QWidget>

class QLabel;

class cFrmCaricam : public QWidget {
    Q_OBJECT
public:
    explicit cFrmCaricam(QWidget* parent = nullptr);
    QLabel* Label1;
};
