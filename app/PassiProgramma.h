#pragma once
// The real pieces of the start-up sequence: refrigerant library, factor table, catalogue.

#include "app/Avvio.h"

PassiAvvio passiProgramma();
