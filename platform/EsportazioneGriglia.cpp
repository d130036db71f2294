#include "platform/EsportazioneGriglia.h"

#include "platform/LetturaNumeri.h"
#include "platform/ServizioMessaggi.h"
#include "platform/TestiSchermiExtra.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QShortcut>
#include <QWidget>

namespace {
ServizioFile* installato = nullptr;

QVariant cella(const QAbstractItemModel& m, const QModelIndex& i) {
    const QVariant v = m.data(i, Qt::EditRole);
    if (v.isValid() && v.typeId() != QMetaType::QString && v.canConvert<double>())
        return v.toDouble();
    const QString t = m.data(i, Qt::DisplayRole).toString().trimmed();
    if (t.isEmpty())
        return {};
    const QLocale loc;
    QString senzaGruppi = t;
    senzaGruppi.remove(loc.groupSeparator());
    if (const auto n = valoreNumerico(senzaGruppi, loc))
        return *n;
    return t;
}
} // namespace

ServizioFile& ServizioFile::corrente() {
    static FileQt reale;
    return installato ? *installato : reale;
}

void ServizioFile::installa(ServizioFile* servizio) {
    installato = servizio;
}

QString FileQt::nomeSalvataggio(QWidget* genitore, const QString& titolo, const QString& filtro) {
    return QFileDialog::getSaveFileName(genitore, titolo, QString(), filtro);
}

FileDiProva::FileDiProva() : precedente(installato) {
    ServizioFile::installa(this);
}
FileDiProva::~FileDiProva() {
    ServizioFile::installa(precedente);
}

QString FileDiProva::nomeSalvataggio(QWidget*, const QString&, const QString& filtro) {
    richieste << filtro;
    return risposte.isEmpty() ? QString() : risposte.takeFirst();
}

TabellaEsportazione tabellaDaModello(const QAbstractItemModel& m, const QString& titolo,
                                     const QStringList& intestazione, bool conTitoliRighe,
                                     const QStringList& schemi) {
    TabellaEsportazione t;
    t.titolo = titolo;
    t.intestazione = intestazione;
    t.schemi = schemi;
    if (conTitoliRighe)
        t.colonne << QString();
    for (int c = 0; c < m.columnCount(); ++c)
        t.colonne << m.headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < m.rowCount(); ++r) {
        QVector<QVariant> riga;
        if (conTitoliRighe)
            riga << m.headerData(r, Qt::Vertical).toString();
        for (int c = 0; c < m.columnCount(); ++c)
            riga << cella(m, m.index(r, c));
        t.righe << riga;
    }
    return t;
}

void copiaTabelle(const QVector<TabellaEsportazione>& tabelle) {
    QApplication::clipboard()->setText(testoTabulato(tabelle, QLocale()));
}

bool salvaTabelle(const QVector<TabellaEsportazione>& tabelle, FormatoFile formato,
                  QWidget* genitore, int lingua) {
    const bool xlsx = formato == FormatoFile::Xlsx;
    const QString titolo = testoExtra(xlsx ? TestoExtra::SalvaXlsx : TestoExtra::SalvaCsv, lingua);
    QString file = ServizioFile::corrente().nomeSalvataggio(
        genitore, titolo, xlsx ? QStringLiteral("Excel (*.xlsx)") : QStringLiteral("CSV (*.csv)"));
    if (file.isEmpty())
        return false;
    const QString estensione = xlsx ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
    if (!file.endsWith(estensione, Qt::CaseInsensitive))
        file += estensione;
    QString errore;
    const bool ok = xlsx ? scriviXlsx(tabelle, file, &errore)
                         : scriviCsv(tabelle, file,
                                     formato == FormatoFile::CsvPunto ? DecimaleCsv::Punto
                                                                      : DecimaleCsv::Locale,
                                     QLocale(), &errore);
    if (!ok)
        ServizioMessaggi::corrente().errore(QApplication::applicationDisplayName(),
                                            errore.isEmpty() ? testoErroreScrittura(lingua)
                                                             : errore);
    return ok;
}

void agganciaEsportazione(QWidget* vista, FonteTabelle tabelle, int lingua, FonteTabelle perFile) {
    auto* copia = new QShortcut(QKeySequence::Copy, vista);
    copia->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copia, &QShortcut::activated, vista, [tabelle] { copiaTabelle(tabelle()); });
    vista->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto azione = [&](TestoExtra testo, std::function<void()> fare) {
        auto* a = new QAction(testoExtra(testo, lingua), vista);
        QObject::connect(a, &QAction::triggered, vista, fare);
        vista->addAction(a);
    };
    azione(TestoExtra::Copia, [tabelle] { copiaTabelle(tabelle()); });
    if (perFile)
        tabelle = perFile;
    azione(TestoExtra::SeparatoreLocale,
           [=] { salvaTabelle(tabelle(), FormatoFile::CsvLocale, vista, lingua); });
    azione(TestoExtra::SeparatorePunto,
           [=] { salvaTabelle(tabelle(), FormatoFile::CsvPunto, vista, lingua); });
    azione(TestoExtra::SalvaXlsx,
           [=] { salvaTabelle(tabelle(), FormatoFile::Xlsx, vista, lingua); });
}
