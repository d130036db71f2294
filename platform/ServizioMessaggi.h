#pragma once
// The one way anything reaches the user as a message box or a beep.
// Screens and start-up code talk to this interface; tests install a recorder,
// so no modal box can ever block a test.

#include <QString>
#include <QStringList>

class QWidget;

class ServizioMessaggi {
public:
    enum class Tipo { Informazione, Errore, Avviso };
    struct Messaggio {
        Tipo tipo;
        QString titolo;
        QString testo;
    };

    virtual ~ServizioMessaggi() = default;
    virtual void mostra(Tipo tipo, const QString& titolo, const QString& testo) = 0;
    virtual void beep() = 0;

    void informazione(const QString& titolo, const QString& testo) {
        mostra(Tipo::Informazione, titolo, testo);
    }
    void errore(const QString& titolo, const QString& testo) { mostra(Tipo::Errore, titolo, testo); }
    void avviso(const QString& titolo, const QString& testo) { mostra(Tipo::Avviso, titolo, testo); }

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

// Test double: records every message and beep, shows nothing.
class MessaggiRegistrati : public ServizioMessaggi {
public:
    void mostra(Tipo tipo, const QString& titolo, const QString& testo) override {
        messaggi.append({tipo, titolo, testo});
    }
    void beep() override { ++beeps; }
    QStringList testi() const {
        QStringList t;
        for (const auto& m : messaggi) t << m.testo;
        return t;
    }
    void svuota() {
        messaggi.clear();
        beeps = 0;
    }

    QList<Messaggio> messaggi;
    int beeps = 0;
};

// Installs a recorder for the lifetime of a test scope and restores the previous service.
class MessaggiDiProva : public MessaggiRegistrati {
public:
    MessaggiDiProva();
    ~MessaggiDiProva() override;

private:
    ServizioMessaggi* precedente;
};
