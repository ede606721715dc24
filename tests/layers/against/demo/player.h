// A fixture of the layers check: a demo that knows the maze.
#include "maze/walls.h"
#include "platform/platform.h"
