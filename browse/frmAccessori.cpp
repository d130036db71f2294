#include "browse/frmAccessori.h"

#include "browse/AperturaSchede.h"
#include "browse/DatiDiTarga.h"
#include "catalogue/Interrogazioni.h"
#include "dati/SorgenteDati.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

frmAccessori::frmAccessori(StatoApplicazione& stato, bool conFornitura, QWidget* parent)
    : QDialog(parent), TDBGrid1(new QTableWidget(this)) {
    setObjectName(conFornitura ? QStringLiteral("frmAccessoriA") : QStringLiteral("frmAccessori"));
    setModal(true);
    const int tipo = stato.schermi.TipoElencoOpzioni;
    const QStringList& d = stato.lingua.Didascalie;
    QChar iniziale;
    QString titolo = QStringLiteral("Accessori");
    if (tipo == 0) {
        iniziale = u'A';
        titolo = d.value(8);
    } else if (tipo == 1) {
        iniziale = u'N';
        titolo = d.value(6);
    } else if (tipo == 2) {
        iniziale = u'V';
        titolo = d.value(5);
    }
    setWindowTitle(titolo);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(TDBGrid1);
    TDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TDBGrid1->verticalHeader()->hide();
    TDBGrid1->horizontalHeader()->setStretchLastSection(!conFornitura);
    TDBGrid1->setColumnCount(conFornitura ? 2 : 1);
    TDBGrid1->setHorizontalHeaderLabels(
        conFornitura ? QStringList{QStringLiteral("Descrizione "), QStringLiteral("tipo")}
                     : QStringList{QStringLiteral("Desc")});
    // Another kind has no pattern: it matches no option.
    if (!iniziale.isNull()) {
        SorgenteDati s;
        s.impostaCatalogo(stato.catalogo);
        s.impostaOrigineRecord(
            Interrogazioni::opzioniCompressore(stato.lingua.IndiceLingua, iniziale, conFornitura),
            {QString::fromStdString(stato.motore.codiceProdottoCorrente)});
        s.aggiorna();
        const Istantanea& r = s.righe();
        TDBGrid1->setRowCount(r.numeroRighe());
        for (int k = 0; k < r.numeroRighe(); ++k) {
            TDBGrid1->setItem(k, 0, new QTableWidgetItem(r.testo(k, QStringLiteral("Desc"))));
            if (conFornitura)
                TDBGrid1->setItem(k, 1,
                                  new QTableWidgetItem(r.vero(k, QStringLiteral("flStandard"))
                                                           ? QStringLiteral("Standard")
                                                           : QStringLiteral("su Richiesta")));
        }
    }
    TDBGrid1->resizeColumnsToContents();
    if (conFornitura)
        TDBGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    resize(conFornitura ? 460 : 380, 300);
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect a = schermo->geometry();
        move(a.left() + (a.width() - width()) / 2, a.top() + (a.height() - height()) / 2);
    }
}

void apriElencoOpzioni(StatoApplicazione& stato, QWidget* da, bool conFornitura) {
    frmAccessori finestra(stato, conFornitura, da);
    finestra.exec();
}
