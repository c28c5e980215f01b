#include "low/low.h"

#ifdef INCLUDE_HIGHER_LAYER
#include "high/high.h"
#endif

int lowValue() { return 1; }
