#include "platform/ServizioMessaggi.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessaggiQt& servizioPredefinito() {
    static MessaggiQt servizio;
    return servizio;
}
ServizioMessaggi* installato = nullptr;
} // namespace

ServizioMessaggi& ServizioMessaggi::corrente() {
    return installato ? *installato : servizioPredefinito();
}

void ServizioMessaggi::installa(ServizioMessaggi* servizio) {
    installato = servizio;
}

void MessaggiQt::mostra(Tipo tipo, const QString& titolo, const QString& testo) {
    QMessageBox box(tipo == Tipo::Errore   ? QMessageBox::Critical
                    : tipo == Tipo::Avviso ? QMessageBox::Warning
                                           : QMessageBox::Information,
                    titolo, testo, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void MessaggiQt::beep() {
    QApplication::beep();
}
