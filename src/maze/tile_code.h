// The meaning of every value a maze cell can hold, and the size of the maze.
#pragma once

#include <cstdint>

constexpr int32_t mazeRows = 19;
constexpr int32_t mazeColumns = 25;
constexpr int32_t mazeCells = mazeRows * mazeColumns;
constexpr int32_t tileSize = 32;

enum TileCode : int32_t {
    Open = 0,
    Door = 1,
    PlayerStart = 2,
    RedHome = 3,
    PurpleHome = 4,
    BlueHome = 5,
    YellowHome = 6,
    DotSeek = 7,
    DotNorth = 8,
    DotSouth = 9,
    DotWest = 10,
    DotEast = 11,
    NorthMark = 12,
    SouthMark = 13,
    SeekMark = 14,
    WestMark = 15,
    EastMark = 16,
    Dot = 17,
    PowerItem = 18,
    BombSiteMark = 19,
    WallFirst = 20,
    WallLast = 35,
};

constexpr int32_t wallPieceCount = WallLast - WallFirst + 1;

// The wall family: each piece is a wall band through the middle of its tile that reaches the
// tile edges on the sides listed, so neighbouring pieces join into one line. The level
// sources pick the piece for each wall cell from which of its four neighbours are walls.
enum WallPiece : int32_t {
    WallEastWest = 20,       // wallhorz1a
    WallEastWestSouth = 21,  // wallhorz2a
    WallNorthSouth = 22,     // wallvert1a
    WallNorthSouthEast = 23, // wallvert2a
    WallPillar = 24,         // green: a lone block joined to nothing
    WallPanel = 25,          // rippled: the plain status-line panel of row 0
    WallSouthEast = 26,      // seam1
    WallSouthWest = 27,      // seam2
    WallNorthEast = 28,      // seam3
    WallNorthWest = 29,      // seam4
    WallEndEast = 30,        // greene: joined on the east only
    WallEndSouth = 31,       // greens
    WallEndNorth = 32,       // greenn
    WallEndWest = 33,        // greenw
    WallEastWestNorth = 34,  // seam6
    WallNorthSouthWest = 35, // seam7
};

constexpr bool isWallCode(int32_t code) {
    return code >= WallFirst && code <= WallLast;
}

constexpr bool isDotCode(int32_t code) {
    return (code >= DotSeek && code <= DotEast) || code == Dot;
}
