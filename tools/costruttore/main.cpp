// selcomp-costruttore: builds the catalogue's sources from the description of a range, or
// fits measured points.
//
//   selcomp-costruttore DESCRIPTION [--out FOLDER] [--reflibs FOLDER]
//   selcomp-costruttore --points FILE.csv [--gas CODE] [--tuestd DEGC] [--json] [--reflibs FOLDER]
//
// The first form writes compressori.sql and gas.sql into FOLDER (default: the
// description's folder) and prints every model's fit deviations. The second fits a lab's
// points and prints the coefficients and deviations; with --gas it also checks the energy
// balance against that refrigerant's states (suction gas at --tuestd, default 20 degC).
//
// Exit status: 0 done, 1 wrong arguments, 2 a file or the property library could not be
// read or written, 3 a fit or plausibility fault (the message names the model).

#include "tools/costruttore/Costruttore.h"
#include "tools/costruttore/PuntiMisurati.h"
#include "tools/costruttore/Scarico.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

bool leggi(const QString& percorso, QString* testo) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *testo = QString::fromUtf8(f.readAll());
    return true;
}

bool scrivi(const QString& percorso, const QString& testo) {
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(testo.toUtf8()) >= 0 &&
           f.flush();
}

QString cartellaRefrigeranti(const QString& scelta) {
    if (!scelta.isEmpty())
        return scelta;
    const QString accanto = QCoreApplication::applicationDirPath() + "/Reflibs";
    return QDir(accanto).exists() ? accanto : QString(SELCOMP_REFLIBS_SORGENTE);
}

int uso() {
    err() << "usage: selcomp-costruttore DESCRIPTION [--out FOLDER] [--reflibs FOLDER]\n"
             "       selcomp-costruttore --points FILE.csv [--gas CODE] [--tuestd DEGC] [--json] "
             "[--reflibs FOLDER]\n";
    return 1;
}

int puntiMisurati(const QString& file, const QString& gas, double tAspirazione, bool json) {
    QString testo, errore;
    std::vector<PuntoMisurato> punti;
    if (!leggi(file, &testo)) {
        err() << "cannot read " << file << '\n';
        return 2;
    }
    if (!leggiPunti(testo, &punti, &errore)) {
        err() << file << ": " << errore << '\n';
        return 2;
    }
    const EsitoPunti e = adattaPunti(QFileInfo(file).completeBaseName(), punti, gas, tAspirazione);
    QTextStream out(stdout);
    scriviEsito(out, e, int(punti.size()), json);
    if (e.errore.isEmpty())
        return 0;
    out.flush();
    err() << e.errore << '\n';
    return 3;
}

int catalogo(const QString& descrizione, QString cartellaUscita) {
    QString testo, errore;
    if (!leggi(descrizione, &testo)) {
        err() << "cannot read " << descrizione << '\n';
        return 2;
    }
    Gamma gamma;
    if (!leggiDescrizione(testo, &gamma, &errore)) {
        err() << descrizione << ": " << errore << '\n';
        return 2;
    }
    CatalogoCostruito c;
    if (!limitaScarico(&gamma, &errore) || !costruisciCatalogo(gamma, &c, &errore)) {
        err() << errore << '\n';
        return 3;
    }
    if (cartellaUscita.isEmpty())
        cartellaUscita = QFileInfo(descrizione).absolutePath();
    const QString nome = QFileInfo(descrizione).fileName();
    QDir().mkpath(cartellaUscita);
    for (const auto& [file, sql] : {std::pair{QString("compressori.sql"), sqlCompressori(c, nome)},
                                    std::pair{QString("gas.sql"), sqlGas(gamma, nome)}}) {
        if (!scrivi(cartellaUscita + "/" + file, sql)) {
            err() << "cannot write " << cartellaUscita + "/" + file << '\n';
            return 2;
        }
    }
    QTextStream(stdout) << rapportoDeviazioni(c);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList a = app.arguments().mid(1);
    QString punti, gas, reflibs, uscita, descrizione;
    double tAspirazione = 20;
    bool json = false;
    for (int i = 0; i < a.size(); ++i) {
        const QString& x = a[i];
        const bool valore = i + 1 < a.size();
        if (x == "--json")
            json = true;
        else if (x == "--points" && valore)
            punti = a[++i];
        else if (x == "--gas" && valore)
            gas = a[++i];
        else if (x == "--reflibs" && valore)
            reflibs = a[++i];
        else if (x == "--out" && valore)
            uscita = a[++i];
        else if (x == "--tuestd" && valore) {
            bool ok = false;
            tAspirazione = a[++i].toDouble(&ok);
            if (!ok)
                return uso();
        } else if (!x.startsWith("--") && descrizione.isEmpty())
            descrizione = x;
        else
            return uso();
    }
    if (punti.isEmpty() == descrizione.isEmpty())
        return uso();
    // Measured points need the refrigerant's properties only for the energy balance.
    if (!descrizione.isEmpty() || !gas.isEmpty()) {
        QString errore;
        if (!caricaRefrigeranti(cartellaRefrigeranti(reflibs), &errore)) {
            err() << errore << '\n';
            return 2;
        }
    }
    return punti.isEmpty() ? catalogo(descrizione, uscita)
                           : puntiMisurati(punti, gas, tAspirazione, json);
}
