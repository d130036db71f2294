#pragma once
// Reader of the refrigerant data files: text, one keyword and its fields a line, '#'
// starts a comment. tools/reflib/converti_fluidi.py writes them. Units: J/(mol K), kg/mol,
// K, mol/m3, Pa.
//
//   fluido NAME                  alias NAME...        fonte FREE TEXT (the source paper)
//   modello puro|pseudopuro      costante_gas R       massa_molare M
//   t_riduzione Tr               rho_riduzione rhor   t_critica Tc   p_critica pc
//   t_min T                      t_max T              (range of the equation)
//   t_critica_miscela T          (optional: reduces the ideal-gas part in mixtures)
//   ideale guida|offset a1 a2    (a1 + a2 tau; the offset carries the IIR reference state)
//   ideale logtau a              (a ln tau)
//   ideale potenza n t           (n tau^t)
//   ideale planck n t            (n ln(1 - exp(-t tau)))
//   ideale cp0costante c T0 Tc   (cp0/R = c, enthalpy counted from T0)
//   ideale cp0potenza c t T0 Tc  (cp0/R = c T^t, enthalpy counted from T0)
//   residuo poli n d t           (n delta^d tau^t)
//   residuo esp n d t l          (n delta^d tau^t exp(-delta^l))
//   residuo esptau n d t l m     (n delta^d tau^t exp(-delta^l) exp(-tau^m))
//   residuo gauss n d t eta epsilon beta gamma
//   residuo nonanalitico n a b beta A B C D
//   ancillare ps|pl|pv|rhol|rhov pressione|lineare|esponenziale Tr VALUE TAU_R Tmin Tmax
//   coeff n t                    (one term of the ancillary above)
//
// A blend computed as a mixture has a file of its own, starting with 'miscela':
//   miscela NAME                 alias NAME...        fonte FREE TEXT
//   componente NAME x            (a fluid of the folder and its mole fraction)
//   coppia I J beta_T gamma_T beta_v gamma_v F     (reducing functions of the pair I-J)
//   fonte FREE TEXT              (after 'coppia': the pair's source)
//   partenza n d t l             (one departure term of the pair above, l = 0: no exponential)
#include <memory>
#include <string>

#include "reflib/Fluido.h"
#include "reflib/Miscela.h"

namespace reflib {

// Returns the fluid, or null with `errore` = "file:line: reason".
std::unique_ptr<Fluido> leggiFluido(const std::string& percorso, std::string& errore);
// The blend with its components named, not yet found (Libreria does that).
std::unique_ptr<Miscela> leggiMiscela(const std::string& percorso, std::string& errore);
// True when the file's first keyword is 'miscela'.
bool fileMiscela(const std::string& percorso);

} // namespace reflib
