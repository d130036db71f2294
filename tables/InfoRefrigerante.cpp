#include "tables/InfoRefrigerante.h"

#include "engine/Rugiada.h"

#include <QLocale>
#include <array>

namespace {

struct Miscela {
    const char* codice; // normalised: upper case, no "-" or blanks
    const char* componenti;
    const char* percentuali; // mass %, ASHRAE Standard 34 / ISO 817 nominal composition
};

constexpr Miscela Miscele[] = {
    {"R404A", "R125 R143a R134a", "44/52/4"},
    {"R407C", "R32 R125 R134a", "23/25/52"},
    {"R407F", "R32 R125 R134a", "30/30/40"},
    {"R410A", "R32 R125", "50/50"},
    {"R448A", "R32 R125 R1234yf R134a R1234ze(E)", "26/26/20/21/7"},
    {"R449A", "R32 R125 R1234yf R134a", "24.3/24.7/25.3/25.7"},
    {"R450A", "R1234ze(E) R134a", "58/42"},
    {"R452A", "R32 R125 R1234yf", "11/59/30"},
    {"R454A", "R32 R1234yf", "35/65"},
    {"R454C", "R32 R1234yf", "21.5/78.5"},
    {"R455A", "R744 R32 R1234yf", "3/21.5/75.5"},
    {"R507A", "R125 R143a", "50/50"},
    {"R513A", "R1234yf R134a", "56/44"},
};

int lingua(int i) {
    return i >= 0 && i <= 4 ? i : 0;
}

QString normalizza(QString c) {
    c = c.toUpper();
    c.remove('-');
    c.remove(' ');
    return c;
}

// "A, B e C" in the language's own words.
QString elenco(const QStringList& nomi, int l) {
    static const std::array<const char*, 5> e = {" e ", " and ", " et ", " und ", " y "};
    if (nomi.size() < 2)
        return nomi.join(QString());
    return nomi.mid(0, nomi.size() - 1).join(QStringLiteral(", ")) +
           QString::fromUtf8(e[size_t(l)]) + nomi.back();
}

std::optional<double> glide(const LibreriaProprieta& lib, const std::string& gas, double tRugiada) {
    double bolla = 0;
    if (!TemperaturaBolla(lib, gas, tRugiada, bolla).ok())
        return std::nullopt;
    return tRugiada - bolla;
}

} // namespace

InfoRefrigerante infoRefrigerante(const LibreriaProprieta& lib, const QString& codice,
                                  int indiceLingua) {
    InfoRefrigerante info;
    info.codice = codice;
    const QString n = normalizza(codice);
    for (const Miscela& m : Miscele)
        if (n == QLatin1String(m.codice)) {
            info.componenti =
                elenco(QString::fromLatin1(m.componenti).split(' '), lingua(indiceLingua)) +
                QStringLiteral(" (") + QString::fromLatin1(m.percentuali) + QStringLiteral(" %)");
            break;
        }
    const std::string gas = codice.toStdString();
    info.glideEvap = glide(lib, gas, -10);
    info.glideCond = glide(lib, gas, 40);
    return info;
}

QString titoloInfo(const QString& codice, int indiceLingua) {
    static const std::array<const char*, 5> t = {"Informazioni su %1", "About %1",
                                                 "Informations sur %1", "Informationen zu %1",
                                                 "Información sobre %1"};
    return QString::fromUtf8(t[size_t(lingua(indiceLingua))]).arg(codice);
}

QString testoInfo(const InfoRefrigerante& info, int indiceLingua) {
    const int l = lingua(indiceLingua);
    static const std::array<const char*, 5> miscela = {
        "Il refrigerante %1 è una miscela zeotropica", "The refrigerant %1 is a zeotropic blend",
        "Le réfrigérant %1 est un mélange zéotrope", "Das Kältemittel %1 ist ein zeotropes Gemisch",
        "El refrigerante %1 es una mezcla zeotrópica"};
    static const std::array<const char*, 5> composta = {
        ", composta da %1", " of %1", " composé de %1", " aus %1", " compuesta por %1"};
    static const std::array<const char*, 5> effetto = {
        ". Durante l'evaporazione e la condensazione la temperatura non resta costante a pressione "
        "costante, ma scorre tra la temperatura di bolla e quella di rugiada (effetto glide).",
        ". During evaporation and condensation its temperature does not stay constant at constant "
        "pressure but glides between the bubble point and the dew point (temperature glide).",
        ". Pendant l'évaporation et la condensation, sa température ne reste pas constante à "
        "pression "
        "constante mais glisse entre le point de bulle et le point de rosée (glissement de "
        "température).",
        ". Beim Verdampfen und Verflüssigen bleibt die Temperatur bei konstantem Druck nicht "
        "konstant, "
        "sondern gleitet zwischen Siede- und Taupunkt (Temperaturgleit).",
        ". Durante la evaporación y la condensación su temperatura no se mantiene constante a "
        "presión "
        "constante, sino que se desliza entre el punto de burbuja y el de rocío (deslizamiento)."};
    static const std::array<const char*, 5> valori = {
        " Glide alla pressione di rugiada di -10 °C: %1 K; di 40 °C: %2 K.",
        " Glide at the dew pressure of -10 °C: %1 K; of 40 °C: %2 K.",
        " Glissement à la pression de rosée de -10 °C : %1 K ; de 40 °C : %2 K.",
        " Gleit beim Taudruck von -10 °C: %1 K; von 40 °C: %2 K.",
        " Deslizamiento a la presión de rocío de -10 °C: %1 K; de 40 °C: %2 K."};
    static const std::array<const char*, 5> riferimento = {
        " Le temperature di evaporazione e di condensazione del catalogo sono temperature di "
        "rugiada (EN 12900).",
        " The catalogue's evaporating and condensing temperatures are dew-point temperatures (EN "
        "12900).",
        " Les températures d'évaporation et de condensation du catalogue sont des températures de "
        "rosée (EN 12900).",
        " Die Verdampfungs- und Verflüssigungstemperaturen des Katalogs sind Taupunkttemperaturen "
        "(EN 12900).",
        " Las temperaturas de evaporación y condensación del catálogo son temperaturas de rocío "
        "(EN 12900)."};
    const QLocale locale;
    auto k = [&](const std::optional<double>& g) {
        return g ? locale.toString(*g, 'f', 1) : QStringLiteral("–");
    };
    QString t = QString::fromUtf8(miscela[size_t(l)]).arg(info.codice);
    if (!info.componenti.isEmpty())
        t += QString::fromUtf8(composta[size_t(l)]).arg(info.componenti);
    t += QString::fromUtf8(effetto[size_t(l)]);
    t += QString::fromUtf8(valori[size_t(l)]).arg(k(info.glideEvap), k(info.glideCond));
    t += QString::fromUtf8(riferimento[size_t(l)]);
    return t;
}
