// Maze cells are copied only where they change, yet always show their last picture: one that
// differs from the picture below only at its edge, one drawn over by anything else, and never a
// cell off the window in place of one on it.
#include "platform/cell_cache.h"
#include "platform/video.h"
#include "support/game_fixture.h"

namespace {

// A tile in the screen's format, all red but for the given rectangle in blue.
SDL_Surface* tile(SDL_Rect blue) {
    SDL_Surface* made = SDL_DisplayFormat(screen);
    SDL_Surface* picture =
        SDL_CreateRGBSurface(SDL_SWSURFACE, tileSize, tileSize, 32, made->format->Rmask,
                             made->format->Gmask, made->format->Bmask, 0);
    SDL_FreeSurface(made);
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, 255, 0, 0));
    SDL_FillRect(picture, &blue, SDL_MapRGB(picture->format, 0, 0, 255));
    return picture;
}

TEST_F(GameTest, ACellShowsItsLastPictureWhateverWasDrawnBefore) {
    SDL_Surface* firstColumn = tile(rect(0, 0, 1, tileSize));
    SDL_Surface* lastRow = tile(rect(0, tileSize - 1, tileSize, 1));
    SDL_Surface* plain = tile(rect(0, 0, 0, 0));
    forgetDrawnCells();
    const auto shows = [](SDL_Surface* picture) { return drawnAt(picture, 0, tileSize); };
    blitCell(plain, 0, tileSize);
    blitCell(firstColumn, 0, tileSize);
    EXPECT_TRUE(shows(firstColumn));
    blitCell(lastRow, 0, tileSize);
    EXPECT_TRUE(shows(lastRow));
    blitAt(firstColumn, 0, tileSize);
    blitCell(lastRow, 0, tileSize);
    EXPECT_TRUE(shows(lastRow)) << "a picture drawn over the cell is forgotten";
    // Column 25 of row 0 lies off the window, next to row 1's first cell in memory.
    blitCell(plain, windowWidth, 0);
    blitCell(plain, 0, tileSize);
    EXPECT_TRUE(shows(plain)) << "a cell off the window stood for one on it";
    // A flip between two buffers, or a clip, may change a cell behind its back: it is redrawn.
    for (bool flips : {true, false}) {
        screen->flags |= flips ? SDL_DOUBLEBUF : 0;
        SDL_Rect clip = rect(0, 0, windowWidth, flips ? windowHeight : windowHeight - 1);
        clipScreen(&clip);
        blitCell(firstColumn, 0, tileSize);
        SDL_FillRect(screen, &clip, 0);
        blitCell(firstColumn, 0, tileSize);
        EXPECT_TRUE(shows(firstColumn)) << (flips ? "flipping" : "clipped");
        screen->flags &= ~SDL_DOUBLEBUF;
        clipScreen(nullptr);
    }
    forgetDrawnCells();
    for (SDL_Surface* picture : {firstColumn, lastRow, plain}) {
        SDL_FreeSurface(picture);
    }
}

} // namespace
