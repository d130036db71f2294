#include "results/cfrmResults.h"

#include "browse/AperturaSchede.h"
#include "catalogue/Catalogo.h"
#include "catalogue/Interrogazioni.h"
#include "catalogue/RigheCatalogo.h"
#include "dati/AnteprimaRapporto.h"
#include "dati/SorgenteDati.h"
#include "platform/AvvisoCapacita.h"
#include "platform/EsportazioneGriglia.h"
#include "platform/FormatoNumero.h"
#include "platform/Icone.h"
#include "platform/Percorsi.h"
#include "platform/TestiSchermiExtra.h"
#include "platform/Twips.h"
#include "results/DiagrammaInviluppo.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Value cells of the two grids, row by row (capacity at compressor, evaporator, rating;
// mass flow; power input twice; current; COP; heat rejection).
constexpr std::array<int, 13> CelleRisultati = {0, 15, 16, 1, 14, 2, 18, 3, 19, 4, 20, 17, 10};
constexpr std::array<int, 13> CelleInferiore = {33, 28, 27, 32, 29, 22, 26, 31, 25, 30, 23, 24, 21};
constexpr int CellaModello = 35, CellaModelloInferiore = 34;

const char* const Generale = "#,##0.##";
const std::array<const char*, 13> Formati = {Generale, Generale, Generale,  Generale, Generale,
                                             Generale, Generale, Generale,  Generale, "0.###",
                                             "0.###",  Generale, "#,###.##"};

// Figures of a rating in the order of the cells above.
std::array<double, 13> figure(const Risultati& r) {
    return {r.ResaCompressore,
            r.ResaEvaporatore,
            r.ResaStd,
            r.PortataMassa,
            r.PortataMassaStd,
            r.PotenzaAssorbita,
            r.PotenzaAssorbita,
            r.CorrenteAssorbita,
            r.CorrenteStd,
            r.COP,
            r.COPStd,
            r.CaloreCondensatore,
            r.CaloreCondensatoreStd};
}

// Names the report templates use for the figures, in the same order.
const std::array<const char*, 13> NomiFigure = {"ResaCompressore",
                                                "ResaEvaporatore",
                                                "ResaStd",
                                                "PortataMassa",
                                                "PortataMassaStd",
                                                "PotenzaAssorbita",
                                                "PotenzaAssorbitaStd",
                                                "CorrenteAssorbita",
                                                "CorrenteStd",
                                                "COP",
                                                "COPStd",
                                                "CaloreCondensatore",
                                                "CaloreCondensatoreStd"};

// Rows of the grids: caption key, unit, which of the three columns hold a cell.
struct RigaGriglia {
    const char* chiave;
    const char* testoProgetto;
    const char* unita;
    bool evaporatore, standard;
};
const std::array<RigaGriglia, 6> Righe = {{
    {"DescResult1", "Resa frigorifera ", "kW", true, true},
    {"DescResult4", "Portata in massa", "Kg/h", false, true},
    {"DescResult2", "Potenza assorbita", "kW", false, true},
    {"DescResult3", "Corrente assorbita", "A", false, true},
    {"DescResult5", "COP ", "", false, true},
    {"DescResult6", "Calore al condensatore", "kW", false, true},
}};

const std::array<const char*, 5> Tensioni = {"380-420 V / 3 / 50Hz", "220-240 V / 3 / 50Hz",
                                             "440-480 V / 3 / 60Hz", "380-420 V / 3 / 60Hz",
                                             "220-240 V /3 / 60Hz"};

QLabel* cella(QWidget* genitore, int indice) {
    auto* l = new QLabel(genitore);
    l->setObjectName(QStringLiteral("Panel3D2_%1").arg(indice));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(54);
    l->setMargin(1);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    return l;
}

QLabel* trattino(QWidget* genitore) {
    auto* l = new QLabel(QStringLiteral("-"), genitore);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

cfrmResults::cfrmResults(StatoApplicazione& stato, QWidget* parent)
    : QWidget(parent), m_stato(stato), m_compGas(std::make_unique<SorgenteDati>()),
      m_lingue(std::make_unique<EtichetteLingua>()) {
    setObjectName(QStringLiteral("cfrmResults"));
    costruisci();
    // Loading: caption, data sources, language row, placement.
    setWindowTitle(m_stato.lingua.Didascalie.value(2));
    caricaSorgenti();
    move(0, 0);
}

cfrmResults::~cfrmResults() = default;

void cfrmResults::costruisci() {
    auto* radice = new QVBoxLayout(this);
    radice->setContentsMargins(4, 4, 4, 4);
    radice->setSpacing(4);

    auto* sopra = new QHBoxLayout;
    auto* sinistra = new QVBoxLayout;
    auto* destra = new QVBoxLayout;
    sopra->addLayout(sinistra, 1);
    sopra->addLayout(destra, 0);
    diagramma = new DiagrammaInviluppo(this);
    diagramma->hide();
    sopra->addWidget(diagramma, 1);
    radice->addLayout(sopra);

    // Refrigerant and model.
    auto* frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* g2 = new QGridLayout(frame2);
    g2->setContentsMargins(6, 4, 6, 4);
    Label2[8] = new QLabel(QStringLiteral("Refrigerante"), frame2);
    Label2[0] = new QLabel(QStringLiteral("Modello"), frame2);
    Panel3D2[11] = cella(frame2, 11);
    Panel3D2[12] = cella(frame2, 12);
    Panel3D2[11]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel3D2[12]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    g2->addWidget(Label2[8], 0, 0);
    g2->addWidget(Panel3D2[11], 0, 1);
    g2->addWidget(Label2[0], 0, 2);
    g2->addWidget(Panel3D2[12], 0, 3);
    g2->setColumnStretch(1, 1);
    g2->setColumnStretch(3, 1);
    m_etichetteGriglia.push_back({Label2[8], QStringLiteral("DescGas")});
    m_etichetteGriglia.push_back({Label2[0], QStringLiteral("DescModello")});
    sinistra->addWidget(frame2);

    // Main results, with its two buttons.
    Panel3D5[0] = creaGriglia(0, CelleRisultati, CellaModello);
    Panel3D5[0]->setTitle(QStringLiteral("Risultati "));
    auto* pulsanti = new QHBoxLayout;
    cm3Naviga[0] = new QPushButton(QStringLiteral("Caratteristiche tecniche"), Panel3D5[0]);
    cm3Naviga[1] = new QPushButton(Panel3D5[0]);
    cm3Naviga[1]->setIcon(iconaStampante());
    cm3Naviga[1]->setToolTip(QStringLiteral("Stampa"));
    pulsanti->addWidget(cm3Naviga[0]);
    pulsanti->addStretch();
    cmdDiagramma = new QPushButton(Panel3D5[0]);
    cmdDiagramma->setObjectName(QStringLiteral("cmdDiagramma"));
    cmdDiagramma->setCheckable(true);
    connect(cmdDiagramma, &QPushButton::toggled, this, [this](bool si) {
        diagramma->setVisible(si);
        aggiornaDiagramma();
        applicaAltezza(m_stato.schermi.bCalcoloSingolo ? AltezzaSingolo : AltezzaSelezione);
    });
    pulsanti->addWidget(cmdDiagramma);
    pulsanti->addWidget(cm3Naviga[1]);
    static_cast<QGridLayout*>(Panel3D5[0]->layout())->addLayout(pulsanti, 7, 0, 1, 5);
    // A selection whose largest candidate falls short keeps its choice but says so.
    lblRichiestaNonRaggiunta = new QLabel(Panel3D5[0]);
    lblRichiestaNonRaggiunta->setObjectName(QStringLiteral("lblRichiestaNonRaggiunta"));
    lblRichiestaNonRaggiunta->setWordWrap(true);
    lblRichiestaNonRaggiunta->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    lblRichiestaNonRaggiunta->hide();
    static_cast<QGridLayout*>(Panel3D5[0]->layout())
        ->addWidget(lblRichiestaNonRaggiunta, 8, 0, 1, 5);
    sinistra->addWidget(Panel3D5[0]);
    sinistra->addStretch();

    // Operating conditions.
    fmCondizioni = new QGroupBox(QStringLiteral(" Condizioni di funzionamento "), this);
    fmCondizioni->setObjectName(QStringLiteral("fmCondizioni"));
    auto* gc = new QGridLayout(fmCondizioni);
    gc->setContentsMargins(6, 4, 6, 4);
    gc->setVerticalSpacing(2);
    chkStandard = new QCheckBox(QStringLiteral("Condizioni  Standard"), fmCondizioni);
    chkDifferenziali = new QCheckBox(QStringLiteral("Valori Differenziali"), fmCondizioni);
    gc->addWidget(chkStandard, 0, 0, 1, 3);
    gc->addWidget(chkDifferenziali, 1, 0, 1, 3);
    Label2[16] = new QLabel(QStringLiteral("Potenza Richiesta"), fmCondizioni);
    Panel3D2[13] = cella(fmCondizioni, 13);
    unitaPotenza = new QLabel(QStringLiteral("kW"), fmCondizioni);
    unitaPotenza->setObjectName(QStringLiteral("Panel3D3_5"));
    gc->addWidget(Label2[16], 2, 0);
    gc->addWidget(Panel3D2[13], 2, 1);
    gc->addWidget(unitaPotenza, 2, 2);
    m_etichetteGriglia.push_back({Label2[16], QStringLiteral("DescCalc16b")});
    for (int i = 0; i < 5; ++i) {
        Label2[2 + i] = new QLabel(fmCondizioni);
        Label2[2 + i]->setObjectName(QStringLiteral("Label2_%1").arg(2 + i));
        Panel3D2[5 + i] = cella(fmCondizioni, 5 + i);
        Label3[i] = new QLabel(QStringLiteral("°C"), fmCondizioni);
        Label3[i]->setObjectName(QStringLiteral("Label3_%1").arg(i));
        gc->addWidget(Label2[2 + i], 3 + i, 0);
        gc->addWidget(Panel3D2[5 + i], 3 + i, 1);
        gc->addWidget(Label3[i], 3 + i, 2);
    }
    etichettaBolla = new QLabel(fmCondizioni);
    etichettaBolla->setObjectName(QStringLiteral("etichettaBolla"));
    cellaBolla = new QLabel(fmCondizioni);
    cellaBolla->setObjectName(QStringLiteral("cellaBolla"));
    cellaBolla->setFrameShape(QFrame::Panel);
    cellaBolla->setFrameShadow(QFrame::Sunken);
    cellaBolla->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    unitaBolla = new QLabel(QStringLiteral("°C"), fmCondizioni);
    gc->addWidget(etichettaBolla, 8, 0);
    gc->addWidget(cellaBolla, 8, 1);
    gc->addWidget(unitaBolla, 8, 2);
    Label2[2]->setText(QStringLiteral("T. evaporazione"));
    Label2[3]->setText(QStringLiteral("T. condensazione"));
    m_etichetteGriglia.push_back({Label2[2], QStringLiteral("DescCalc10")});
    m_etichetteGriglia.push_back({Label2[3], QStringLiteral("DescCalc11")});
    gc->setColumnStretch(0, 1);
    destra->addWidget(fmCondizioni);

    // Supply option: shown only.
    frmTensioni = new QGroupBox(QStringLiteral(" Tensione / fasi / frequenza "), this);
    frmTensioni->setObjectName(QStringLiteral("frmTensioni"));
    auto* gt = new QVBoxLayout(frmTensioni);
    gt->setContentsMargins(6, 2, 6, 2);
    gt->setSpacing(0);
    for (int i = 0; i < NumeroTensioni; ++i) {
        optTensioni[i] = new QRadioButton(QString::fromUtf8(Tensioni[i]), frmTensioni);
        optTensioni[i]->setObjectName(QStringLiteral("optTensioni_%1").arg(i));
        gt->addWidget(optTensioni[i]);
    }
    destra->addWidget(frmTensioni);

    // Close, refrigerant notes, the tentative-data mark.
    auto* frame1 = new QWidget(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* g1 = new QHBoxLayout(frame1);
    g1->setContentsMargins(0, 0, 0, 0);
    cm3Naviga[2] = new QPushButton(frame1);
    cm3Naviga[2]->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    cm3Naviga[2]->setToolTip(QStringLiteral("Chiudi"));
    cmdNoteGas = new QPushButton(frame1);
    cmdNoteGas->setObjectName(QStringLiteral("cmdNoteGas"));
    Label1 = new QLabel(QStringLiteral("Tentative Data"), frame1);
    g1->addWidget(cm3Naviga[2]);
    g1->addWidget(cmdNoteGas, 1);
    g1->addWidget(Label1);
    destra->addWidget(frame1);
    destra->addStretch();

    // The next smaller candidate of a selection.
    Panel3D5[1] = creaGriglia(1, CelleInferiore, CellaModelloInferiore);
    auto* pulsanti2 = new QHBoxLayout;
    cm3Naviga[3] = new QPushButton(QStringLiteral("Caratteristiche tecniche"), Panel3D5[1]);
    cm3Naviga[4] = new QPushButton(Panel3D5[1]);
    cm3Naviga[4]->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    pulsanti2->addWidget(cm3Naviga[3]);
    pulsanti2->addStretch();
    pulsanti2->addWidget(cm3Naviga[4]);
    static_cast<QGridLayout*>(Panel3D5[1]->layout())->addLayout(pulsanti2, 7, 0, 1, 5);
    // The two grids have the same columns; with the same width they line up. The second
    // one goes under the first, beside the conditions: below everything else the screen
    // would be taller than the main window.
    Panel3D5[0]->installEventFilter(this);
    sinistra->insertWidget(sinistra->indexOf(Panel3D5[0]) + 1, Panel3D5[1], 0, Qt::AlignLeft);
    radice->addStretch();

    for (int i = 0; i < 5; ++i) {
        cm3Naviga[i]->setObjectName(QStringLiteral("cm3Naviga_%1").arg(i));
        connect(cm3Naviga[i], &QPushButton::clicked, this, [this, i] { premiNaviga(i); });
    }
    agganciaEsportazione(
        this, [this] { return tabelleEsportazione(); }, m_stato.lingua.IndiceLingua);
    connect(chkDifferenziali, &QCheckBox::clicked, this, &cfrmResults::differenzialiCliccato);
    connect(cmdNoteGas, &QPushButton::clicked, this, [this] {
        if (m_aperture.noteGas)
            m_aperture.noteGas(this);
    });
    // The supply options and the standard box only show the state: a click changes none.
    connect(chkStandard, &QCheckBox::clicked, this,
            [this] { chkStandard->setChecked(m_stato.motore.condFunz.CondizioniStandard); });
    for (auto* o : optTensioni)
        connect(o, &QRadioButton::clicked, this, [this] {
            const int i = m_stato.motore.condFunz.IndiceTensione;
            if (i >= 0 && i < NumeroTensioni)
                optTensioni[i]->setChecked(true);
        });
}

QGroupBox* cfrmResults::creaGriglia(int frame, const std::array<int, 13>& celle, int cellaModello) {
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("Panel3D5_%1").arg(frame));
    auto* g = new QGridLayout(box);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(2);
    g->setHorizontalSpacing(3);

    Panel3D2[cellaModello] = cella(box, cellaModello);
    Panel3D2[cellaModello]->setAlignment(Qt::AlignCenter);
    g->addWidget(Panel3D2[cellaModello], 0, 0, 1, 2);
    const std::array<std::pair<const char*, const char*>, 3> intestazioni = {
        {{"DescResult9", "al compressore"},
         {"DescResult8", "all'evaporatore"},
         {"DescResult7", "Standard condiz."}}};
    for (int c = 0; c < 3; ++c) {
        auto* l = new QLabel(QString::fromUtf8(intestazioni[c].second), box);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        g->addWidget(l, 0, 2 + c);
        m_etichetteGriglia.push_back({l, QString::fromLatin1(intestazioni[c].first)});
    }
    int k = 0;
    for (int r = 0; r < int(Righe.size()); ++r) {
        auto* didascalia = new QLabel(QString::fromUtf8(Righe[r].testoProgetto), box);
        m_etichetteGriglia.push_back({didascalia, QString::fromLatin1(Righe[r].chiave)});
        g->addWidget(didascalia, r + 1, 0);
        g->addWidget(new QLabel(QString::fromUtf8(Righe[r].unita), box), r + 1, 1);
        g->addWidget(Panel3D2[celle[k]] = cella(box, celle[k]), r + 1, 2);
        ++k;
        if (Righe[r].evaporatore) {
            g->addWidget(Panel3D2[celle[k]] = cella(box, celle[k]), r + 1, 3);
            ++k;
        } else {
            g->addWidget(trattino(box), r + 1, 3);
        }
        g->addWidget(Panel3D2[celle[k]] = cella(box, celle[k]), r + 1, 4);
        ++k;
    }
    g->setColumnStretch(0, 1);
    return box;
}

void cfrmResults::caricaSorgenti() {
    // Lingue on the row of the current language, the first refrigerant as the current one,
    // and the compressors rated with it (only their number matters: the buttons need one).
    QString errore;
    m_lingue->carica(m_stato.catalogo, m_stato.lingua.IndiceLingua, &errore);
    SorgenteDati gas;
    gas.impostaCatalogo(m_stato.catalogo);
    gas.impostaOrigineRecord(Interrogazioni::Gas);
    if (gas.aggiorna()) {
        gas.muoviPrimo();
        if (!gas.eof())
            m_stato.schermi.CodiceGasCorrente = gas.testo(0);
    }
    m_compGas->impostaCatalogo(m_stato.catalogo);
    m_compGas->impostaOrigineRecord(Interrogazioni::CompressoriDelGas,
                                    {m_stato.schermi.CodiceGasCorrente});
    m_compGas->aggiorna();
}

QString cfrmResults::etichetta(const QString& chiave) const {
    return m_lingue->etichetta(chiave);
}

void cfrmResults::applicaDidascalie() {
    const QStringList& d = m_stato.lingua.Didascalie;
    Panel3D5[0]->setTitle(d.value(9));
    Panel3D5[1]->setTitle(etichetta(QStringLiteral("CompPrec")));
    chkDifferenziali->setText(etichetta(QStringLiteral("descvaldif")));
    chkStandard->setText(etichetta(QStringLiteral("DescCondStd")));
    fmCondizioni->setTitle(etichetta(QStringLiteral("DescCondFunz")));
    cmdNoteGas->setText(etichetta(QStringLiteral("DesccampoApp")));
    frmTensioni->setTitle(etichetta(QStringLiteral("DescTFF")));
    cm3Naviga[0]->setText(d.value(0));
    cm3Naviga[3]->setText(cm3Naviga[0]->text());
    if (m_lingue->valida())
        for (auto& [label, chiave] : m_etichetteGriglia)
            label->setText(etichetta(chiave));
    if (!m_stato.lingua.MessaggioInfoK.isEmpty())
        cm3Naviga[0]->setToolTip(m_stato.lingua.MessaggioInfoK);
}

void cfrmResults::riempiGriglia(const std::array<int, 13>& celle, const Risultati& r) {
    const QLocale locale;
    const auto v = figure(r);
    for (size_t i = 0; i < celle.size(); ++i)
        Panel3D2[celle[i]]->setText(formatoNumero(v[i], QString::fromLatin1(Formati[i]), locale));
}

void cfrmResults::svuotaGriglia(const std::array<int, 13>& celle) {
    for (int c : celle)
        Panel3D2[c]->clear();
}

void cfrmResults::mostraRigheOpzionali() {
    const CondFunz& cf = m_stato.motore.condFunz;
    const bool dif = cf.ValoriDifferenziali;
    const QStringList& et = m_stato.lingua.EtichetteCondizioni;
    const std::array<double, 3> valori =
        dif ? differenzeCondizioni(cf) : std::array<double, 3>{cf.TU, cf.TL, cf.TA};
    const QLocale locale;
    for (int i = 0; i < 3; ++i) {
        Label2[4 + i]->setText(et.value(dif ? 3 + i : i));
        Label3[2 + i]->setText(dif ? QStringLiteral("K") : QStringLiteral("°C"));
        Panel3D2[7 + i]->setText(testoNumero(valori[i], locale));
    }
    m_aggiornando = true;
    chkDifferenziali->setChecked(dif);
    m_aggiornando = false;
}

void cfrmResults::attiva() {
    const CondFunz& cf = m_stato.motore.condFunz;
    const StatoMotore& m = m_stato.motore;
    const bool singolo = m_stato.schermi.bCalcoloSingolo;
    const QLocale locale;

    // Layout by origin.
    Label2[16]->setVisible(!singolo);
    unitaPotenza->setVisible(!singolo);
    Panel3D2[13]->setVisible(!singolo);
    Panel3D5[1]->setVisible(!singolo);
    if (!singolo) {
        // Without a smaller candidate the record holds nothing that belongs to this
        // selection: show empty cells rather than another rating's figures.
        const QString inferiore = QString::fromStdString(m.codiceProdottoInferiore);
        if (inferiore.isEmpty())
            svuotaGriglia(CelleInferiore);
        else
            riempiGriglia(CelleInferiore, m.risultatiInferiore);
        Panel3D2[CellaModelloInferiore]->setText(inferiore);
    }

    if (cf.IndiceTensione >= 0 && cf.IndiceTensione < NumeroTensioni)
        optTensioni[cf.IndiceTensione]->setChecked(true);
    riempiGriglia(CelleRisultati, m.risultati);
    Panel3D2[13]->setText(
        formatoNumero(cf.PotenzaRichiesta / 1000, QStringLiteral("#,###.00"), locale));
    const double mancante =
        singolo ? 0 : capacitaMancanteKW(cf.PotenzaRichiesta, m.risultati.ResaEvaporatore);
    lblRichiestaNonRaggiunta->setText(
        mancante > 0 ? testoCapacitaNonRaggiunta(m_stato.lingua.IndiceLingua, mancante, locale)
                     : QString());
    lblRichiestaNonRaggiunta->setVisible(mancante > 0);
    Panel3D2[5]->setText(testoNumero(cf.TE, locale));
    Panel3D2[6]->setText(testoNumero(cf.TC, locale));
    mostraRiferimento();
    const QString modello = QString::fromStdString(cf.CodiceProdotto);
    Panel3D2[11]->setText(QString::fromStdString(cf.NomeGas));
    Panel3D2[12]->setText(modello);
    Panel3D2[CellaModello]->setText(modello);
    applicaDidascalie();
    m_stato.motore.codiceProdottoCorrente = cf.CodiceProdotto;
    chkStandard->setChecked(cf.CondizioniStandard);
    mostraRigheOpzionali();
    aggiornaDiagramma();
    // Sized last, when every caption is in place.
    applicaAltezza(singolo ? AltezzaSingolo : AltezzaSelezione);
}

void cfrmResults::mostraRiferimento() {
    // A zeotropic blend is rated at dew points; typed at bubble points, both are shown.
    const CondFunz& cf = m_stato.motore.condFunz;
    const bool zeotropico =
        m_stato.catalogo && m_stato.catalogo->gasZeotropico(QString::fromStdString(cf.NomeGas));
    const QString unita = zeotropico ? QStringLiteral("°C (dew temp.)") : QStringLiteral("°C");
    Label3[0]->setText(unita);
    Label3[1]->setText(unita);
    const bool bolla = cf.TEBolla != NonDato && cf.TCBolla != NonDato;
    etichettaBolla->setVisible(bolla);
    cellaBolla->setVisible(bolla);
    unitaBolla->setVisible(bolla);
    if (!bolla) {
        cellaBolla->clear();
        return;
    }
    const QString titolo = etichetta(QStringLiteral("Mzeo2"));
    etichettaBolla->setText(titolo.isEmpty() ? QStringLiteral("Bolla (bubble temp.)") : titolo);
    const QLocale locale;
    cellaBolla->setText(testoNumero(cf.TEBolla, locale) + QStringLiteral(" / ") +
                        testoNumero(cf.TCBolla, locale));
}

void cfrmResults::applicaAltezza(int twips) {
    // Inside the main window the height is that of the child window with its frame.
    QWidget* finestra = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    const int h = twipsInPixel(twips, this);
    // The heights are the screen's own; wide enough for every caption in full.
    finestra->setMinimumHeight(0);
    const int cornice = finestra == this ? 0 : finestra->width() - width();
    layout()->invalidate();
    layout()->activate();
    const int larghezza =
        std::max({finestra->width(), finestra->sizeHint().width(), sizeHint().width() + cornice,
                  layout()->totalMinimumSize().width() + cornice});
    // Inside the main window, never wider than its client area.
    auto* sotto = qobject_cast<QMdiSubWindow*>(finestra);
    const int massima =
        sotto && sotto->mdiArea() ? sotto->mdiArea()->viewport()->width() : larghezza;
    // Nor taller: the screen's own height when there is room, else the client area's.
    const int alta = sotto && sotto->mdiArea() ? sotto->mdiArea()->viewport()->height() : h;
    finestra->resize(std::min(larghezza, std::max(massima, finestra->width())), std::min(h, alta));
}

void cfrmResults::differenzialiCliccato(bool spuntato) {
    if (m_aggiornando)
        return;
    m_stato.motore.condFunz.ValoriDifferenziali = spuntato;
    mostraRigheOpzionali();
}

void cfrmResults::premiNaviga(int indice) {
    if (indice == 4)
        return;
    if (indice == 2) {
        close();
        if (auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sotto->close();
        return;
    }
    if (m_compGas->numeroRecord() < 1)
        return;
    if (indice == 0) {
        apriCaratteristiche();
    } else if (indice == 1) {
        if (m_aperture.stampa)
            m_aperture.stampa(this);
        else
            stampaRapporto(parametriStampa(), this);
    } else if (indice == 3) {
        std::string salvato = m_stato.motore.codiceProdottoCorrente;
        m_stato.motore.codiceProdottoCorrente = m_stato.motore.codiceProdottoInferiore;
        apriCaratteristiche();
        m_stato.motore.codiceProdottoCorrente = salvato;
    }
}

void cfrmResults::apriCaratteristiche() {
    if (m_aperture.caratteristiche) {
        m_aperture.caratteristiche(this);
        return;
    }
    apriSchedaTecnica(m_stato, this);
}

void cfrmResults::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text().toLower();
    if (t == QLatin1String("k")) {
        premiNaviga(0);
    } else if (t == QLatin1String("n")) {
        m_stato.motore.codiceProdottoCorrente = Panel3D2[12]->text().toStdString();
        m_stato.schermi.TipoElencoOpzioni = 1;
        if (m_aperture.note)
            m_aperture.note(this);
        else
            apriElencoOpzioni(m_stato, this, false);
    } else if (e->key() == Qt::Key_Up) {
        focusNextPrevChild(false);
    } else if (e->key() == Qt::Key_Down) {
        focusNextPrevChild(true);
    } else {
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

bool cfrmResults::eventFilter(QObject* o, QEvent* e) {
    if (o == Panel3D5[0] && e->type() == QEvent::Resize)
        Panel3D5[1]->setFixedWidth(Panel3D5[0]->width());
    return QWidget::eventFilter(o, e);
}

void cfrmResults::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!m_collegato) {
        m_collegato = true;
        if (auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget()))
            if (QMdiArea* area = sotto->mdiArea())
                connect(area, &QMdiArea::subWindowActivated, this, [this, sotto](QMdiSubWindow* w) {
                    if (w == sotto)
                        attiva();
                });
    }
    attiva();
}

bool cfrmResults::event(QEvent* e) {
    // A standalone window is activated like a child window of the main one.
    if (e->type() == QEvent::WindowActivate && isWindow())
        attiva();
    return QWidget::event(e);
}

QMap<QString, QString> cfrmResults::valoriSchermo() const {
    QMap<QString, QString> v;
    for (size_t i = 0; i < CelleRisultati.size(); ++i) {
        v[QString::fromLatin1(NomiFigure[i])] = Panel3D2[CelleRisultati[i]]->text();
        v[QStringLiteral("inf.") + QString::fromLatin1(NomiFigure[i])] =
            Panel3D2[CelleInferiore[i]]->text();
    }
    v[QStringLiteral("modello")] = Panel3D2[12]->text();
    v[QStringLiteral("gas")] = Panel3D2[11]->text();
    v[QStringLiteral("selezione")] =
        Panel3D5[1]->isVisibleTo(this) ? QStringLiteral("1") : QString();
    v[QStringLiteral("inf.modello")] =
        Panel3D5[1]->isVisibleTo(this) ? Panel3D2[34]->text() : QString();
    v[QStringLiteral("PotenzaRichiesta")] =
        Panel3D5[1]->isVisibleTo(this) ? Panel3D2[13]->text() : QString();
    v[QStringLiteral("RichiestaNonRaggiunta")] =
        lblRichiestaNonRaggiunta->isVisibleTo(this) ? lblRichiestaNonRaggiunta->text() : QString();
    v[QStringLiteral("TE")] = Panel3D2[5]->text();
    v[QStringLiteral("TC")] = Panel3D2[6]->text();
    const std::array<const char*, 3> opzionali = {"TU", "TL", "TA"};
    for (int i = 0; i < 3; ++i) {
        v[QString::fromLatin1(opzionali[i])] = Panel3D2[7 + i]->text();
        v[QStringLiteral("et.") + opzionali[i]] = Label2[4 + i]->text();
        v[QStringLiteral("um.") + opzionali[i]] = Label3[2 + i]->text();
    }
    v[QStringLiteral("nota.rugiada")] = Label3[0]->text().endsWith(QStringLiteral("(dew temp.)"))
                                            ? QStringLiteral("(dew temp.)")
                                            : QString();
    v[QStringLiteral("bolla")] = cellaBolla->text();
    v[QStringLiteral("et.bolla")] = etichettaBolla->text();
    v[QStringLiteral("et.TE")] = Label2[2]->text();
    v[QStringLiteral("et.TC")] = Label2[3]->text();
    v[QStringLiteral("et.PotenzaRichiesta")] = Label2[16]->text();
    v[QStringLiteral("et.gas")] = Label2[8]->text();
    v[QStringLiteral("et.modello")] = Label2[0]->text();
    v[QStringLiteral("et.condizioni")] = fmCondizioni->title();
    v[QStringLiteral("et.risultati")] = Panel3D5[0]->title();
    v[QStringLiteral("et.inferiore")] = Panel3D5[1]->title();
    v[QStringLiteral("et.tensione")] = frmTensioni->title();
    for (const auto& [label, chiave] : m_etichetteGriglia)
        if (chiave.startsWith(QLatin1String("DescResult")))
            v[QStringLiteral("et.") + chiave] = label->text();
    const int t = m_stato.motore.condFunz.IndiceTensione;
    v[QStringLiteral("tensione")] =
        t >= 0 && t < NumeroTensioni ? optTensioni[t]->text() : QString();
    v[QStringLiteral("standard")] = chkStandard->isChecked() ? chkStandard->text() : QString();
    v[QStringLiteral("differenziali")] =
        chkDifferenziali->isChecked() ? chkDifferenziali->text() : QString();
    return v;
}

ParametriRapporto cfrmResults::parametriStampa() const {
    ParametriRapporto p;
    const QString cartella = m_stato.impostazioni.PercorsoDatabase;
    p.fileModello = trovaPercorso(cartella, QStringLiteral("\\Dav02.rpt"));
    p.fileDati = trovaPercorso(cartella, QStringLiteral("\\ZODIRARA.MDB"));
    p.valori = valoriSchermo();
    p.immagini.insert(QStringLiteral("diagramma"),
                      immagineDiagramma(datiDiagramma(), QSize(900, 600)));
    p.indiceLingua = m_stato.lingua.IndiceLingua;
    // The brochure's displacement and heading follow the supply frequency shown.
    p.valori[QStringLiteral("hz60")] =
        m_stato.motore.condFunz.IndiceTensione >= 2 ? QStringLiteral("1") : QString();
    p.programma = (QStringLiteral("selcomp ") + m_stato.impostazioni.VersioneProgramma).trimmed();
    return p;
}

QVector<TabellaEsportazione> cfrmResults::tabelleEsportazione() const {
    const QMap<QString, QString> v = valoriSchermo();
    QStringList intestazione = {v["et.modello"] + QStringLiteral(": ") + v["modello"],
                                v["et.gas"] + QStringLiteral(": ") + v["gas"],
                                v["et.TE"] + QStringLiteral(": ") + v["TE"] + QStringLiteral(" °C"),
                                v["et.TC"] + QStringLiteral(": ") + v["TC"] +
                                    QStringLiteral(" °C")};
    for (const char* o : {"TU", "TL", "TA"}) {
        const QString n = QString::fromLatin1(o);
        if (!v[n].isEmpty())
            intestazione << v["et." + n] + QStringLiteral(": ") + v[n] + QStringLiteral(" ") +
                                v["um." + n];
    }
    intestazione << v["et.tensione"].trimmed() + QStringLiteral(": ") + v["tensione"];
    if (!v["standard"].isEmpty())
        intestazione << v["standard"];
    if (!v["selezione"].isEmpty())
        intestazione << v["et.PotenzaRichiesta"] + QStringLiteral(": ") + v["PotenzaRichiesta"] +
                            QStringLiteral(" kW");
    // Rows as on screen: capacity (compressor, evaporator, rating), then the rest with the
    // actual value and the one at rating conditions.
    auto tabella = [&](const QString& titolo, const QString& modello, const Risultati& r) {
        TabellaEsportazione t;
        t.titolo = titolo.trimmed() + QStringLiteral(" ") + modello;
        t.intestazione = intestazione;
        t.colonne = {QString(), QString(), v["et.DescResult9"], v["et.DescResult8"],
                     v["et.DescResult7"]};
        t.schemi = {QString(), QString(), Generale, Generale, Generale};
        const QVariant niente;
        auto riga = [&](const char* chiave, const char* unita, double a, QVariant b, double c) {
            t.righe << QVector<QVariant>{v[QStringLiteral("et.") + QLatin1String(chiave)].trimmed(),
                                         QString::fromLatin1(unita), a, b, c};
        };
        riga("DescResult1", "kW", r.ResaCompressore, r.ResaEvaporatore, r.ResaStd);
        riga("DescResult4", "kg/h", r.PortataMassa, niente, r.PortataMassaStd);
        riga("DescResult2", "kW", r.PotenzaAssorbita, niente, r.PotenzaAssorbita);
        riga("DescResult3", "A", r.CorrenteAssorbita, niente, r.CorrenteStd);
        riga("DescResult5", "", r.COP, niente, r.COPStd);
        riga("DescResult6", "kW", r.CaloreCondensatore, niente, r.CaloreCondensatoreStd);
        return t;
    };
    const StatoMotore& m = m_stato.motore;
    QVector<TabellaEsportazione> esito{tabella(v["et.risultati"], v["modello"], m.risultati)};
    if (!v["inf.modello"].isEmpty())
        esito << tabella(v["et.inferiore"], v["inf.modello"], m.risultatiInferiore);
    return esito;
}

DatiDiagramma cfrmResults::datiDiagramma() const {
    const CondFunz& cf = m_stato.motore.condFunz;
    DatiDiagramma d;
    const int l = m_stato.lingua.IndiceLingua;
    d.nomeTE = l == 3 ? QStringLiteral("TV") : QStringLiteral("TE");
    const QString modello = QString::fromStdString(cf.CodiceProdotto);
    const QString gas = QString::fromStdString(cf.NomeGas);
    d.titolo = modello + QStringLiteral("  -  ") + gas;
    Istantanea righe;
    if (m_stato.catalogo &&
        m_stato.catalogo->interroga(
            QStringLiteral("select * from CollCompGas where CodiceGas = ? and CodiceProdotto = ?"),
            {gas, modello}, righe, nullptr) &&
        righe.numeroRighe() > 0)
        d.inviluppo = rigaCompressore(righe, 0).inviluppo;
    d.punto = QPointF(cf.TE, cf.TC);
    d.esito = VerificaPuntoInviluppo(d.inviluppo, cf.TE, cf.TC);
    d.didascalia =
        d.esito.dentro
            ? testoExtra(TestoExtra::DentroInviluppo, l)
            : testoExtra(TestoExtra::FuoriInviluppo, l) + QStringLiteral("\n") +
                  MotivoFuoriInviluppo(d.esito, cf.TE, cf.TC,
                                       etichetta(QStringLiteral("Err%1").arg(d.esito.codice)),
                                       d.nomeTE, d.nomeTC);
    return d;
}

void cfrmResults::aggiornaDiagramma() {
    cmdDiagramma->setText(testoExtra(TestoExtra::Diagramma, m_stato.lingua.IndiceLingua));
    if (diagramma->isVisibleTo(this))
        diagramma->imposta(datiDiagramma());
}

void chiudiRisultati(QMdiArea* area) {
    if (!area)
        return;
    for (QMdiSubWindow* w : area->subWindowList())
        if (qobject_cast<cfrmResults*>(w->widget()))
            w->close();
}

cfrmResults* mostraRisultati(StatoApplicazione& stato, QMdiArea* area,
                             const cfrmResults::Aperture& aperture) {
    if (area)
        for (QMdiSubWindow* w : area->subWindowList())
            if (auto* r = qobject_cast<cfrmResults*>(w->widget())) {
                r->impostaAperture(aperture);
                if (area->activeSubWindow() == w)
                    r->attiva(); // already active: no activation signal will come
                else
                    area->setActiveSubWindow(w);
                w->showNormal();
                return r;
            }
    auto* r = new cfrmResults(stato);
    r->impostaAperture(aperture);
    if (area) {
        QMdiSubWindow* sotto = area->addSubWindow(r);
        sotto->setAttribute(Qt::WA_DeleteOnClose);
        r->setAttribute(Qt::WA_DeleteOnClose);
        sotto->move(0, 0);
        sotto->show();
    } else {
        r->setAttribute(Qt::WA_DeleteOnClose);
        r->show();
    }
    return r;
}
