#include "support/screen_checks.h"

#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "platform/platform.h"
#include "platform/video.h"
#include "support/scripted_platform.h"

#include <cstdio>

namespace {

Uint32 rawPixel(SDL_Surface* surface, int x, int y) {
    const Uint8 bpp = surface->format->BytesPerPixel;
    const Uint8* at = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
    switch (bpp) {
    case 1:
        return *at;
    case 2:
        return *reinterpret_cast<const Uint16*>(at);
    case 3:
        return at[0] | (at[1] << 8) | (at[2] << 16);
    default:
        return *reinterpret_cast<const Uint32*>(at);
    }
}

} // namespace

Uint32 surfacePixel(SDL_Surface* surface, int x, int y) {
    if (surface == nullptr || x < 0 || y < 0 || x >= surface->w || y >= surface->h) {
        return 0xFFFFFFFFu;
    }
    Uint8 r = 0;
    Uint8 g = 0;
    Uint8 b = 0;
    SDL_GetRGB(rawPixel(surface, x, y), surface->format, &r, &g, &b);
    return (static_cast<Uint32>(r) << 16) | (static_cast<Uint32>(g) << 8) | b;
}

Uint32 screenPixel(int x, int y) {
    return surfacePixel(screen, x, y);
}

bool isInk(SDL_Surface* picture, int x, int y) {
    return (picture->flags & SDL_SRCCOLORKEY) == 0 ||
           rawPixel(picture, x, y) != picture->format->colorkey;
}

void fillRect(SDL_Rect area, Uint32 rgb) {
    SDL_FillRect(screen, &area,
                 SDL_MapRGB(screen->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
    forgetDrawnCells();
}

int pixelsOf(Uint32 rgb, SDL_Rect area) {
    int count = 0;
    for (int y = area.y; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x) {
            count += screenPixel(x, y) == rgb ? 1 : 0;
        }
    }
    return count;
}

::testing::AssertionResult drawnAt(SDL_Surface* picture, int px, int py) {
    if (picture == nullptr) {
        return ::testing::AssertionFailure() << "no picture to look for";
    }
    for (int y = 0; y < picture->h && py + y < screen->h; ++y) {
        for (int x = 0; x < picture->w && px + x < screen->w; ++x) {
            if (isInk(picture, x, y) &&
                screenPixel(px + x, py + y) != surfacePixel(picture, x, y)) {
                char colours[40];
                std::snprintf(colours, sizeof colours, "0x%06X, expected 0x%06X",
                              screenPixel(px + x, py + y), surfacePixel(picture, x, y));
                return ::testing::AssertionFailure()
                       << "pixel (" << px + x << ", " << py + y << ") is " << colours;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult showsText(TTF_Font* font, const std::string& text, SDL_Color colour,
                                     int tx, int ty) {
    SDL_Surface* rendered = TTF_RenderText_Solid(font, text.c_str(), colour);
    if (rendered == nullptr) {
        return ::testing::AssertionFailure() << "cannot render \"" << text << "\"";
    }
    ::testing::AssertionResult result = drawnAt(rendered, tx, ty);
    SDL_FreeSurface(rendered);
    if (!result) {
        result << " (looking for \"" << text << "\" at " << tx << ", " << ty << ")";
    }
    return result;
}

int channelsPlaying(Mix_Chunk* chunk) {
    int count = 0;
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        count += Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == chunk ? 1 : 0;
    }
    return count;
}
