#pragma once
// A combo box that lists one column of a data source, like the screens' refrigerant and
// compressor combos. Its text is free (it may be typed or set to a value not in the
// list). Two events are told apart:
//   testoCambiato  every change of the text: typed, set by the program, or the result of
//                  a pick in the list;
//   sceltaElenco   the user picked an entry of the list (click in the drop-down, or the
//                  arrow keys / wheel on the closed combo); it follows the testoCambiato
//                  of the same pick, and comes even when the entry equals the text.
// fuocoEntrato/fuocoUscito tell the host when focus enters or leaves the combo (opening
// its own drop-down does not count as leaving), so the screen can hand the arrow keys to
// the combo meanwhile.
//
//     ComboDati combo;
//     combo.collega(&gas, "CodiceGas");   // the list follows every refresh of `gas`
//     connect(&combo, &ComboDati::testoCambiato, ...);
//     connect(&combo, &ComboDati::sceltaElenco, ...);
//
// Rereading the list after a refresh keeps the text and raises no event: the screens set
// the text themselves after a requery. Numbers in the listed column are written in the
// widget's locale (setLocale), with testoNumero().

#include <QComboBox>
#include <QPointer>
#include <QString>

class SorgenteDati;

class ComboDati : public QComboBox {
    Q_OBJECT
public:
    explicit ComboDati(QWidget* parent = nullptr);

    // The source (not owned) and the listed column, by name (any case) or by position
    // (from 0). The list is read now and again after every refresh of the source.
    void collega(SorgenteDati* sorgente, const QString& colonna);
    void collega(SorgenteDati* sorgente, int colonna);
    SorgenteDati* sorgente() const;

    // Rereads the listed column from the source's rows.
    void ricaricaElenco();

    QString testo() const { return currentText(); }
    // Sets the text; raises testoCambiato when it differs from the current one.
    void impostaTesto(const QString& testo);

signals:
    void testoCambiato(const QString& testo);
    void sceltaElenco(const QString& testo);
    void fuocoEntrato();
    void fuocoUscito();

protected:
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    void collegaSorgente(SorgenteDati* sorgente);
    int colonnaDaLeggere() const;

    QPointer<SorgenteDati> m_sorgente;
    QString m_nomeColonna;
    int m_posizioneColonna = -1;
    bool m_ricarica = false;
    bool m_conFuoco = false;
};
