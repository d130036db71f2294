#include "tools/costruttore/Plausibilita.h"

#include <cmath>

namespace {

QString punto(double te, double tc) {
    return QString("%1/%2 °C").arg(te).arg(tc);
}

} // namespace

QString controllaRendimentoVolumetrico(const QString& chi, const std::vector<PuntoModello>& punti) {
    for (const auto& p : punti)
        if (!(p.lambda >= 0.3 && p.lambda <= 1))
            return QString("%1: volumetric efficiency %2 at %3 outside 0.3..1")
                .arg(chi)
                .arg(p.lambda, 0, 'f', 3)
                .arg(punto(p.te, p.tc));
    return {};
}

QString controllaAndamenti(const QString& chi, const CurveCatalogo& c,
                           const std::vector<PuntoMisura>& punti) {
    for (const auto& p : punti) {
        if (!(derivataTE(c.wr, p.te, p.tc) > 0))
            return QString("%1: capacity does not rise with evaporating temperature at %2")
                .arg(chi, punto(p.te, p.tc));
        if (!(derivataTC(c.wr, p.te, p.tc) < 0))
            return QString("%1: capacity does not fall with condensing temperature at %2")
                .arg(chi, punto(p.te, p.tc));
        if (!(derivataTC(c.wa, p.te, p.tc) > 0))
            return QString("%1: power input does not rise with condensing temperature at %2")
                .arg(chi, punto(p.te, p.tc));
        if (!(polinomio(c.wr, p.te, p.tc) > 0 && polinomio(c.wa, p.te, p.tc) > 0 &&
              polinomio(c.pm, p.te, p.tc) > 0))
            return QString("%1: capacity, power input and mass flow must be positive at %2")
                .arg(chi, punto(p.te, p.tc));
    }
    return {};
}

QString controllaBilancio(const QString& chi, const CurveCatalogo& c,
                          const std::vector<PuntoModello>& punti) {
    for (const auto& p : punti) {
        const double resa = polinomio(c.wr, p.te, p.tc), potenza = polinomio(c.wa, p.te, p.tc);
        const double portata = polinomio(c.pm, p.te, p.tc);
        const double salto = p.stato.hAspirazione - p.stato.hLiquido;
        if (!(portata > 0) || !(std::abs(resa / portata / salto - 1) <= 0.02))
            return QString("%1: capacity %2 W over mass flow %3 kg/s is %4 kJ/kg at %5, the "
                           "refrigerant's enthalpy gain is %6 kJ/kg")
                .arg(chi)
                .arg(resa, 0, 'f', 0)
                .arg(portata, 0, 'g', 4)
                .arg(resa / portata / 1000, 0, 'f', 1)
                .arg(punto(p.te, p.tc))
                .arg(salto / 1000, 0, 'f', 1);
        const double scarico = p.stato.hLiquido + (resa + potenza) / portata;
        const double isentropico = p.stato.hAspirazione + p.stato.lavoroIsentropico;
        if (!(scarico >= isentropico))
            return QString(
                       "%1: heat rejection %2 W (capacity + power input) leaves the gas at %3 "
                       "kJ/kg at %4, below the "
                       "isentropic discharge at %5 kJ/kg: power input below the isentropic work")
                .arg(chi)
                .arg(resa + potenza, 0, 'f', 0)
                .arg(scarico / 1000, 0, 'f', 1)
                .arg(punto(p.te, p.tc))
                .arg(isentropico / 1000, 0, 'f', 1);
    }
    return {};
}

QString controllaCifre(const QString& chi, const GasDescritto& gas, const PuntoModello& p,
                       double cilindrataM3h) {
    const double resa = p.resa / 1000 / cilindrataM3h, cop = p.resa / p.potenza;
    auto fuori = [](const std::optional<Banda>& b, double x) {
        return b && !(x >= b->minimo && x <= b->massimo);
    };
    if (fuori(gas.resaVolumetrica, resa))
        return QString("%1: %2 kW per m3/h at %3, outside the plausible %4 .. %5")
            .arg(chi)
            .arg(resa, 0, 'f', 3)
            .arg(punto(p.te, p.tc))
            .arg(gas.resaVolumetrica->minimo)
            .arg(gas.resaVolumetrica->massimo);
    if (fuori(gas.cop, cop))
        return QString("%1: COP %2 at %3, outside the plausible %4 .. %5")
            .arg(chi)
            .arg(cop, 0, 'f', 2)
            .arg(punto(p.te, p.tc))
            .arg(gas.cop->minimo)
            .arg(gas.cop->massimo);
    return {};
}

QString controllaDeviazione(const QString& chi, const char* curva, const Deviazione& d,
                            double limiteRms) {
    if (d.rms <= limiteRms)
        return {};
    return QString("%1: the %2 fit deviates %3 % rms, more than %4 %")
        .arg(chi, curva)
        .arg(100 * d.rms, 0, 'f', 2)
        .arg(100 * limiteRms);
}

QString controllaCorrenti(const QString& codice, double fla, double lra) {
    if (lra > fla)
        return {};
    return QString("%1: locked-rotor current %2 A not above the full-load current %3 A")
        .arg(codice)
        .arg(lra)
        .arg(fla);
}

QString controllaInviluppo(const QString& chi,
                           const std::array<std::optional<FasciaTE>, kBande>& inviluppo,
                           double minTC, double maxTC) {
    int primo = -1, ultimo = -1;
    for (int i = 0; i < kBande; ++i) {
        if (!inviluppo[i])
            continue;
        if (ultimo >= 0 && ultimo != i - 1)
            return QString("%1: the envelope has no band %2 between %3 and %4")
                .arg(chi)
                .arg(bandaTC(ultimo + 1))
                .arg(bandaTC(ultimo))
                .arg(bandaTC(i));
        if (!(inviluppo[i]->teMin < inviluppo[i]->teMax))
            return QString("%1: band %2 has TEMin %3 not below TEMax %4")
                .arg(chi)
                .arg(bandaTC(i))
                .arg(inviluppo[i]->teMin)
                .arg(inviluppo[i]->teMax);
        ultimo = i, primo = primo < 0 ? i : primo;
    }
    if (primo < 0)
        return chi + ": the envelope holds no band";
    if (minTC != bandaTC(primo) || maxTC != bandaTC(ultimo))
        return QString("%1: MinTC/MaxTC %2/%3 disagree with the envelope's bands %4..%5")
            .arg(chi)
            .arg(minTC)
            .arg(maxTC)
            .arg(bandaTC(primo))
            .arg(bandaTC(ultimo));
    return {};
}

bool dentroInviluppo(const std::array<std::optional<FasciaTE>, kBande>& inviluppo, double te,
                     double tc) {
    if (tc < 30 || tc > 75)
        return false;
    const int b = std::min(kBande - 1, int(std::floor((tc - 30) / 5)));
    return inviluppo[b] && te >= inviluppo[b]->teMin && te <= inviluppo[b]->teMax;
}

QString controllaOrdinamento(const std::vector<VoceOrdinamento>& voci,
                             const QList<QPair<double, double>>& punti) {
    for (const auto& [te, tc] : punti) {
        for (size_t i = 0; i < voci.size(); ++i) {
            if (!dentroInviluppo(voci[i].inviluppo, te, tc))
                continue;
            const double q = polinomio(voci[i].wr, te, tc);
            for (size_t j = i + 1; j < voci.size(); ++j) {
                if (voci[j].gas != voci[i].gas || !dentroInviluppo(voci[j].inviluppo, te, tc))
                    continue;
                const double qj = polinomio(voci[j].wr, te, tc);
                if (!(qj > q))
                    return QString("%1: Ordinamento %2 gives %3 kW with %4 at %5, not above %6 "
                                   "(Ordinamento %7) with %8 kW")
                        .arg(voci[j].codice)
                        .arg(voci[j].ordinamento)
                        .arg(qj / 1000, 0, 'f', 2)
                        .arg(voci[j].gas)
                        .arg(punto(te, tc))
                        .arg(voci[i].codice)
                        .arg(voci[i].ordinamento)
                        .arg(q / 1000, 0, 'f', 2);
                break; // the next model with this refrigerant and point
            }
        }
    }
    return {};
}
