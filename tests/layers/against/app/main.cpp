// A fixture of the layers check: app may use the demo and every floor.
#include "demo/player.h"
#include "nearby.h"
#include "screens/menu.h"
#include <SDL.h>
