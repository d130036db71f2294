#include "results/cfrmConfronto.h"

#include "dati/Rapporto.h"
#include "platform/AvvisoCapacita.h"
#include "platform/EsportazioneGriglia.h"
#include "platform/FormatoNumero.h"
#include "platform/ServizioMessaggi.h"
#include "platform/TestiSchermiExtra.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

RigaConfronto riga(int r) {
    return static_cast<RigaConfronto>(r);
}

const QColor VerdeMigliore(200, 235, 200);
const QColor RossoMancante(200, 0, 0);

} // namespace

ModelloConfronto::ModelloConfronto(int indiceLingua, double potenzaRichiestaW, QObject* genitore)
    : QAbstractTableModel(genitore), m_lingua(indiceLingua), m_richiestaW(potenzaRichiestaW) {
    m_migliori.fill(-1);
}

void ModelloConfronto::imposta(std::vector<ColonnaConfronto> colonne) {
    beginResetModel();
    m_colonne = std::move(colonne);
    for (int r = 0; r < NumeroRigheConfronto; ++r)
        m_migliori[size_t(r)] = migliorConfronto(m_colonne, riga(r), m_richiestaW);
    endResetModel();
}

void ModelloConfronto::ordina(RigaConfronto r, Qt::SortOrder verso) {
    std::vector<ColonnaConfronto> c = m_colonne;
    std::stable_sort(c.begin(), c.end(), [&](const ColonnaConfronto& a, const ColonnaConfronto& b) {
        const double va = valoreConfronto(a, r, m_richiestaW),
                     vb = valoreConfronto(b, r, m_richiestaW);
        if (std::isnan(va) || std::isnan(vb))
            return !std::isnan(va) && std::isnan(vb);
        return verso == Qt::AscendingOrder ? va < vb : va > vb;
    });
    imposta(std::move(c));
}

int ModelloConfronto::rowCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : NumeroRigheConfronto;
}

int ModelloConfronto::columnCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : int(m_colonne.size());
}

QString ModelloConfronto::didascalia(RigaConfronto r) const {
    static const std::array<TestoExtra, NumeroRigheConfronto> chiavi = {
        TestoExtra::Resa, TestoExtra::Potenza, TestoExtra::Corrente,      TestoExtra::Portata,
        TestoExtra::COP,  TestoExtra::Calore,  TestoExtra::QuotaRichiesta};
    return testoExtra(chiavi[size_t(r)], m_lingua);
}

QString ModelloConfronto::unita(RigaConfronto r) {
    static const std::array<const char*, NumeroRigheConfronto> u = {"kW", "kW", "A", "kg/h",
                                                                    "",   "kW", "%"};
    return QString::fromLatin1(u[size_t(r)]);
}

QString ModelloConfronto::formato(RigaConfronto r) {
    // Two decimals always shown, so that columns line up and a whole 3 A does not read
    // "3."; the COP as on the results screen, the share with one decimal.
    if (r == RigaConfronto::COP)
        return QStringLiteral("0.###");
    if (r == RigaConfronto::Quota)
        return QStringLiteral("#,##0.0");
    return QStringLiteral("#,##0.00");
}

QVariant ModelloConfronto::data(const QModelIndex& i, int ruolo) const {
    if (!i.isValid() || i.row() >= NumeroRigheConfronto || i.column() >= int(m_colonne.size()))
        return {};
    const RigaConfronto r = riga(i.row());
    const ColonnaConfronto& c = m_colonne[size_t(i.column())];
    const double v = valoreConfronto(c, r, m_richiestaW);
    const bool migliore = m_migliori[size_t(i.row())] == i.column();
    switch (ruolo) {
    case Qt::DisplayRole:
        return std::isfinite(v) ? formatoNumero(v, formato(r), QLocale()) : QStringLiteral("-");
    case Qt::EditRole:
        return std::isfinite(v) ? QVariant(v) : QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return migliore ? QVariant(QBrush(VerdeMigliore)) : QVariant();
    case Qt::FontRole:
        if (migliore) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    case Qt::ForegroundRole:
        return r == RigaConfronto::Quota && richiestaNonRaggiunta(c, m_richiestaW)
                   ? QVariant(QBrush(RossoMancante))
                   : QVariant();
    case Qt::ToolTipRole:
        if (!std::isfinite(v) && !c.guasto.empty())
            return QString::fromStdString(c.guasto);
        if (r == RigaConfronto::Quota && richiestaNonRaggiunta(c, m_richiestaW))
            return testoCapacitaNonRaggiunta(
                m_lingua, capacitaMancanteKW(m_richiestaW, c.risultati.ResaEvaporatore), QLocale());
        return {};
    default:
        return {};
    }
}

QVariant ModelloConfronto::headerData(int s, Qt::Orientation o, int ruolo) const {
    if (ruolo != Qt::DisplayRole)
        return QAbstractTableModel::headerData(s, o, ruolo);
    if (o == Qt::Horizontal)
        return s >= 0 && s < int(m_colonne.size())
                   ? QString::fromStdString(m_colonne[size_t(s)].codice)
                   : QVariant();
    if (s < 0 || s >= NumeroRigheConfronto)
        return {};
    const QString u = unita(riga(s));
    return u.isEmpty() ? didascalia(riga(s))
                       : QStringLiteral("%1 [%2]").arg(didascalia(riga(s)), u);
}

cfrmConfronto::cfrmConfronto(DatiConfronto dati, QWidget* genitore)
    : QWidget(genitore), m_dati(std::move(dati)),
      m_modello(new ModelloConfronto(m_dati.indiceLingua, m_dati.potenzaRichiestaW, this)) {
    setObjectName(QStringLiteral("cfrmConfronto"));
    const int l = m_dati.indiceLingua;
    setWindowTitle(testoExtra(TestoExtra::Confronto, l) + QStringLiteral(" - ") +
                   m_dati.refrigerante);

    auto* radice = new QVBoxLayout(this);
    auto* testata = new QLabel(intestazione(), this);
    testata->setObjectName(QStringLiteral("intestazione"));
    testata->setWordWrap(true);
    radice->addWidget(testata);

    auto* centro = new QHBoxLayout;
    radice->addLayout(centro, 1);
    if (m_dati.scelta) {
        auto* colonnaScelta = new QVBoxLayout;
        colonnaScelta->addWidget(new QLabel(testoExtra(TestoExtra::Scelta, l), this));
        elenco = new QListWidget(this);
        elenco->setObjectName(QStringLiteral("elenco"));
        elenco->setMaximumWidth(170);
        // The screen's compressor and the next ones that run, up to six, ticked first.
        auto primo = std::find_if(m_dati.colonne.begin(), m_dati.colonne.end(),
                                  [&](const ColonnaConfronto& c) {
                                      return QString::fromStdString(c.codice) == m_dati.preferito;
                                  });
        int daSpuntare = primo == m_dati.colonne.end() ? 0 : int(primo - m_dati.colonne.begin());
        daSpuntare = std::max(0, std::min(daSpuntare, int(m_dati.colonne.size()) - MassimoScelti));
        for (int i = 0; i < int(m_dati.colonne.size()); ++i) {
            auto* v = new QListWidgetItem(QString::fromStdString(m_dati.colonne[size_t(i)].codice),
                                          elenco);
            v->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            v->setCheckState(i >= daSpuntare && i < daSpuntare + MassimoScelti ? Qt::Checked
                                                                               : Qt::Unchecked);
        }
        connect(elenco, &QListWidget::itemChanged, this, &cfrmConfronto::sceltaCambiata);
        colonnaScelta->addWidget(elenco, 1);
        centro->addLayout(colonnaScelta);
    }
    tabella = new QTableView(this);
    tabella->setObjectName(QStringLiteral("tabella"));
    tabella->setModel(m_modello);
    tabella->setSelectionMode(QAbstractItemView::ContiguousSelection);
    tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabella->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabella->verticalHeader()->setSectionsClickable(true);
    tabella->verticalHeader()->setToolTip(QStringLiteral("⇅"));
    // A click on a row's caption sorts the columns by it; a second click turns the order.
    connect(tabella->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int r) {
        m_verso = r == m_rigaOrdinata && m_verso == Qt::DescendingOrder ? Qt::AscendingOrder
                                                                        : Qt::DescendingOrder;
        m_rigaOrdinata = r;
        m_modello->ordina(riga(r), m_verso);
    });
    centro->addWidget(tabella, 1);

    informazioni = new QLabel(this);
    informazioni->setObjectName(QStringLiteral("informazioni"));
    informazioni->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    informazioni->setMinimumHeight(22);
    QPalette pal = informazioni->palette();
    pal.setColor(QPalette::WindowText, RossoMancante);
    informazioni->setPalette(pal);
    radice->addWidget(informazioni);

    pulsanti = new QHBoxLayout;
    cmdStampa = new QPushButton(testoExtra(TestoExtra::Stampa, l), this);
    cmdStampa->setObjectName(QStringLiteral("cmdStampa"));
    connect(cmdStampa, &QPushButton::clicked, this, &cfrmConfronto::stampa);
    auto pulsante = [this](TestoExtra t, const char* nome) {
        auto* b = new QPushButton(testoExtra(t, m_dati.indiceLingua), this);
        b->setObjectName(QLatin1String(nome));
        pulsanti->addWidget(b);
        return b;
    };
    cmdCopia = pulsante(TestoExtra::Copia, "cmdCopia");
    cmdCsv = pulsante(TestoExtra::SalvaCsv, "cmdCsv");
    cmdXlsx = pulsante(TestoExtra::SalvaXlsx, "cmdXlsx");
    auto fonte = [this] { return QVector<TabellaEsportazione>{tabellaEsportazione()}; };
    connect(cmdCopia, &QPushButton::clicked, this, [fonte] { copiaTabelle(fonte()); });
    connect(cmdCsv, &QPushButton::clicked, this, [this, fonte] {
        salvaTabelle(fonte(), FormatoFile::CsvLocale, this, m_dati.indiceLingua);
    });
    connect(cmdXlsx, &QPushButton::clicked, this,
            [this, fonte] { salvaTabelle(fonte(), FormatoFile::Xlsx, this, m_dati.indiceLingua); });
    agganciaEsportazione(tabella, fonte, m_dati.indiceLingua);
    pulsanti->addStretch();
    pulsanti->addWidget(cmdStampa);
    radice->addLayout(pulsanti);

    aggiornaColonne();
    resize(760, 340);
}

QString cfrmConfronto::intestazione() const {
    const CondFunz& c = m_dati.condizioni;
    const QLocale loc;
    auto t = [&](double v) { return formatoNumero(v, QStringLiteral("#,##0.0"), loc); };
    QStringList parti{m_dati.refrigerante, QStringLiteral("TE %1 °C").arg(t(c.TE)),
                      QStringLiteral("TC %1 °C").arg(t(c.TC))};
    const std::array<std::pair<const char*, double>, 3> opzionali = {
        {{"TU", c.TU}, {"TL", c.TL}, {"TA", c.TA}}};
    for (const auto& [nome, v] : opzionali)
        if (v != NonDato)
            parti << QStringLiteral("%1 %2 °C").arg(QLatin1String(nome), t(v));
    if (!m_dati.tensione.isEmpty())
        parti << m_dati.tensione;
    if (m_dati.potenzaRichiestaW > 0)
        parti << QStringLiteral("%1 kW").arg(
            formatoNumero(m_dati.potenzaRichiestaW / 1000, QStringLiteral("#,##0.##"), loc));
    return parti.join(QStringLiteral("  |  "));
}

void cfrmConfronto::sceltaCambiata(QListWidgetItem* voce) {
    int spuntati = 0;
    for (int i = 0; i < elenco->count(); ++i)
        spuntati += elenco->item(i)->checkState() == Qt::Checked;
    if (spuntati > MassimoScelti && voce->checkState() == Qt::Checked) {
        QSignalBlocker blocco(elenco);
        voce->setCheckState(Qt::Unchecked);
        ServizioMessaggi::corrente().beep();
        informazioni->setText(testoExtra(TestoExtra::MassimoSei, m_dati.indiceLingua));
        return;
    }
    aggiornaColonne();
}

void cfrmConfronto::aggiornaColonne() {
    std::vector<ColonnaConfronto> scelte;
    for (int i = 0; i < int(m_dati.colonne.size()); ++i)
        if (!elenco || elenco->item(i)->checkState() == Qt::Checked)
            scelte.push_back(m_dati.colonne[size_t(i)]);
    m_modello->imposta(std::move(scelte));
    if (m_rigaOrdinata >= 0)
        m_modello->ordina(riga(m_rigaOrdinata), m_verso);
    // The unmet requirement, as the results screen warns of it.
    QStringList mancanti;
    for (const ColonnaConfronto& c : m_modello->colonne())
        if (richiestaNonRaggiunta(c, m_dati.potenzaRichiestaW))
            mancanti << QString::fromStdString(c.codice);
    informazioni->setText(mancanti.isEmpty()
                              ? QString()
                              : testoExtra(TestoExtra::RichiestaNonRaggiunta, m_dati.indiceLingua) +
                                    QStringLiteral(": ") + mancanti.join(QStringLiteral(", ")));
}

QString cfrmConfronto::htmlStampa() const {
    auto esc = [](const QString& s) { return s.toHtmlEscaped(); };
    QString h = QStringLiteral("<h3>%1</h3><p>%2</p>").arg(esc(windowTitle()), esc(intestazione()));
    h += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><th></th>");
    for (int c = 0; c < m_modello->columnCount(); ++c)
        h += QStringLiteral("<th bgcolor=\"#e4e8f0\">%1</th>")
                 .arg(esc(m_modello->headerData(c, Qt::Horizontal).toString()));
    h += QStringLiteral("</tr>");
    for (int r = 0; r < m_modello->rowCount(); ++r) {
        h += QStringLiteral("<tr><td>%1</td>")
                 .arg(esc(m_modello->headerData(r, Qt::Vertical).toString()));
        for (int c = 0; c < m_modello->columnCount(); ++c) {
            const QModelIndex i = m_modello->index(r, c);
            QString t = esc(i.data().toString());
            if (i.data(Qt::FontRole).isValid())
                t = QStringLiteral("<b>%1</b>").arg(t);
            if (i.data(Qt::ForegroundRole).isValid())
                t = QStringLiteral("<font color=\"#c80000\">%1</font>").arg(t);
            h += QStringLiteral("<td align=\"right\"%1>%2</td>")
                     .arg(i.data(Qt::BackgroundRole).isValid()
                              ? QStringLiteral(" bgcolor=\"#c8ebc8\"")
                              : QString(),
                          t);
        }
        h += QStringLiteral("</tr>");
    }
    h += QStringLiteral("</table><p><font color=\"#c80000\">%1</font></p>")
             .arg(esc(informazioni->text()));
    return h;
}

TabellaEsportazione cfrmConfronto::tabellaEsportazione() const {
    TabellaEsportazione t;
    t.titolo = windowTitle();
    t.intestazione << intestazione();
    t.colonne << testoExtra(TestoExtra::Confronto, m_dati.indiceLingua);
    t.schemi << QString();
    for (int r = 0; r < NumeroRigheConfronto; ++r) {
        t.colonne << m_modello->headerData(r, Qt::Vertical).toString();
        t.schemi << ModelloConfronto::formato(riga(r));
    }
    for (int c = 0; c < m_modello->columnCount(); ++c) {
        const ColonnaConfronto& col = m_modello->colonne()[size_t(c)];
        QVector<QVariant> v{QString::fromStdString(col.codice)};
        for (int r = 0; r < NumeroRigheConfronto; ++r) {
            const double x = valoreConfronto(col, riga(r), m_dati.potenzaRichiestaW);
            v << (std::isfinite(x) ? QVariant(x) : QVariant());
        }
        t.righe << v;
    }
    return t;
}

void cfrmConfronto::stampa() {
    auto d = std::make_shared<DocumentoRapporto>();
    d->documento = windowTitle();
    d->orizzontale = m_modello->columnCount() > 4;
    d->html = htmlStampa();
    auto p = std::make_shared<ParametriRapporto>();
    auto stampante = std::make_shared<QPrinter>(QPrinter::HighResolution);
    stampante->setPageLayout(impaginazioneRapporto(d->orizzontale));
    stampante->setDocName(d->documento);
    // Not modal: the preview never blocks the program or a test.
    auto* anteprima = new QPrintPreviewDialog(stampante.get(), this);
    anteprima->setAttribute(Qt::WA_DeleteOnClose);
    connect(anteprima, &QPrintPreviewDialog::paintRequested, anteprima,
            [d, p, stampante](QPrinter* s) { disegnaRapporto(*d, *p, *s); });
    anteprima->open();
}

cfrmConfronto* mostraConfronto(const StatoMotore& base, const std::vector<RigaCompressore>& righe,
                               DatiConfronto dati, const LibreriaProprieta& lib, QMdiArea* area) {
    class Messaggi : public MessaggiMotore {
    public:
        void mostra(const std::string& testo) override {
            ServizioMessaggi::corrente().errore(QApplication::applicationDisplayName(),
                                                QString::fromStdString(testo));
        }
    } messaggi;
    const Esito e = ConfrontaCompressori(base, righe, lib, messaggi, dati.colonne);
    if (!e.ok()) {
        ServizioMessaggi::corrente().errore(QApplication::applicationDisplayName(),
                                            QString::fromStdString(e.messaggio));
        return nullptr;
    }
    auto* f = new cfrmConfronto(std::move(dati));
    f->setAttribute(Qt::WA_DeleteOnClose);
    if (area) {
        QMdiSubWindow* s = area->addSubWindow(f);
        s->setAttribute(Qt::WA_DeleteOnClose);
        s->resize(800, 380);
        s->show();
    } else {
        f->show();
    }
    return f;
}
