#pragma once
// The about box: program version and release date.

#include <QDialog>

struct StatoApplicazione;
class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(const StatoApplicazione& stato, QWidget* parent = nullptr);

    QLabel* Label1; // version
    QLabel* Label5; // release date
    QLabel* Label6;
    QLabel* Label7;
    QPushButton* Command1;
};
