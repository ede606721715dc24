// A fixture of the layers check: a maze file that reaches up to the screens.
#include "core/types.h"
#include "screens/hud.h"
