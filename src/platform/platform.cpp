// The seam the game reads through, set at start to the shipped game's (platform_desktop.cpp, or
// platform_web.cpp in a web page).
#include "platform/platform.h"

Platform platform = sdlPlatform();
