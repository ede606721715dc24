#include "wall_piece.h"

#include "shell/shared_types.h"

#include <array>

namespace {

constexpr int32_t noPiece = -1;

// Indexed by north * 8 + south * 4 + west * 2 + east.
constexpr std::array<int32_t, 16> piecesByJoins = {
    WallPillar,         // none
    WallEndEast,        // E
    WallEndWest,        // W
    WallEastWest,       // W+E
    WallEndSouth,       // S
    WallSouthEast,      // S+E
    WallSouthWest,      // S+W
    WallEastWestSouth,  // S+W+E
    WallEndNorth,       // N
    WallNorthEast,      // N+E
    WallNorthWest,      // N+W
    WallEastWestNorth,  // N+W+E
    WallNorthSouth,     // N+S
    WallNorthSouthEast, // N+S+E
    WallNorthSouthWest, // N+S+W
    noPiece,            // all four
};

} // namespace

std::optional<int32_t> wallPieceFor(WallJoins joins) {
    const int index =
        (joins.north ? 8 : 0) + (joins.south ? 4 : 0) + (joins.west ? 2 : 0) + (joins.east ? 1 : 0);
    const int32_t piece = piecesByJoins[index];
    if (piece == noPiece) {
        return std::nullopt;
    }
    return piece;
}
