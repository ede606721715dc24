// Pixel checks shared by the screens' tests: what a text or a picture drawn over a full-window
// background must leave on the screen, and a recorder of what each presented pass looked like.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "shell/game_state.h"
#include "shell/platform.h"
#include "support/game_fixture.h"

namespace screencheck {

// A colour that no picture of the game uses: whatever still shows it was not drawn over.
constexpr Uint32 marker = 0x13579B;

constexpr SDL_Color white{255, 255, 255, 0};
constexpr SDL_Color red{255, 0, 0, 0};
constexpr SDL_Color blue{0, 0, 255, 0};

inline void fillScreen(Uint32 rgb) {
    SDL_FillRect(screen, nullptr,
                 SDL_MapRGB(screen->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
}

inline void fillRect(int x, int y, int w, int h, Uint32 rgb) {
    SDL_Rect area{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                  static_cast<Uint16>(h)};
    SDL_FillRect(screen, &area,
                 SDL_MapRGB(screen->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
}

inline Uint32 rawPixel(SDL_Surface* surface, int x, int y) {
    const Uint8 bpp = surface->format->BytesPerPixel;
    const Uint8* at = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
    switch (bpp) {
    case 1:
        return *at;
    case 2:
        return *reinterpret_cast<const Uint16*>(at);
    case 3:
        return static_cast<Uint32>(at[0]) | (static_cast<Uint32>(at[1]) << 8) |
               (static_cast<Uint32>(at[2]) << 16);
    default:
        return *reinterpret_cast<const Uint32*>(at);
    }
}

inline Uint32 rgbOf(SDL_Surface* surface, Uint32 raw) {
    Uint8 r = 0;
    Uint8 g = 0;
    Uint8 b = 0;
    SDL_GetRGB(raw, surface->format, &r, &g, &b);
    return (static_cast<Uint32>(r) << 16) | (static_cast<Uint32>(g) << 8) | b;
}

inline Uint32 rgbOf(SDL_Color colour) {
    return (static_cast<Uint32>(colour.r) << 16) | (static_cast<Uint32>(colour.g) << 8) | colour.b;
}

inline std::string hexColour(Uint32 rgb) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(rgb));
    return text;
}

// Whether a pixel of a picture is drawn by a blit: colour-keyed pixels are not.
inline bool isInk(SDL_Surface* picture, int x, int y) {
    return (picture->flags & SDL_SRCCOLORKEY) == 0 ||
           rawPixel(picture, x, y) != picture->format->colorkey;
}

// How many pixels of a rectangle of the screen hold the colour.
inline int pixelsOf(Uint32 rgb, int x, int y, int w, int h) {
    int count = 0;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            if (rgbOf(screen, rawPixel(screen, column, row)) == rgb) {
                ++count;
            }
        }
    }
    return count;
}

// Checks that, inside `area`, the screen shows `picture` with its top-left corner at (px, py)
// over `background` (a full-window picture restored underneath). Pixels of the area outside
// the picture, or transparent in it, must show the background; a null background leaves them
// unchecked.
inline ::testing::AssertionResult showsPicture(SDL_Surface* picture, int px, int py, SDL_Rect area,
                                               SDL_Surface* background) {
    if (picture == nullptr) {
        return ::testing::AssertionFailure() << "no picture to look for";
    }
    for (int y = area.y; y < area.y + area.h && y < screen->h; ++y) {
        for (int x = area.x; x < area.x + area.w && x < screen->w; ++x) {
            const int ix = x - px;
            const int iy = y - py;
            const bool inside = ix >= 0 && iy >= 0 && ix < picture->w && iy < picture->h;
            Uint32 expected = 0;
            if (inside && isInk(picture, ix, iy)) {
                expected = rgbOf(picture, rawPixel(picture, ix, iy));
            } else if (background != nullptr) {
                expected = rgbOf(background, rawPixel(background, x, y));
            } else {
                continue;
            }
            const Uint32 actual = rgbOf(screen, rawPixel(screen, x, y));
            if (actual != expected) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << hexColour(actual)
                       << ", expected " << hexColour(expected);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// Checks that `text`, rendered solid in the font and colour, shows at (tx, ty) inside `area`.
inline ::testing::AssertionResult showsText(TTF_Font* font, const std::string& text,
                                            SDL_Color colour, int tx, int ty, SDL_Rect area,
                                            SDL_Surface* background) {
    SDL_Surface* rendered = TTF_RenderText_Solid(font, text.c_str(), colour);
    if (rendered == nullptr) {
        return ::testing::AssertionFailure() << "cannot render \"" << text << "\"";
    }
    ::testing::AssertionResult result = showsPicture(rendered, tx, ty, area, background);
    SDL_FreeSurface(rendered);
    if (!result) {
        result << " (looking for \"" << text << "\" at " << tx << ", " << ty << ")";
    }
    return result;
}

// The same, with the area being the whole rendered text.
inline ::testing::AssertionResult showsText(TTF_Font* font, const std::string& text,
                                            SDL_Color colour, int tx, int ty) {
    int w = 0;
    int h = 0;
    TTF_SizeText(font, text.c_str(), &w, &h);
    SDL_Rect area{static_cast<Sint16>(tx), static_cast<Sint16>(ty), static_cast<Uint16>(w),
                  static_cast<Uint16>(h)};
    return showsText(font, text, colour, tx, ty, area, nullptr);
}

inline SDL_Rect rect(int x, int y, int w, int h) {
    return SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                    static_cast<Uint16>(h)};
}

// Whether an effect is playing on any mixer channel.
inline bool effectPlaying(Mix_Chunk* chunk) {
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        if (Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == chunk) {
            return true;
        }
    }
    return false;
}

// The numbers of a level file of the run directory, as the maze grid holds them after reading.
inline std::vector<int32_t> levelFileCells(int32_t level) {
    std::ifstream file("level" + std::to_string(level) + ".txt");
    std::vector<int32_t> cells;
    int32_t value = 0;
    while (file >> value) {
        cells.push_back(value);
    }
    return cells;
}

// The same once a frame has drawn the maze: the bombs have become records and their cells floor.
inline std::vector<int32_t> levelFileCellsInPlay(int32_t level) {
    std::vector<int32_t> cells = levelFileCells(level);
    for (int32_t& cell : cells) {
        if (cell == BombSiteMark) {
            cell = Open;
        }
    }
    return cells;
}

inline std::vector<int32_t> gridCells() {
    return std::vector<int32_t>(mazeGrid.cells.begin(), mazeGrid.cells.end());
}

// Keeps only one level's track loaded while it lives, so that music playing can only be that
// track. Level 0 unloads them all.
class OnlyLevelTrack {
  public:
    explicit OnlyLevelTrack(int32_t level) {
        for (size_t index = 0; index < tracks.size(); ++index) {
            saved[index] = *tracks[index];
            if (static_cast<int32_t>(index) + 1 != level) {
                *tracks[index] = nullptr;
            }
        }
    }
    ~OnlyLevelTrack() {
        Mix_HaltMusic();
        for (size_t index = 0; index < tracks.size(); ++index) {
            *tracks[index] = saved[index];
        }
    }
    OnlyLevelTrack(const OnlyLevelTrack&) = delete;
    OnlyLevelTrack& operator=(const OnlyLevelTrack&) = delete;

  private:
    std::array<Mix_Music**, 5> tracks{&soundBank.level1Music, &soundBank.level2Music,
                                      &soundBank.level3Music, &soundBank.level4Music,
                                      &soundBank.level5Music};
    std::array<Mix_Music*, 5> saved{};
};

// Calls a check after every present (frame or screen pass), with the present's number, then
// silences the effects so that the next check sees only what the next pass started.
class PassRecorder {
  public:
    explicit PassRecorder(std::function<void(int)> check) {
        recorder() = std::move(check);
        scriptedFlip() = platform.flip;
        platform.flip = &flip;
    }
    ~PassRecorder() {
        platform.flip = scriptedFlip();
        recorder() = nullptr;
    }
    PassRecorder(const PassRecorder&) = delete;
    PassRecorder& operator=(const PassRecorder&) = delete;

  private:
    static std::function<void(int)>& recorder() {
        static std::function<void(int)> check;
        return check;
    }
    static int (*&scriptedFlip())(SDL_Surface*) {
        static int (*previous)(SDL_Surface*) = nullptr;
        return previous;
    }
    static int flip(SDL_Surface* surface) {
        // The check sees the pass as it was presented, before the script acts on it.
        if (recorder()) {
            recorder()(scripted::script.presents + 1);
        }
        Mix_HaltChannel(-1);
        return scriptedFlip()(surface);
    }
};

} // namespace screencheck
