#include "catalogue/ImportaJet.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace {

// A large catalogue imports in a few seconds; a damaged one can make libmdb go round in
// circles instead of crashing.
constexpr int TempoMassimoMs = 120000;

AttesaImportazione* attesaCorrente = nullptr;
QString programmaImpostato;

QString nomeProgramma() {
#ifdef Q_OS_WIN
    return QStringLiteral("selcomp-importa-jet.exe");
#else
    return QStringLiteral("selcomp-importa-jet");
#endif
}

QString programmaImportaJet() {
    if (!programmaImpostato.isEmpty())
        return programmaImpostato;
    const QString cartella =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir(cartella).filePath(nomeProgramma());
}

QString testoSenzaProgramma(const QString& programma) {
    return QStringLiteral("manca il programma di importazione %1 (%2), che legge i cataloghi Jet")
        .arg(QFileInfo(programma).fileName(), QDir::toNativeSeparators(programma));
}

// Waits for the process; with an AttesaImportazione the event loop runs meanwhile.
// True when it finished within the time; `annullato` when the user stopped it.
bool attendi(QProcess& p, const QString& mdb, bool& annullato) {
    if (!attesaCorrente)
        return p.waitForFinished(TempoMassimoMs);
    QEventLoop ciclo;
    QTimer limite;
    limite.setSingleShot(true);
    QObject::connect(&limite, &QTimer::timeout, &ciclo, &QEventLoop::quit);
    QObject::connect(&p, &QProcess::finished, &ciclo, &QEventLoop::quit);
    attesaCorrente->inizia(mdb, [&ciclo, &annullato] {
        annullato = true;
        ciclo.quit();
    });
    if (p.state() != QProcess::NotRunning) {
        limite.start(TempoMassimoMs);
        ciclo.exec();
    }
    attesaCorrente->finisci();
    return p.state() == QProcess::NotRunning;
}

} // namespace

void impostaAttesaImportazione(AttesaImportazione* attesa) {
    attesaCorrente = attesa;
}

void impostaProgrammaImportaJet(const QString& percorso) {
    programmaImpostato = percorso;
}

EsitoImportaJet importaJetIsolato(const QString& mdb, const QString& copia, QString* errore) {
    const QString programma = programmaImportaJet();
    if (!QFileInfo(programma).isExecutable()) {
        if (errore)
            *errore = testoSenzaProgramma(programma);
        return EsitoImportaJet::SenzaProgramma;
    }

    QProcess p;
    p.setProgram(programma);
    p.setArguments({mdb, copia});
    // libmdb's own warnings stay visible where ours are; the reason comes on stdout.
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QIODevice::ReadOnly);
    if (!p.waitForStarted()) {
        if (errore)
            *errore = testoSenzaProgramma(programma) + QStringLiteral(": ") + p.errorString();
        return EsitoImportaJet::SenzaProgramma;
    }
    bool annullato = false;
    const bool finito = attendi(p, mdb, annullato);
    if (finito && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return EsitoImportaJet::Riuscito;
    if (!finito) {
        p.kill();
        p.waitForFinished();
    }
    QFile::remove(copia);
    const QString motivo = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    if (annullato) {
        if (errore)
            *errore = QStringLiteral("importazione annullata");
        return EsitoImportaJet::Annullato;
    }
    if (errore) {
        if (!finito)
            *errore = QStringLiteral("la lettura non è terminata in %1 secondi")
                          .arg(TempoMassimoMs / 1000);
        else if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 1 && !motivo.isEmpty())
            *errore = motivo;
        else
            *errore = QStringLiteral("la lettura del file si è interrotta");
    }
    return EsitoImportaJet::FileIllegibile;
}
