// The window: refusing displayless drivers, the icon, the video mode and caption; and the blit
// helpers everything draws with, which keep the cell cache up to date.
#include "platform/video.h"

#include "core/game_state.h"
#include "core/report.h"
#include "core/shared_types.h"
#include "platform/cell_cache.h"
#include "platform/platform.h"
#include "platform/platform_features.h"
#include "platform/video_backend.h"
#include "platform/web_canvas.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

constexpr Uint32 videoModeFlags = SDL_HWSURFACE | SDL_ANYFORMAT | SDL_DOUBLEBUF;
const char* const windowTitle = "Tamberlo Adventure - A Tamberlo Production";

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// Drivers that run without a display: text terminals, or an invisible offscreen surface.
bool isDisplaylessDriver(const char* name) {
    for (const char* driver : {"caca", "aalib", "offscreen", "dummy"}) {
        if (std::strcmp(name, driver) == 0) {
            return true;
        }
    }
    return false;
}

[[noreturn]] void failInit(const char* reason) {
    fatal("Unable to init SDL: %s", reason);
}

} // namespace

const char* missingDisplayReason() {
    if constexpr (windowNeedsX11) {
        if (isSet("SDL_VIDEODRIVER")) {
            return nullptr;
        }
        if (!isSet("DISPLAY")) {
            return "No available video device (no X display: DISPLAY is not set)";
        }
    }
    return nullptr;
}

void initVideo(SDL_Surface* (*loadIcon)()) {
    const bool driverChosen = isSet("SDL_VIDEODRIVER");
    if (const char* reason = missingDisplayReason()) {
        failInit(reason);
    }
    // With a display named but not reachable, SDL would try other drivers down to a text
    // terminal; asking for X11 alone makes it fail cleanly instead.
    if constexpr (windowNeedsX11) {
        if (!driverChosen) {
            setenv("SDL_VIDEODRIVER", "x11", 1);
        }
    }
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        failInit(SDL_GetError());
    }
    std::atexit(SDL_Quit);
    char driverName[32] = "";
    if (!driverChosen && SDL_VideoDriverName(driverName, sizeof driverName) != nullptr &&
        isDisplaylessDriver(driverName)) {
        static char reason[96];
        std::snprintf(reason, sizeof reason, "No available video device (only the '%s' driver)",
                      driverName);
        failInit(reason);
    }
    if (SDL_Surface* icon = loadIcon(); icon != nullptr) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
    screen = SDL_SetVideoMode(windowWidth, windowHeight, platform.videoDepth, videoModeFlags);
    if (screen == nullptr) {
        fatal("Unable to set 800x600 video: %s", SDL_GetError());
    }
    SDL_WM_SetCaption(windowTitle, nullptr);
    if constexpr (gameDrawsIntoCanvas) {
        webOpenScreen();
    }
}

int blitAt(SDL_Surface* surface, Sint16 x, Sint16 y) {
    if (surface == nullptr || screen == nullptr) {
        return -1;
    }
    forgetCellsUnder(x, y, surface->w, surface->h);
    return drawOntoScreen(surface, nullptr, x, y);
}

int blitRegion(SDL_Surface* surface, Sint16 x, Sint16 y, Uint16 w, Uint16 h) {
    if (surface == nullptr || screen == nullptr) {
        return -1;
    }
    forgetCellsUnder(x, y, w, h);
    const SDL_Rect source{x, y, w, h};
    return drawOntoScreen(surface, &source, x, y);
}
