// The window: refusing displayless drivers, the icon, the video mode and caption; and the blit
// helpers everything draws with, which remember what the maze's cells show.
#include "platform/video.h"

#include "core/game_state.h"
#include "core/report.h"
#include "core/shared_types.h"
#include "platform/platform.h"
#include "platform/web_canvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace {

constexpr Uint32 videoModeFlags = SDL_HWSURFACE | SDL_ANYFORMAT | SDL_DOUBLEBUF;
const char* const windowTitle = "Tamberlo Adventure - A Tamberlo Production";

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// Drivers that run without a display: text terminals, or an invisible offscreen surface.
bool isDisplaylessDriver(const char* name) {
    for (const char* driver : {"caca", "aalib", "offscreen", "dummy"}) {
        if (std::strcmp(name, driver) == 0) {
            return true;
        }
    }
    return false;
}

[[noreturn]] void failInit(const char* reason) {
    fatal("Unable to init SDL: %s", reason);
}

} // namespace

const char* missingDisplayReason() {
#if defined(__unix__) && !defined(__APPLE__) && !defined(__EMSCRIPTEN__)
    if (isSet("SDL_VIDEODRIVER")) {
        return nullptr;
    }
    if (!isSet("DISPLAY")) {
        return "No available video device (no X display: DISPLAY is not set)";
    }
#endif
    return nullptr;
}

void initVideo(SDL_Surface* (*loadIcon)()) {
    const bool driverChosen = isSet("SDL_VIDEODRIVER");
    if (const char* reason = missingDisplayReason()) {
        failInit(reason);
    }
#if defined(__unix__) && !defined(__APPLE__) && !defined(__EMSCRIPTEN__)
    // With a display named but not reachable, SDL would try other drivers down to a text
    // terminal; asking for X11 alone makes it fail cleanly instead.
    if (!driverChosen) {
        setenv("SDL_VIDEODRIVER", "x11", 1);
    }
#endif
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        failInit(SDL_GetError());
    }
    std::atexit(SDL_Quit);
    char driverName[32] = "";
    if (!driverChosen && SDL_VideoDriverName(driverName, sizeof driverName) != nullptr &&
        isDisplaylessDriver(driverName)) {
        static char reason[96];
        std::snprintf(reason, sizeof reason, "No available video device (only the '%s' driver)",
                      driverName);
        failInit(reason);
    }
    if (SDL_Surface* icon = loadIcon(); icon != nullptr) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
    screen = SDL_SetVideoMode(windowWidth, windowHeight, platform.videoDepth, videoModeFlags);
    if (screen == nullptr) {
        fatal("Unable to set 800x600 video: %s", SDL_GetError());
    }
    SDL_WM_SetCaption(windowTitle, nullptr);
#ifdef __EMSCRIPTEN__
    webOpenScreen();
#endif
}

namespace {

// Whether the picture can be copied byte for byte onto the screen: opaque and in the window's
// own pixel format.
bool copyable(const SDL_Surface* surface) {
    const SDL_PixelFormat* from = surface->format;
    const SDL_PixelFormat* to = screen->format;
    return (surface->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA)) == 0 && !SDL_MUSTLOCK(screen) &&
           !SDL_MUSTLOCK(surface) && from->palette == nullptr && to->palette == nullptr &&
           from->BytesPerPixel == to->BytesPerPixel && from->Rmask == to->Rmask &&
           from->Gmask == to->Gmask && from->Bmask == to->Bmask && from->Amask == to->Amask;
}

// Copies the part of a copyable picture that lies wholly inside the clip rectangle, row by row
// with memcpy, to the picture's place (x, y); false leaves the blit to SDL. SDL 1.2's copying
// blitter moves eight bytes at a time with non-temporal stores, and the maze's 450 tiles drawn
// every frame made it the largest cost of play. The pixels are the same.
bool copyOpaque(const SDL_Surface* surface, int x, int y, const SDL_Rect& part) {
    const SDL_Rect& clip = screen->clip_rect;
    if (!copyable(surface) || x < clip.x || y < clip.y || x + surface->w > clip.x + clip.w ||
        y + surface->h > clip.y + clip.h) {
        return false;
    }
    const int bytesPerPixel = screen->format->BytesPerPixel;
    const size_t rowBytes = static_cast<size_t>(part.w) * bytesPerPixel;
    const Uint8* source = static_cast<const Uint8*>(surface->pixels) + part.y * surface->pitch +
                          part.x * bytesPerPixel;
    Uint8* target = static_cast<Uint8*>(screen->pixels) + (y + part.y) * screen->pitch +
                    static_cast<ptrdiff_t>(x + part.x) * bytesPerPixel;
    for (int row = 0; row < part.h; ++row) {
        std::memcpy(target + row * screen->pitch, source + row * surface->pitch, rowBytes);
    }
    return true;
}

SDL_Rect wholeOf(const SDL_Surface* surface) {
    return SDL_Rect{0, 0, static_cast<Uint16>(surface->w), static_cast<Uint16>(surface->h)};
}

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

// Forgets the cells that the area (x, y, w, h) of the screen overlaps.
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

int blitAt(SDL_Surface* surface, Sint16 x, Sint16 y) {
    if (surface == nullptr || screen == nullptr) {
        return -1;
    }
    forgetCellsUnder(x, y, surface->w, surface->h);
#ifdef __EMSCRIPTEN__
    return webBlit(surface, wholeOf(surface), x, y);
#else
    if (copyOpaque(surface, x, y, wholeOf(surface))) {
        return 0;
    }
    SDL_Rect destination{x, y, 0, 0};
    return SDL_UpperBlit(surface, nullptr, screen, &destination);
#endif
}

int blitRegion(SDL_Surface* surface, Sint16 x, Sint16 y, Uint16 w, Uint16 h) {
    if (surface == nullptr || screen == nullptr) {
        return -1;
    }
    forgetCellsUnder(x, y, w, h);
    SDL_Rect source{x, y, w, h};
#ifdef __EMSCRIPTEN__
    return webBlit(surface, source, x, y);
#else
    SDL_Rect destination{x, y, 0, 0};
    return SDL_UpperBlit(surface, &source, screen, &destination);
#endif
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

SDL_Surface* screenCopy(SDL_Surface* picture) {
#ifdef __EMSCRIPTEN__
    return webCopy(picture);
#else
    return SDL_DisplayFormat(picture);
#endif
}

void makeSeeThrough(SDL_Surface* picture, Uint8 red, Uint8 green, Uint8 blue) {
#ifdef __EMSCRIPTEN__
    webSeeThrough(picture, static_cast<Uint32>(red) << 16 | static_cast<Uint32>(green) << 8 | blue);
#else
    SDL_SetColorKey(picture, SDL_SRCCOLORKEY, SDL_MapRGB(picture->format, red, green, blue));
#endif
}

void clipScreen(const SDL_Rect* area) {
#ifdef __EMSCRIPTEN__
    // The browser's SDL keeps the clip to itself; the game's own drawing reads it here.
    SDL_Rect whole{0, 0, static_cast<Uint16>(screen->w), static_cast<Uint16>(screen->h)};
    SDL_Rect clip = area != nullptr ? *area : whole;
    const int left = std::max(0, static_cast<int>(clip.x));
    const int top = std::max(0, static_cast<int>(clip.y));
    const int right = std::min(screen->w, clip.x + static_cast<int>(clip.w));
    const int bottom = std::min(screen->h, clip.y + static_cast<int>(clip.h));
    screen->clip_rect = SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(top),
                                 static_cast<Uint16>(std::max(0, right - left)),
                                 static_cast<Uint16>(std::max(0, bottom - top))};
#else
    SDL_SetClipRect(screen, area);
#endif
}

SDL_Surface* takeRenderedText(SDL_Surface* text) {
#ifdef __EMSCRIPTEN__
    if (text != nullptr) {
        SDL_LockSurface(text);
    }
#endif
    return text;
}
