#include "tables/cFrmDatiComp.h"

#include "calculation/DatiSchermoCalcoli.h"
#include "catalogue/Catalogo.h"
#include "catalogue/Interrogazioni.h"
#include "catalogue/RigheCatalogo.h"
#include "engine/Numeri.h"
#include "engine/Prestazioni.h"
#include "engine/RigaCompressore.h"
#include "platform/EsportazioneGriglia.h"
#include "platform/FormatoNumero.h"
#include "platform/ServizioMessaggi.h"
#include "platform/TestoUtf8.h"
#include "platform/Twips.h"
#include "tables/ModelloTabella.h"
#include "tables/RiempimentoTabelle.h"
#include "tables/cFrmCaricam.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Design height of the tab control, twips; the grids never grow past it.
constexpr int AltezzaSSTab = 4100;
// Width of the value columns, twips: all nine fit beside the heading column.
constexpr int LarghezzaColonna = 960;

void messaggio(const QString& testo) {
    ServizioMessaggi::corrente().avviso(QApplication::applicationDisplayName(), testo);
}
} // namespace

const std::array<QString, cFrmDatiComp::NumeroTensioni> cFrmDatiComp::CaptionTensioni = {
    u("380-420 V / 3 / 50Hz"), u("220-240 V / 3 / 50Hz"), u("440-480 V / 3 / 60Hz"),
    u("380-420 V / 3 / 60Hz"), u("220-240 V /3 / 60Hz")};

cFrmDatiComp::cFrmDatiComp(StatoApplicazione& stato, DatiSchermoCalcoli& calcoli, QWidget* parent)
    : QWidget(parent), stato(stato), calcoli(calcoli) {
    setObjectName("cFrmDatiComp");
    setWindowTitle(u("Tabella Rese"));
    for (auto& s : m_sorgenti) {
        s = new SorgenteDati(this);
        s->impostaCatalogo(stato.catalogo);
    }
    creaControlli();
    carica();
    // Ctrl+C copies the grid in view; the files take all four tables, one sheet each.
    for (int k = 0; k < 4; ++k)
        agganciaEsportazione(
            TDBGrid1[size_t(k)], [this, k] { return tabelleEsportazione(k); },
            stato.lingua.IndiceLingua, [this] { return tabelleEsportazione(); });
}

QVector<TabellaEsportazione> cFrmDatiComp::tabelleEsportazione(int k) const {
    QVector<TabellaEsportazione> esito;
    QString tensione;
    for (QRadioButton* o : optTensioni)
        if (o->isChecked() && o->isVisible())
            tensione = o->text();
    for (int i = 0; i < 4; ++i) {
        if (k >= 0 && i != k)
            continue;
        const QStringList intestazione = {Label1[0]->text() + u(" ") + Label2->text(),
                                          Label3->text() + u(" ") + Label4->text(),
                                          Label1[1]->text(),
                                          Label1[2]->text(),
                                          Label1[3]->text(),
                                          fmTensioni->title().trimmed() + u(": ") + tensione};
        QStringList schemi{QString()};
        for (int c = 1; c < m_modelli[size_t(i)]->columnCount(); ++c)
            schemi << m_modelli[size_t(i)]->schema();
        esito << tabellaDaModello(*m_modelli[size_t(i)], SSTab1->tabText(i), intestazione, false,
                                  schemi);
    }
    return esito;
}

cFrmDatiComp::~cFrmDatiComp() = default;

QString cFrmDatiComp::etichetta(const QString& chiave) const {
    return m_lingue.etichetta(chiave) + QString();
}

void cFrmDatiComp::creaControlli() {
    Frame2 = new QGroupBox(u("  Dati "), this);
    Label1[0] = new QLabel(u("Compressore:"), Frame2);
    Label2 = new QLabel(Frame2);
    Label3 = new QLabel(u("Gas:"), Frame2);
    Label4 = new QLabel(Frame2);
    for (QLabel* l : {Label2, Label4}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    auto* lDati = new QGridLayout(Frame2);
    lDati->addWidget(Label1[0], 0, 0);
    lDati->addWidget(Label2, 0, 1);
    lDati->addWidget(Label3, 1, 0);
    lDati->addWidget(Label4, 1, 1);
    lDati->setColumnStretch(1, 1);

    fmCondizioni = new QGroupBox(this);
    Label1[1] = new QLabel(u("Temp.Aspiraz.:20°C"), fmCondizioni);
    Label1[2] = new QLabel(u("Sottoraffred. del liquido: 0°C"), fmCondizioni);
    Label1[3] = new QLabel(u("Surriscaldamento utile 100%"), fmCondizioni);
    auto* lCond = new QVBoxLayout(fmCondizioni);
    for (int i = 1; i <= 3; ++i)
        lCond->addWidget(Label1[size_t(i)]);

    fmUmis = new QGroupBox(u("Unità mis."), this);
    optUM[0] = new QRadioButton(u("kW"), fmUmis);
    optUM[1] = new QRadioButton(u("Watt"), fmUmis);
    auto* lUm = new QVBoxLayout(fmUmis);
    for (int i = 0; i < 2; ++i) {
        optUM[size_t(i)]->setObjectName(QStringLiteral("optUM%1").arg(i));
        lUm->addWidget(optUM[size_t(i)]);
        connect(optUM[size_t(i)], &QRadioButton::toggled, this, [this, i](bool acceso) {
            if (acceso)
                unitaScelta(i);
        });
    }

    fmTensioni = new QGroupBox(this);
    auto* lTens = new QVBoxLayout(fmTensioni);
    for (int i = 0; i < NumeroTensioni; ++i) {
        auto*& o = optTensioni[size_t(i)];
        o = new QRadioButton(CaptionTensioni[size_t(i)], fmTensioni);
        o->setObjectName(QStringLiteral("optTensioni%1").arg(i));
        lTens->addWidget(o);
        connect(o, &QRadioButton::toggled, this, [this, i](bool acceso) {
            if (acceso)
                tensioneScelta(i);
        });
    }

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    SSTab1->setFixedHeight(twipsInPixel(AltezzaSSTab, this));
    for (int k = 0; k < 4; ++k) {
        auto* pagina = new QWidget(SSTab1);
        auto* l = new QVBoxLayout(pagina);
        auto*& g = TDBGrid1[size_t(k)];
        g = new QTableView(pagina);
        g->setObjectName(QStringLiteral("TDBGrid1_%1").arg(k));
        m_modelli[size_t(k)] = new ModelloTabella(m_sorgenti[size_t(k + 1)], this);
        m_modelli[size_t(k)]->impostaLocale(locale());
        g->setModel(m_modelli[size_t(k)]);
        g->verticalHeader()->hide();
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setSelectionMode(QAbstractItemView::SingleSelection);
        l->addWidget(g);
        l->addStretch(1);
        SSTab1->addTab(pagina, QString());
    }

    cm3Naviga = new QPushButton(this);
    cm3Naviga->setObjectName("cm3Naviga");
    cm3Naviga->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    cm3Naviga->setIconSize(QSize(24, 24));
    cm3Naviga->setFixedSize(twipsInPixel(600, this), twipsInPixel(600, this));
    connect(cm3Naviga, &QPushButton::clicked, this, [this] { chiudi(); });

    auto* alto = new QHBoxLayout;
    alto->addWidget(Frame2, 2);
    alto->addWidget(fmCondizioni, 3);
    alto->addWidget(fmUmis, 1);
    alto->addWidget(fmTensioni, 2);
    auto* basso = new QHBoxLayout;
    basso->addStretch(1);
    basso->addWidget(cm3Naviga);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(alto);
    tutto->addWidget(SSTab1);
    tutto->addLayout(basso);
    tutto->setContentsMargins(6, 6, 6, 6);
    tutto->setSpacing(4);
    lCond->setSpacing(2);
    lTens->setSpacing(0);
    lUm->setSpacing(2);
    resize(twipsInPixel(10900, this), twipsInPixel(7200, this));
}

void cFrmDatiComp::carica() {
    m_bKW = true;
    m_bCaricamento = true;
    {
        const QSignalBlocker b0(optUM[0]), b1(optUM[1]);
        optUM[0]->setChecked(true);
    }

    SorgenteDati& lingue = Data1(5);
    lingue.impostaOrigineRecord(Interrogazioni::Lingue);
    lingue.aggiorna();
    lingue.muoviPrimo();
    for (int i = 0; i < stato.lingua.IndiceLingua; ++i)
        lingue.muoviSuccessivo();
    m_lingue = EtichetteLingua::daSorgente(lingue);

    fmCondizioni->setTitle(etichetta("DescCondFunz"));
    fmUmis->setTitle(etichetta("tabumis"));
    setWindowTitle(etichetta("tabintest"));
    fmTensioni->setTitle(etichetta("DescTFF"));
    Label1[0]->setText(etichetta("descmodello"));
    Label3->setText(etichetta("descgas"));
    QString aspirazione = etichetta("TABCFTAS") +
                          formatoNumero(stato.motore.condFunz.T0, QStringLiteral("##"), locale()) +
                          u(" °C ");
    if (stato.catalogo && stato.catalogo->gasZeotropico(calcoli.testoRefrigerante()))
        aspirazione += u("(dew temp.)");
    Label1[1]->setText(aspirazione);
    Label1[2]->setText(etichetta("TABCFTSO"));
    Label1[3]->setText(etichetta("TABCFSUT"));

    SSTab1->setTabText(0, etichetta("DescResult1") + u(" (kW)"));
    SSTab1->setTabText(1, etichetta("TassPot") + u(" (kW)"));
    SSTab1->setTabText(2, etichetta("TassCorr") + u(" (A)"));
    SSTab1->setTabText(3, etichetta("tabportmassa") + u(" (kg/h)"));
    SSTab1->setCurrentIndex(0);

    tagliaTensionik8();
    // An index outside the options this model offers falls back to the first one.
    int indice = stato.motore.condFunz.IndiceTensione;
    if (!TensioneOfferta(indice, stato.schermi.bk8))
        indice = 0;
    optTensioni[size_t(indice)]->setChecked(true); // ignored by tensioneScelta while loading
    m_indiceTensioneTabelle = indice;

    RicalcolaTutto();

    auto* caricamento = new cFrmCaricam(this);
    caricamento->centra();
    caricamento->show();
    emit caricamentoIniziato();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    CreaTab();
    riempimento();
    AdjustTab();

    m_bCaricamento = false;
    caricamento->close();
    caricamento->deleteLater();
}

void cFrmDatiComp::tagliaTensionik8() {
    const bool k8 = stato.schermi.bk8;
    for (int i = 0; i < NumeroTensioni; ++i)
        optTensioni[size_t(i)]->setVisible(TensioneOfferta(i, k8));
}

void cFrmDatiComp::RicalcolaTutto() {
    const QString valori = m_bKW ? QStringLiteral("#,###.00") : QStringLiteral("#,###");
    m_modelli[0]->impostaSchema(valori);
    m_modelli[1]->impostaSchema(valori);
    m_modelli[3]->impostaSchema(QStringLiteral("#,###.00"));
    m_modelli[2]->impostaSchema(QStringLiteral("#,##0.00"));

    m_testoCompressore = calcoli.testoCompressore();
    m_testoRefrigerante = calcoli.testoRefrigerante();
    Label2->setText(m_testoCompressore);
    Label4->setText(m_testoRefrigerante);

    // Coefficients (Null = 0) and the motor table of the calculation screen's row.
    const SorgenteDati& corrente = calcoli.compressoreCorrente();
    const bool haRiga = !corrente.bof() && !corrente.eof();
    const RigaCompressore riga =
        haRiga ? rigaCompressore(corrente.righe(), corrente.posizione()) : RigaCompressore{};
    m_dati = {};
    CaricaDatiCompressore(m_dati, riga); // WMAX Null or above 21: the 21 segments
    DatiCompressore& motore = stato.motore.datiCompressore;
    motore.A = m_dati.A;
    motore.W = m_dati.W;
    motore.WMAX = m_dati.WMAX;

    Data1(0).impostaOrigineRecord(Interrogazioni::CompressoreConGas,
                                  {m_testoCompressore, m_testoRefrigerante});
    for (int k = 0; k < 4; ++k)
        Data1(k + 1).impostaOrigineRecord(TabelleLavoro[size_t(k)]);
    for (int i = 0; i <= 4; ++i)
        Data1(i).aggiorna();

    m_valido = haRiga && inviluppoDaRiga(Data1(0).righe(), 0, m_inviluppo);
    if (!stato.catalogo) {
        messaggio(u("Catalogo non disponibile: le tabelle restano vuote."));
    } else if (!m_valido) {
        m_inviluppo = {};
        messaggio(u("Nessun campo di applicazione per il compressore %1 con il refrigerante %2: "
                    "le tabelle restano vuote.")
                      .arg(m_testoCompressore, m_testoRefrigerante));
    }
}

double cFrmDatiComp::Calcolores(double Tc, double Te, int k) const {
    return ::Calcolores(m_dati, stato.motore.fattoriTensione, m_indiceTensioneTabelle, m_bKW, Tc,
                        Te, k);
}

// The rows and the values of the four tables, computed by the engine (the same
// function selcomp-cli uses), ready to be written.
void cFrmDatiComp::CreaTab() {
    for (auto& t : m_tabelle.tabelle)
        t.clear();
    if (!m_valido)
        return;
    const Esito e = CalcolaTabelle(m_dati, m_inviluppo, stato.motore.fattoriTensione,
                                   m_indiceTensioneTabelle, m_bKW, m_tabelle);
    if (!e.ok()) {
        for (auto& t : m_tabelle.tabelle)
            t.clear();
        messaggio(QString::fromStdString(e.messaggio));
    }
}

// Writes the tables in one transaction and refreshes each grid once.
void cFrmDatiComp::riempimento() {
    if (!stato.catalogo)
        return;
    std::array<SorgenteDati*, 4> s{&Data1(1), &Data1(2), &Data1(3), &Data1(4)};
    QString errore;
    if (!scriviTabelle(*stato.catalogo, m_tabelle, s, &errore))
        messaggio(u("Errore nella scrittura delle tabelle: %1").arg(errore));
}

void cFrmDatiComp::AdjustTab() {
    const int n = Data1(1).numeroRecord();
    // The tab page's room below its tab bar (the grid scrolls past it).
    const int limite =
        twipsInPixel(AltezzaSSTab, this) - SSTab1->tabBar()->sizeHint().height() - 24;
    for (QTableView* g : TDBGrid1) {
        g->setColumnWidth(0, twipsInPixel(450, this));
        for (int c = 1; c < ModelloTabella::NumeroColonne; ++c)
            g->setColumnWidth(c, twipsInPixel(LarghezzaColonna, this));
        const int riga = std::max(twipsInPixel(225, this), g->fontMetrics().height() + 4);
        g->verticalHeader()->setDefaultSectionSize(riga);
        const int alto =
            n * riga + g->horizontalHeader()->sizeHint().height() + 2 * g->frameWidth();
        g->setFixedHeight(std::min(alto, limite));
    }
}

void cFrmDatiComp::AggiustaKW() {
    const int scheda = SSTab1->currentIndex();
    const QString unita = m_bKW ? u(" (kW)") : u(" (Watt)");
    SSTab1->setTabText(0, etichetta("DescResult1") + unita);
    SSTab1->setTabText(1, etichetta("TassPot") + unita);
    SSTab1->setCurrentIndex(scheda);
}

void cFrmDatiComp::tensioneScelta(int i) {
    if (m_bCaricamento)
        return;
    if (i == m_indiceTensioneTabelle)
        return;
    m_indiceTensioneTabelle = i;
    CreaTab();
    riempimento();
}

void cFrmDatiComp::unitaScelta(int i) {
    m_bKW = i == 0;
    AggiustaKW();
    RicalcolaTutto();
    CreaTab();
    riempimento();
}

void cFrmDatiComp::chiudi() {
    if (auto* sotto = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sotto->close();
    else
        close();
}
