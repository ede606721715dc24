// Where the pointer is on the intro menu.
#pragma once

#include <cstdint>

enum MenuRegion : int32_t { PlayZone, ControlsZone, Pressed, Idle };

// The play zone is the lower left of the window and the controls zone the lower right; a
// pointer elsewhere is Pressed while the left button is held and Idle otherwise.
MenuRegion menuRegionAt(int x, int y, bool leftHeld);
