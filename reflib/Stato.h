#pragma once
// Access to the library state behind the C interface, for tests and benchmarks.
#include "reflib/Libreria.h"

namespace reflib {
Libreria& libreriaProcesso();
}
