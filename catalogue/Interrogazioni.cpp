#include "catalogue/Interrogazioni.h"

namespace Interrogazioni {

QString colonnaDescrizione(int indiceLingua) {
    static const char* const colonne[] = {"DescrizioneITA", "DescrizioneING", "DescrizioneFRA",
                                          "DescrizioneGER", "DescrizioneSPA"};
    return QString::fromLatin1(colonne[indiceLingua >= 0 && indiceLingua < 5 ? indiceLingua : 0]);
}

QString compressoriConTensione(int indiceLingua) {
    return QStringLiteral(
               "select * , Opzioni.%1 as desc1, Ordinamento  FROM Compressori LEFT JOIN "
               "Opzioni ON Compressori.TensioneStd = Opzioni.CodiceOpzione order by Ordinamento")
        .arg(colonnaDescrizione(indiceLingua));
}

QString opzioniCompressore(int indiceLingua, QChar iniziale, bool accessori) {
    return QStringLiteral(
               "SELECT DISTINCTROW CollCompOpz.CodiceProdotto, CollCompOpz.CodiceOpzione, "
               "Opzioni.%1 AS [Desc]%2 FROM CollCompOpz INNER JOIN Opzioni ON "
               "CollCompOpz.CodiceOpzione = Opzioni.CodiceOpzione "
               "WHERE((CollCompOpz.CodiceProdotto = ?) "
               "AND (CollCompOpz.CodiceOpzione Like ('%3*'))) ORDER BY %4CollCompOpz.CodiceOpzione")
        .arg(colonnaDescrizione(indiceLingua),
             accessori ? QStringLiteral(", CollCompOpz.flStandard") : QString(), QString(iniziale),
             accessori ? QStringLiteral("CollCompOpz.flStandard , ") : QString());
}

QString tabellaIntera(const QString& nome) {
    return QStringLiteral("SELECT * FROM [%1]").arg(nome);
}

QString svuotaTabella(const QString& tabella) {
    return QStringLiteral("Delete from ") + tabella;
}

QString aggiornaCella(const QString& tabella, int tc, const QString& valore, int te) {
    return QStringLiteral("Update %1 set Tc%2=%3 where Tvap=%4")
        .arg(tabella)
        .arg(tc)
        .arg(valore)
        .arg(te);
}

} // namespace Interrogazioni
