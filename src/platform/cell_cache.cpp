// The memory of what each maze cell of the screen shows, and drawing a cell only where it
// changes.
#include "platform/cell_cache.h"

#include "core/game_state.h"
#include "core/shared_types.h"
#include "platform/opaque_copy.h"
#include "platform/video.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int cellColumns = windowWidth / tileSize;
constexpr int cellRows = (windowHeight + tileSize - 1) / tileSize;

// The picture blitCell last drew in each cell of this screen, or null when unknown.
SDL_Surface* drawnCells[cellRows][cellColumns] = {};
const SDL_Surface* cellsScreen = nullptr;

// Where one cell picture differs from another: the dots and power items change frame every
// frame, but only around their middle. Pictures never change once loaded; the list is emptied
// with the cells' memory, when the pictures may have been loaded anew.
struct PictureChange {
    const SDL_Surface* from;
    const SDL_Surface* to;
    SDL_Rect area;
};
std::vector<PictureChange> knownChanges;

// The smallest rectangle outside which two copyable pictures of one size hold the same bytes.
SDL_Rect changedArea(const SDL_Surface* from, const SDL_Surface* to) {
    for (const PictureChange& change : knownChanges) {
        if (change.from == from && change.to == to) {
            return change.area;
        }
    }
    const int bytesPerPixel = screen->format->BytesPerPixel;
    int left = to->w;
    int top = to->h;
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < to->h; ++y) {
        const Uint8* a = static_cast<const Uint8*>(from->pixels) + y * from->pitch;
        const Uint8* b = static_cast<const Uint8*>(to->pixels) + y * to->pitch;
        for (int x = 0; x < to->w; ++x) {
            if (std::memcmp(a + x * bytesPerPixel, b + x * bytesPerPixel, bytesPerPixel) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    SDL_Rect area{0, 0, 0, 0};
    if (right >= 0) {
        area =
            SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(top),
                     static_cast<Uint16>(right - left + 1), static_cast<Uint16>(bottom - top + 1)};
    }
    knownChanges.push_back(PictureChange{from, to, area});
    return area;
}

// Whether the cell at (x, y) may be remembered: the screen's pixels stay between presents (a
// screen that flips between two buffers does not keep them), the picture covers the cell and
// no more, nothing clips it, and it lands the same however often it is drawn (a blended one
// would darken each time).
bool rememberable(const SDL_Surface* surface, int x, int y) {
    const SDL_Rect& clip = screen->clip_rect;
    return (screen->flags & SDL_DOUBLEBUF) == 0 && (surface->flags & SDL_SRCALPHA) == 0 &&
           surface->w == tileSize && surface->h == tileSize && x >= 0 && y >= 0 &&
           x % tileSize == 0 && y % tileSize == 0 && x / tileSize < cellColumns &&
           y / tileSize < cellRows && clip.x == 0 && clip.y == 0 && clip.w == screen->w &&
           clip.h == screen->h;
}

} // namespace

void forgetCellsUnder(int x, int y, int w, int h) {
    const int firstColumn = std::max(0, x / tileSize);
    const int firstRow = std::max(0, y / tileSize);
    const int endColumn = std::min(cellColumns, (x + w + tileSize - 1) / tileSize);
    const int endRow = std::min(cellRows, (y + h + tileSize - 1) / tileSize);
    for (int row = firstRow; row < endRow; ++row) {
        for (int column = firstColumn; column < endColumn; ++column) {
            drawnCells[row][column] = nullptr;
        }
    }
}

int blitCell(SDL_Surface* surface, Sint16 x, Sint16 y) {
    if (surface == nullptr || screen == nullptr) {
        return -1;
    }
    if (cellsScreen != screen) {
        forgetDrawnCells();
        cellsScreen = screen;
    }
    if (!rememberable(surface, x, y)) {
        return blitAt(surface, x, y);
    }
    SDL_Surface*& drawn = drawnCells[y / tileSize][x / tileSize];
    if (drawn == surface) {
        return 0;
    }
    // Over another picture of the cell only the pixels where the two differ need copying.
    if (drawn != nullptr && copyable(drawn) &&
        copyOpaque(surface, x, y, changedArea(drawn, surface))) {
        drawn = surface;
        return 0;
    }
    const int result = blitAt(surface, x, y);
    drawn = result == 0 ? surface : nullptr;
    return result;
}

void forgetDrawnCells() {
    forgetCellsUnder(0, 0, windowWidth, cellRows * tileSize);
    knownChanges.clear();
}
