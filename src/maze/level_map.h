// From the cells of a level back to the map they are made from: the map converter undone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The map text of a level's cells (mazeCells codes, row 0 the status line's panel): 18 lines of
// 25 characters, each ended by "\n", every wall piece a wall and every other code its legend
// character. Nothing when there are not mazeCells cells or one holds a code of neither.
std::optional<std::string> levelToMap(const std::vector<int32_t>& cells);
