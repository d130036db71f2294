#include "pari_b/B.h"
