#include "dati/ComboDati.h"

#include "dati/SorgenteDati.h"
#include "platform/FormatoNumero.h"

#include <QAbstractItemView>
#include <QFocusEvent>

namespace {
QString testoCella(const QVariant& v, const QLocale& locale) {
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return testoNumero(v.toDouble(), locale);
    default:
        return v.toString();
    }
}
} // namespace

SorgenteDati* ComboDati::sorgente() const {
    return m_sorgente.data();
}

ComboDati::ComboDati(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // The text is what the user typed: no completion, and Enter adds nothing to the list.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::editTextChanged, this, [this](const QString& t) {
        if (!m_ricarica)
            emit testoCambiato(t);
    });
    connect(this, &QComboBox::activated, this, [this](int indice) {
        if (!m_ricarica)
            emit sceltaElenco(itemText(indice));
    });
}

void ComboDati::collega(SorgenteDati* sorgente, const QString& colonna) {
    m_nomeColonna = colonna;
    m_posizioneColonna = -1;
    collegaSorgente(sorgente);
}

void ComboDati::collega(SorgenteDati* sorgente, int colonna) {
    m_nomeColonna.clear();
    m_posizioneColonna = colonna;
    collegaSorgente(sorgente);
}

void ComboDati::collegaSorgente(SorgenteDati* sorgente) {
    if (m_sorgente)
        disconnect(m_sorgente, nullptr, this, nullptr);
    m_sorgente = sorgente;
    if (sorgente)
        connect(sorgente, &SorgenteDati::aggiornato, this, &ComboDati::ricaricaElenco);
    ricaricaElenco();
}

int ComboDati::colonnaDaLeggere() const {
    if (!m_sorgente)
        return -1;
    if (m_posizioneColonna >= 0)
        return m_posizioneColonna;
    return m_sorgente->righe().indiceColonna(m_nomeColonna);
}

void ComboDati::ricaricaElenco() {
    const QString testoAttuale = currentText();
    m_ricarica = true;
    clear();
    const int colonna = colonnaDaLeggere();
    if (m_sorgente && colonna >= 0) {
        const Istantanea& righe = m_sorgente->righe();
        QStringList voci;
        voci.reserve(righe.numeroRighe());
        for (int r = 0; r < righe.numeroRighe(); ++r)
            voci << testoCella(righe.valore(r, colonna), locale());
        addItems(voci);
    }
    setCurrentIndex(findText(testoAttuale, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    setEditText(testoAttuale);
    m_ricarica = false;
}

void ComboDati::impostaTesto(const QString& testo) {
    // Keeps the list's highlight on the matching entry, if any.
    const int indice = findText(testo, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (indice >= 0 && indice != currentIndex()) {
        setCurrentIndex(indice); // sets the text, raising testoCambiato once
        if (currentText() == testo)
            return;
    }
    setEditText(testo);
}

void ComboDati::focusInEvent(QFocusEvent* evento) {
    QComboBox::focusInEvent(evento);
    if (!m_conFuoco) {
        m_conFuoco = true;
        emit fuocoEntrato();
    }
}

void ComboDati::focusOutEvent(QFocusEvent* evento) {
    QComboBox::focusOutEvent(evento);
    // Focus passing to the combo's own drop-down keeps it inside the combo (the platform
    // may report that as a popup or as a window change).
    const bool versoElenco =
        evento->reason() == Qt::PopupFocusReason || (view() && view()->window()->isVisible());
    if (m_conFuoco && !versoElenco) {
        m_conFuoco = false;
        emit fuocoUscito();
    }
}
