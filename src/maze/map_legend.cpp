// The characters of a level map and the tile codes they stand for.
#include "maze/map_legend.h"

#include "core/shared_types.h"

#include <array>
#include <utility>

namespace {

// Open floor is '_' rather than a blank so that editors never trim it from line ends.
constexpr std::array<std::pair<char, int32_t>, 20> legend = {{
    {'_', Open},     {'-', Door},       {'P', PlayerStart}, {'R', RedHome},   {'1', PurpleHome},
    {'2', BlueHome}, {'3', YellowHome}, {'*', DotSeek},     {'^', DotNorth},  {'v', DotSouth},
    {'<', DotWest},  {'>', DotEast},    {'n', NorthMark},   {'s', SouthMark}, {'k', SeekMark},
    {'w', WestMark}, {'e', EastMark},   {'.', Dot},         {'o', PowerItem}, {'B', BombSiteMark},
}};

} // namespace

std::optional<int32_t> codeForSymbol(char symbol) {
    for (const auto& [character, code] : legend) {
        if (character == symbol) {
            return code;
        }
    }
    return std::nullopt;
}

std::optional<char> symbolForCode(int32_t code) {
    for (const auto& [character, tile] : legend) {
        if (tile == code) {
            return character;
        }
    }
    return std::nullopt;
}
