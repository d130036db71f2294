#pragma once
// The message service of the tests: records every message and beep, shows nothing, so no
// modal box can ever block a test.

#include "platform/ServizioMessaggi.h"

#include <QList>
#include <QStringList>

// Records; installed by whoever needs it (ServizioMessaggi::installa).
class MessaggiRegistrati : public ServizioMessaggi {
public:
    struct Messaggio {
        Tipo tipo;
        QString titolo;
        QString testo;
    };

    void mostra(Tipo tipo, const QString& titolo, const QString& testo) override {
        messaggi.append({tipo, titolo, testo});
    }
    void beep() override { ++beeps; }
    QStringList testi() const;
    void svuota() {
        messaggi.clear();
        beeps = 0;
    }

    QList<Messaggio> messaggi;
    int beeps = 0;
};

// Installs itself for the lifetime of a test scope and puts the previous service back.
class MessaggiDiProva : public MessaggiRegistrati {
public:
    MessaggiDiProva();
    ~MessaggiDiProva() override;
    MessaggiDiProva(const MessaggiDiProva&) = delete;
    MessaggiDiProva& operator=(const MessaggiDiProva&) = delete;

private:
    ServizioMessaggi* precedente;
};
