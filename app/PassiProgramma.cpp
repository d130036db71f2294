#include "app/PassiProgramma.h"

PassiAvvio passiProgramma() {
    PassiAvvio p;
    // The refrigerant library, the factor table and the catalogue are wired here
    // as their libraries arrive.
    return p;
}
