// The shipped game's platform: every entry goes straight to SDL.
#include "shell/platform.h"

Platform sdlPlatform() {
    return Platform{&SDL_GetTicks, &SDL_PollEvent, &SDL_GetKeyState, &SDL_GetMouseState,
                    &SDL_Delay,    &SDL_Flip,      &SDL_UpdateRects, 0};
}

Platform platform = sdlPlatform();
