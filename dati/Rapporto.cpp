#include "dati/Rapporto.h"

#include "catalogue/Catalogo.h"
#include "catalogue/Interrogazioni.h"
#include "platform/FormatoNumero.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
// The date in the locale's short form; month names, where the form has them (the C
// locale's has), in the report's language, never English inside another language.
QString testoData(const ParametriRapporto& p) {
    static const QLocale::Language lingue[] = {QLocale::Italian, QLocale::English, QLocale::French,
                                               QLocale::German, QLocale::Spanish};
    const QString forma = p.locale.dateFormat(QLocale::ShortFormat);
    if (!forma.contains(QLatin1String("MMM")))
        return p.locale.toString(p.data, forma);
    const int l = p.indiceLingua >= 0 && p.indiceLingua <= 4 ? p.indiceLingua : 0;
    return QLocale(lingue[l]).toString(p.data, forma);
}

// Address of a handed-over picture inside the laid-out document.
const QString SchemaImmagine = QStringLiteral("selcomp-immagine:");

// One directive of the layout, with the line it came from.
struct Nodo {
    enum class Tipo {
        Titolo,
        Sottotitolo,
        Testo,
        Campi,
        Tabella,
        Griglia,
        Se,
        Senza,
        Richiede,
        Spazio,
        Salto,
        Immagine
    };
    Tipo tipo;
    int riga = 0;
    QString argomento; // text, query name or value name
    QStringList righe; // lines of a block
    QList<int> numeriRighe;
    std::vector<Nodo> figli; // lines of a "se" block
};

struct Query {
    QString nome, sql;
    int riga = 0;
    Istantanea esito;
};

struct Modello {
    QMap<QString, QStringList> testi; // the template's own texts, five languages each
    QString documento;
    bool orizzontale = false;
    std::vector<Query> query;
    std::vector<Nodo> corpo;
};

QString erroreRiga(const QString& file, int riga, const QString& testo) {
    return QStringLiteral("Modello di stampa %1, riga %2: %3")
        .arg(QFileInfo(file).fileName())
        .arg(riga)
        .arg(testo);
}

// The template's lines into directives. Blocks end with "fine"; "se" blocks nest.
class Lettore {
public:
    Lettore(const QString& file, const QStringList& righe) : file(file), righe(righe) {}

    bool leggi(Modello& m, QString* errore) {
        bool intestazione = false;
        return blocco(m, m.corpo, intestazione, false, errore);
    }

private:
    const QString& file;
    const QStringList& righe;
    int i = 0;

    bool fallisci(QString* errore, int riga, const QString& t) {
        if (errore)
            *errore = erroreRiga(file, riga, t);
        return false;
    }

    bool blocco(Modello& m, std::vector<Nodo>& dove, bool& intestazione, bool dentroSe,
                QString* errore) {
        while (i < righe.size()) {
            const int n = i + 1;
            const QString riga = righe[i++].trimmed();
            if (riga.isEmpty() || riga.startsWith(u'#'))
                continue;
            const int spazio = riga.indexOf(QRegularExpression(QStringLiteral("\\s")));
            const QString parola = (spazio < 0 ? riga : riga.left(spazio)).toLower();
            const QString resto = spazio < 0 ? QString() : riga.mid(spazio + 1).trimmed();
            if (!intestazione) {
                if (parola != QLatin1String("rapporto") || resto != QLatin1String("1"))
                    return fallisci(errore, n,
                                    QStringLiteral("la prima riga deve essere \"rapporto 1\""));
                intestazione = true;
                continue;
            }
            if (parola == QLatin1String("fine")) {
                if (!dentroSe)
                    return fallisci(errore, n, QStringLiteral("\"fine\" senza un blocco aperto"));
                return true;
            }
            if (parola == QLatin1String("documento")) {
                m.documento = resto;
            } else if (parola == QLatin1String("pagina")) {
                if (resto != QLatin1String("orizzontale") && resto != QLatin1String("verticale"))
                    return fallisci(errore, n,
                                    QStringLiteral("pagina vuole \"verticale\" o \"orizzontale\""));
                m.orizzontale = resto == QLatin1String("orizzontale");
            } else if (parola == QLatin1String("testi")) {
                QStringList lingue = resto.split(u'|');
                for (QString& t : lingue)
                    t = t.trimmed();
                if (lingue.size() != 6 || lingue[0].isEmpty())
                    return fallisci(errore, n,
                                    QStringLiteral("testi vuole una chiave e cinque lingue"));
                const QString chiave = lingue.takeFirst().toLower();
                m.testi.insert(chiave, lingue);
            } else if (parola == QLatin1String("query")) {
                const int s = resto.indexOf(u' ');
                if (s <= 0)
                    return fallisci(errore, n,
                                    QStringLiteral("query vuole un nome e il testo SQL"));
                m.query.push_back({resto.left(s), resto.mid(s + 1).trimmed(), n, {}});
            } else if (parola == QLatin1String("richiede")) {
                dove.push_back({Nodo::Tipo::Richiede, n, resto, {}, {}, {}});
            } else if (parola == QLatin1String("se") || parola == QLatin1String("senza")) {
                if (resto.isEmpty())
                    return fallisci(errore, n,
                                    QStringLiteral("%1 vuole il nome di un valore").arg(parola));
                Nodo nodo{parola == QLatin1String("se") ? Nodo::Tipo::Se : Nodo::Tipo::Senza,
                          n,
                          resto,
                          {},
                          {},
                          {}};
                if (!blocco(m, nodo.figli, intestazione, true, errore))
                    return false;
                dove.push_back(std::move(nodo));
            } else if (parola == QLatin1String("campi") || parola == QLatin1String("tabella") ||
                       parola == QLatin1String("griglia")) {
                Nodo nodo{parola == QLatin1String("campi")     ? Nodo::Tipo::Campi
                          : parola == QLatin1String("tabella") ? Nodo::Tipo::Tabella
                                                               : Nodo::Tipo::Griglia,
                          n,
                          resto,
                          {},
                          {},
                          {}};
                if (nodo.tipo == Nodo::Tipo::Tabella && resto.isEmpty())
                    return fallisci(errore, n,
                                    QStringLiteral("tabella vuole il nome di una query"));
                bool finito = false;
                while (i < righe.size()) {
                    const QString r = righe[i++].trimmed();
                    if (r.compare(QLatin1String("fine"), Qt::CaseInsensitive) == 0) {
                        finito = true;
                        break;
                    }
                    if (r.isEmpty() || r.startsWith(u'#'))
                        continue;
                    nodo.righe << r;
                    nodo.numeriRighe << i;
                }
                if (!finito)
                    return fallisci(errore, n,
                                    QStringLiteral("blocco \"%1\" senza \"fine\"").arg(parola));
                dove.push_back(std::move(nodo));
            } else if (parola == QLatin1String("titolo")) {
                dove.push_back({Nodo::Tipo::Titolo, n, resto, {}, {}, {}});
            } else if (parola == QLatin1String("sottotitolo")) {
                dove.push_back({Nodo::Tipo::Sottotitolo, n, resto, {}, {}, {}});
            } else if (parola == QLatin1String("testo")) {
                dove.push_back({Nodo::Tipo::Testo, n, resto, {}, {}, {}});
            } else if (parola == QLatin1String("spazio")) {
                dove.push_back({Nodo::Tipo::Spazio, n, {}, {}, {}, {}});
            } else if (parola == QLatin1String("salto")) {
                dove.push_back({Nodo::Tipo::Salto, n, {}, {}, {}, {}});
            } else if (parola == QLatin1String("immagine")) {
                dove.push_back({Nodo::Tipo::Immagine, n, resto, {}, {}, {}});
            } else {
                return fallisci(errore, n,
                                QStringLiteral("direttiva sconosciuta \"%1\"").arg(parola));
            }
        }
        if (!intestazione)
            return fallisci(errore, 1, QStringLiteral("il modello è vuoto"));
        if (dentroSe)
            return fallisci(errore, righe.size(), QStringLiteral("blocco \"se\" senza \"fine\""));
        return true;
    }
};

// Lays the body out as rich text, resolving placeholders.
class Compositore {
public:
    Compositore(const ParametriRapporto& p, const Modello& m, const Istantanea& lingue)
        : p(p), m(m), lingue(lingue) {}

    bool componi(QString& html, QString* errore) {
        html = QStringLiteral("<html><body style=\"font-family: 'DejaVu Sans'; font-size: 9pt;\">");
        for (const Nodo& n : m.corpo)
            if (!nodo(n, html, errore))
                return false;
        html += QStringLiteral("</body></html>");
        return true;
    }

    // Placeholders of `testo`; `riga` is the current row of a tabella, or -1.
    bool risolvi(const QString& testo, int numeroRiga, const Query* tabella, int riga,
                 QString& esito, QString* errore) const {
        static const QRegularExpression segnaposto(
            QStringLiteral("\\{([^{}|]+)(?:\\|([^{}]+))?\\}"));
        esito.clear();
        qsizetype da = 0;
        for (auto it = segnaposto.globalMatch(testo); it.hasNext();) {
            const auto c = it.next();
            esito += testo.mid(da, c.capturedStart() - da).toHtmlEscaped();
            da = c.capturedEnd();
            QString valore;
            if (!valoreDi(c.captured(1).trimmed(), c.captured(2).trimmed(), tabella, riga,
                          valore)) {
                if (errore)
                    *errore =
                        erroreRiga(p.fileModello, numeroRiga,
                                   QStringLiteral("campo sconosciuto {%1}").arg(c.captured(1)));
                return false;
            }
            esito += valore.toHtmlEscaped();
        }
        esito += testo.mid(da).toHtmlEscaped();
        return true;
    }

private:
    const ParametriRapporto& p;
    const Modello& m;
    const Istantanea& lingue; // all rows of Lingue, in file order (empty when none)

    // A label in language `l`: Lingue's row l (counted from the first), else the template.
    bool etichetta(const QString& chiave, int l, QString& esito) const {
        const int c = lingue.indiceColonna(chiave);
        if (c >= 0 && l < lingue.numeroRighe() && !lingue.valore(l, c).isNull()) {
            esito = lingue.valore(l, c).toString().trimmed();
            return true;
        }
        const auto t = m.testi.constFind(chiave.toLower());
        if (t == m.testi.constEnd())
            return false;
        esito = t->value(l);
        return true;
    }

    bool etichettaLingua(const QString& nome, QString& esito) const {
        const bool bilingue = nome.startsWith(QLatin1String("LE:"), Qt::CaseInsensitive);
        const QString chiave = nome.mid(bilingue ? 3 : 2).trimmed();
        const int l = p.indiceLingua >= 0 && p.indiceLingua <= 4 ? p.indiceLingua : 0;
        if (!etichetta(chiave, l, esito))
            return false;
        QString inglese;
        if (bilingue && l != 1 && etichetta(chiave, 1, inglese) && !inglese.isEmpty() &&
            inglese.compare(esito, Qt::CaseInsensitive) != 0)
            esito = esito.isEmpty() ? inglese : esito + QStringLiteral(" / ") + inglese;
        return true;
    }

    const Query* query(const QString& nome) const {
        for (const Query& q : m.query)
            if (q.nome.compare(nome, Qt::CaseInsensitive) == 0)
                return &q;
        return nullptr;
    }

    QString testoDi(const QVariant& v, const QString& schema) const {
        if (v.isNull())
            return {};
        bool numero = false;
        double d = 0;
        if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float ||
            v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
            d = v.toDouble(&numero);
        } else if (!schema.isEmpty()) {
            d = p.locale.toDouble(v.toString(), &numero);
            if (!numero)
                d = v.toString().toDouble(&numero);
        }
        if (!numero)
            return v.toString();
        return schema.isEmpty() ? testoNumero(d, p.locale) : formatoNumero(d, schema, p.locale);
    }

    bool valoreDi(const QString& nome, const QString& schema, const Query* tabella, int riga,
                  QString& esito) const {
        if (nome.startsWith(QLatin1String("L:"), Qt::CaseInsensitive) ||
            nome.startsWith(QLatin1String("LE:"), Qt::CaseInsensitive))
            return etichettaLingua(nome, esito);
        if (tabella && !nome.contains(u'.')) {
            const int c = tabella->esito.indiceColonna(nome);
            if (c >= 0) {
                esito = testoDi(tabella->esito.valore(riga, c), schema);
                return true;
            }
        }
        const auto v = p.valori.constFind(nome);
        if (v != p.valori.constEnd()) {
            esito = testoDi(*v, schema);
            return true;
        }
        const int punto = nome.indexOf(u'.');
        if (punto > 0)
            if (const Query* q = query(nome.left(punto))) {
                const int c = q->esito.indiceColonna(nome.mid(punto + 1));
                if (c >= 0) {
                    esito = testoDi(q->esito.valore(0, c), schema);
                    return true;
                }
            }
        if (nome == QLatin1String("data")) {
            esito = testoData(p);
            return true;
        }
        return false;
    }

    static QString allinea(const QString& a) {
        if (a == QLatin1String("destra"))
            return QStringLiteral("right");
        if (a == QLatin1String("centro"))
            return QStringLiteral("center");
        return QStringLiteral("left");
    }

    // Cells of a block line, split at the bars outside placeholders ({x|0.0} is one).
    static QStringList celle(const QString& riga) {
        QStringList c;
        QString cella;
        int profondita = 0;
        for (QChar ch : riga) {
            if (ch == u'{')
                ++profondita;
            else if (ch == u'}' && profondita > 0)
                --profondita;
            if (ch == u'|' && profondita == 0) {
                c << cella.trimmed();
                cella.clear();
            } else {
                cella += ch;
            }
        }
        c << cella.trimmed();
        return c;
    }

    bool nodo(const Nodo& n, QString& html, QString* errore) {
        QString t;
        switch (n.tipo) {
        case Nodo::Tipo::Titolo:
        case Nodo::Tipo::Sottotitolo:
        case Nodo::Tipo::Testo: {
            if (!risolvi(n.argomento, n.riga, nullptr, -1, t, errore))
                return false;
            if (n.tipo == Nodo::Tipo::Titolo)
                html +=
                    QStringLiteral(
                        "<p style=\"font-size: 15pt; font-weight: bold; margin-top: 4px;\">%1</p>")
                        .arg(t);
            else if (n.tipo == Nodo::Tipo::Sottotitolo)
                html += QStringLiteral("<p style=\"font-size: 11pt; font-weight: bold; margin-top: "
                                       "10px; color: #1f3f7f;\">%1</p>")
                            .arg(t);
            else
                html += QStringLiteral("<p>%1</p>").arg(t);
            return true;
        }
        case Nodo::Tipo::Spazio:
            html += QStringLiteral("<p>&nbsp;</p>");
            return true;
        case Nodo::Tipo::Salto:
            html += QStringLiteral("<p style=\"page-break-after: always;\"></p>");
            return true;
        case Nodo::Tipo::Immagine:
            if (p.immagini.contains(n.argomento))
                html += QStringLiteral("<p align=\"center\"><img src=\"%1%2\"></p>")
                            .arg(SchemaImmagine, n.argomento.toHtmlEscaped());
            return true;
        case Nodo::Tipo::Richiede:
            return richiede(n, errore);
        case Nodo::Tipo::Se:
        case Nodo::Tipo::Senza: {
            const bool vuoto = p.valori.value(n.argomento).isEmpty();
            if (vuoto == (n.tipo == Nodo::Tipo::Se))
                return true;
            for (const Nodo& f : n.figli)
                if (!nodo(f, html, errore))
                    return false;
            return true;
        }
        case Nodo::Tipo::Campi:
            return campi(n, html, errore);
        case Nodo::Tipo::Griglia:
            return griglia(n, html, errore);
        case Nodo::Tipo::Tabella:
            return tabella(n, html, errore);
        }
        return true;
    }

    // The query must have found a row: otherwise the report would not be about what the
    // user asked for.
    bool richiede(const Nodo& n, QString* errore) const {
        const Query* q = query(n.argomento);
        if (!q) {
            if (errore)
                *errore = erroreRiga(p.fileModello, n.riga,
                                     QStringLiteral("query sconosciuta \"%1\"").arg(n.argomento));
            return false;
        }
        if (q->esito.numeroRighe() > 0)
            return true;
        if (errore) {
            const QString modello = p.valori.value(QStringLiteral("modello"));
            const QString file = QFileInfo(p.fileDati).fileName();
            *errore =
                modello.isEmpty()
                    ? QStringLiteral("Nessun dato da stampare nel file %1.").arg(file)
                    : QStringLiteral("Il modello %1 non si trova nel file %2.").arg(modello, file);
        }
        return false;
    }

    static QString apriTabella() {
        return QStringLiteral(
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
            "style=\"border-collapse: collapse; border-color: #808080;\">");
    }

    bool campi(const Nodo& n, QString& html, QString* errore) {
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" width=\"70%\">");
        for (int k = 0; k < n.righe.size(); ++k) {
            const QStringList c = celle(n.righe[k]);
            QString etichetta, valore;
            if (!risolvi(c.value(0), n.numeriRighe[k], nullptr, -1, etichetta, errore) ||
                !risolvi(c.value(1), n.numeriRighe[k], nullptr, -1, valore, errore))
                return false;
            html += QStringLiteral("<tr><td width=\"55%\" style=\"color: #404040;\">%1</td>"
                                   "<td style=\"font-weight: bold;\">%2</td></tr>")
                        .arg(etichetta, valore);
        }
        html += QStringLiteral("</table>");
        return true;
    }

    bool griglia(const Nodo& n, QString& html, QString* errore) {
        html += apriTabella();
        for (int k = 0; k < n.righe.size(); ++k) {
            const QStringList c = celle(n.righe[k]);
            html += QStringLiteral("<tr>");
            for (int j = 0; j < c.size(); ++j) {
                QString t;
                if (!risolvi(c[j], n.numeriRighe[k], nullptr, -1, t, errore))
                    return false;
                if (k == 0)
                    html += QStringLiteral("<th bgcolor=\"#e4e8f0\">%1</th>").arg(t);
                else
                    html += QStringLiteral("<td align=\"%1\">%2</td>")
                                .arg(j == 0 ? "left" : "right", t);
            }
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
        return true;
    }

    bool tabella(const Nodo& n, QString& html, QString* errore) {
        const Query* q = query(n.argomento);
        if (!q) {
            if (errore)
                *errore = erroreRiga(p.fileModello, n.riga,
                                     QStringLiteral("query sconosciuta \"%1\"").arg(n.argomento));
            return false;
        }
        html += apriTabella() + QStringLiteral("<thead><tr>");
        QList<QStringList> colonne;
        for (int k = 0; k < n.righe.size(); ++k) {
            colonne << celle(n.righe[k]);
            QString t;
            if (!risolvi(colonne.last().value(0), n.numeriRighe[k], nullptr, -1, t, errore))
                return false;
            html += QStringLiteral("<th bgcolor=\"#e4e8f0\">%1</th>").arg(t);
        }
        html += QStringLiteral("</tr></thead>");
        for (int r = 0; r < q->esito.numeroRighe(); ++r) {
            html += QStringLiteral("<tr>");
            for (int k = 0; k < colonne.size(); ++k) {
                QString t;
                if (!risolvi(colonne[k].value(1), n.numeriRighe[k], q, r, t, errore))
                    return false;
                html +=
                    QStringLiteral("<td align=\"%1\">%2</td>").arg(allinea(colonne[k].value(2)), t);
            }
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
        return true;
    }
};

// Runs the queries, binding ?name to the handed-over values.
bool eseguiQuery(const ParametriRapporto& p, Modello& m, Catalogo& dati, QString* errore) {
    static const QRegularExpression parametro(QStringLiteral("\\?([A-Za-z_][A-Za-z0-9_.]*)"));
    for (Query& q : m.query) {
        QVariantList valori;
        QString sql;
        qsizetype da = 0;
        for (auto it = parametro.globalMatch(q.sql); it.hasNext();) {
            const auto c = it.next();
            const QString nome = c.captured(1);
            // The model in view is always a value: empty when the screen has none; so is
            // the language (0..4), for a query choosing the description column by it.
            const bool lingua = nome == QLatin1String("lingua") && !p.valori.contains(nome);
            if (!p.valori.contains(nome) && nome != QLatin1String("modello") && !lingua) {
                if (errore)
                    *errore = erroreRiga(p.fileModello, q.riga,
                                         QStringLiteral("valore sconosciuto ?%1").arg(nome));
                return false;
            }
            sql += q.sql.mid(da, c.capturedStart() - da) + u'?';
            valori << (lingua ? QVariant(p.indiceLingua) : QVariant(p.valori.value(nome)));
            da = c.capturedEnd();
        }
        sql += q.sql.mid(da);
        QString messaggio;
        if (!dati.interroga(sql, valori, q.esito, &messaggio)) {
            if (errore)
                *errore = erroreRiga(
                    p.fileModello, q.riga,
                    QStringLiteral("la query \"%1\" non riesce: %2").arg(q.nome, messaggio));
            return false;
        }
    }
    return true;
}

} // namespace

bool componiRapporto(const ParametriRapporto& p, DocumentoRapporto& esito, QString* errore) {
    QFile f(p.fileModello);
    if (!QFileInfo(p.fileModello).isFile() || !f.open(QIODevice::ReadOnly)) {
        if (errore)
            *errore = QStringLiteral("Modello di stampa non trovato: %1").arg(p.fileModello);
        return false;
    }
    const QStringList righe = QString::fromUtf8(f.readAll()).split(u'\n');
    Modello m;
    if (!Lettore(p.fileModello, righe).leggi(m, errore))
        return false;
    if (!QFileInfo(p.fileDati).isFile()) {
        if (errore)
            *errore = QStringLiteral("File dati della stampa non trovato: %1").arg(p.fileDati);
        return false;
    }
    QString messaggio;
    std::unique_ptr<Catalogo> dati = Catalogo::apri(p.fileDati, &messaggio);
    if (!dati) {
        if (errore)
            *errore = messaggio;
        return false;
    }
    if (!eseguiQuery(p, m, *dati, errore))
        return false;
    // The labels of the report's language; a data file without the table has none.
    Istantanea lingue;
    QString senzaLingue;
    dati->interroga(Interrogazioni::Lingue, {}, lingue, &senzaLingue);
    Compositore compositore(p, m, lingue);
    if (!compositore.risolvi(m.documento, 1, nullptr, -1, esito.documento, errore))
        return false;
    // The page header is plain text, not rich text.
    esito.documento.replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    esito.orizzontale = m.orizzontale;
    return compositore.componi(esito.html, errore);
}

namespace {
// The body is laid out at one resolution whatever the device, so that the print preview,
// the printer and the PDF cut the same pages: lengths in the body (margins, cell padding)
// are in pixels of the layout device, and fonts are measured on it.
constexpr int RisoluzioneImpaginazione = 300;

QImage dispositivoImpaginazione() {
    QImage riferimento(1, 1, QImage::Format_RGB32);
    const int puntiPerMetro = qRound(RisoluzioneImpaginazione / 0.0254);
    riferimento.setDotsPerMeterX(puntiPerMetro);
    riferimento.setDotsPerMeterY(puntiPerMetro);
    return riferimento;
}

// The page number in the report's language.
QString testoPagina(int lingua) {
    static const char* const testi[] = {"Pagina %1 di %2", "Page %1 of %2", "Page %1 sur %2",
                                        "Seite %1 von %2", "Página %1 de %2"};
    return QString::fromUtf8(testi[lingua >= 0 && lingua <= 4 ? lingua : 0]);
}
} // namespace

int disegnaRapporto(const DocumentoRapporto& d, const ParametriRapporto& p,
                    QPagedPaintDevice& dispositivo) {
    QPainter pittore;
    if (!pittore.begin(&dispositivo))
        return 0;
    const double dpi = dispositivo.logicalDpiY();
    const auto mm = [dpi](double v) { return v * dpi / 25.4; };
    const QRectF pagina(0, 0, dispositivo.width(), dispositivo.height());
    const double alto = mm(14), basso = mm(10);
    const QRectF corpo(pagina.left(), pagina.top() + alto, pagina.width(),
                       pagina.height() - alto - basso);

    // Device pixels to layout pixels and back.
    const double scala = dpi / RisoluzioneImpaginazione;
    const QSizeF corpoImpaginato(corpo.width() / scala, corpo.height() / scala);
    QImage riferimento = dispositivoImpaginazione();
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&riferimento);
    QFont carattere(QStringLiteral("DejaVu Sans"), 9);
    doc.setDefaultFont(carattere);
    // Pictures half the body wide: the layout scales image pixels by the device's
    // resolution over the screen's 96 dpi, so the width is given in those units.
    QString html = d.html;
    const double larghezza =
        corpoImpaginato.width() * 0.5 * 96.0 / std::max(1, riferimento.logicalDpiX());
    for (auto it = p.immagini.cbegin(); it != p.immagini.cend(); ++it) {
        const QString src = SchemaImmagine + it.key();
        doc.addResource(QTextDocument::ImageResource, QUrl(src), it.value());
        html.replace(
            QStringLiteral("<img src=\"%1\">").arg(src.toHtmlEscaped()),
            QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
                .arg(src.toHtmlEscaped())
                .arg(int(larghezza))
                .arg(int(larghezza * it.value().height() / std::max(1, it.value().width()))));
    }
    doc.setHtml(html);
    doc.setPageSize(corpoImpaginato);
    const int pagine = std::max(1, doc.pageCount());

    QFont testata(QStringLiteral("DejaVu Sans"), 9);
    QFont marchio(QStringLiteral("DejaVu Sans"), 13, QFont::Bold);
    const QString data = testoData(p);
    for (int n = 0; n < pagine; ++n) {
        if (n > 0)
            dispositivo.newPage();
        // Header: maker, document, date; a rule below it.
        pittore.setPen(QColor(0x1f, 0x3f, 0x7f));
        pittore.setFont(marchio);
        const QRectF fascia(pagina.left(), pagina.top(), pagina.width(), mm(9));
        pittore.drawText(fascia, Qt::AlignLeft | Qt::AlignVCenter, p.produttore);
        pittore.setPen(Qt::black);
        pittore.setFont(testata);
        pittore.drawText(fascia, Qt::AlignCenter, d.documento);
        pittore.drawText(fascia, Qt::AlignRight | Qt::AlignVCenter, data);
        pittore.setPen(QPen(QColor(0x1f, 0x3f, 0x7f), mm(0.4)));
        pittore.drawLine(QPointF(pagina.left(), fascia.bottom() + mm(1)),
                         QPointF(pagina.right(), fascia.bottom() + mm(1)));
        // Footer: program and page number.
        const QRectF piede(pagina.left(), pagina.bottom() - mm(7), pagina.width(), mm(7));
        pittore.setPen(QPen(Qt::gray, mm(0.2)));
        pittore.drawLine(piede.topLeft(), piede.topRight());
        pittore.setPen(Qt::black);
        pittore.drawText(piede, Qt::AlignLeft | Qt::AlignVCenter, p.programma);
        pittore.drawText(piede, Qt::AlignRight | Qt::AlignVCenter,
                         testoPagina(p.indiceLingua).arg(n + 1).arg(pagine));
        // The body's slice for this page, drawn in layout pixels scaled to the device.
        pittore.save();
        pittore.translate(corpo.left(), corpo.top());
        pittore.scale(scala, scala);
        pittore.translate(0, -n * corpoImpaginato.height());
        const QRectF fetta(0, n * corpoImpaginato.height(), corpoImpaginato.width(),
                           corpoImpaginato.height());
        pittore.setClipRect(fetta);
        QAbstractTextDocumentLayout::PaintContext contesto;
        contesto.clip = fetta;
        contesto.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&pittore, contesto);
        pittore.restore();
    }
    pittore.end();
    return pagine;
}

QPageLayout impaginazioneRapporto(bool orizzontale) {
    return QPageLayout(QPageSize(QPageSize::A4),
                       orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
}

bool eseguiRapporto(const ParametriRapporto& p, const QString& pdf, QString* errore) {
    DocumentoRapporto d;
    if (!componiRapporto(p, d, errore))
        return false;
    QPdfWriter scrittore(pdf);
    scrittore.setResolution(300);
    scrittore.setPageLayout(impaginazioneRapporto(d.orizzontale));
    scrittore.setTitle(d.documento);
    scrittore.setCreator(p.programma);
    if (disegnaRapporto(d, p, scrittore) == 0) {
        if (errore)
            *errore = QStringLiteral("Impossibile scrivere il file %1").arg(pdf);
        return false;
    }
    return true;
}
