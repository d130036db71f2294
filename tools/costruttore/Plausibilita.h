#pragma once
// Plausibility checks of computed or measured performance. Each returns an empty text
// when the check passes, else a message that names the model (`chi`).

#include "tools/costruttore/Adattamento.h"
#include "tools/costruttore/Descrizione.h"
#include "tools/costruttore/Prestazioni.h"

#include <vector>

struct CurveCatalogo {
    Coefficienti wr{}, wa{}, pm{};
};

// Volumetric efficiency between 0.3 and 1 at every point.
QString controllaRendimentoVolumetrico(const QString& chi, const std::vector<PuntoModello>& punti);

// Capacity rising with TE and falling with TC, power rising with TC, at every point.
QString controllaAndamenti(const QString& chi, const CurveCatalogo& c,
                           const std::vector<PuntoMisura>& punti);

// Energy balance against the refrigerant states: capacity / mass flow is the enthalpy gain
// h suction - h liquid (within 2 %), and heat rejection = capacity + power carries the
// gas at least to the isentropic discharge enthalpy (power per kg not below the
// isentropic work).
QString controllaBilancio(const QString& chi, const CurveCatalogo& c,
                          const std::vector<PuntoModello>& punti);

// Capacity per displacement (kW per m3/h) and COP of the model at -10/40 degC (`p`) within
// the refrigerant's plausible bands, when the description gives them.
QString controllaCifre(const QString& chi, const GasDescritto& gas, const PuntoModello& p,
                       double cilindrataM3h);

// Largest rms deviation of a fit.
QString controllaDeviazione(const QString& chi, const char* curva, const Deviazione& d,
                            double limiteRms);

// Locked-rotor current above the full-load current.
QString controllaCorrenti(const QString& codice, double fla, double lra);

// One compressor and refrigerant as the Ordinamento check sees them.
struct VoceOrdinamento {
    QString codice, gas;
    int ordinamento = 0;
    std::array<std::optional<FasciaTE>, kBande> inviluppo;
    Coefficienti wr{};
};
// Capacity strictly rising along Ordinamento at each usual point, for every refrigerant,
// among the models whose envelope holds the point. `voci` is in Ordinamento order.
QString controllaOrdinamento(const std::vector<VoceOrdinamento>& voci,
                             const QList<QPair<double, double>>& punti);

// The envelope as the catalogue row holds it against the row's MinTC/MaxTC, read the
// way the rating engine reads them: the band of TC runs from its own TC up to the next
// band's (band 70 up to 75, included), and the calculation screen limits TC to the first
// and last band with columns. So the bands with columns must follow one another without
// a hole, each with both limits, TEMin below TEMax; MinTC must be the first band's TC
// and MaxTC the last one's; otherwise a TC that the data sheet and the envelope frame
// allow is refused, or one they do not allow is rated.
QString controllaInviluppo(const QString& chi,
                           const std::array<std::optional<FasciaTE>, kBande>& inviluppo,
                           double minTC, double maxTC);

// The envelope holds TE/TC (band of TC as the rating engine picks it).
bool dentroInviluppo(const std::array<std::optional<FasciaTE>, kBande>& inviluppo, double te,
                     double tc);
