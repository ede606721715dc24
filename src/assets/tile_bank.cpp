#include "assets/tile_bank.h"

#include "assets/image_loader.h"
#include "shell/game_state.h"

#include <string>

const char* const wallImageFiles[wallPieceCount] = {
    "images/walls/wallhorz1a.bmp", "images/walls/wallhorz2a.bmp", "images/walls/wallvert1a.bmp",
    "images/walls/wallvert2a.bmp", "images/walls/green.bmp",      "images/walls/rippled.bmp",
    "images/walls/seam1.bmp",      "images/walls/seam2.bmp",      "images/walls/seam3.bmp",
    "images/walls/seam4.bmp",      "images/walls/greene.bmp",     "images/walls/greens.bmp",
    "images/walls/greenn.bmp",     "images/walls/greenw.bmp",     "images/walls/seam6.bmp",
    "images/walls/seam7.bmp"};

namespace {

SDL_Surface* loadNumbered(const char* stem, int32_t number) {
    std::string path = std::string("images/misc/") + stem + std::to_string(number) + ".bmp";
    return loadImage(path.c_str());
}

} // namespace

int TileBank::loadTiles() {
    release();
    for (int32_t i = 0; i < wallPieceCount; ++i) {
        walls[i] = loadImage(wallImageFiles[i]);
    }
    // The power item's pictures are numbered food2 to food5.
    for (int32_t i = 0; i < powerFrameCount; ++i) {
        powerImages[i] = loadNumbered("food", i + 2);
    }
    powerFrame = 0;
    for (int32_t i = 0; i < dotFrameCount; ++i) {
        dotImages[i] = loadNumbered("ball", i + 1);
    }
    dyno = loadImage("images/misc/dyno.bmp");
    boom = loadImage("images/misc/boom.bmp");
    boom2 = loadImage("images/misc/boom2.bmp");
    door = loadImage("images/misc/door.bmp");
    openSpace = loadImage("images/misc/open_space.jpg");
    blankSheet = loadImage("images/misc/blank_sheet.bmp");
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
