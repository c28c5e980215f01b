// A build tool may include the bitmap format and nothing else of the layers.
#include "ui/bitmapSet.h"
#include "calc/panel.h"
