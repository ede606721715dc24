// Loading and releasing the maze pictures.
#include "assets/tile_bank.h"

#include "assets/image_loader.h"

#include <string>

std::string wallImagePath(int32_t code) {
    return std::string("images/walls/") + wallFamily[code - WallFirst].fileStem + ".bmp";
}

namespace {

SDL_Surface* loadNumbered(const char* stem, int32_t number) {
    std::string path = std::string("images/misc/") + stem + std::to_string(number) + ".bmp";
    return loadImage(path.c_str(), tilePicture);
}

} // namespace

int TileBank::loadTiles() {
    release();
    for (int32_t i = 0; i < wallPieceCount; ++i) {
        walls[i] = loadImage(wallImagePath(WallFirst + i).c_str(), tilePicture);
    }
    // The power item's pictures are numbered food2 to food5.
    for (int32_t i = 0; i < powerFrameCount; ++i) {
        powerImages[i] = loadNumbered("food", i + 2);
    }
    for (int32_t i = 0; i < dotFrameCount; ++i) {
        dotImages[i] = loadNumbered("ball", i + 1);
    }
    dyno = loadImage("images/misc/dyno.bmp", tilePicture);
    boom = loadImage("images/misc/boom.bmp", tilePicture);
    boom2 = loadImage("images/misc/boom2.bmp", tilePicture);
    door = loadImage("images/misc/door.bmp", tilePicture);
    openSpace = loadImage("images/misc/open_space.jpg", tilePicture);
    blankSheet = loadImage("images/misc/blank_sheet.bmp", blankSheetPicture);
    setMagentaKey(dyno);
    setMagentaKey(boom);
    setMagentaKey(boom2);
    return 0;
}

void TileBank::release() {
    releaseSurface(openSpace);
    releaseSurface(dyno);
    releaseSurface(boom);
    releaseSurface(boom2);
    releaseSurface(door);
    releaseSurface(blankSheet);
    for (SDL_Surface*& image : powerImages) {
        releaseSurface(image);
    }
    for (SDL_Surface*& image : dotImages) {
        releaseSurface(image);
    }
    for (SDL_Surface*& image : walls) {
        releaseSurface(image);
    }
}
