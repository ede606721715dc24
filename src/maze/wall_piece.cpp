// Choosing a wall piece from the game's wall family table by the sides it must join.
#include "maze/wall_piece.h"

#include "core/shared_types.h"

std::optional<int32_t> wallPieceFor(WallJoins joins) {
    const unsigned bits = (joins.north ? JoinNorth : 0) | (joins.south ? JoinSouth : 0) |
                          (joins.west ? JoinWest : 0) | (joins.east ? JoinEast : 0);
    for (const WallPieceInfo& piece : wallFamily) {
        // The panel joins nothing too, but it belongs to the status line, never to a map wall.
        if (piece.code != WallPanel && piece.joins == bits) {
            return piece.code;
        }
    }
    return std::nullopt;
}
