#include "alto/C.h"
