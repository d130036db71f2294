#include "basso/B.h"

#include "alto/A.h"
