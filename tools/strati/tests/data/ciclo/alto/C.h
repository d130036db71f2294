#pragma once
#include "pari_a/A.h"
