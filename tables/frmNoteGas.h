#pragma once
// The refrigerant's application-envelope picture: the file named by NomeDis in the
// program's folder. A missing or unreadable file leaves the picture area empty.

#include <QWidget>

class QLabel;
class QPushButton;

class frmNoteGas : public QWidget {
    Q_OBJECT
public:
    // Loads the picture `nomeDis` from `cartella` (the program's folder).
    frmNoteGas(const QString& cartella, const QString& nomeDis, QWidget* parent = nullptr);

    bool immagineCaricata() const { return m_caricata; }
    QString fileImmagine() const { return m_file; }

    QLabel* Image1;
    QPushButton* OKButton;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void chiudi();
    QString m_file;
    bool m_caricata = false;
};
