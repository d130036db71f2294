#include "tools/cli/ComandoReport.h"

#include "dati/Rapporto.h"
#include "platform/Percorsi.h"
#include "tools/cli/Comandi.h"

#include <QFileInfo>

namespace {
QString risolvi(const std::string& nome, const QString& cartella) {
    const QString n = QString::fromStdString(nome);
    if (QFileInfo::exists(n))
        return n;
    return trovaPercorso(cartella, n);
}
} // namespace

int comandoReport(const Argomenti& a, const QString& cartellaCatalogo, int lingua,
                  std::ostream& out, std::ostream& err) {
    const auto modello = a.valore("--template"), dati = a.valore("--data"), pdf = a.valore("--out");
    if (!modello || !dati || !pdf) {
        err << "selcomp-cli: report needs --template, --data and --out\n" << TestoUso;
        return UscitaUso;
    }
    ParametriRapporto p;
    p.fileModello = risolvi(*modello, cartellaCatalogo);
    p.fileDati = risolvi(*dati, cartellaCatalogo);
    p.indiceLingua = lingua;
    if (auto m = a.valore("--model"))
        p.valori["modello"] = QString::fromStdString(*m);
    QString errore;
    if (!eseguiRapporto(p, QString::fromStdString(*pdf), &errore)) {
        // A template may want values that only a screen hands over (the results
        // report's figures): say that this command cannot fill it, then why.
        if (QFileInfo::exists(p.fileModello) && QFileInfo::exists(p.fileDati))
            err << "selcomp-cli: report: cannot fill "
                << QFileInfo(p.fileModello).fileName().toStdString()
                << " from the catalogue and --model alone\n";
        err << errore.toStdString() << "\n";
        return UscitaDati;
    }
    out << *pdf << "\n";
    return UscitaOk;
}
