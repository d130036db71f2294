#include "selection/cfrmSeleComp.h"

#include "calculation/PannelloCondizioni.h"
#include "catalogue/Interrogazioni.h"
#include "dati/ComboDati.h"
#include "dati/EtichettaDati.h"
#include "dati/SorgenteDati.h" // before ComboDati.h
#include "engine/Rugiada.h"
#include "platform/FormatoNumero.h"
#include "platform/LetturaNumeri.h"
#include "platform/ServizioMessaggi.h"
#include "platform/TestiSchermiExtra.h"
#include "platform/TestoUtf8.h"
#include "results/cfrmConfronto.h"
#include "selection/Ricerca.h"
#include "selection/SorgenteCatalogo.h"

#include <QMdiArea>
#include <algorithm>

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

class MessaggiSchermo : public MessaggiMotore {
public:
    void mostra(const std::string& testo) override {
        ServizioMessaggi::corrente().errore(QGuiApplication::applicationDisplayName(),
                                            QString::fromStdString(testo));
    }
};

// A temperature the engine worked out, as text for a field: the default form (fifteen
// significant digits), so a default such as -10 + 11.1 reads 1.1.
QString testoTemperatura(double valore) {
    return testoNumero(valore, QLocale());
}

// Positions of the four limits in the Panel3D5 array, and their Gas columns.
const std::array<std::pair<int, const char*>, 4> Limiti = {
    {{0, "CAPTEMIN"}, {1, "CAPTCMIN"}, {9, "CAPTEMAX"}, {11, "CAPTCMAX"}}};

} // namespace

cfrmSeleComp::cfrmSeleComp(StatoApplicazione& stato, AgganciSelezione agganci, QWidget* parent)
    : QWidget(parent), stato(stato), agganci(std::move(agganci)) {
    setObjectName("cfrmSeleComp");
    for (auto& s : sorgenti)
        s = new SorgenteDati(this);
    ElencoGasPannello gas;
    gas.trovaPrimo = [this](const QString& c) { return Data1(2).trovaPrimo(c); };
    gas.valore = [this](const QString& c) { return Data1(2).valore(c); };
    pannello = new PannelloCondizioni(stato, gas, OspitePannello::Selezione, this);
    creaControlli();
    disponi();
    pannello->installaTasti();
    carica();
}

cfrmSeleComp::~cfrmSeleComp() = default;

void cfrmSeleComp::creaControlli() {
    Text1_6 = new QLineEdit(this);
    Text1_6->setObjectName("Text1_6");
    Text1_6->setAlignment(Qt::AlignRight);
    Text1_6->setMaximumWidth(90);
    Text1_6->setProperty("invioAvanti", true);
    {
        QPalette p = Text1_6->palette();
        p.setColor(QPalette::Base, PannelloCondizioni::AzzurroCampi);
        p.setColor(QPalette::Text, QGuiApplication::palette().color(QPalette::Window));
        Text1_6->setPalette(p);
    }
    Text1_6->installEventFilter(this);
    connect(Text1_6, &QLineEdit::textChanged, this, [this] { potenzaCambiata(); });
    Label2Potenza = new QLabel(u("Potenza Richiesta"), this);
    unitaPotenza = new QLabel(u("Watt"), this);

    Panel3D2 = new QGroupBox(u("Campo di Applicazione"), this);
    const std::array<const char*, 4> intestazioni = {"Min.", "Max.", "T.Evap.", "T.Cond."};
    for (int i = 0; i < 4; ++i)
        Panel3D6[size_t(i)] = new QLabel(u(intestazioni[size_t(i)]), Panel3D2);
    for (const auto& [i, colonna] : Limiti) {
        auto* l = new EtichettaDati(Panel3D2);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFrameShape(QFrame::StyledPanel);
        l->setMinimumWidth(44);
        Panel3D5[size_t(i)] = l;
    }
    cmdNoteGas = new QPushButton(Panel3D2->title(), this);

    P3DInformazioni = new QLabel(this);
    P3DInformazioni->setObjectName("P3DInformazioni");
    P3DInformazioni->setFrameShape(QFrame::Panel);
    P3DInformazioni->setFrameShadow(QFrame::Sunken);
    P3DInformazioni->setMinimumHeight(22);
    P3DInformazioni->setWordWrap(true);

    cm3Naviga[5] = new QPushButton(u("Avvio Ricerca"), this);
    cm3Naviga[5]->setText("&" + stato.lingua.Didascalie.value(10));
    cm3Naviga[6] = new QPushButton(this);
    cm3Naviga[6]->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    Check3D1 = new QCheckBox(u("Check3D1"), this);
    Check3D1->hide(); // a design leftover: clicking it does nothing

    connect(cm3Naviga[5], &QPushButton::clicked, this, [this] { AvviaRicerca(); });
    connect(cm3Naviga[6], &QPushButton::clicked, pannello, &PannelloCondizioni::chiudiOspite);
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
    pannello->CSCombo2->collega(sorgenti[2], 0);
    connect(pannello->CSCombo2, &ComboDati::sceltaElenco, this, [this] { refrigeranteScelto(); });
    connect(sorgenti[2], &SorgenteDati::riposizionato, pannello, &PannelloCondizioni::seguiRigaGas);
}

void cfrmSeleComp::disponi() {
    auto* inv = new QGridLayout(Panel3D2);
    inv->setContentsMargins(6, 4, 6, 4);
    inv->setVerticalSpacing(2);
    inv->addWidget(Panel3D6[0], 0, 1, Qt::AlignCenter);
    inv->addWidget(Panel3D6[1], 0, 2, Qt::AlignCenter);
    inv->addWidget(Panel3D6[2], 1, 0);
    inv->addWidget(Panel3D6[3], 2, 0);
    inv->addWidget(Panel3D5[0], 1, 1);
    inv->addWidget(Panel3D5[9], 1, 2);
    inv->addWidget(Panel3D5[1], 2, 1);
    inv->addWidget(Panel3D5[11], 2, 2);
    for (QWidget* w :
         {static_cast<QWidget*>(Panel3D2), static_cast<QWidget*>(pannello->fmNonAzeo)}) {
        QSizePolicy sp = w->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        w->setSizePolicy(sp);
    }
    static_cast<QGridLayout*>(pannello->fmCondizioni->layout())->setVerticalSpacing(3);
    pannello->frmTensioni->layout()->setSpacing(2);
    pannello->fmNonAzeo->layout()->setSpacing(2);
    pannello->frmSelezioni->hide(); // this screen shows the refrigerant without the frame

    auto* richiesta = new QGridLayout;
    richiesta->addWidget(Label2Potenza, 0, 0);
    richiesta->addWidget(Text1_6, 0, 1);
    richiesta->addWidget(unitaPotenza, 0, 2);
    richiesta->addWidget(pannello->etichettaRefrigerante, 1, 0);
    richiesta->addWidget(pannello->CSCombo2, 1, 1, 1, 2);
    richiesta->setColumnStretch(3, 1);

    auto* sinistra = new QVBoxLayout;
    sinistra->addLayout(richiesta);
    sinistra->addWidget(pannello->fmCondizioni);
    sinistra->addStretch();

    auto* inviluppo = new QHBoxLayout;
    inviluppo->addWidget(Panel3D2);
    auto* destra = new QVBoxLayout;
    destra->addLayout(inviluppo);
    destra->addWidget(cmdNoteGas);
    destra->addWidget(pannello->fmNonAzeo);
    destra->addWidget(pannello->frmTensioni);
    destra->addStretch();

    auto* centro = new QHBoxLayout;
    centro->addLayout(sinistra, 3);
    centro->addLayout(destra, 2);

    auto* pulsanti = new QHBoxLayout;
    cmdConfronto =
        new QPushButton(testoExtra(TestoExtra::Confronto, stato.lingua.IndiceLingua), this);
    cmdConfronto->setObjectName("cmdConfronto");
    cmdConfronto->setEnabled(false);
    connect(cmdConfronto, &QPushButton::clicked, this, [this] { Confronta(); });
    pulsanti->addWidget(cmdConfronto);
    pulsanti->addStretch();
    pulsanti->addWidget(cm3Naviga[5]);
    pulsanti->addWidget(cm3Naviga[6]);

    auto* tutto = new QVBoxLayout(this);
    tutto->setContentsMargins(6, 6, 6, 6);
    tutto->setSpacing(4);
    tutto->addLayout(centro);
    tutto->addWidget(P3DInformazioni);
    tutto->addLayout(pulsanti);

    // The required capacity comes first, then the refrigerant and the conditions.
    setTabOrder(Text1_6, pannello->CSCombo2);
    QWidget* prima = pannello->CSCombo2;
    for (QWidget* w : pannello->Text1) {
        setTabOrder(prima, w);
        prima = w;
    }
}

QString cfrmSeleComp::etichetta(const QString& chiave) const {
    return EtichetteLingua::daSorgente(*sorgenti[1]).etichetta(chiave);
}

void cfrmSeleComp::carica() {
    setWindowTitle(stato.lingua.Didascalie.value(3));
    const Impostazioni& imp = stato.impostazioni;
    CondFunz& cf = stato.motore.condFunz;
    cf.TcMax = imp.LimiteMaxTC;
    cf.TcMin = imp.LimiteMinTC;
    cf.TeMax = imp.LimiteMaxTE;
    cf.TeMin = imp.LimiteMinTE;
    Panel3D5[0]->setText(QString::number(imp.LimiteMinTE));
    Panel3D5[1]->setText(QString::number(imp.LimiteMinTC));
    Panel3D5[9]->setText(QString::number(imp.LimiteMaxTE));
    Panel3D5[11]->setText(QString::number(imp.LimiteMaxTC));

    for (auto* s : sorgenti)
        s->impostaCatalogo(stato.catalogo);
    Data1(1).impostaOrigineRecord(Interrogazioni::Lingue);
    Data1(1).aggiorna();
    Data1(2).impostaOrigineRecord(Interrogazioni::GasSelezionabili);
    Data1(2).aggiorna();
    Data1(2).muoviPrimo();
    // The bound limits of the first refrigerant replace the settings' ones.
    for (const auto& [i, colonna] : Limiti)
        if (Data1(2).numeroRecord() > 0)
            Panel3D5[size_t(i)]->collega(sorgenti[2], colonna);

    const QString codice = Data1(2).testo(0);
    pannello->CSCombo2->impostaTesto(codice); // a change of the combo's text
    stato.schermi.CodiceGasCorrente = codice;
    interrogaCompressori();

    Data1(1).muoviPrimo();
    for (int i = 0; i < stato.lingua.IndiceLingua; ++i)
        Data1(1).muoviSuccessivo();
    applicaEtichette();

    const bool tedesco = stato.lingua.IndiceLingua == 3;
    Panel3D6[2]->setText(tedesco ? "Verd.T." : "T.Evap.");
    Panel3D6[3]->setText(tedesco ? "Kond.T." : "T.Cond.");
    pannello->aggiornaEtichetteModo();
}

void cfrmSeleComp::applicaEtichette() {
    pannello->applicaEtichette([this](const QString& k) { return etichetta(k); });
    Panel3D2->setTitle(etichetta("DescCalc16"));
    cmdNoteGas->setText(Panel3D2->title().trimmed());
    Label2Potenza->setText(etichetta("DescCalc16b"));
}

void cfrmSeleComp::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!inAltoASinistra)
        return;
    inAltoASinistra = false;
    (qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this)->move(0, 0);
}

bool cfrmSeleComp::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == Text1_6 && evento->type() == QEvent::FocusIn)
        Panel3D2->hide();
    return QWidget::eventFilter(oggetto, evento);
}

void cfrmSeleComp::potenzaCambiata() {
    const QString t = Text1_6->text();
    double& potenza = stato.motore.condFunz.PotenzaRichiesta;
    if (t == "     ") {
        potenza = 0;
    } else if (const std::optional<double> v = numeroIniziale(t)) {
        potenza = *v;
    }
}

void cfrmSeleComp::interrogaCompressori() {
    Data1(0).impostaOrigineRecord(Interrogazioni::CompressoriDelGas,
                                  {stato.schermi.CodiceGasCorrente});
    Data1(0).aggiorna();
}

void cfrmSeleComp::refrigeranteScelto() {
    pannello->cercaRefrigerante();
    interrogaCompressori();
}

void cfrmSeleComp::AvviaRicerca() {
    if (Data1(0).numeroRecord() == 0 || !stato.catalogo)
        return;
    P3DInformazioni->clear();
    pannello->ApplicaCondizioniSelezione();
    CondFunz& cf = stato.motore.condFunz;
    stato.schermi.CodiceGasCorrente = pannello->CSCombo2->currentText();
    cf.NomeGas = stato.schermi.CodiceGasCorrente.toStdString();
    const SorgenteDati& gas = Data1(2);
    cf.TcMax = gas.numero("CAPTCMAX");
    cf.TcMin = gas.numero("CAPTCMIN");
    cf.TeMax = gas.numero("CAPTEMAX");
    cf.TeMin = gas.numero("CAPTEMIN");
    stato.motore.debug = stato.impostazioni.Debug;

    SorgenteCatalogo candidati(*stato.catalogo);
    MessaggiSchermo messaggi;
    RisultatoSelezione uscita;
    Esito esito = RiferisciARugiada(cf, agganci.libreria);
    const StatoMotore base = stato.motore; // the search completes the conditions
    if (esito.ok())
        esito = EseguiSelezione(stato.motore, cf.NomeGas, candidati, agganci.libreria, messaggi,
                                uscita);
    stato.schermi.bCalcoloSingolo = false;
    const TestoDebug& dbg = stato.motore.correzioni.debug;
    if (dbg.daMostrare && agganci.mostraDebug)
        agganci.mostraDebug(QString::fromStdString(dbg.riga1), QString::fromStdString(dbg.riga2));

    // The state now holds this run's conditions: an open results screen of an earlier
    // run would show them beside its old figures.
    if (!esito.ok() && agganci.chiudiRisultati)
        agganci.chiudiRisultati();
    switch (esito.tipo) {
    case TipoEsito::Ok:
        baseConfronto = base;
        candidatiConfronto = uscita.codiciCandidati;
        cmdConfronto->setEnabled(true);
        if (agganci.apriRisultati)
            agganci.apriRisultati();
        break;
    case TipoEsito::NessunCandidato:
        P3DInformazioni->setText(etichetta("Err6"));
        break;
    case TipoEsito::CondizioniRifiutate:
        ServizioMessaggi::corrente().beep();
        // The temperatures the check worked with, whatever the mode.
        pannello->Text1[2]->setText(testoTemperatura(cf.TU));
        pannello->Text1[3]->setText(testoTemperatura(cf.TL));
        pannello->Text1[4]->setText(testoTemperatura(cf.TA));
        if (cf.CodiceErrore >= 1 && cf.CodiceErrore <= 5)
            P3DInformazioni->setText(etichetta(QString("Err%1").arg(cf.CodiceErrore)));
        break;
    default:
        // A fault of the rating: no results screen with figures of another point.
        ServizioMessaggi::corrente().beep();
        P3DInformazioni->setText(QString::fromStdString(esito.messaggio));
        break;
    }
}

cfrmConfronto* cfrmSeleComp::Confronta() {
    if (!baseConfronto || !stato.catalogo)
        return nullptr;
    const CondFunz& cf = baseConfronto->condFunz;
    std::vector<RigaCompressore> righe;
    SorgenteCatalogo candidati(*stato.catalogo);
    if (const Esito e = candidati.candidati(cf.NomeGas, cf.TC, righe); !e.ok()) {
        ServizioMessaggi::corrente().errore(QGuiApplication::applicationDisplayName(),
                                            QString::fromStdString(e.messaggio));
        return nullptr;
    }
    std::erase_if(righe, [this](const RigaCompressore& r) {
        return std::find(candidatiConfronto.begin(), candidatiConfronto.end(), r.CodiceProdotto) ==
               candidatiConfronto.end();
    });
    DatiConfronto dati;
    dati.refrigerante = QString::fromStdString(cf.NomeGas);
    dati.condizioni = cf;
    const int t = cf.IndiceTensione;
    if (t >= 0 && t < int(pannello->optTensioni.size()))
        dati.tensione = pannello->optTensioni[size_t(t)]->text();
    dati.potenzaRichiestaW = cf.PotenzaRichiesta;
    dati.indiceLingua = stato.lingua.IndiceLingua;
    StatoMotore base = *baseConfronto;
    base.debug = 0;
    auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget());
    return mostraConfronto(base, righe, std::move(dati), agganci.libreria,
                           sotto ? sotto->mdiArea() : nullptr);
}
