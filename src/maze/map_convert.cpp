// Converting a character map into the grid of a level file, wall pieces chosen by their
// walled neighbours.
#include "maze/map_convert.h"

#include "core/shared_types.h"
#include "maze/map_legend.h"
#include "maze/wall_piece.h"

#include <cstdio>
#include <sstream>

namespace {

constexpr int32_t panelRow = 0;

std::string at(int32_t row, int32_t column) {
    return "row " + std::to_string(row) + ", column " + std::to_string(column) + ": ";
}

// The map row `row` of the maze (1 … 18) is line row - 1 of the source.
char symbolAt(const std::vector<std::string>& lines, int32_t row, int32_t column) {
    if (row <= panelRow || row >= mazeRows || column < 0 || column >= mazeColumns) {
        return '\0';
    }
    return lines[row - 1][column];
}

bool isSolidWallRow(const std::vector<std::string>& lines, int32_t row) {
    for (int32_t column = 0; column < mazeColumns; ++column) {
        if (symbolAt(lines, row, column) != wallSymbol) {
            return false;
        }
    }
    return true;
}

// A maze drawn in fewer than 18 rows is closed by two solid wall rows at its top or bottom.
// Drawn as lines, the outer one would join the inner one at every cell: a ladder of boxes. So
// the outer row becomes plain panel, like the status line, and the inner one a clean border.
bool isPanelRow(const std::vector<std::string>& lines, int32_t row) {
    const int32_t firstRow = panelRow + 1;
    const int32_t lastRow = mazeRows - 1;
    return (row == firstRow && isSolidWallRow(lines, firstRow) &&
            isSolidWallRow(lines, firstRow + 1)) ||
           (row == lastRow && isSolidWallRow(lines, lastRow) && isSolidWallRow(lines, lastRow - 1));
}

WallJoins joinsAt(const std::vector<std::string>& lines, int32_t row, int32_t column) {
    const auto isWall = [&](int32_t r, int32_t c) {
        return symbolAt(lines, r, c) == wallSymbol && !isPanelRow(lines, r);
    };
    // A door sits in a wall line, so the walls beside it reach out to it; it never carries a
    // wall on from above or below.
    const auto isWallOrDoor = [&](int32_t r, int32_t c) {
        return isWall(r, c) || symbolAt(lines, r, c) == '-';
    };
    return WallJoins{isWall(row - 1, column), isWall(row + 1, column),
                     isWallOrDoor(row, column - 1), isWallOrDoor(row, column + 1)};
}

std::vector<std::string> checkShape(const std::vector<std::string>& lines) {
    std::vector<std::string> errors;
    if (static_cast<int32_t>(lines.size()) != mapLines) {
        errors.push_back("the map has " + std::to_string(lines.size()) + " lines, it needs " +
                         std::to_string(mapLines) + " (maze rows 1 to 18)");
        return errors;
    }
    for (int32_t row = 1; row < mazeRows; ++row) {
        const std::string& line = lines[row - 1];
        if (static_cast<int32_t>(line.size()) != mazeColumns) {
            errors.push_back("row " + std::to_string(row) + ": " + std::to_string(line.size()) +
                             " characters, a row needs " + std::to_string(mazeColumns));
        }
    }
    return errors;
}

} // namespace

MapConversion convertMap(const std::vector<std::string>& lines) {
    MapConversion result;
    result.errors = checkShape(lines);
    if (!result.errors.empty()) {
        return result;
    }
    result.cells.assign(mazeCells, WallPanel);
    for (int32_t row = 1; row < mazeRows; ++row) {
        for (int32_t column = 0; column < mazeColumns; ++column) {
            const char symbol = symbolAt(lines, row, column);
            int32_t& cell = result.cells[row * mazeColumns + column];
            if (symbol == wallSymbol && isPanelRow(lines, row)) {
                cell = WallPanel;
            } else if (symbol == wallSymbol) {
                const auto piece = wallPieceFor(joinsAt(lines, row, column));
                if (piece) {
                    cell = *piece;
                } else {
                    result.errors.push_back(at(row, column) +
                                            "wall joined on all four sides; there is no piece "
                                            "for it, keep walls one tile thick");
                }
            } else if (const auto code = codeForSymbol(symbol)) {
                cell = *code;
            } else {
                result.errors.push_back(at(row, column) + "character '" + std::string(1, symbol) +
                                        "' is not in the legend");
            }
        }
    }
    if (!result.errors.empty()) {
        result.cells.clear();
    }
    return result;
}

std::string formatLevel(const std::vector<int32_t>& cells) {
    std::string text;
    for (int32_t row = 0; row < mazeRows; ++row) {
        for (int32_t column = 0; column < mazeColumns; ++column) {
            char number[16];
            std::snprintf(number, sizeof number, column == 0 ? "%2d" : " %2d",
                          static_cast<int>(cells[row * mazeColumns + column]));
            text += number;
        }
        text += '\n';
    }
    return text;
}

std::vector<std::string> mapLinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}
