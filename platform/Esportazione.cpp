#include "platform/Esportazione.h"

#include "platform/FormatoNumero.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>

#include <xlsxwriter.h>

#include <cmath>

namespace {

bool eSegnaposto(QChar c) {
    return c == '0' || c == '#' || c == ',' || c == '.';
}

bool eNumero(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

// The picture for text meant to be read back: no grouping (a group mark reads as a
// decimal in another locale), at least one integer digit (".50" is not a number to
// every reader), no texts around the digits.
QString schemaPiano(const QString& schema) {
    int inizio = 0, fine = int(schema.size());
    while (inizio < fine && !eSegnaposto(schema[inizio]))
        ++inizio;
    while (fine > inizio && !eSegnaposto(schema[fine - 1]))
        --fine;
    QString corpo = schema.mid(inizio, fine - inizio);
    corpo.remove(',');
    qsizetype punto = corpo.indexOf('.');
    if (punto < 0)
        punto = corpo.size();
    const QString interi = corpo.left(punto);
    if (!interi.contains('0')) {
        if (interi.isEmpty())
            corpo.insert(0, '0');
        else
            corpo[punto - 1] = '0';
    }
    return corpo;
}

QString testoCella(const QVariant& v, const QString& schema, const QLocale& locale) {
    if (v.isNull())
        return {};
    if (!eNumero(v))
        return v.toString();
    const double x = v.toDouble();
    if (!std::isfinite(x))
        return {};
    if (schema.isEmpty())
        return testoNumero(x, locale);
    QString t = formatoNumero(x, schemaPiano(schema), locale);
    if (t.endsWith(locale.decimalPoint()))
        t.chop(locale.decimalPoint().size());
    return t;
}

// Rows of fields: the header block, a blank line, the headings, the data; a blank line
// between tables.
QVector<QStringList> righeTesto(const QVector<TabellaEsportazione>& tabelle,
                                const QLocale& locale) {
    QVector<QStringList> righe;
    for (const TabellaEsportazione& t : tabelle) {
        if (!righe.isEmpty())
            righe.append(QStringList());
        righe.append(QStringList{t.titolo});
        for (const QString& riga : t.intestazione)
            righe.append(QStringList{riga});
        righe.append(QStringList());
        righe.append(t.colonne);
        for (const auto& r : t.righe) {
            QStringList campi;
            for (int c = 0; c < r.size(); ++c)
                campi.append(
                    testoCella(r[c], c < t.schemi.size() ? t.schemi[c] : QString(), locale));
            righe.append(campi);
        }
    }
    return righe;
}

QString campoCsv(const QString& campo, QChar separatore) {
    if (!campo.contains(separatore) && !campo.contains('"') && !campo.contains('\n') &&
        !campo.contains('\r'))
        return campo;
    QString t = campo;
    t.replace('"', "\"\"");
    return '"' + t + '"';
}

// Excel: at most 31 characters, none of []:*?/\, not starting or ending with a quote,
// unique without regard to case.
QString nomeFoglio(const QString& titolo, int numero, QSet<QString>& usati) {
    QString base = titolo;
    for (QChar& c : base)
        if (QStringLiteral("[]:*?/\\").contains(c))
            c = '_';
    while (base.startsWith('\''))
        base.remove(0, 1);
    while (base.endsWith('\''))
        base.chop(1);
    base = base.trimmed();
    if (base.isEmpty())
        base = QStringLiteral("Tabella %1").arg(numero);
    base = base.left(31);
    QString nome = base;
    for (int n = 2; usati.contains(nome.toLower()); ++n) {
        const QString coda = QStringLiteral(" (%1)").arg(n);
        nome = base.left(31 - coda.size()) + coda;
    }
    usati.insert(nome.toLower());
    return nome;
}

} // namespace

QString formatoExcel(const QString& schema) {
    int inizio = 0, fine = int(schema.size());
    while (inizio < fine && !eSegnaposto(schema[inizio]))
        ++inizio;
    while (fine > inizio && !eSegnaposto(schema[fine - 1]))
        --fine;
    if (inizio == fine)
        return QStringLiteral("General");
    auto letterale = [](QString t) { return t.isEmpty() ? t : '"' + t.replace('"', "\\\"") + '"'; };
    return letterale(schema.left(inizio)) + schema.mid(inizio, fine - inizio) +
           letterale(schema.mid(fine));
}

QString testoTabulato(const QVector<TabellaEsportazione>& tabelle, const QLocale& locale) {
    QString testo;
    for (QStringList campi : righeTesto(tabelle, locale)) {
        for (QString& c : campi) {
            c.replace('\t', ' ');
            c.replace('\n', ' ');
            c.replace('\r', ' ');
        }
        testo += campi.join('\t') + '\n';
    }
    return testo;
}

QString testoCsv(const QVector<TabellaEsportazione>& tabelle, DecimaleCsv decimale,
                 const QLocale& locale) {
    const QLocale numeri = decimale == DecimaleCsv::Punto ? QLocale::c() : locale;
    const QChar separatore = numeri.decimalPoint() == QStringLiteral(",") ? ';' : ',';
    QString testo;
    for (const QStringList& campi : righeTesto(tabelle, numeri)) {
        QStringList quotati;
        for (const QString& c : campi)
            quotati.append(campoCsv(c, separatore));
        testo += quotati.join(separatore) + QStringLiteral("\r\n");
    }
    return testo;
}

bool scriviCsv(const QVector<TabellaEsportazione>& tabelle, const QString& percorso,
               DecimaleCsv decimale, const QLocale& locale, QString* errore) {
    QSaveFile file(percorso);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(testoCsv(tabelle, decimale, locale).toUtf8());
        if (file.commit())
            return true;
    }
    if (errore)
        *errore = percorso + ": " + file.errorString();
    return false;
}

bool scriviXlsx(const QVector<TabellaEsportazione>& tabelle, const QString& percorso,
                QString* errore) {
    auto fallito = [&](const QString& motivo) {
        if (errore)
            *errore = percorso + ": " + motivo;
        return false;
    };
    // libxlsxwriter writes the file only when the workbook closes; check the place first
    // so a bad path gives the system's reason.
    {
        QFile prova(percorso);
        const bool esisteva = prova.exists();
        if (!prova.open(QIODevice::WriteOnly | QIODevice::Append))
            return fallito(prova.errorString());
        prova.close();
        if (!esisteva)
            prova.remove();
    }
    const QByteArray nomeFile = QFile::encodeName(percorso);
    lxw_workbook* libro = workbook_new(nomeFile.constData());
    if (!libro)
        return fallito(QStringLiteral("libxlsxwriter"));
    lxw_format* grassetto = workbook_add_format(libro);
    format_set_bold(grassetto);
    QHash<QString, lxw_format*> formati;
    auto formato = [&](const QString& schema) {
        auto it = formati.find(schema);
        if (it != formati.end())
            return *it;
        lxw_format* f = workbook_add_format(libro);
        format_set_num_format(f, formatoExcel(schema).toUtf8().constData());
        return *formati.insert(schema, f);
    };
    QSet<QString> usati;
    for (int n = 0; n < tabelle.size(); ++n) {
        const TabellaEsportazione& t = tabelle[n];
        const QByteArray nome = nomeFoglio(t.titolo, n + 1, usati).toUtf8();
        lxw_worksheet* foglio = workbook_add_worksheet(libro, nome.constData());
        if (!foglio) {
            workbook_close(libro);
            return fallito(QStringLiteral("sheet ") + QString::fromUtf8(nome));
        }
        lxw_row_t riga = 0;
        worksheet_write_string(foglio, riga++, 0, t.titolo.toUtf8().constData(), grassetto);
        for (const QString& r : t.intestazione)
            worksheet_write_string(foglio, riga++, 0, r.toUtf8().constData(), nullptr);
        ++riga;
        for (int c = 0; c < t.colonne.size(); ++c)
            worksheet_write_string(foglio, riga, lxw_col_t(c), t.colonne[c].toUtf8().constData(),
                                   grassetto);
        ++riga;
        for (const auto& r : t.righe) {
            for (int c = 0; c < r.size(); ++c) {
                const QVariant& v = r[c];
                if (v.isNull())
                    continue;
                if (eNumero(v)) {
                    const double x = v.toDouble();
                    if (!std::isfinite(x))
                        continue;
                    const QString schema = c < t.schemi.size() ? t.schemi[c] : QString();
                    worksheet_write_number(foglio, riga, lxw_col_t(c), x,
                                           schema.isEmpty() ? nullptr : formato(schema));
                } else {
                    worksheet_write_string(foglio, riga, lxw_col_t(c),
                                           v.toString().toUtf8().constData(), nullptr);
                }
            }
            ++riga;
        }
        if (!t.colonne.isEmpty())
            worksheet_set_column(foglio, 0, lxw_col_t(t.colonne.size() - 1), 11, nullptr);
    }
    const lxw_error esito = workbook_close(libro);
    if (esito != LXW_NO_ERROR)
        return fallito(QString::fromUtf8(lxw_strerror(esito)));
    return true;
}

QString testoErroreScrittura(int lingua) {
    static const char* const testi[5] = {
        "Impossibile scrivere il file", "Cannot write the file", "Impossible d'écrire le fichier",
        "Die Datei kann nicht geschrieben werden", "No se puede escribir el archivo"};
    if (lingua < 0 || lingua > 4)
        lingua = 0;
    return QString::fromUtf8(testi[lingua]);
}
