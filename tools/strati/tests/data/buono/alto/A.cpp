#include "alto/A.h"
#include "basso/B.h"
