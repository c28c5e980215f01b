#include "high/high.h"

#include "low/low.h"

int highValue() { return lowValue() + 1; }
