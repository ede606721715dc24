// The web page's own drawing, checked on the desktop's screen: only ink lands, the part asked
// for lands where it is asked, nothing past the picture's edge or the clip, and the see-through
// colour, the clip and the copies are the page's as the game expects them.
#include "platform/web_canvas.h"
#include "support/game_fixture.h"

#include <algorithm>

namespace {

constexpr Uint32 red = 0xFF0000;
// The see-through colour of these tests, with every channel its own.
constexpr Uint32 sage = 0x20A040;
constexpr Uint32 alphaMask = 0xFF000000u;

// A picture in the page's layout over memory of the test's own, rows `pitch` bytes apart.
SDL_Surface* pictureOver(void* memory, int w, int h, int pitch) {
    const SDL_PixelFormat* format = screen->format;
    return SDL_CreateRGBSurfaceFrom(memory, w, h, 32, pitch, format->Rmask, format->Gmask,
                                    format->Bmask, alphaMask);
}

// A picture as the page's SDL makes them: 32 bits in the screen's order, the alpha byte the
// see-through mark. Red with a sage square of 2 × 2 at (2, 2).
SDL_Surface* pagePicture(int w, int h) {
    const SDL_PixelFormat* format = screen->format;
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, format->Rmask,
                                                format->Gmask, format->Bmask, alphaMask);
    SDL_FillRect(picture, nullptr, SDL_MapRGBA(picture->format, 255, 0, 0, 255));
    SDL_Rect square = rect(2, 2, 2, 2);
    SDL_FillRect(picture, &square, SDL_MapRGBA(picture->format, 0x20, 0xA0, 0x40, 255));
    return picture;
}

Uint32 alphaAt(SDL_Surface* picture, int x, int y) {
    const auto* row = static_cast<const Uint8*>(picture->pixels) + y * picture->pitch;
    return reinterpret_cast<const Uint32*>(row)[x] & alphaMask;
}

bool sameClip(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

TEST_F(GameTest, ThePageDrawsOnlyInkOfThePartAskedForInsideTheClip) {
    ASSERT_EQ(screen->format->BytesPerPixel, 4);
    SDL_Surface* picture = pagePicture(8, 8);
    webSeeThrough(picture, sage);
    EXPECT_EQ(alphaAt(picture, 2, 2), 0u);
    EXPECT_EQ(alphaAt(picture, 0, 0), alphaMask) << "only the see-through colour loses its alpha";
    fillScreen(marker);
    webClip(nullptr);
    EXPECT_EQ(webBlit(picture, rect(0, 0, 8, 8), 100, 50), 0);
    EXPECT_EQ(pixelsOf(red, rect(96, 46, 16, 16)), 60);
    EXPECT_EQ(pixelsOf(marker, rect(102, 52, 2, 2)), 4) << "see-through pixels were drawn";

    // A part lands with its own corner at (x, y): here the square's last pixel, then reds.
    fillScreen(marker);
    webBlit(picture, rect(3, 3, 3, 3), 200, 100);
    EXPECT_EQ(pixelsOf(red, rect(196, 96, 12, 12)), 8);
    EXPECT_EQ(screenPixel(200, 100), marker);
    EXPECT_EQ(screenPixel(201, 100), red);
    // A part reaching past the picture's edge draws only what the picture has, though the
    // memory past its right and bottom edges holds ink too.
    Uint32 memory[10][10];
    SDL_Surface* inner = pictureOver(memory, 8, 8, sizeof memory[0]);
    std::fill(&memory[0][0], &memory[0][0] + 100, SDL_MapRGBA(inner->format, 255, 0, 0, 255));
    fillScreen(marker);
    webBlit(inner, rect(6, 6, 10, 10), 300, 300);
    EXPECT_EQ(pixelsOf(red, rect(296, 296, 20, 20)), 4) << "drawn from past the edge";
    SDL_FreeSurface(inner);

    SDL_Rect clip = rect(100, 50, 3, 2);
    webClip(&clip);
    EXPECT_TRUE(sameClip(screen->clip_rect, clip));
    fillScreen(marker);
    webBlit(picture, rect(0, 0, 8, 8), 99, 49);
    EXPECT_EQ(pixelsOf(red, rect(90, 40, 30, 30)), 4) << "drawn outside the clip";
    webClip(nullptr);
    SDL_FreeSurface(picture);
}

TEST_F(GameTest, ThePagesClipStaysOnTheScreen) {
    SDL_Rect offLeftBottom = rect(-5, 590, 20, 20);
    webClip(&offLeftBottom);
    EXPECT_TRUE(sameClip(screen->clip_rect, rect(0, 590, 15, 10)));
    SDL_Rect offRightBottom = rect(900, 700, 10, 10);
    webClip(&offRightBottom);
    EXPECT_EQ(screen->clip_rect.w, 0);
    EXPECT_EQ(screen->clip_rect.h, 0);
    SDL_Surface* picture = pagePicture(8, 8);
    fillScreen(marker);
    webBlit(picture, rect(0, 0, 8, 8), 795, 0);
    EXPECT_EQ(pixelsOf(red, rect(790, 0, 10, 10)), 0) << "drawn through an empty clip";
    webClip(nullptr);
    EXPECT_TRUE(sameClip(screen->clip_rect, rect(0, 0, screen->w, screen->h)));
    webBlit(picture, rect(0, 0, 8, 8), 795, 597);
    EXPECT_EQ(pixelsOf(red, rect(790, 590, 10, 10)), 13) << "the screen's edge clips";
    SDL_FreeSurface(picture);
}

TEST_F(GameTest, ThePagesCopyHasPixelsOfItsOwnAndOtherDepthsDrawNothing) {
    SDL_Surface* picture = pagePicture(5, 4);
    SDL_Surface* copy = webCopy(picture);
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->w, 5);
    ASSERT_EQ(copy->h, 4);
    EXPECT_EQ(surfacePixel(copy, 0, 0), red);
    EXPECT_EQ(surfacePixel(copy, 3, 3), sage);
    EXPECT_EQ(surfacePixel(copy, 4, 3), red);
    webSeeThrough(copy, red);
    EXPECT_EQ(alphaAt(copy, 0, 0), 0u);
    EXPECT_EQ(alphaAt(picture, 0, 0), alphaMask) << "the copy shares the picture's pixels";

    SDL_Surface* shallow = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 16, 0, 0, 0, 0);
    EXPECT_FALSE(webPixels(shallow));
    EXPECT_EQ(webCopy(shallow), nullptr);
    EXPECT_EQ(webBlit(shallow, rect(0, 0, 4, 4), 0, 0), -1);
    for (SDL_Surface* surface : {picture, copy, shallow}) {
        SDL_FreeSurface(surface);
    }
}

TEST_F(GameTest, ThePagesSeeThroughColourStaysInsideThePicture) {
    // Pixels of 3 × 2 in rows of 4, the row below them and the fourth of each row the picture's
    // memory but not its own: all of the see-through colour.
    Uint32 memory[3][4];
    SDL_Surface* picture = pictureOver(memory, 3, 2, sizeof memory[0]);
    for (auto& row : memory) {
        for (Uint32& pixel : row) {
            pixel = SDL_MapRGBA(picture->format, 0x20, 0xA0, 0x40, 255);
        }
    }
    webSeeThrough(picture, sage);
    EXPECT_EQ(memory[1][2] & alphaMask, 0u);
    EXPECT_EQ(memory[0][3] & alphaMask, alphaMask) << "past the end of a row";
    EXPECT_EQ(memory[2][0] & alphaMask, alphaMask) << "past the last row";
    SDL_FreeSurface(picture);
}

} // namespace
