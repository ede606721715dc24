// Small types that every subsystem and every tool shares: the window's and the maze's geometry,
// the meaning of each tile code, the wall family and the four headings. Nothing here knows a
// game rule.
#pragma once

#include <cstdint>

constexpr int32_t mazeRows = 19;
constexpr int32_t mazeColumns = 25;
constexpr int32_t mazeCells = mazeRows * mazeColumns;
constexpr int32_t tileSize = 32;

// The window the game draws into, in pixels.
constexpr int windowWidth = 800;
constexpr int windowHeight = 600;

// The left edge of the last column: walking off the left side of the maze comes back in here.
constexpr int32_t lastColumnX = (mazeColumns - 1) * tileSize;

enum Direction : int32_t { North = 0, South = 1, West = 2, East = 3, None = 4 };

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
// tile edges on the sides it joins, so neighbouring pieces join into one line.
enum WallPiece : int32_t {
    WallEastWest = 20,
    WallEastWestSouth = 21,
    WallNorthSouth = 22,
    WallNorthSouthEast = 23,
    WallPillar = 24, // a lone block joined to nothing
    WallPanel = 25,  // the plain status-line panel of row 0
    WallSouthEast = 26,
    WallSouthWest = 27,
    WallNorthEast = 28,
    WallNorthWest = 29,
    WallEndEast = 30,
    WallEndSouth = 31,
    WallEndNorth = 32,
    WallEndWest = 33,
    WallEastWestNorth = 34,
    WallNorthSouthWest = 35,
};

// The sides of its tile a wall piece reaches, as bits.
enum WallJoin : uint8_t { JoinNone = 0, JoinNorth = 1, JoinSouth = 2, JoinWest = 4, JoinEast = 8 };

struct WallPieceInfo {
    int32_t code;
    const char* fileStem; // the picture is images/walls/<fileStem>.bmp
    uint8_t joins;
};

// The one table of the wall family, in code order from WallFirst. The tile bank loads these
// pictures, the asset generator draws them, and levelmake picks the piece for each wall cell of
// a map from the walled neighbours it joins. The pillar and the panel join nothing; a map wall
// never becomes the panel.
inline constexpr WallPieceInfo wallFamily[wallPieceCount] = {
    {WallEastWest, "wallhorz1a", JoinWest | JoinEast},
    {WallEastWestSouth, "wallhorz2a", JoinWest | JoinEast | JoinSouth},
    {WallNorthSouth, "wallvert1a", JoinNorth | JoinSouth},
    {WallNorthSouthEast, "wallvert2a", JoinNorth | JoinSouth | JoinEast},
    {WallPillar, "green", JoinNone},
    {WallPanel, "rippled", JoinNone},
    {WallSouthEast, "seam1", JoinSouth | JoinEast},
    {WallSouthWest, "seam2", JoinSouth | JoinWest},
    {WallNorthEast, "seam3", JoinNorth | JoinEast},
    {WallNorthWest, "seam4", JoinNorth | JoinWest},
    {WallEndEast, "greene", JoinEast},
    {WallEndSouth, "greens", JoinSouth},
    {WallEndNorth, "greenn", JoinNorth},
    {WallEndWest, "greenw", JoinWest},
    {WallEastWestNorth, "seam6", JoinWest | JoinEast | JoinNorth},
    {WallNorthSouthWest, "seam7", JoinNorth | JoinSouth | JoinWest},
};

constexpr bool isWallCode(int32_t code) {
    return code >= WallFirst && code <= WallLast;
}

// The steering codes are the five dots that carry a steering mark and the five marks they leave
// once eaten, numbered together from DotSeek to EastMark; the plain dot comes after them.
static_assert(DotSeek + 4 == DotEast && DotEast + 1 == NorthMark && NorthMark + 4 == EastMark &&
                  EastMark + 1 == Dot,
              "the steering codes run from DotSeek to EastMark, the plain dot after them");

constexpr bool isDotCode(int32_t code) {
    return (code >= DotSeek && code <= DotEast) || code == Dot;
}

// Whether a cell steers an enemy: a dot with a steering mark under it, or the mark itself.
constexpr bool isSteeringCode(int32_t code) {
    return code >= DotSeek && code <= EastMark;
}

// The code a dot leaves behind when eaten: its steering mark, or open floor for a plain dot.
constexpr int32_t markUnderDot(int32_t dotCode) {
    switch (dotCode) {
    case DotSeek:
        return SeekMark;
    case DotNorth:
        return NorthMark;
    case DotSouth:
        return SouthMark;
    case DotWest:
        return WestMark;
    case DotEast:
        return EastMark;
    default:
        return Open;
    }
}
