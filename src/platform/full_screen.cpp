// Full screen through SDL's own toggle, which keeps the window's surface and its contents.
#include "platform/full_screen.h"

#include "platform/platform_features.h"

bool toggleFullScreenOnKey(const SDL_keysym& key) {
    const bool enter = key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER;
    if (key.sym != SDLK_F11 && !(enter && (key.mod & KMOD_ALT) != 0)) {
        return false;
    }
    if constexpr (gameTogglesFullScreen) {
        SDL_Surface* window = SDL_GetVideoSurface();
        if (window != nullptr) {
            SDL_WM_ToggleFullScreen(window);
        }
    }
    return true;
}
