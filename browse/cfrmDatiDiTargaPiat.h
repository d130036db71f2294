#pragma once
// Technical characteristics of the current model with its notes, optional voltages and
// accessories, opened by other screens.

#include "browse/DatiDiTarga.h"

#include <array>
#include <memory>

class QGroupBox;
class QPushButton;
class QTableWidget;

class cfrmDatiDiTargaPiat : public QWidget {
    Q_OBJECT
public:
    explicit cfrmDatiDiTargaPiat(StatoApplicazione& stato, QWidget* parent = nullptr);
    ~cfrmDatiDiTargaPiat() override;

    SorgenteDati& compressori() { return *m_comp; }
    // Lists 0 notes, 1 optional voltages, 2 accessories (with the supply column).
    std::array<QTableWidget*, 3> elenchi{};
    std::array<QGroupBox*, 3> Panel3D3{};
    std::array<QPushButton*, 8> cm3Naviga{}; // 0 close, 1 drawing, 7 print

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void riempiElenco(int i, const SorgenteDati& s, bool fornitura);
    bool m_collocato = false;
    StatoApplicazione& m_stato;
    std::unique_ptr<SorgenteDati> m_comp, m_lingue;
    QString m_fornitura, m_aRichiesta;
};
