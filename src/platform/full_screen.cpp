// Full screen through SDL's own toggle, which keeps the window's surface and its contents.
#include "platform/full_screen.h"

#include "platform/controls.h"

bool toggleFullScreenOnKey(const SDL_keysym& key) {
    if (!keyGives(Command::FullScreen, key)) {
        return false;
    }
#ifndef __EMSCRIPTEN__
    // In a web page the page itself switches (the browser's SDL would also lock the pointer).
    SDL_Surface* window = SDL_GetVideoSurface();
    if (window != nullptr) {
        SDL_WM_ToggleFullScreen(window);
    }
#endif
    return true;
}
