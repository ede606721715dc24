// The game's own drawing in a web page: 32-bit pixels with the alpha byte as the see-through
// mark (0: see-through), which is how the browser's SDL lays out every surface.
#include "platform/web_canvas.h"

#include "core/game_state.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr Uint32 alphaMask = 0xFF000000u;

// One channel of a pixel whose channels are whole bytes (as every surface of the page is), read
// by its mask. Asking the browser's SDL instead costs a call into the page's scripts for every
// pixel of every picture with a see-through colour.
Uint32 channelOf(Uint32 pixel, Uint32 mask) {
    return mask == 0 ? 0 : (pixel & mask) >> std::countr_zero(mask);
}

Uint32 rgbOf(const SDL_PixelFormat* format, Uint32 pixel) {
    return channelOf(pixel, format->Rmask) << 16 | channelOf(pixel, format->Gmask) << 8 |
           channelOf(pixel, format->Bmask);
}

} // namespace

bool webPixels(SDL_Surface* picture) {
    if (picture->pixels == nullptr) {
        SDL_LockSurface(picture);
    }
    return picture->pixels != nullptr && picture->format->BytesPerPixel == 4;
}

int webBlit(SDL_Surface* picture, const SDL_Rect& from, int x, int y) {
    if (!webPixels(picture) || !webPixels(screen)) {
        return -1;
    }
    const SDL_Rect& clip = screen->clip_rect;
    const int left = std::max({x, static_cast<int>(clip.x), x - static_cast<int>(from.x)});
    const int top = std::max({y, static_cast<int>(clip.y), y - static_cast<int>(from.y)});
    const int right = std::min(
        {x + static_cast<int>(from.w), clip.x + static_cast<int>(clip.w), x - from.x + picture->w});
    const int bottom = std::min(
        {y + static_cast<int>(from.h), clip.y + static_cast<int>(clip.h), y - from.y + picture->h});
    for (int row = top; row < bottom; ++row) {
        const auto* in =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(picture->pixels) +
                                            (row - y + from.y) * picture->pitch) +
            (from.x - x);
        auto* out =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(screen->pixels) + row * screen->pitch);
        for (int column = left; column < right; ++column) {
            if ((in[column] & alphaMask) != 0) {
                out[column] = in[column];
            }
        }
    }
    return 0;
}

void webSeeThrough(SDL_Surface* picture, Uint32 rgb) {
    if (!webPixels(picture)) {
        return;
    }
    for (int row = 0; row < picture->h; ++row) {
        auto* pixel =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(picture->pixels) + row * picture->pitch);
        for (int column = 0; column < picture->w; ++column) {
            if (rgbOf(picture->format, pixel[column]) == rgb) {
                pixel[column] &= ~alphaMask;
            }
        }
    }
}

SDL_Surface* webCopy(SDL_Surface* picture) {
    if (!webPixels(picture)) {
        return nullptr;
    }
    const SDL_PixelFormat* format = picture->format;
    SDL_Surface* copy =
        SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w, picture->h, 32, format->Rmask,
                             format->Gmask, format->Bmask, format->Amask);
    if (copy == nullptr || !webPixels(copy)) {
        return nullptr;
    }
    for (int row = 0; row < picture->h; ++row) {
        std::memcpy(static_cast<Uint8*>(copy->pixels) + row * copy->pitch,
                    static_cast<const Uint8*>(picture->pixels) + row * picture->pitch,
                    static_cast<size_t>(picture->w) * 4);
    }
    return copy;
}

void webClip(const SDL_Rect* area) {
    SDL_Rect whole{0, 0, static_cast<Uint16>(screen->w), static_cast<Uint16>(screen->h)};
    SDL_Rect clip = area != nullptr ? *area : whole;
    const int left = std::max(0, static_cast<int>(clip.x));
    const int top = std::max(0, static_cast<int>(clip.y));
    const int right = std::min(screen->w, clip.x + static_cast<int>(clip.w));
    const int bottom = std::min(screen->h, clip.y + static_cast<int>(clip.h));
    screen->clip_rect = SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(top),
                                 static_cast<Uint16>(std::max(0, right - left)),
                                 static_cast<Uint16>(std::max(0, bottom - top))};
}
