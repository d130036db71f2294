#include "tables/ModelloTabella.h"

#include "catalogue/Istantanea.h"
#include "dati/SorgenteDati.h"
#include "platform/FormatoNumero.h"

#include <QBrush>
#include <QColor>

ModelloTabella::ModelloTabella(SorgenteDati* sorgente, QObject* parent)
    : QAbstractTableModel(parent), m_sorgente(sorgente) {
    if (!sorgente)
        return;
    // The source replaces its snapshot before it signals; only the reset is left to do.
    connect(sorgente, &SorgenteDati::aggiornato, this, [this] {
        beginResetModel();
        ++m_azzeramenti;
        endResetModel();
    });
    connect(sorgente, &QObject::destroyed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

void ModelloTabella::impostaSchema(const QString& schema) {
    if (schema == m_schema)
        return;
    m_schema = schema;
    if (rowCount() > 0)
        emit dataChanged(index(0, 1), index(rowCount() - 1, NumeroColonne - 1));
}

void ModelloTabella::impostaLocale(const QLocale& locale) {
    m_locale = locale;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, NumeroColonne - 1));
}

int ModelloTabella::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_sorgente)
        return 0;
    return m_sorgente->righe().numeroRighe();
}

int ModelloTabella::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NumeroColonne;
}

QVariant ModelloTabella::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || !m_sorgente || indice.row() >= rowCount() ||
        indice.column() >= NumeroColonne)
        return {};
    const QString nome = indice.column() == 0
                             ? QStringLiteral("Tvap")
                             : QStringLiteral("Tc%1").arg(25 + 5 * indice.column());
    const QVariant v = m_sorgente->righe().valore(indice.row(), nome);
    switch (ruolo) {
    case Qt::DisplayRole: {
        if (v.isNull())
            return QString();
        bool ok = false;
        const double d = v.toDouble(&ok);
        if (!ok)
            return v.toString();
        if (indice.column() == 0)
            return formatoNumero(d, QStringLiteral("0"), m_locale);
        return formatoNumero(d, m_schema, m_locale);
    }
    case Qt::EditRole:
        return v;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(indice.column() == 0 ? Qt::AlignCenter
                                                        : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (indice.column() == 0)
            return QBrush(QColor::fromRgb(ColoreIntestazione));
        return {};
    default:
        return {};
    }
}

QVariant ModelloTabella::headerData(int sezione, Qt::Orientation o, int ruolo) const {
    if (ruolo != Qt::DisplayRole)
        return QAbstractTableModel::headerData(sezione, o, ruolo);
    if (o == Qt::Horizontal) {
        if (sezione < 0 || sezione >= NumeroColonne)
            return {};
        return sezione == 0 ? QString() : QStringLiteral("Tc%1").arg(25 + 5 * sezione);
    }
    return QAbstractTableModel::headerData(sezione, o, ruolo);
}
