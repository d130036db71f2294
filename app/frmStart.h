#pragma once
// The start window: shown while the catalogue opens; its button lets the program go on.

#include <QDialog>

struct StatoApplicazione;
class QLabel;
class QPushButton;

class frmStart : public QWidget {
    Q_OBJECT
public:
    explicit frmStart(StatoApplicazione& stato, QWidget* parent = nullptr);

    QLabel* Image3;
    QLabel* Label1;
    QPushButton* Command1;

signals:
    // The start button was pressed.
    void avviato();
    // The window was closed by its frame: the program ends.
    void chiuso();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    StatoApplicazione& stato;
    bool confermato = false;
};
