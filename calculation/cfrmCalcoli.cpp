#include "calculation/cfrmCalcoli.h"

#include "calculation/PannelloCondizioni.h"
#include "catalogue/Interrogazioni.h"
#include "catalogue/RigheCatalogo.h"
#include "dati/ComboDati.h"
#include "dati/EtichettaDati.h"
#include "dati/SorgenteDati.h" // before ComboDati.h, whose inline accessor needs it
#include "engine/Calcolo.h"
#include "engine/Rugiada.h"
#include "platform/ServizioMessaggi.h"
#include "platform/TestiSchermiExtra.h"
#include "platform/TestoUtf8.h"
#include "results/DiagrammaInviluppo.h"
#include "results/cfrmConfronto.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Engine messages go to the program's message service.
class MessaggiSchermo : public MessaggiMotore {
public:
    void mostra(const std::string& testo) override {
        ServizioMessaggi::corrente().errore(QGuiApplication::applicationDisplayName(),
                                            QString::fromStdString(testo));
    }
};

} // namespace

cfrmCalcoli::cfrmCalcoli(StatoApplicazione& stato, AgganciCalcoli agganci, QWidget* parent)
    : QWidget(parent), stato(stato), agganci(std::move(agganci)) {
    setObjectName("cfrmCalcoli");
    for (auto& s : sorgenti)
        s = new SorgenteDati(this);
    ElencoGasPannello gas;
    gas.trovaPrimo = [this](const QString& c) { return Data1(2).trovaPrimo(c); };
    gas.valore = [this](const QString& c) { return Data1(2).valore(c); };
    pannello = new PannelloCondizioni(stato, gas, OspitePannello::Calcoli, this);
    creaControlli();
    creaDiagramma();
    disponi();
    pannello->installaTasti();
    carica();
}

cfrmCalcoli::~cfrmCalcoli() = default;

const SorgenteDati& cfrmCalcoli::compressoreCorrente() const {
    return *sorgenti[0];
}
QString cfrmCalcoli::testoCompressore() const {
    return CSCombo1->currentText();
}
QString cfrmCalcoli::testoRefrigerante() const {
    return pannello->CSCombo2->currentText();
}

void cfrmCalcoli::creaControlli() {
    Label2Modello = new QLabel(u("Modello"), pannello->frmSelezioni);
    CSCombo1 = new ComboDati(pannello->frmSelezioni);
    CSCombo1->collega(sorgenti[0], "CodiceProdotto");
    pannello->CSCombo2->collega(sorgenti[2], 0);
    CSCombo1->setObjectName("CSCombo1");
    CSCombo1->setMinimumWidth(140);
    connect(CSCombo1, &ComboDati::sceltaElenco, this, [this] { compressoreScelto(); });

    Panel3D2 = new QGroupBox(u(" Campo di Applicazione "), this);
    for (int i = 0; i < 12; ++i) {
        Panel3D6[size_t(i)] = new QLabel(Panel3D2);
        Panel3D6[size_t(i)]->setAlignment(Qt::AlignCenter);
        if (i >= 2 && i <= 10)
            Panel3D6[size_t(i)]->setText(QString::number(30 + 5 * (i - 2)));
    }
    Panel3D6[0]->setText(u("TE Min."));
    Panel3D6[1]->setText(u("TE Max."));
    Panel3D6[11]->setText(u("T. Cond."));
    for (int i = 0; i < 18; ++i) {
        auto*& l = Panel3D5[size_t(i)];
        l = new EtichettaDati(
            sorgenti[0], QString(i < 9 ? "TEMin%1" : "TEMax%1").arg(30 + 5 * (i % 9)), Panel3D2);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFrameShape(QFrame::StyledPanel);
        l->setMinimumWidth(40);
    }
    cmdNoteGas = new QPushButton(Panel3D2->title().trimmed(), this);

    P3DInformazioni = new QLabel(this);
    P3DInformazioni->setObjectName("P3DInformazioni");
    P3DInformazioni->setFrameShape(QFrame::Panel);
    P3DInformazioni->setFrameShadow(QFrame::Sunken);
    P3DInformazioni->setMinimumHeight(22);
    P3DInformazioni->setWordWrap(true);

    const std::array<QStyle::StandardPixmap, NumeroNaviga> icone = {
        QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward, QStyle::SP_MediaSeekForward,
        QStyle::SP_MediaSkipForward,  QStyle::SP_CustomBase,        QStyle::SP_CustomBase,
        QStyle::SP_DialogCloseButton};
    for (int i = 0; i < NumeroNaviga; ++i) {
        if (i == 4)
            continue;
        auto* b = new QPushButton(this);
        b->setObjectName(QString("cm3Naviga_%1").arg(i));
        if (icone[size_t(i)] != QStyle::SP_CustomBase)
            b->setIcon(style()->standardIcon(icone[size_t(i)]));
        cm3Naviga[size_t(i)] = b;
    }
    cm3Naviga[5]->setText("&" + stato.lingua.Didascalie.value(10));
    for (int i = 0; i < 4; ++i)
        connect(cm3Naviga[size_t(i)], &QPushButton::clicked, this, [this, i] { naviga(i); });
    connect(cm3Naviga[5], &QPushButton::clicked, this, [this] { Elabora(); });
    connect(cm3Naviga[6], &QPushButton::clicked, pannello, &PannelloCondizioni::chiudiOspite);

    Command1[0] = new QPushButton(u("Grafico"), this);
    Command1[1] = new QPushButton(u("Tabelle"), this);
    connect(Command1[0], &QPushButton::clicked, this, [this] {
        if (Data1(0).numeroRecord() > 0 && agganci.apriGrafico)
            agganci.apriGrafico(*this);
    });
    connect(Command1[1], &QPushButton::clicked, this, [this] {
        if (agganci.apriTabelle)
            agganci.apriTabelle(*this);
    });
    connect(cmdNoteGas, &QPushButton::clicked, this, [this] {
        if (agganci.apriNoteGas)
            agganci.apriNoteGas(etichetta("dESCCAMPOAPP"));
    });
    connect(pannello->cmdInfo407C, &QPushButton::clicked, this, [this] {
        // About the refrigerant this screen shows: another screen may have made another current.
        stato.schermi.CodiceGasCorrente = pannello->CSCombo2->currentText();
        if (agganci.apriInfo407C)
            agganci.apriInfo407C();
    });

    connect(pannello, &PannelloCondizioni::campoAttivato, this,
            [this](int i) { Panel3D2->setVisible(i <= 1); });
    connect(pannello->CSCombo2, &ComboDati::sceltaElenco, this, [this] {
        if (bCaricamento)
            return;
        pannello->cercaRefrigerante();
        refrigeranteScelto();
    });
    connect(sorgenti[0], &SorgenteDati::riposizionato, this, [this] { aggiornaCompressore(); });
    connect(sorgenti[2], &SorgenteDati::riposizionato, pannello, &PannelloCondizioni::seguiRigaGas);
}

void cfrmCalcoli::disponi() {
    // Compact enough to fit the main window's client area with the platform's fonts.
    auto* sel = static_cast<QGridLayout*>(pannello->frmSelezioni->layout());
    sel->setVerticalSpacing(4);
    sel->addWidget(Label2Modello, 1, 0);
    sel->addWidget(CSCombo1, 1, 1);
    auto* nav = new QHBoxLayout;
    nav->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        cm3Naviga[size_t(i)]->setFixedSize(28, 24);
        nav->addWidget(cm3Naviga[size_t(i)]);
    }
    sel->addLayout(nav, 1, 2);

    auto* inv = new QGridLayout(Panel3D2);
    inv->setHorizontalSpacing(4);
    inv->setVerticalSpacing(2);
    inv->setContentsMargins(6, 4, 6, 4);
    inv->addWidget(Panel3D6[11], 0, 0);
    for (int c = 0; c < 9; ++c) {
        inv->addWidget(Panel3D6[size_t(c + 2)], 0, c + 1);
        inv->addWidget(Panel3D5[size_t(c)], 1, c + 1);
        inv->addWidget(Panel3D5[size_t(c + 9)], 2, c + 1);
    }
    inv->addWidget(Panel3D6[0], 1, 0);
    inv->addWidget(Panel3D6[1], 2, 0);
    for (QWidget* w :
         {static_cast<QWidget*>(Panel3D2), static_cast<QWidget*>(pannello->fmNonAzeo)}) {
        // Hiding them must not move the rest of the screen.
        QSizePolicy sp = w->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        w->setSizePolicy(sp);
    }
    static_cast<QGridLayout*>(pannello->fmCondizioni->layout())->setVerticalSpacing(3);
    pannello->frmTensioni->layout()->setSpacing(2);
    pannello->fmNonAzeo->layout()->setSpacing(2);

    auto* griglia = new QGridLayout;
    griglia->addWidget(pannello->frmSelezioni, 0, 0);
    griglia->addWidget(pannello->fmNonAzeo, 0, 1);
    griglia->addWidget(Panel3D2, 1, 0, 1, 2);
    griglia->addWidget(pannello->fmCondizioni, 2, 0);
    auto* destra = new QVBoxLayout;
    destra->addWidget(pannello->frmTensioni);
    destra->addWidget(cmdNoteGas);
    destra->addStretch();
    griglia->addLayout(destra, 2, 1);
    griglia->setColumnStretch(0, 3);
    griglia->setColumnStretch(1, 2);
    griglia->addWidget(diagramma, 0, 2, 3, 1);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(Command1[0]);
    pulsanti->addWidget(Command1[1]);
    pulsanti->addWidget(cmdDiagramma);
    pulsanti->addWidget(cmdConfronto);
    pulsanti->addStretch();
    pulsanti->addWidget(cm3Naviga[5]);
    pulsanti->addWidget(cm3Naviga[6]);

    auto* tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(6, 6, 6, 6);
    tutto->setSpacing(4);
    tutto->addLayout(griglia);
    tutto->addWidget(P3DInformazioni);
    tutto->addLayout(pulsanti);
}

QString cfrmCalcoli::etichetta(const QString& chiave) const {
    return EtichetteLingua::daSorgente(*sorgenti[1]).etichetta(chiave);
}

void cfrmCalcoli::carica() {
    bCaricamento = true;
    setWindowTitle(stato.lingua.Didascalie.value(2));
    for (auto* s : sorgenti)
        s->impostaCatalogo(stato.catalogo);
    Data1(1).impostaOrigineRecord(Interrogazioni::Lingue);
    Data1(1).aggiorna();
    Data1(2).impostaOrigineRecord(Interrogazioni::Gas);
    Data1(2).aggiorna();
    Data1(2).muoviPrimo();
    // Setting the combo's text counts as a change of it: the refrigerant's facts and
    // standard values are in place before the first compute.
    const QString codice = Data1(2).testo(0);
    pannello->CSCombo2->impostaTesto(codice);
    stato.schermi.CodiceGasCorrente = codice;

    // The refresh is a change of the current compressor.
    Data1(0).impostaOrigineRecord(Interrogazioni::CompressoriDelGasOrdinati, {codice});
    Data1(0).aggiorna();

    if (Data1(0).numeroRecord() > 0) {
        Data1(0).muoviPrimo();
        calcolaLimitiTc();
        Data1(1).muoviPrimo();
        for (int i = 0; i < stato.lingua.IndiceLingua; ++i)
            Data1(1).muoviSuccessivo();
        CSCombo1->impostaTesto(Data1(0).testo(1));
        applicaEtichette();
        inAltoASinistra = true;
    }
    const bool tedesco = stato.lingua.IndiceLingua == 3;
    Panel3D6[0]->setText(tedesco ? "TV.Min" : "TE.Min");
    Panel3D6[1]->setText(tedesco ? "TV.Max" : "TE.Max");
    Panel3D6[11]->setText(tedesco ? "Kond.T." : "T.Cond");
    pannello->aggiornaEtichetteModo();
    bCaricamento = false;
}

void cfrmCalcoli::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!inAltoASinistra)
        return;
    inAltoASinistra = false;
    // Inside the main window the frame is what sits at the corner of the client area.
    (qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this)->move(0, 0);
}

void cfrmCalcoli::applicaEtichette() {
    auto e = [this](const QString& k) { return etichetta(k); };
    pannello->applicaEtichette(e);
    Label2Modello->setText(etichetta("DescModello"));
    Panel3D2->setTitle(etichetta("DescCalc16"));
    cmdNoteGas->setText(Panel3D2->title().trimmed());
    Command1[1]->setText(etichetta("DescTabel"));
}

void cfrmCalcoli::calcolaLimitiTc() {
    const RigaCompressore riga = rigaCompressore(Data1(0).righe(), Data1(0).posizione());
    LimitiTcDaInviluppo(stato.motore.condFunz, riga.inviluppo);
    aggiornaDiagramma();
}

void cfrmCalcoli::aggiornaCompressore() {
    if (bRiposizionamento)
        return;
    SorgenteDati& c = Data1(0);
    // A passing stop before the first or after the last row is not a compressor.
    if (c.numeroRecord() > 0 && (c.bof() || c.eof()))
        return;
    bRiposizionamento = true;
    if (c.numeroRecord() == 0) {
        ServizioMessaggi::corrente().informazione(
            QGuiApplication::applicationDisplayName(),
            "Attenzione per il GAS :" + stato.schermi.CodiceGasCorrente +
                " non esiste nessun compressore ");
    } else {
        CSCombo1->impostaTesto(c.testo("CodiceProdotto"));
        stato.schermi.bk8 = c.vero("bk8");
        pannello->tagliaTensionik8(stato.schermi.bk8);
    }
    bRiposizionamento = false;
}

void cfrmCalcoli::compressoreScelto() {
    if (bCaricamento || bRiposizionamento)
        return;
    const QString codice = CSCombo1->currentText();
    stato.motore.codiceProdottoCorrente = codice.toStdString();
    Data1(0).trovaPrimo("CodiceProdotto ='" + codice + "'");
    calcolaLimitiTc();
}

void cfrmCalcoli::refrigeranteScelto() {
    // The new first compressor is a change of compressor like any other: its code, bk8 and
    // supply options, or the message when the refrigerant has none.
    Data1(0).impostaOrigineRecord(Interrogazioni::CompressoriDelGasOrdinati,
                                  {stato.schermi.CodiceGasCorrente});
    Data1(0).aggiorna();
    if (Data1(0).numeroRecord() == 0)
        CSCombo1->impostaTesto(QString());
    if (Data1(0).numeroRecord() > 0)
        calcolaLimitiTc();
}

void cfrmCalcoli::naviga(int i) {
    SorgenteDati& c = Data1(0);
    if (c.numeroRecord() == 0)
        return;
    switch (i) {
    case 0:
        c.muoviPrimo();
        break;
    case 1:
        if (!c.bof())
            c.muoviPrecedente();
        if (c.bof())
            c.muoviPrimo();
        break;
    case 2:
        if (!c.eof())
            c.muoviSuccessivo();
        if (c.eof())
            c.muoviUltimo();
        break;
    default:
        c.muoviUltimo();
        break;
    }
    calcolaLimitiTc();
}

void cfrmCalcoli::Elabora() {
    SorgenteDati& c = Data1(0);
    if (c.numeroRecord() == 0 || c.bof() || c.eof())
        return;
    CondFunz& cf = stato.motore.condFunz;
    stato.schermi.CodiceGasCorrente = pannello->CSCombo2->currentText();
    P3DInformazioni->clear();
    pannello->ApplicaCondizioni();
    cf.NomeGas = stato.schermi.CodiceGasCorrente.toStdString();
    stato.motore.debug = stato.impostazioni.Debug;

    const RigaCompressore riga = rigaCompressore(c.righe(), c.posizione());
    MessaggiSchermo messaggi;
    Esito esito = RiferisciARugiada(cf, agganci.libreria);
    if (esito.ok())
        esito = CalcolaCompressore(stato.motore, riga, agganci.libreria, messaggi);
    const TestoDebug& dbg = stato.motore.correzioni.debug;
    if (dbg.daMostrare && agganci.mostraDebug)
        agganci.mostraDebug(QString::fromStdString(dbg.riga1), QString::fromStdString(dbg.riga2));
    if (!esito.ok() && agganci.chiudiRisultati)
        agganci.chiudiRisultati();
    if (esito.tipo == TipoEsito::CondizioniRifiutate) {
        ServizioMessaggi::corrente().beep();
        if (cf.CodiceErrore >= 1 && cf.CodiceErrore <= 5)
            P3DInformazioni->setText(etichetta(QString("Err%1").arg(cf.CodiceErrore)));
        return;
    }
    stato.schermi.bCalcoloSingolo = true;
    if (!esito.ok()) {
        // The rating stopped on a fault: no results screen with figures of another point.
        ServizioMessaggi::corrente().beep();
        P3DInformazioni->setText(QString::fromStdString(esito.messaggio));
        return;
    }
    if (agganci.apriRisultati)
        agganci.apriRisultati();
}

void cfrmCalcoli::creaDiagramma() {
    const int l = stato.lingua.IndiceLingua;
    diagramma = new DiagrammaInviluppo(this);
    diagramma->hide();
    cmdDiagramma = new QPushButton(testoExtra(TestoExtra::Diagramma, l), this);
    cmdDiagramma->setObjectName("cmdDiagramma");
    cmdDiagramma->setCheckable(true);
    connect(cmdDiagramma, &QPushButton::toggled, this, [this](bool si) {
        diagramma->setVisible(si);
        aggiornaDiagramma();
        // The frame grows or shrinks with the diagram.
        if (auto* w = qobject_cast<QMdiSubWindow*>(parentWidget()))
            w->adjustSize();
        else
            adjustSize();
    });
    cmdConfronto = new QPushButton(testoExtra(TestoExtra::Confronto, l), this);
    cmdConfronto->setObjectName("cmdConfronto");
    connect(cmdConfronto, &QPushButton::clicked, this, [this] { Confronta(); });
    // The point follows what is typed.
    for (int i : {0, 1})
        connect(pannello->Text1[size_t(i)], &QLineEdit::textChanged, this,
                [this] { aggiornaDiagramma(); });
}

void cfrmCalcoli::aggiornaDiagramma() {
    if (!diagramma || !diagramma->isVisibleTo(this))
        return;
    SorgenteDati& c = Data1(0);
    DatiDiagramma d;
    const bool tedesco = stato.lingua.IndiceLingua == 3;
    d.nomeTE = tedesco ? "TV" : "TE";
    if (c.numeroRecord() > 0 && !c.bof() && !c.eof()) {
        d.inviluppo = rigaCompressore(c.righe(), c.posizione()).inviluppo;
        d.titolo = c.testo("CodiceProdotto") + "  -  " + pannello->CSCombo2->currentText();
    }
    double te = 0, tc = 0;
    if (PannelloCondizioni::numerico(pannello->Text1[0]->text(), &te) &&
        PannelloCondizioni::numerico(pannello->Text1[1]->text(), &tc)) {
        d.punto = QPointF(te, tc);
        d.esito = VerificaPuntoInviluppo(d.inviluppo, te, tc);
        const int l = stato.lingua.IndiceLingua;
        d.didascalia =
            d.esito.dentro
                ? testoExtra(TestoExtra::DentroInviluppo, l)
                : testoExtra(TestoExtra::FuoriInviluppo, l) + "\n" +
                      MotivoFuoriInviluppo(d.esito, te, tc,
                                           etichetta(QString("Err%1").arg(d.esito.codice)),
                                           d.nomeTE, d.nomeTC);
    }
    diagramma->imposta(d);
}

cfrmConfronto* cfrmCalcoli::Confronta() {
    SorgenteDati& c = Data1(0);
    if (c.numeroRecord() == 0)
        return nullptr;
    // The conditions as the compute button stores them, without rating anything here.
    pannello->ApplicaCondizioni();
    stato.schermi.CodiceGasCorrente = pannello->CSCombo2->currentText();
    stato.motore.condFunz.NomeGas = stato.schermi.CodiceGasCorrente.toStdString();
    StatoMotore base = stato.motore;
    base.debug = 0;
    std::vector<RigaCompressore> righe;
    for (int i = 0; i < c.righe().numeroRighe(); ++i)
        righe.push_back(rigaCompressore(c.righe(), i));
    DatiConfronto dati;
    dati.refrigerante = stato.schermi.CodiceGasCorrente;
    dati.condizioni = base.condFunz;
    const int t = base.condFunz.IndiceTensione;
    if (t >= 0 && t < int(pannello->optTensioni.size()))
        dati.tensione = pannello->optTensioni[size_t(t)]->text();
    dati.scelta = true;
    dati.preferito = CSCombo1->currentText();
    dati.indiceLingua = stato.lingua.IndiceLingua;
    auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
    return mostraConfronto(base, righe, std::move(dati), agganci.libreria,
                           sotto ? sotto->mdiArea() : nullptr);
}
