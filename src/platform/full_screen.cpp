// Full screen through SDL's own toggle, which keeps the window's surface and its contents.
#include "platform/full_screen.h"

#include "platform/controls.h"
#include "platform/platform_features.h"

bool toggleFullScreenOnKey(const SDL_keysym& key) {
    if (!keyGives(Command::FullScreen, key)) {
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
