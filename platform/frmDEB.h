#pragma once
// The debug window of the superheat correction: two lines of figures and a close button.

#include <QDialog>

class QLabel;
class QPushButton;

class frmDEB : public QDialog {
    Q_OBJECT
public:
    explicit frmDEB(QWidget* parent = nullptr);
    void mostraTesti(const QString& riga1, const QString& riga2);

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Command1;
};
