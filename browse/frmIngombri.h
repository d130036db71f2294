#pragma once
// The dimension drawing of a compressor, scaled to fit the window.

#include <QDialog>
#include <QPixmap>

class QLabel;

class frmIngombri : public QDialog {
    Q_OBJECT
public:
    // Loads the picture; when it is missing or unreadable a message says so and
    // caricata() is false (nothing to show). `titolo` names the model drawn.
    frmIngombri(const QString& file, const QString& titolo, QWidget* parent = nullptr);
    bool caricata() const { return !m_immagine.isNull(); }
    QLabel* immagine() const { return m_etichetta; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QPixmap m_immagine;
    QLabel* m_etichetta;
};
