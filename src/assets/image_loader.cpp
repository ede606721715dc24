// Picture loading with one report per unusable file, and the small surface helpers.
#include "assets/image_loader.h"

#include <SDL_image.h>
#include <cstdio>

void reportDataProblem(const char* what, const char* path, const char* reason) {
    std::fprintf(stderr, "tamberlo-adventure: cannot load %s \"%s\": %s\n", what, path, reason);
}

SDL_Surface* loadImage(const char* path) {
    SDL_Surface* loaded = IMG_Load(path);
    if (loaded == nullptr) {
        reportDataProblem("image", path, IMG_GetError());
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
