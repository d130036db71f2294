// a test may include what it exercises, above its folder
#include "alto/A.h"
