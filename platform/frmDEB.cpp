#include "platform/frmDEB.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmDEB::frmDEB(QWidget* parent)
    : QDialog(parent), Label1(new QLabel), Label2(new QLabel),
      Command1(new QPushButton("&Chiudi")) {
    setObjectName("frmDEB");
    setWindowTitle("Debug");
    setModal(false);
    for (QLabel* l : {Label1, Label2}) {
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    connect(Command1, &QPushButton::clicked, this, &QDialog::close);
    resize(640, 160);
}

void frmDEB::mostraTesti(const QString& riga1, const QString& riga2) {
    Label1->setText(riga1);
    Label2->setText(riga2);
    show();
    raise();
}
