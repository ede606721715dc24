// Loading the twelve frames of a look from its folder, and finding the frame for a heading.
#include "assets/sprite_set.h"

#include "assets/image_loader.h"
#include "shell/shared_types.h"

#include <initializer_list>
#include <string>

namespace {

const char* const lookFolders[] = {
    "images/scared_grey/",  "images/scared_white/", "images/player/",      "images/red_enemy/",
    "images/purple_enemy/", "images/blue_enemy/",   "images/yellow_enemy/"};

SDL_Surface* loadFrame(const std::string& folder, const char* prefix, int32_t index) {
    std::string path = folder + prefix + std::to_string(index) + ".bmp";
    return loadImage(path.c_str(), tilePicture);
}

} // namespace

void SpriteSet::loadSprites(int32_t look) {
    if (look < ScaredGrey || look > YellowLook) {
        return;
    }
    release();
    const std::string folder = lookFolders[look];
    if (look == PlayerLook) {
        for (int32_t i = 0; i < framesPerHeading; ++i) {
            frames[NorthFirst + i] = loadFrame(folder, "N", i);
        }
        for (int32_t i = 0; i < framesPerHeading; ++i) {
            frames[SouthFirst + i] = loadFrame(folder, "S", i);
        }
    } else {
        // Enemies look the same walking north and south; the south frames are copies of their
        // own so that every surface has exactly one owner slot.
        for (int32_t i = 0; i < framesPerHeading; ++i) {
            frames[NorthFirst + i] = loadFrame(folder, "NS", i);
        }
        for (int32_t i = 0; i < framesPerHeading; ++i) {
            SDL_Surface* north = frames[NorthFirst + i];
            frames[SouthFirst + i] = north != nullptr ? SDL_DisplayFormat(north) : nullptr;
        }
    }
    for (int32_t i = 0; i < framesPerHeading; ++i) {
        frames[EastFirst + i] = loadFrame(folder, "E", i);
    }
    for (int32_t i = 0; i < framesPerHeading; ++i) {
        frames[WestFirst + i] = loadFrame(folder, "W", i);
    }
    for (Slot first : {NorthFirst, SouthFirst, EastFirst, WestFirst}) {
        for (int32_t i = 0; i < framesPerHeading; ++i) {
            setMagentaKey(frames[first + i]);
        }
    }
}

void SpriteSet::release() {
    for (Slot first : {NorthFirst, SouthFirst, EastFirst, WestFirst}) {
        for (int32_t i = 0; i < framesPerHeading; ++i) {
            releaseSurface(frames[first + i]);
        }
    }
}

SDL_Surface* SpriteSet::frameFor(int32_t heading, int32_t frame) const {
    if (frame < 0 || frame >= framesPerHeading) {
        return nullptr;
    }
    switch (heading) {
    case North:
        return frames[NorthFirst + frame];
    case South:
        return frames[SouthFirst + frame];
    case East:
        return frames[EastFirst + frame];
    default:
        return frames[WestFirst + frame];
    }
}
