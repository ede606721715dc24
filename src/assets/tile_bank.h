// The pictures of the maze: wall pieces, floor, door, dots, power items, bombs and the blank
// sheet with which the status line erases old numbers.
#pragma once

#include <SDL.h>
#include <array>
#include <cstdint>
#include <string>

#include "core/shared_types.h"

constexpr int32_t powerFrameCount = 4;
constexpr int32_t dotFrameCount = 5;

class TileBank {
  public:
    TileBank() = default;
    TileBank(const TileBank&) = delete;
    TileBank& operator=(const TileBank&) = delete;
    ~TileBank() { release(); }

    int loadTiles();
    void release();

    std::array<SDL_Surface*, wallPieceCount> walls{};
    SDL_Surface* openSpace = nullptr;
    SDL_Surface* door = nullptr;
    SDL_Surface* dyno = nullptr;
    SDL_Surface* boom = nullptr;
    SDL_Surface* boom2 = nullptr;
    std::array<SDL_Surface*, powerFrameCount> powerImages{};
    std::array<SDL_Surface*, dotFrameCount> dotImages{};
    SDL_Surface* blankSheet = nullptr;
};
