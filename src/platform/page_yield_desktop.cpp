// On the desktop a long computation shares the machine through the system: nothing to hand on.
#include "platform/page_yield.h"

void yieldToPage(double) {}
