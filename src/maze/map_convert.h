// Turning a level source map (characters) into the grid of tile codes a level file holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A map has one line per maze row below the status-line panel: rows 1 to 18.
constexpr int32_t mapLines = 18;

struct MapConversion {
    std::vector<int32_t> cells;      // mazeCells codes in cell order, when errors is empty
    std::vector<std::string> errors; // one readable line per fault, with its row and column
};

// A map text's lines, each without its "\n".
std::vector<std::string> mapLinesOf(const std::string& text);

// Converts the map: row 0 becomes the panel, every other character its legend code, and
// every wall the piece that joins it to its walled neighbours.
MapConversion convertMap(const std::vector<std::string>& lines);

// The level file text: 19 lines of 25 right-aligned numbers.
std::string formatLevel(const std::vector<int32_t>& cells);
