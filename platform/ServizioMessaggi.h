#pragma once
// The one way anything reaches the user as a message box or a beep.
// Screens and start-up code talk to this interface; tests install a recorder of their
// own, so no modal box can ever block a test.

#include <QString>

class QWidget;

class ServizioMessaggi {
public:
    enum class Tipo { Informazione, Errore, Avviso };

    virtual ~ServizioMessaggi() = default;
    virtual void mostra(Tipo tipo, const QString& titolo, const QString& testo) = 0;
    virtual void beep() = 0;

    void informazione(const QString& titolo, const QString& testo) {
        mostra(Tipo::Informazione, titolo, testo);
    }
    void errore(const QString& titolo, const QString& testo) {
        mostra(Tipo::Errore, titolo, testo);
    }
    void avviso(const QString& titolo, const QString& testo) {
        mostra(Tipo::Avviso, titolo, testo);
    }

    // The service the program uses; a box service unless a test installed another.
    static ServizioMessaggi& corrente();
    static void installa(ServizioMessaggi* servizio);
};

// Real message boxes with an OK button, parented to the active window.
class MessaggiQt : public ServizioMessaggi {
public:
    void mostra(Tipo tipo, const QString& titolo, const QString& testo) override;
    void beep() override;
};
