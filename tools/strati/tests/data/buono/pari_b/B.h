#pragma once
#include "basso/B.h"
