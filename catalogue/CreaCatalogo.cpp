#include "catalogue/CreaCatalogo.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

QStringList istruzioniSql(const QString& testo) {
    QStringList out;
    QString corrente;
    QChar virgolette;
    for (int i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (!virgolette.isNull()) {
            corrente += c;
            if (c == virgolette)
                virgolette = QChar();
            continue;
        }
        if (c == u'-' && i + 1 < testo.size() && testo[i + 1] == u'-') {
            while (i < testo.size() && testo[i] != u'\n')
                ++i;
            corrente += u'\n';
            continue;
        }
        if (c == u'\'' || c == u'"')
            virgolette = c;
        if (c == u';') {
            if (!corrente.trimmed().isEmpty())
                out << corrente.trimmed();
            corrente.clear();
            continue;
        }
        corrente += c;
    }
    if (!corrente.trimmed().isEmpty())
        out << corrente.trimmed();
    return out;
}

bool creaCatalogoDaSql(const QString& file, const QStringList& script, QString* errore) {
    const QString parziale = file + QStringLiteral(".parziale");
    QFile::remove(parziale);
    const QString conn = QStringLiteral("selcomp-crea-%1").arg(quintptr(&parziale), 0, 16);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn);
        db.setDatabaseName(parziale);
        ok = db.open();
        if (!ok && errore)
            *errore = db.lastError().text();
        for (int s = 0; ok && s < script.size(); ++s) {
            QFile f(script[s]);
            if (!f.open(QIODevice::ReadOnly)) {
                if (errore)
                    *errore = QStringLiteral("%1: %2").arg(script[s], f.errorString());
                ok = false;
                break;
            }
            const QStringList istruzioni = istruzioniSql(QString::fromUtf8(f.readAll()));
            QSqlQuery q(db);
            for (const auto& sql : istruzioni) {
                if (!q.exec(sql)) {
                    if (errore)
                        *errore = QStringLiteral("%1: %2\n%3")
                                      .arg(script[s], q.lastError().text(), sql.left(200));
                    ok = false;
                    break;
                }
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(conn);
    if (ok) {
        QFile::remove(file);
        ok = QFile::rename(parziale, file);
        if (!ok && errore)
            *errore = QStringLiteral("%1: cannot be written").arg(file);
    }
    if (!ok)
        QFile::remove(parziale);
    return ok;
}
