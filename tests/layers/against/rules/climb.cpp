// A fixture of the layers check: a path that climbs out of src/.
#include "../../tools/autopilot/driver.h"
#include "shell/game_loop.h"
