#include "CatalogoDiProva.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QRegularExpression>

bool creaCatalogoDiProva(const QString& script, const QString& percorso, QString* errore) {
    QFile f(script);
    if (!f.open(QIODevice::ReadOnly)) {
        if (errore)
            *errore = QStringLiteral("cannot read ") + script;
        return false;
    }
    QString testo = QString::fromUtf8(f.readAll());
    testo.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    QFile::remove(percorso);
    const QString nome = QStringLiteral("prova-") + percorso;
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(percorso);
        ok = db.open();
        for (const QString& s : testo.split(QRegularExpression(QStringLiteral(";\\s*\n")))) {
            if (!ok || s.trimmed().isEmpty())
                continue;
            QSqlQuery q(db);
            if (!q.exec(s)) {
                ok = false;
                if (errore)
                    *errore = q.lastError().text() + QStringLiteral(": ") + s;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    return ok;
}
