#pragma once
// Every query the screens and their data sources run on the catalogue, by name, in the
// catalogue's own SQL (the dialect layer translates the Jet idioms). The texts are part of
// the program's behaviour: a change here changes what a screen shows.

#include <QChar>
#include <QString>

namespace Interrogazioni {

// The caption texts of every language, one row.
inline constexpr char Lingue[] = "select * from Lingue";
// Every refrigerant (calculation, results) and those the selection offers.
inline constexpr char Gas[] = "select * from Gas";
inline constexpr char GasSelezionabili[] = "select * from Gas where flSeleYes = true ";
// The compressors of one refrigerant (parameter: CodiceGas), as stored (selection,
// results) and in catalogue order with the envelope (calculation).
inline constexpr char CompressoriDelGas[] = "select * from CollCompGas where CodiceGas = ?";
inline constexpr char CompressoriDelGasOrdinati[] =
    "select * from CollCompGasQry where CodiceGas = ? order by Ordinamento ";
// One compressor with one refrigerant (parameters: CodiceProdotto, CodiceGas): the tables.
inline constexpr char CompressoreConGas[] =
    "select * from Collcompgas where CodiceProdotto=? and CodiceGas=?";
// The compressor list, with the Italian description of the standard voltage.
inline constexpr char ElencoCompressori[] =
    "select *, Opzioni.DescrizioneITA   FROM Compressori LEFT JOIN "
    "Opzioni ON Compressori.TensioneStd = Opzioni.CodiceOpzione "
    "order by Ordinamento";

// Description column of table Opzioni for a language (DescrizioneITA .. DescrizioneSPA).
QString colonnaDescrizione(int indiceLingua);

// All compressors with the description of their standard voltage as desc1, in catalogue order.
QString compressoriConTensione(int indiceLingua);

// The option rows of one compressor whose code starts with `iniziale` (N notes, V optional
// voltages, A accessories) by option code; `conFornitura` adds the standard-supply flag
// and orders by it first. The model code is the query's one parameter.
QString opzioniCompressore(int indiceLingua, QChar iniziale, bool conFornitura = false);

// A whole table or stored query, by name.
QString tabellaIntera(const QString& nome);

// The work tables of the performance tables: emptied, then filled one cell at a time.
QString svuotaTabella(const QString& tabella);
QString aggiornaCella(const QString& tabella, int tc, const QString& valore, int te);

} // namespace Interrogazioni
