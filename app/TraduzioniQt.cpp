#include "app/TraduzioniQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>
#include <memory>

namespace {
// One translator for the whole program, replaced at each change of language.
std::unique_ptr<QTranslator>& traduttore() {
    static std::unique_ptr<QTranslator> t;
    return t;
}
} // namespace

bool applicaTraduzioniQt(int16_t n) {
    static const std::array<const char*, 5> codici = {"it", nullptr, "fr", "de", "es"};
    if (n < 0 || n >= int16_t(codici.size()))
        return false;
    std::unique_ptr<QTranslator>& attuale = traduttore();
    if (attuale) {
        QCoreApplication::removeTranslator(attuale.get());
        attuale.reset();
    }
    if (!codici[size_t(n)])
        return true;
    // "qt_xx" gathers the catalogues of every Qt module (qtbase_xx, ...).
    auto nuovo = std::make_unique<QTranslator>();
    if (!nuovo->load(QStringLiteral("qt_") + QLatin1String(codici[size_t(n)]),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(nuovo.get());
    attuale = std::move(nuovo);
    return true;
}
