#pragma once
// The compressor list: the whole catalogue as one grid in catalogue order, from which
// the data sheet of the selected compressor opens or prints.

#include "browse/DatiDiTarga.h"

#include <array>
#include <memory>

class QPushButton;
class QTableWidget;

class cfrmTabella : public QWidget {
    Q_OBJECT
public:
    static constexpr int LarghezzaTwips = 8500, AltezzaTwips = 4875;
    static constexpr int NumeroColonne = 19;

    explicit cfrmTabella(StatoApplicazione& stato, QWidget* parent = nullptr);
    ~cfrmTabella() override;

    // Opens the data sheet of stato.motore.codiceProdottoCorrente; unset: beside the list.
    void impostaAperturaScheda(std::function<void(QWidget*)> a) { m_scheda = std::move(a); }
    ParametriRapporto parametriStampa() const;
    SorgenteDati& compressori() { return *m_comp; }

    QTableWidget* TDBGrid1 = nullptr;
    std::array<QPushButton*, 8> cm3Naviga{}; // 0..3 moves, 6 close, 7 print
    QPushButton* Command1 = nullptr;         // "Scheda"

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void riempi();
    bool tasto(int key);
    void premi(int i);
    void apriScheda();
    bool m_collocato = false;
    StatoApplicazione& m_stato;
    std::unique_ptr<SorgenteDati> m_comp, m_lingue;
    std::function<void(QWidget*)> m_scheda;
};
