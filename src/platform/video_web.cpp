// Drawing onto the web page's screen: the game's own drawing into the screen's pixels
// (web_canvas.cpp), which the page's canvas shows at each present.
#include "platform/video.h"

#include "core/game_state.h"
#include "platform/video_backend.h"
#include "platform/web_canvas.h"

#include <emscripten.h>

void webOpenScreen() {
    // Locking reads the canvas back unless the page says the screen is only ever written.
    EM_ASM(Module.screenIsReadOnly = true;);
    SDL_LockSurface(screen);
}

void webPresent() {
    SDL_UnlockSurface(screen);
    SDL_LockSurface(screen);
}

int drawOntoScreen(SDL_Surface* picture, const SDL_Rect* part, Sint16 x, Sint16 y) {
    return webBlit(picture, part != nullptr ? *part : wholeOf(picture), x, y);
}

SDL_Surface* screenCopy(SDL_Surface* picture) {
    return webCopy(picture);
}

void makeSeeThrough(SDL_Surface* picture, Uint8 red, Uint8 green, Uint8 blue) {
    webSeeThrough(picture, static_cast<Uint32>(red) << 16 | static_cast<Uint32>(green) << 8 | blue);
}

void clipScreen(const SDL_Rect* area) {
    webClip(area);
}

// The renderer drew the text into a canvas of its own: locking fetches its pixels.
SDL_Surface* takeRenderedText(SDL_Surface* text) {
    if (text != nullptr) {
        SDL_LockSurface(text);
    }
    return text;
}
