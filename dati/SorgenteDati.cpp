#include "dati/SorgenteDati.h"

#include "catalogue/Catalogo.h"
#include "catalogue/Interrogazioni.h"

#include <QRegularExpression>

struct SorgenteDati::Dati {
    Catalogo* catalogo = nullptr;      // given by the screen
    std::unique_ptr<Catalogo> proprio; // opened from the database name
    QString nomeDatabase;
    QString origine;
    QVariantList parametri;
    Istantanea righe;
    int riga = -1; // -1 BOF, righe.size() EOF
    bool nessunaCorrispondenza = false;
    QString errore;

    Catalogo* attivo() const { return catalogo ? catalogo : proprio.get(); }
};

namespace {

// A table name alone (no blanks, no SQL) is read whole, in its physical order.
bool eNomeTabella(const QString& origine) {
    static const QRegularExpression nome(
        QStringLiteral("^\\s*\\[?[A-Za-z_][A-Za-z0-9_]*\\]?\\s*$"));
    return nome.match(origine).hasMatch();
}

QString nomeTabella(const QString& origine) {
    QString t = origine.trimmed();
    if (t.startsWith(u'['))
        t = t.mid(1, t.size() - 2);
    return t;
}

} // namespace

SorgenteDati::SorgenteDati(QObject* parent) : QObject(parent), d(std::make_unique<Dati>()) {}
SorgenteDati::~SorgenteDati() = default;

void SorgenteDati::impostaCatalogo(Catalogo* catalogo) {
    d->catalogo = catalogo;
}

void SorgenteDati::impostaNomeDatabase(const QString& percorso) {
    if (percorso != d->nomeDatabase)
        d->proprio.reset();
    d->nomeDatabase = percorso;
}

QString SorgenteDati::nomeDatabase() const {
    return d->catalogo ? d->catalogo->percorso() : d->nomeDatabase;
}

Catalogo* SorgenteDati::catalogo() const {
    return d->attivo();
}

void SorgenteDati::impostaOrigineRecord(const QString& sql, const QVariantList& parametri) {
    d->origine = sql;
    d->parametri = parametri;
}

QString SorgenteDati::origineRecord() const {
    return d->origine;
}

bool SorgenteDati::aggiorna() {
    d->righe = {};
    d->errore.clear();
    bool ok = true;
    if (!d->catalogo && !d->proprio && !d->nomeDatabase.isEmpty())
        d->proprio = Catalogo::apri(d->nomeDatabase, &d->errore);
    Catalogo* c = d->attivo();
    if (!c) {
        if (d->errore.isEmpty())
            d->errore = QStringLiteral("Nessun catalogo aperto.");
        ok = false;
    } else {
        const QString sql = eNomeTabella(d->origine)
                                ? Interrogazioni::tabellaIntera(nomeTabella(d->origine))
                                : d->origine;
        ok = c->interroga(sql, d->parametri, d->righe, &d->errore);
    }
    d->riga = d->righe.numeroRighe() > 0 ? 0 : -1;
    emit aggiornato();
    emit riposizionato();
    return ok;
}

QString SorgenteDati::ultimoErrore() const {
    return d->errore;
}

void SorgenteDati::vaiA(int riga) {
    const int n = d->righe.numeroRighe();
    if (n == 0)
        riga = riga < 0 ? -1 : 0; // empty: both BOF and EOF hold anyway
    else
        riga = std::clamp(riga, -1, n);
    d->riga = riga;
    emit riposizionato();
}

void SorgenteDati::muoviPrimo() {
    vaiA(0);
}
void SorgenteDati::muoviUltimo() {
    vaiA(d->righe.numeroRighe() - 1);
}
void SorgenteDati::muoviPrecedente() {
    vaiA(d->riga - 1);
}
void SorgenteDati::muoviSuccessivo() {
    vaiA(d->riga + 1);
}
void SorgenteDati::spostaA(int riga) {
    vaiA(riga);
}

bool SorgenteDati::bof() const {
    return d->righe.numeroRighe() == 0 || d->riga < 0;
}
bool SorgenteDati::eof() const {
    return d->righe.numeroRighe() == 0 || d->riga >= d->righe.numeroRighe();
}
int SorgenteDati::numeroRecord() const {
    return d->righe.numeroRighe();
}
int SorgenteDati::posizione() const {
    return d->righe.numeroRighe() == 0 ? -1 : d->riga;
}

bool SorgenteDati::trovaPrimo(const QString& criterio) {
    // Colonna ='testo' | Colonna = 'testo' | Colonna =123
    static const QRegularExpression forma(
        QStringLiteral("^\\s*\\[?([A-Za-z_][A-Za-z0-9_]*)\\]?\\s*=\\s*(.*?)\\s*$"),
        QRegularExpression::DotMatchesEverythingOption);
    const auto m = forma.match(criterio);
    if (!m.hasMatch()) {
        d->nessunaCorrispondenza = true;
        return false;
    }
    const QString colonna = m.captured(1), valore = m.captured(2);
    if (valore.size() >= 2 && valore.startsWith(u'\'') && valore.endsWith(u'\''))
        return trovaPrimo(colonna, valore.mid(1, valore.size() - 2));
    bool numero = false;
    const double x = valore.toDouble(&numero);
    if (!numero) {
        d->nessunaCorrispondenza = true;
        return false;
    }
    return trovaPrimo(colonna, x);
}

bool SorgenteDati::trovaPrimo(const QString& colonna, const QVariant& valore) {
    const int c = d->righe.indiceColonna(colonna);
    const bool testo = valore.typeId() == QMetaType::QString;
    for (int r = 0; c >= 0 && r < d->righe.numeroRighe(); ++r) {
        const QVariant v = d->righe.valore(r, c);
        if (v.isNull() || valore.isNull())
            continue;
        const bool uguale =
            testo ? v.toString().compare(valore.toString(), Qt::CaseInsensitive) == 0
                  : (v.typeId() != QMetaType::QString && v.toDouble() == valore.toDouble());
        if (uguale) {
            d->nessunaCorrispondenza = false;
            vaiA(r);
            return true;
        }
    }
    d->nessunaCorrispondenza = true;
    return false;
}

bool SorgenteDati::nessunaCorrispondenza() const {
    return d->nessunaCorrispondenza;
}

QVariant SorgenteDati::valore(const QString& colonna) const {
    return (bof() || eof()) ? QVariant() : d->righe.valore(d->riga, colonna);
}
QVariant SorgenteDati::valore(int posizione) const {
    return (bof() || eof()) ? QVariant() : d->righe.valore(d->riga, posizione);
}
bool SorgenteDati::isNull(const QString& colonna) const {
    return valore(colonna).isNull();
}
bool SorgenteDati::isNull(int posizione) const {
    return valore(posizione).isNull();
}
QString SorgenteDati::testo(const QString& colonna) const {
    const QVariant v = valore(colonna);
    return v.isNull() ? QString() : v.toString();
}
QString SorgenteDati::testo(int posizione) const {
    const QVariant v = valore(posizione);
    return v.isNull() ? QString() : v.toString();
}
double SorgenteDati::numero(const QString& colonna) const {
    const QVariant v = valore(colonna);
    return v.isNull() ? 0.0 : v.toDouble();
}
bool SorgenteDati::vero(const QString& colonna) const {
    const QVariant v = valore(colonna);
    return !v.isNull() && v.toDouble() != 0.0;
}

QStringList SorgenteDati::nomiColonne() const {
    return d->righe.colonne;
}
const Istantanea& SorgenteDati::righe() const {
    return d->righe;
}

bool SorgenteDati::aggiungiRiga(const QVariantMap& valori) {
    Catalogo* c = d->attivo();
    if (!c || !eNomeTabella(d->origine)) {
        d->errore = QStringLiteral("La sorgente non è una tabella.");
        return false;
    }
    return c->aggiungiRiga(nomeTabella(d->origine), valori, &d->errore);
}

bool EtichetteLingua::carica(Catalogo* catalogo, int indiceLingua, QString* errore) {
    m_righe = {};
    m_riga = -1;
    if (!catalogo) {
        if (errore)
            *errore = QStringLiteral("Nessun catalogo aperto.");
        return false;
    }
    if (!catalogo->interroga(Interrogazioni::Lingue, {}, m_righe, errore))
        return false;
    // first row, then that many rows forward
    if (indiceLingua < 0 || indiceLingua >= m_righe.numeroRighe())
        return false;
    m_riga = indiceLingua;
    return true;
}

EtichetteLingua EtichetteLingua::daSorgente(const SorgenteDati& sorgente) {
    EtichetteLingua e;
    if (sorgente.bof() || sorgente.eof())
        return e;
    e.m_righe.colonne = sorgente.righe().colonne;
    e.m_righe.righe = {sorgente.righe().righe.value(sorgente.posizione())};
    e.m_riga = 0;
    return e;
}

QString EtichetteLingua::etichetta(const QString& chiave) const {
    return m_righe.testo(m_riga, chiave);
}

QString EtichetteLingua::etichetta(int posizione) const {
    const QVariant v = m_righe.valore(m_riga, posizione);
    return v.isNull() ? QString() : v.toString();
}
