// Loading and releasing the maze pictures.
#include "assets/tile_bank.h"

#include "assets/asset_paths.h"
#include "assets/image_loader.h"
#include "platform/video.h"

#include <string>

int TileBank::loadTiles() {
    release();
    for (int32_t i = 0; i < wallPieceCount; ++i) {
        walls[i] = loadImage(assetPath::wallPiece(WallFirst + i).c_str(), tilePicture);
    }
    for (int32_t i = 0; i < powerFrameCount; ++i) {
        powerImages[i] = loadImage(assetPath::powerFrame(i).c_str(), tilePicture);
    }
    for (int32_t i = 0; i < dotFrameCount; ++i) {
        dotImages[i] = loadImage(assetPath::dotFrame(i).c_str(), tilePicture);
    }
    dyno = loadImage(assetPath::bomb, tilePicture);
    boom = loadImage(assetPath::blast, tilePicture);
    boom2 = loadImage(assetPath::blastLater, tilePicture);
    door = loadImage(assetPath::door, tilePicture);
    openSpace = loadImage(assetPath::openSpace, tilePicture);
    blankSheet = loadImage(assetPath::blankSheet, blankSheetPicture);
    setMagentaKey(dyno);
    setMagentaKey(boom);
    setMagentaKey(boom2);
    return 0;
}

void TileBank::release() {
    // New pictures may come to live where these were: the screen's memory of them must go.
    forgetDrawnCells();
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
