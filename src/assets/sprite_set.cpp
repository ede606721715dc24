// Loading the twelve frames of a look from its folder, and finding the frame for a heading.
#include "assets/sprite_set.h"

#include "assets/asset_paths.h"
#include "assets/image_loader.h"
#include "core/shared_types.h"
#include "platform/video.h"

#include <initializer_list>
#include <string>

namespace {

// In the order of the looks' numbers.
const char* const lookFolders[] = {assetPath::scaredGreyFolder, assetPath::scaredWhiteFolder,
                                   assetPath::playerFolder,     assetPath::redFolder,
                                   assetPath::purpleFolder,     assetPath::blueFolder,
                                   assetPath::yellowFolder};

SDL_Surface* loadFrame(const char* folder, const char* prefix, int32_t index) {
    return loadImage(assetPath::characterFrame(folder, prefix, index).c_str(), tilePicture);
}

} // namespace

void SpriteSet::loadSprites(int32_t look) {
    if (look < ScaredGrey || look > YellowLook) {
        return;
    }
    release();
    const char* const folder = lookFolders[look];
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
            frames[SouthFirst + i] = north != nullptr ? screenCopy(north) : nullptr;
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
