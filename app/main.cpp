#include "app/AperturaCalcoli.h"
#include "app/AperturaCatalogo.h"
#include "app/AperturaSelezione.h"
#include "app/Avvio.h"
#include "app/FinestraImportazione.h"
#include "app/Parametri.h"
#include "app/PassiProgramma.h"
#include "catalogue/Catalogo.h"
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
    stato.impostazioni.VersioneProgramma = VersioneProgramma(
        SELCOMP_VERSIONE_MAGGIORE, SELCOMP_VERSIONE_MINORE, SELCOMP_VERSIONE_REVISIONE);

    // A Jet catalogue is imported in a process of its own; the windows wait for it here.
    FinestraImportazione attesa;
    impostaAttesaImportazione(&attesa);

    ArchivioImpostazioni archivio(nome);
    std::unique_ptr<Catalogo> catalogo;
    Avvio avvio(stato, archivio, passiProgramma(catalogo));
    MDIUser* principale = avvio.Main();
    if (!principale)
        return 0;
    registraCatalogo(*principale);
    registraCalcoli(*principale);
    registraSelezione(*principale);
    return app.exec();
}
