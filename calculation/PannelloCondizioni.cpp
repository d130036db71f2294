#include "calculation/PannelloCondizioni.h"

#include "engine/Prestazioni.h"

#include "dati/ComboDati.h"
#include "dati/SorgenteDati.h" // before ComboDati.h, whose inline accessor needs it
#include "platform/FormatoNumero.h"
#include "platform/LetturaNumeri.h"
#include "platform/TestoUtf8.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const std::array<const char*, 5> DidascalieTensioni = {
    "380-420 V / 3 / 50Hz", "220-240 V / 3 / 50Hz", "440-480 V / 3 / 60Hz ", "380-420 V / 3 / 60Hz",
    "220-240 V / 3 / 60Hz "};
// The selection screen's copy carries two captions of its own.
const std::array<const char*, 5> DidascalieTensioniSelezione = {
    "380-420 V / 3 / 50Hz", "220-240 V / 3 / 50Hz", "440-480 V / 3 / 60Hz", "380-420 V / 3 / 60Hz",
    "220-240 V /3 / 60Hz"};

const std::array<const char*, 5> EtichetteCampi = {
    "Temperatura di evaporazione", "Temperatura di condensazione", "Temperatura uscita evaporatore",
    "Temperatura del liquido", "Temperatura aspirazione compressore"};

bool dentroCombo(QObject* o) {
    for (QObject* p = o; p; p = p->parent())
        if (qobject_cast<QComboBox*>(p))
            return true;
    return false;
}

} // namespace

bool PannelloCondizioni::numerico(const QString& testo, double* valore) {
    const std::optional<double> v = valoreNumerico(testo, QLocale());
    if (v && valore)
        *valore = *v;
    return v.has_value();
}

QString formatoPannello(double valore, const QString& modello) {
    return formatoNumero(valore, modello, QLocale());
}

PannelloCondizioni::PannelloCondizioni(StatoApplicazione& stato, ElencoGasPannello gas,
                                       OspitePannello tipo, QWidget* ospite)
    : QObject(ospite), stato(stato), gas(std::move(gas)), tipo(tipo),
      ospite(ospite), digitate{stato.motore.condFunz.TE, stato.motore.condFunz.TC} {
    creaControlli(ospite);
    statoIniziale();
}

void PannelloCondizioni::creaControlli(QWidget* host) {
    fmCondizioni = new QGroupBox(u(" Condizioni di funzionamento "), host);
    auto* griglia = new QGridLayout(fmCondizioni);
    griglia->setHorizontalSpacing(8);
    for (int i = 0; i < NumeroCampi; ++i) {
        Label2[size_t(i)] = new QLabel(u(EtichetteCampi[size_t(i)]), fmCondizioni);
        Text1[size_t(i)] = new QLineEdit(fmCondizioni);
        Text1[size_t(i)]->setObjectName(QString("Text1_%1").arg(i));
        Text1[size_t(i)]->setAlignment(Qt::AlignRight);
        Text1[size_t(i)]->setMaximumWidth(90);
        Panel3D3[size_t(i)] = new QLabel(u("°C"), fmCondizioni);
        Panel3D3[size_t(i)]->setMinimumWidth(24);
        griglia->addWidget(Label2[size_t(i)], i, 0);
        griglia->addWidget(Text1[size_t(i)], i, 1);
        griglia->addWidget(Panel3D3[size_t(i)], i, 2);
        connect(Text1[size_t(i)], &QLineEdit::textChanged, this, [this, i] { campoCambiato(i); });
        Text1[size_t(i)]->installEventFilter(this);
    }
    chkStandard = new QCheckBox(u("Condizioni  Standard"), fmCondizioni);
    chkDifferenziali = new QCheckBox(u("Valori Differenziali"), fmCondizioni);
    griglia->addWidget(chkStandard, NumeroCampi, 0, 1, 3);
    griglia->addWidget(chkDifferenziali, NumeroCampi + 1, 0, 1, 3);
    griglia->setColumnStretch(0, 1);
    // clicked, not toggled: only the user's click applies the mode rules.
    connect(chkStandard, &QCheckBox::clicked, this, [this] { standardCliccato(); });
    connect(chkDifferenziali, &QCheckBox::clicked, this, [this] { differenzialiCliccato(); });

    frmSelezioni = new QGroupBox(u("Selezioni "), host);
    auto* sel = new QGridLayout(frmSelezioni);
    etichettaRefrigerante = new QLabel(u("Gas"), frmSelezioni);
    CSCombo2 = new ComboDati(frmSelezioni);
    CSCombo2->setObjectName("CSCombo2");
    CSCombo2->setMinimumWidth(120);
    sel->addWidget(etichettaRefrigerante, 0, 0);
    sel->addWidget(CSCombo2, 0, 1);
    connect(CSCombo2, &ComboDati::testoCambiato, this, [this] { testoRefrigeranteCambiato(); });
    CSCombo2->installEventFilter(this);

    fmNonAzeo = new QGroupBox(u("Miscela zeotropica "), host);
    auto* zeo = new QVBoxLayout(fmNonAzeo);
    Option1[0] = new QRadioButton(u("Rugiada (dew temp.)"), fmNonAzeo);
    Option1[1] = new QRadioButton(u("Bolla (bubble temp.)"), fmNonAzeo);
    testoInfo = u("Informazioni su R407C");
    cmdInfo407C = new QPushButton(testoInfo, fmNonAzeo);
    for (int i = 0; i < 2; ++i) {
        zeo->addWidget(Option1[size_t(i)]);
        connect(Option1[size_t(i)], &QRadioButton::clicked, this,
                [this, i] { stato.schermi.RiferimentoBolla = (i == 1); });
    }
    zeo->addWidget(cmdInfo407C);

    frmTensioni = new QGroupBox(u(" Tensione / fasi / frequenza "), host);
    auto* ten = new QVBoxLayout(frmTensioni);
    const auto& didascalie =
        tipo == OspitePannello::Selezione ? DidascalieTensioniSelezione : DidascalieTensioni;
    for (int i = 0; i < NumeroTensioni; ++i) {
        optTensioni[size_t(i)] = new QRadioButton(u(didascalie[size_t(i)]), frmTensioni);
        ten->addWidget(optTensioni[size_t(i)]);
        connect(optTensioni[size_t(i)], &QRadioButton::clicked, this, [this] {
            for (int k = 0; k < NumeroTensioni; ++k)
                if (optTensioni[size_t(k)]->isChecked())
                    stato.motore.condFunz.IndiceTensione = int16_t(k);
        });
    }
}

// The design state every opening starts from.
void PannelloCondizioni::statoIniziale() {
    chkStandard->setChecked(true);
    chkDifferenziali->setChecked(false);
    const QColor testo = QApplication::palette().color(QPalette::Window);
    for (int i = 0; i < NumeroCampi; ++i) {
        QLineEdit* t = Text1[size_t(i)];
        QPalette p = t->palette();
        p.setColor(QPalette::Text, testo);
        t->setPalette(p);
        if (i < 2) {
            impostaSfondo(i, AzzurroCampi);
        } else {
            // The selection screen's fields open black but editable until the first click.
            t->setEnabled(tipo == OspitePannello::Selezione);
            impostaSfondo(i, NeroCampi);
        }
    }
    for (QLabel* l : Panel3D3)
        l->setText(u("°C"));
    optTensioni[0]->setChecked(true);
    Option1[0]->setChecked(true);
    // The shared flags follow what the panel shows, so a reopened screen cannot compute in a
    // mode other than the one on display.
    CondFunz& cf = stato.motore.condFunz;
    cf.CondizioniStandard = true;
    cf.ValoriDifferenziali = false;
    cf.IndiceTensione = 0;
    stato.schermi.RiferimentoBolla = false;
}

void PannelloCondizioni::impostaSfondo(int i, const QColor& colore) {
    QLineEdit* t = Text1[size_t(i)];
    QPalette p = t->palette();
    p.setColor(QPalette::Base, colore);
    t->setPalette(p);
    t->setAutoFillBackground(true);
    sfondi[size_t(i)] = colore;
}

double& PannelloCondizioni::destinazione(int i) {
    CondFunz& cf = stato.motore.condFunz;
    switch (i) {
    case 0:
        return cf.TE;
    case 1:
        return cf.TC;
    case 2:
        return cf.TU;
    case 3:
        return cf.TL;
    default:
        return cf.TA;
    }
}

void PannelloCondizioni::campoCambiato(int i) {
    const QString t = Text1[size_t(i)]->text();
    if (i >= 2 && t.trimmed().isEmpty()) {
        destinazione(i) = NonDato;
        return;
    }
    double v = 0;
    if (numerico(t, &v)) {
        destinazione(i) = v;
        if (i < 2)
            digitate[size_t(i)] = v;
    }
}

void PannelloCondizioni::campoLasciato(int i) {
    const bool std = chkStandard->isChecked(), dif = chkDifferenziali->isChecked();
    if (i == 0 && std && dif) {
        // The standard superheat follows the new evaporating temperature.
        const QString te = Text1[0]->text();
        if (te.trimmed().isEmpty()) {
            Text1[2]->clear();
            Text1[4]->clear();
        } else {
            double x = 0;
            if (!numerico(te, &x))
                x = 0;
            Text1[2]->setText(formatoPannello(gas.valore("DTsurEvapSTD").toDouble() - x, "##.0"));
            Text1[4]->setText(Text1[2]->text());
        }
    } else if (i == 1 && std && !dif) {
        Text1[3]->setText(Text1[1]->text());
        campoCambiato(3);
    } else if (i >= 2) {
        campoCambiato(i);
    }
}

void PannelloCondizioni::CompilaStandard() {
    if (chkDifferenziali->isChecked()) {
        const QString te = Text1[0]->text();
        if (!te.trimmed().isEmpty()) {
            double x = 0;
            if (!numerico(te, &x))
                x = 0;
            Text1[2]->setText(formatoPannello(gas.valore("DTsurEvapSTD").toDouble() - x, "##.0"));
            Text1[4]->setText(Text1[2]->text());
        } else {
            Text1[2]->clear();
            Text1[4]->clear();
        }
        Text1[3]->setText(formatoPannello(gas.valore("DTSotSTD").toDouble(), "##.0"));
    } else {
        const double t0 = gas.valore("TUEStd").toDouble();
        Text1[2]->setText(formatoPannello(t0, "00.0"));
        Text1[3]->setText(Text1[1]->text());
        Text1[4]->setText(formatoPannello(t0, "00.0"));
    }
}

void PannelloCondizioni::standardCliccato() {
    if (chkStandard->isChecked()) {
        stato.motore.condFunz.CondizioniStandard = true;
        for (int i = 2; i < NumeroCampi; ++i) {
            Text1[size_t(i)]->setEnabled(false);
            impostaSfondo(i, NeroCampi);
        }
        CompilaStandard();
    } else {
        for (int i = 2; i < NumeroCampi; ++i) {
            Text1[size_t(i)]->setEnabled(true);
            impostaSfondo(i, AzzurroCampi);
            Text1[size_t(i)]->clear();
            // clear() on an already empty field emits nothing; the sentinel must be stored anyway.
            campoCambiato(i);
        }
        stato.motore.condFunz.CondizioniStandard = false;
    }
}

void PannelloCondizioni::aggiornaEtichetteModo() {
    const bool dif = chkDifferenziali->isChecked();
    const QStringList& e = stato.lingua.EtichetteCondizioni;
    for (int i = 2; i < NumeroCampi; ++i) {
        Panel3D3[size_t(i)]->setText(dif ? u("K") : u("°C"));
        Label2[size_t(i)]->setText(e.value(i - 2 + (dif ? 3 : 0)));
    }
}

void PannelloCondizioni::differenzialiCliccato() {
    stato.motore.condFunz.ValoriDifferenziali = chkDifferenziali->isChecked();
    aggiornaEtichetteModo();
    if (chkStandard->isChecked())
        CompilaStandard();
}

void PannelloCondizioni::riprendiDigitate() {
    // A computation with the bubble reference replaced TE and TC by dew points.
    CondFunz& cf = stato.motore.condFunz;
    cf.TE = digitate[0];
    cf.TC = digitate[1];
    cf.RiferimentoBolla = stato.schermi.RiferimentoBolla && !fmNonAzeo->isHidden();
}

void PannelloCondizioni::ApplicaCondizioni() {
    CondFunz& cf = stato.motore.condFunz;
    riprendiDigitate();
    const bool dif = chkDifferenziali->isChecked();
    for (int i = 2; i < NumeroCampi; ++i) {
        const QString t = Text1[size_t(i)]->text();
        double v = 0;
        if (t.trimmed().isEmpty()) {
            destinazione(i) = NonDato;
        } else if (numerico(t, &v)) {
            if (!dif) {
                destinazione(i) = v;
            } else if (i == 2) {
                cf.DeltaTU = v;
                cf.TU = cf.TE + v;
            } else if (i == 3) {
                cf.Sottoraffreddamento = v;
                cf.TL = cf.TC - v;
            } else {
                cf.Surriscaldamento = v;
                cf.TA = cf.TE + v;
            }
        }
    }
}

void PannelloCondizioni::ApplicaCondizioniSelezione() {
    riprendiDigitate();
    if (chkDifferenziali->isChecked()) {
        ApplicaCondizioni();
        return;
    }
    for (int i = 2; i < NumeroCampi; ++i) {
        const QString t = Text1[size_t(i)]->text();
        if (t.trimmed().isEmpty()) {
            destinazione(i) = NonDato;
        } else if (const std::optional<double> v = numeroIniziale(t)) {
            destinazione(i) = *v;
        }
    }
}

void PannelloCondizioni::seguiRigaGas() {
    // Null counts as not azeotropic.
    const QVariant az = gas.valore("flAZ");
    fmNonAzeo->setVisible(!(az.isValid() && !az.isNull() && az.toBool()));
    nominaInfo();
}

void PannelloCondizioni::nominaInfo() {
    // The information button speaks of the refrigerant it opens for.
    const QString codice = gas.valore ? gas.valore("CodiceGas").toString() : QString();
    QString t = testoInfo;
    if (!codice.isEmpty())
        t.replace(QStringLiteral("R407C"), codice);
    cmdInfo407C->setText(t);
}

void PannelloCondizioni::cercaRefrigerante() {
    const QString codice = CSCombo2->currentText();
    stato.schermi.CodiceGasCorrente = codice;
    // A code that is not in the list (a half-typed one) leaves the refrigerant facts alone.
    if (!gas.trovaPrimo || !gas.trovaPrimo("CodiceGas ='" + codice + "'"))
        return;
    stato.schermi.NomeDis = gas.valore("NomeDis").toString();
    stato.motore.condFunz.T0 = gas.valore("TUEStd").toDouble();
    seguiRigaGas();
}

void PannelloCondizioni::testoRefrigeranteCambiato() {
    cercaRefrigerante();
    if (chkStandard->isChecked())
        CompilaStandard();
    emit refrigeranteCambiato();
}

void PannelloCondizioni::tagliaTensionik8(bool bk8) {
    for (int i = 0; i < NumeroTensioni; ++i)
        optTensioni[size_t(i)]->setVisible(TensioneOfferta(i, bk8));
    // An option no longer on screen must not stay in force unseen.
    CondFunz& cf = stato.motore.condFunz;
    if (!TensioneOfferta(cf.IndiceTensione, bk8)) {
        optTensioni[0]->setChecked(true);
        cf.IndiceTensione = 0;
    }
}

void PannelloCondizioni::applicaEtichette(const std::function<QString(const QString&)>& etichetta) {
    fmCondizioni->setTitle(etichetta("DescCondFunz"));
    Label2[0]->setText(etichetta("DescCalc10"));
    Label2[1]->setText(etichetta("DescCalc11"));
    chkStandard->setText(etichetta("DescCondStd"));
    chkDifferenziali->setText(etichetta("DescValDif"));
    frmSelezioni->setTitle(etichetta("Selezioni"));
    etichettaRefrigerante->setText(etichetta("DescGas"));
    fmNonAzeo->setTitle(etichetta("DescMZEO"));
    Option1[0]->setText(etichetta("Mzeo1"));
    Option1[1]->setText(etichetta("Mzeo2"));
    testoInfo = etichetta("descinfo407c");
    nominaInfo();
    frmTensioni->setTitle(etichetta("DescTFF"));
    QStringList& e = stato.lingua.EtichetteCondizioni;
    const std::array<const char*, 6> chiavi = {"DescCalc12", "DescCalc13", "DescCalc14",
                                               "SUE",        "sdl",        "sas"};
    e = QStringList();
    for (const char* k : chiavi)
        e << etichetta(QString::fromLatin1(k));
}

void PannelloCondizioni::installaTasti() {
    const auto figli = ospite->findChildren<QWidget*>();
    for (QWidget* w : figli)
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(this);
}

void PannelloCondizioni::chiudiOspite() {
    if (auto* sotto = qobject_cast<QMdiSubWindow*>(ospite->parentWidget()))
        sotto->close();
    else
        ospite->close();
}

// Moves focus along the host's tab order as a Tab or Backtab key would.
static void spostaFuoco(QObject* da, bool avanti) {
    QKeyEvent tab(QEvent::KeyPress, avanti ? Qt::Key_Tab : Qt::Key_Backtab,
                  avanti ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(da, &tab);
}

bool PannelloCondizioni::tastoOspite(QObject* oggetto, int tasto) {
    // Inside a combo the arrows (and Esc) belong to its list.
    if (dentroCombo(oggetto))
        return false;
    switch (tasto) {
    case Qt::Key_Escape:
        chiudiOspite();
        return true;
    case Qt::Key_Up:
        spostaFuoco(oggetto, false);
        return true;
    case Qt::Key_Down:
        spostaFuoco(oggetto, true);
        return true;
    default:
        return false;
    }
}

bool PannelloCondizioni::eventFilter(QObject* oggetto, QEvent* evento) {
    const auto tipoEvento = evento->type();
    if (tipoEvento == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        const bool campoOCombo = dentroCombo(oggetto) ||
                                 std::find(Text1.begin(), Text1.end(), oggetto) != Text1.end() ||
                                 oggetto->property("invioAvanti").toBool();
        if ((tasto == Qt::Key_Return || tasto == Qt::Key_Enter) && campoOCombo) {
            spostaFuoco(oggetto, true);
            return true;
        }
        if (tastoOspite(oggetto, tasto))
            return true;
    } else if (tipoEvento == QEvent::FocusIn || tipoEvento == QEvent::FocusOut) {
        for (int i = 0; i < NumeroCampi; ++i) {
            if (oggetto != Text1[size_t(i)])
                continue;
            if (tipoEvento == QEvent::FocusIn)
                emit campoAttivato(i);
            else
                campoLasciato(i);
        }
    }
    return QObject::eventFilter(oggetto, evento);
}
