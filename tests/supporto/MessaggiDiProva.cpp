#include "tests/supporto/MessaggiDiProva.h"

QStringList MessaggiRegistrati::testi() const {
    QStringList t;
    for (const auto& m : messaggi)
        t << m.testo;
    return t;
}

// Putting back the service that was current, the program's own included, restores what
// corrente() answered before.
MessaggiDiProva::MessaggiDiProva() : precedente(&ServizioMessaggi::corrente()) {
    installa(this);
}

MessaggiDiProva::~MessaggiDiProva() {
    installa(precedente);
}
