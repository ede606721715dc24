// The twelve animation frames of one look of a character: three per heading.
#pragma once

#include <SDL.h>
#include <array>
#include <cstdint>

enum SpriteLook : int32_t {
    ScaredGrey = 0,
    ScaredWhite = 1,
    PlayerLook = 2,
    RedLook = 3,
    PurpleLook = 4,
    BlueLook = 5,
    YellowLook = 6
};

constexpr int32_t framesPerHeading = 3;

class SpriteSet {
  public:
    // Frame slots: east 0-2, west 3-5, north 6-8, south 9-11.
    enum Slot : int32_t { EastFirst = 0, WestFirst = 3, NorthFirst = 6, SouthFirst = 9 };

    SpriteSet() = default;
    SpriteSet(const SpriteSet&) = delete;
    SpriteSet& operator=(const SpriteSet&) = delete;
    ~SpriteSet() { release(); }

    // Loads all twelve frames of a look; looks outside 0 to 6 load nothing.
    void loadSprites(int32_t look);
    void release();

    // Frame 0 to 2 of a heading (a Direction; standing still uses the west frames).
    SDL_Surface* frameFor(int32_t heading, int32_t frame) const;

    std::array<SDL_Surface*, 12> frames{};
};
