#pragma once
// Technical characteristics of every model, browsed with a model combo and the
// navigation buttons; opens the option lists, the drawing and the data sheet printout.

#include "browse/DatiDiTarga.h"

#include <array>
#include <memory>

class ComboDati;
class QLabel;
class QPushButton;

class cfrmDatiDiTarga : public QWidget {
    Q_OBJECT
public:
    static constexpr int LarghezzaTwips = 8550, AltezzaTwips = 4935;

    explicit cfrmDatiDiTarga(StatoApplicazione& stato, QWidget* parent = nullptr);
    ~cfrmDatiDiTarga() override;

    void impostaAperture(AperturaElenchi a) { m_aperture = std::move(a); }
    SorgenteDati& compressori() { return *m_comp; }
    // The report its print button runs (by the air-conditioning mode).
    ParametriRapporto parametriStampa() const;

    ComboDati* CSCombo1 = nullptr;
    std::array<QPushButton*, 10> cm3Naviga{};
    std::array<QLabel*, 4> Panel3D3{};

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void premi(int i);
    void impostaCorrente();
    bool m_collocato = false;
    StatoApplicazione& m_stato;
    AperturaElenchi m_aperture;
    std::unique_ptr<SorgenteDati> m_comp, m_lingue;
};

// Closes a screen and the child window of the main window that holds it.
void chiudiSchermo(QWidget* schermo);
