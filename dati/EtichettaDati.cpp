#include "dati/EtichettaDati.h"

#include "dati/SorgenteDati.h"
#include "platform/FormatoNumero.h"

SorgenteDati* EtichettaDati::sorgente() const {
    return m_sorgente.data();
}

EtichettaDati::EtichettaDati(QWidget* parent) : QLabel(parent) {}

EtichettaDati::EtichettaDati(SorgenteDati* sorgente, const QString& colonna, QWidget* parent)
    : QLabel(parent) {
    collega(sorgente, colonna);
}

void EtichettaDati::collega(SorgenteDati* sorgente, const QString& colonna) {
    if (m_sorgente)
        disconnect(m_sorgente, nullptr, this, nullptr);
    m_sorgente = sorgente;
    m_colonna = colonna;
    if (sorgente) {
        connect(sorgente, &SorgenteDati::riposizionato, this, &EtichettaDati::aggiornaTesto);
        connect(sorgente, &SorgenteDati::aggiornato, this, &EtichettaDati::aggiornaTesto);
    }
    aggiornaTesto();
}

void EtichettaDati::impostaSchema(const QString& schema) {
    m_schema = schema;
    aggiornaTesto();
}

void EtichettaDati::aggiornaTesto() {
    setToolTip(QString());
    if (!m_sorgente || m_sorgente->bof() || m_sorgente->eof()) {
        clear();
        return;
    }
    const QVariant v = m_sorgente->valore(m_colonna);
    if (v.isNull()) {
        clear();
        return;
    }
    bool numerico = false;
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
        numerico = true;
        break;
    default:
        break;
    }
    if (!numerico) {
        setText(v.toString());
        // A text may be longer than the cell: the whole of it stays readable.
        setToolTip(text());
        return;
    }
    const double numero = v.toDouble();
    setText(m_schema.isEmpty() ? testoNumero(numero, locale())
                               : formatoNumero(numero, m_schema, locale()));
}
