#include "catalogue/ImportaJet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// A large catalogue imports in a few seconds; a damaged one can make libmdb go round in
// circles instead of crashing.
constexpr int TempoMassimoMs = 120000;

QString programmaImportaJet() {
#ifdef Q_OS_WIN
    return QStringLiteral("selcomp-importa-jet.exe");
#else
    return QStringLiteral("selcomp-importa-jet");
#endif
}

} // namespace

bool importaJetIsolato(const QString& mdb, const QString& copia, QString* errore) {
    const QString programma =
        QCoreApplication::instance() ? QDir(QCoreApplication::applicationDirPath()).filePath(programmaImportaJet()) : QString();
    if (programma.isEmpty() || !QFileInfo(programma).isExecutable()) return importaJetInFile(mdb, copia, errore);

    QProcess p;
    p.setProgram(programma);
    p.setArguments({mdb, copia});
    // libmdb's own warnings stay visible where ours are; the reason comes on stdout.
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QIODevice::ReadOnly);
    if (!p.waitForStarted()) return importaJetInFile(mdb, copia, errore);
    const bool finito = p.waitForFinished(TempoMassimoMs);
    if (finito && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) return true;
    if (!finito) {
        p.kill();
        p.waitForFinished();
    }
    QFile::remove(copia);
    if (errore) {
        const QString motivo = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        if (!finito)
            *errore = QStringLiteral("la lettura non è terminata in %1 secondi").arg(TempoMassimoMs / 1000);
        else if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 1 && !motivo.isEmpty())
            *errore = motivo;
        else
            *errore = QStringLiteral("la lettura del file si è interrotta");
    }
    return false;
}
