// The maze of the current level: 19 rows by 25 columns of tile codes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/shared_types.h"

class MazeGrid {
  public:
    static constexpr bool inside(int32_t row, int32_t column) {
        return row >= 0 && row < mazeRows && column >= 0 && column < mazeColumns;
    }

    // The code of a cell. Outside the grid there is only wall: actors can never walk off it.
    int32_t at(int32_t row, int32_t column) const {
        return inside(row, column) ? cells[row * mazeColumns + column] : outsideCode;
    }

    // Writes a cell; writes outside the grid are dropped.
    void set(int32_t row, int32_t column, int32_t code) {
        if (inside(row, column)) {
            cells[row * mazeColumns + column] = code;
        }
    }

    static constexpr int32_t outsideCode = WallPillar;

    std::array<int32_t, mazeCells> cells{};
};

// The game's own mazes: level1.txt … level5.txt of the data directory.
constexpr int32_t shippedLevels = 5;

// The mazes played, from level 1 to count: the data directory's own, or a player's set of them
// in a folder of its own (--levels).
struct LevelSet {
    std::string folder; // "" for the data directory
    int32_t count = shippedLevels;
};
extern LevelSet levelSet;

// "level1.txt" … "level5.txt", in the set's folder.
std::string levelFileName(int32_t level);
// The same in the given folder ("" for the data directory).
std::string levelFileName(int32_t level, const std::string& folder);

// A level file's whole text; false, with errno saying why where the system did, when it cannot
// be opened.
bool readLevelText(const std::string& fileName, std::string& text);

// Reads a level file of 475 integers into the maze. A short or damaged file replaces the cells
// before the first bad value and keeps the rest. A file that cannot be opened, or holds no cell
// at all, leaves the maze as it was and returns false: there is no level to play. Every
// problem is reported on standard error.
bool readLevelFile(const std::string& fileName);
