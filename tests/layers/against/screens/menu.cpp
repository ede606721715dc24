// A fixture of the layers check: a screen that uses the demo.
#include "demo/player.h"
#include "maze/walls.h"
