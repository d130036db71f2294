#pragma once
// The option list of one compressor, modal: accessories (with the supply column in the
// variant frmAccessoriA), notes or optional voltages, by TipoElencoOpzioni.

#include "dati/StatoApplicazione.h"

#include <QDialog>

class QTableWidget;

class frmAccessori : public QDialog {
    Q_OBJECT
public:
    // `conFornitura`: the frmAccessoriA variant with the standard-supply column.
    frmAccessori(StatoApplicazione& stato, bool conFornitura, QWidget* parent = nullptr);
    QTableWidget* TDBGrid1 = nullptr;
};
