#include "app/Avvio.h"
#include "app/Parametri.h"
#include "app/PassiProgramma.h"
#include "platform/ArchivioImpostazioni.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString nome = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QCoreApplication::setApplicationName(nome);
    QGuiApplication::setApplicationDisplayName(DescrizioneProgramma);

    StatoApplicazione stato;
    stato.cartellaProgramma = QCoreApplication::applicationDirPath();
    stato.impostazioni.VersioneProgramma =
        VersioneProgramma(SELCOMP_VERSIONE_MAGGIORE, SELCOMP_VERSIONE_MINORE, SELCOMP_VERSIONE_REVISIONE);

    ArchivioImpostazioni archivio(nome);
    Avvio avvio(stato, archivio, passiProgramma());
    if (!avvio.Main())
        return 0;
    return app.exec();
}
