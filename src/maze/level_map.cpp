// Turning a level's cells back into map characters, by the legend and the wall family.
#include "maze/level_map.h"

#include "core/shared_types.h"
#include "maze/map_legend.h"

std::optional<std::string> levelToMap(const std::vector<int32_t>& cells) {
    if (cells.size() != static_cast<size_t>(mazeCells)) {
        return std::nullopt;
    }
    std::string map;
    // Row 0 is the panel the converter adds: the map starts below it.
    for (int32_t cell = mazeColumns; cell < mazeCells; ++cell) {
        const int32_t code = cells[cell];
        const std::optional<char> symbol = isWallCode(code) ? wallSymbol : symbolForCode(code);
        if (!symbol) {
            return std::nullopt;
        }
        map += *symbol;
        if (cell % mazeColumns == mazeColumns - 1) {
            map += '\n';
        }
    }
    return map;
}
