// Picture loading with one report per unusable file, and the small surface helpers.
#include "assets/image_loader.h"

#include <SDL_image.h>
#include <cstdio>

void reportDataProblem(const char* what, const char* path, const char* reason) {
    std::fprintf(stderr, "tamberlo-adventure: cannot load %s \"%s\": %s\n", what, path, reason);
}

bool hasExpectedSize(const SDL_Surface* picture, const char* path, PictureSize expected) {
    if (picture->w == expected.width && picture->h == expected.height) {
        return true;
    }
    char reason[96];
    std::snprintf(reason, sizeof reason, "it is %d x %d pixels, %d x %d expected", picture->w,
                  picture->h, static_cast<int>(expected.width), static_cast<int>(expected.height));
    reportDataProblem("image", path, reason);
    return false;
}

SDL_Surface* loadImage(const char* path, PictureSize expected) {
    SDL_Surface* loaded = IMG_Load(path);
    if (loaded == nullptr) {
        reportDataProblem("image", path, IMG_GetError());
        return nullptr;
    }
    if (!hasExpectedSize(loaded, path, expected)) {
        SDL_FreeSurface(loaded);
        return nullptr;
    }
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (converted == nullptr) {
        reportDataProblem("image", path, SDL_GetError());
    }
    return converted;
}

void setMagentaKey(SDL_Surface* surface) {
    if (surface != nullptr) {
        SDL_SetColorKey(surface, SDL_SRCCOLORKEY, SDL_MapRGB(surface->format, 255, 0, 255));
    }
}

void releaseSurface(SDL_Surface*& surface) {
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
        surface = nullptr;
    }
}
