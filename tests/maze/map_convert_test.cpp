// levelmake's conversion of character maps into level files.
#include "core/shared_types.h"
#include "maze/map_convert.h"
#include "maze/wall_piece.h"
#include "support/grid_builder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int32_t cellAt(const MapConversion& conversion, int32_t row, int32_t column) {
    return conversion.cells[cellOf(row, column)];
}

TEST(WallPiece, EveryJoinHasItsOwnPieceButTheCross) {
    std::vector<int32_t> seen;
    for (int joins = 0; joins < 15; ++joins) {
        const auto piece =
            wallPieceFor({(joins & 8) != 0, (joins & 4) != 0, (joins & 2) != 0, (joins & 1) != 0});
        ASSERT_TRUE(piece.has_value());
        EXPECT_NE(*piece, WallPanel);
        seen.push_back(*piece);
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
    EXPECT_FALSE(wallPieceFor({true, true, true, true}).has_value());
}

TEST(ConvertMap, TwoSolidRowsAtTheTopMakeThePanelThicker) {
    std::vector<std::string> lines = smallLevelMap();
    lines[1] = std::string(mazeColumns, '#');
    lines[3][21] = '_'; // no cross below the new wall row
    lines[16][3] = '_'; // one gap: the bottom rows are no longer a solid pair
    const MapConversion conversion = convertMap(lines);
    ASSERT_TRUE(conversion.errors.empty()) << conversion.errors.front();
    EXPECT_EQ(cellAt(conversion, 1, 5), WallPanel);
    EXPECT_EQ(cellAt(conversion, 2, 1), WallEastWest);
    EXPECT_EQ(cellAt(conversion, 2, 5), WallEastWestSouth);
    EXPECT_EQ(cellAt(conversion, 18, 5), WallEastWestNorth);
    EXPECT_EQ(cellAt(conversion, 18, 3), WallEastWest);
}

TEST(ConvertMap, DoorJoinsTheWallsBesideItButNotAboveOrBelow) {
    std::vector<std::string> lines = smallLevelMap();
    lines[3][10] = '#'; // a wall below the door: the door does not carry it on upward
    lines[3][9] = '_';
    lines[3][11] = '_';
    const MapConversion conversion = convertMap(lines);
    ASSERT_TRUE(conversion.errors.empty()) << conversion.errors.front();
    EXPECT_EQ(cellAt(conversion, 3, 10), Door);
    EXPECT_EQ(cellAt(conversion, 3, 9), WallEastWest);
    EXPECT_EQ(cellAt(conversion, 3, 11), WallEastWest);
    EXPECT_EQ(cellAt(conversion, 4, 10), WallEndSouth);
}

TEST(ConvertMap, RefusesMalformedMapsWithTheirPlace) {
    std::vector<std::string> lines = smallLevelMap();
    lines.pop_back();
    MapConversion conversion = convertMap(lines);
    ASSERT_EQ(conversion.errors.size(), 1u);
    EXPECT_EQ(conversion.errors[0], "the map has 17 lines, it needs 18 (maze rows 1 to 18)");

    lines = smallLevelMap();
    lines[2].pop_back();
    lines[3][5] = 'X';
    conversion = convertMap(lines);
    ASSERT_EQ(conversion.errors.size(), 1u) << "a short row stops before the legend";
    EXPECT_EQ(conversion.errors[0], "row 3: 24 characters, a row needs 25");

    lines = smallLevelMap();
    lines[3][5] = 'X';
    lines[9][1] = ' ';
    conversion = convertMap(lines);
    ASSERT_EQ(conversion.errors.size(), 2u);
    EXPECT_EQ(conversion.errors[0], "row 4, column 5: character 'X' is not in the legend");
    EXPECT_EQ(conversion.errors[1], "row 10, column 1: character ' ' is not in the legend");
    EXPECT_TRUE(conversion.cells.empty());
}

} // namespace
