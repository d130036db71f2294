#pragma once
// The data source a screen binds its controls to: a catalogue, a record source (a
// table name or a query in the catalogue's dialect), a current row that moves, and a
// signal whenever the current row changes. The rows are read at refresh and held as a
// snapshot; refresh again after writing to the source's table.
//
//     SorgenteDati gas;
//     gas.impostaCatalogo(stato.catalogo);
//     gas.impostaOrigineRecord("select * from Gas");
//     gas.aggiorna();                 // on the first row, or EOF when empty
//     gas.trovaPrimo("CodiceGas ='R407C'");
//     double t0 = gas.numero("TUEStd");
//
// Values the legacy screens spliced into the text go in as parameters:
//     src.impostaOrigineRecord("select * from CollCompGas where CodiceGas = ?", {codice});

#include "catalogue/Istantanea.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <memory>

class Catalogo;

class SorgenteDati : public QObject {
    Q_OBJECT
public:
    explicit SorgenteDati(QObject* parent = nullptr);
    ~SorgenteDati() override;

    // The catalogue to read (not owned). Takes precedence over a database name.
    void impostaCatalogo(Catalogo* catalogo);
    // The database name: when no catalogue was set, the source opens the file itself at
    // the next refresh (a failure is reported by aggiorna()).
    void impostaNomeDatabase(const QString& percorso);
    QString nomeDatabase() const;
    Catalogo* catalogo() const;

    // Record source: a table name or a query; takes effect at the next refresh.
    void impostaOrigineRecord(const QString& sql, const QVariantList& parametri = {});
    QString origineRecord() const;

    // Runs the record source and moves to the first row (EOF and BOF when empty).
    // False, with the rows emptied, when the catalogue is missing or the query fails.
    bool aggiorna();
    QString ultimoErrore() const;

    // Moves. Previous before the first row stays at BOF, next after the last stays at EOF;
    // muoviPrimo/muoviUltimo on an empty source leave BOF/EOF set. Every move emits
    // riposizionato().
    void muoviPrimo();
    void muoviPrecedente();
    void muoviSuccessivo();
    void muoviUltimo();
    bool bof() const;
    bool eof() const;
    int numeroRecord() const;
    int posizione() const;  // 0-based current row; -1 at BOF; numeroRecord() at EOF
    void spostaA(int riga); // clamped to BOF/EOF

    // FindFirst with the criterion texts the screens use: `Colonna ='testo'`,
    // `Colonna = 'testo'`, `Colonna =123` (blanks around = optional). A text is what lies
    // between the first and the last apostrophe, compared without regard to case; a number
    // is compared as a number. Found: the row becomes current. Not found, or a criterion
    // of another form: the current row stays and nessunaCorrispondenza() is true.
    bool trovaPrimo(const QString& criterio);
    bool trovaPrimo(const QString& colonna, const QVariant& valore);
    bool nessunaCorrispondenza() const;

    // Column values of the current row by name (any case) or position (from 0). A null
    // QVariant when the column does not exist or the source stands on BOF/EOF.
    QVariant valore(const QString& colonna) const;
    QVariant valore(int posizione) const;
    bool isNull(const QString& colonna) const;
    bool isNull(int posizione) const;
    QString testo(const QString& colonna) const; // Null: empty text
    QString testo(int posizione) const;
    double numero(const QString& colonna) const; // Null: 0
    bool vero(const QString& colonna) const;     // non-zero (Jet stores -1 for true)

    QStringList nomiColonne() const;
    const Istantanea& righe() const;

    // AddNew + Update on a table source: adds a row with these column values (the others
    // Null). Call aggiorna() afterwards to see it, as the screens do.
    bool aggiungiRiga(const QVariantMap& valori);

signals:
    void riposizionato(); // the current row changed (also to BOF/EOF)
    void aggiornato();    // after every refresh, before the first riposizionato()

private:
    struct Dati;
    std::unique_ptr<Dati> d;
    void vaiA(int riga);
};

// The label table Lingue on the row of a language: the first row, then `indiceLingua`
// rows forward (so the row order of the table decides the languages).
class EtichetteLingua {
public:
    EtichetteLingua() = default;
    // Reads "select * from Lingue". False when the catalogue is missing, the table is
    // unreadable or has no such row; every label is then empty.
    bool carica(Catalogo* catalogo, int indiceLingua, QString* errore = nullptr);
    // Takes the current row of a source already positioned on Lingue.
    static EtichetteLingua daSorgente(const SorgenteDati& sorgente);

    bool valida() const { return m_riga >= 0; }
    // A label by key (any case), or by position in the row (from 0). A Null or missing
    // label gives an empty text.
    QString operator[](const QString& chiave) const { return etichetta(chiave); }
    QString etichetta(const QString& chiave) const;
    QString etichetta(int posizione) const;

private:
    Istantanea m_righe;
    int m_riga = -1;
};
