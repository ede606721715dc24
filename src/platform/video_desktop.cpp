// Drawing onto the desktop's window: SDL's blitter, colour keys and clipping, with opaque
// pictures copied row by row.
#include "platform/video.h"

#include "core/game_state.h"
#include "platform/opaque_copy.h"
#include "platform/video_backend.h"

#include <SDL_image.h>

int drawOntoScreen(SDL_Surface* picture, const SDL_Rect* part, Sint16 x, Sint16 y) {
    SDL_Rect destination{x, y, 0, 0};
    if (part == nullptr) {
        return copyOpaque(picture, x, y, wholeOf(picture))
                   ? 0
                   : SDL_UpperBlit(picture, nullptr, screen, &destination);
    }
    SDL_Rect source = *part;
    return SDL_UpperBlit(picture, &source, screen, &destination);
}

SDL_Surface* decodePicture(const std::vector<Uint8>& bytes) {
    return IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
}

SDL_Surface* screenCopy(SDL_Surface* picture) {
    return SDL_DisplayFormat(picture);
}

void makeSeeThrough(SDL_Surface* picture, Uint8 red, Uint8 green, Uint8 blue) {
    SDL_SetColorKey(picture, SDL_SRCCOLORKEY, SDL_MapRGB(picture->format, red, green, blue));
}

void clipScreen(const SDL_Rect* area) {
    SDL_SetClipRect(screen, area);
}

SDL_Surface* takeRenderedText(SDL_Surface* text) {
    return text;
}
