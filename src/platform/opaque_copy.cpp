// Copying opaque pictures onto the screen row by row.
#include "platform/opaque_copy.h"

#include "core/game_state.h"

#include <cstddef>
#include <cstring>

bool copyable(const SDL_Surface* surface) {
    const SDL_PixelFormat* from = surface->format;
    const SDL_PixelFormat* to = screen->format;
    return (surface->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA)) == 0 && !SDL_MUSTLOCK(screen) &&
           !SDL_MUSTLOCK(surface) && from->palette == nullptr && to->palette == nullptr &&
           from->BytesPerPixel == to->BytesPerPixel && from->Rmask == to->Rmask &&
           from->Gmask == to->Gmask && from->Bmask == to->Bmask && from->Amask == to->Amask;
}

bool copyOpaque(const SDL_Surface* surface, int x, int y, const SDL_Rect& part) {
    const SDL_Rect& clip = screen->clip_rect;
    if (!copyable(surface) || x < clip.x || y < clip.y || x + surface->w > clip.x + clip.w ||
        y + surface->h > clip.y + clip.h) {
        return false;
    }
    const int bytesPerPixel = screen->format->BytesPerPixel;
    const size_t rowBytes = static_cast<size_t>(part.w) * bytesPerPixel;
    const Uint8* source = static_cast<const Uint8*>(surface->pixels) + part.y * surface->pitch +
                          part.x * bytesPerPixel;
    Uint8* target = static_cast<Uint8*>(screen->pixels) + (y + part.y) * screen->pitch +
                    static_cast<ptrdiff_t>(x + part.x) * bytesPerPixel;
    for (int row = 0; row < part.h; ++row) {
        std::memcpy(target + row * screen->pitch, source + row * surface->pitch, rowBytes);
    }
    return true;
}
