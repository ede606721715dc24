// The characters of a level source map and the tile codes they stand for.
#pragma once

#include <cstdint>
#include <optional>

// The source character for wall cells; the converter picks the piece from the neighbours.
constexpr char wallSymbol = '#';

// The tile code a map character stands for, or nothing for a character outside the legend.
// Walls are not in this table: they become pieces only once their neighbours are known.
std::optional<int32_t> codeForSymbol(char symbol);

// The map character of a tile code, or nothing for a wall piece or a code outside the legend.
std::optional<char> symbolForCode(int32_t code);
