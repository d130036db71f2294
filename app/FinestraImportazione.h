#pragma once
// The wait for a Jet import in the windowed program: a progress window with the file's
// name and a button that cancels; the other windows keep painting meanwhile.

#include "catalogue/ImportaJet.h"

#include <memory>

class QProgressDialog;
class QWidget;

class FinestraImportazione : public AttesaImportazione {
public:
    explicit FinestraImportazione(QWidget* genitore = nullptr);
    ~FinestraImportazione() override;

    void inizia(const QString& mdb, std::function<void()> annulla) override;
    void finisci() override;

private:
    QWidget* m_genitore;
    std::unique_ptr<QProgressDialog> m_finestra;
};
