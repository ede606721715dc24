// A fixture of the layers check: reaches into the tools.
#include "tools/levelcheck/level_checks.h"
