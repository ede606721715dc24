// What the maze editor's page (web/editor.html) calls in the game's code, loaded without its
// main: a map checked by every check the game runs on a set, a level file read back as a map,
// the share codes both ways, and the legend with the picture the editor shows for each tile.
// Each answer is a text that stays valid until the next call. Like the page's own calls
// (page_calls_web.cpp) they are kept and exported by EMSCRIPTEN_KEEPALIVE, as Module._NAME.
#include "assets/asset_paths.h"
#include "assets/tile_bank.h"
#include "core/game_state.h"
#include "core/shared_types.h"
#include "maze/level_map.h"
#include "maze/level_text.h"
#include "maze/map_convert.h"
#include "maze/map_legend.h"
#include "maze/share_code.h"
#include "platform/pacing.h"
#include "rules/playable.h"

#include <emscripten.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string answer;

const char* give(std::string text) {
    answer = std::move(text);
    return answer.c_str();
}

// The converter names its faults' cells in its messages ("row R, column C: ..."); the editor
// marks them on the grid.
LevelProblem problemOfConversion(const std::string& error) {
    int row = -1;
    int column = -1;
    int length = 0;
    if (std::sscanf(error.c_str(), "row %d, column %d: %n", &row, &column, &length) == 2 &&
        length > 0) {
        return LevelProblem{row, column, error.substr(static_cast<size_t>(length))};
    }
    return problemOfLevel(error);
}

// The picture the editor shows for a tile code: the game's own, as the maze draws it, but an
// actor's start and homes show the actor that starts there, and a bomb site its bomb.
std::string pictureOf(int32_t code) {
    switch (code) {
    case Door:
        return assetPath::door;
    case PlayerStart:
        return assetPath::characterFrame(assetPath::playerFolder, "E", 1);
    case RedHome:
        return assetPath::characterFrame(assetPath::redFolder, "E", 1);
    case PurpleHome:
        return assetPath::characterFrame(assetPath::purpleFolder, "E", 1);
    case BlueHome:
        return assetPath::characterFrame(assetPath::blueFolder, "E", 1);
    case YellowHome:
        return assetPath::characterFrame(assetPath::yellowFolder, "E", 1);
    case PowerItem:
        return assetPath::powerFrame(0);
    case BombSiteMark:
        return assetPath::bomb;
    default:
        break;
    }
    if (isDotCode(code)) {
        return assetPath::dotFrame(dotFrameCount - 1);
    }
    return isWallCode(code) ? assetPath::wallPiece(code) : assetPath::openSpace;
}

} // namespace

extern "C" {

// The legend, one line a tile code: "CODE\tSYMBOL\tPICTURE\tMARK\tKEYED\tTOOL", SYMBOL its
// map character (the wall's for every piece), MARK the character of the steering mark it holds
// or leaves ('_' for none), KEYED 1 when its picture's magenta is see-through, TOOL 1 for the
// code whose picture its character's tool shows (a wall's is the pillar, joined to nothing).
EMSCRIPTEN_KEEPALIVE const char* tamberloEditorLegend() {
    std::string text;
    for (int32_t code = Open; code <= WallLast; ++code) {
        const char symbol = isWallCode(code) ? wallSymbol : symbolForCode(code).value_or('?');
        const int32_t under = isSteeringCode(code) && isDotCode(code) ? markUnderDot(code) : code;
        const char mark = isSteeringCode(under) ? symbolForCode(under).value_or('_') : '_';
        const bool keyed = (code >= PlayerStart && code <= YellowHome) || code == BombSiteMark;
        const bool tool = !isWallCode(code) || code == WallPillar;
        text += std::to_string(code) + '\t' + symbol + '\t' + pictureOf(code) + '\t' + mark + '\t' +
                (keyed ? '1' : '0') + '\t' + (tool ? '1' : '0') + '\n';
    }
    return give(text);
}

// The length of a frame of play, in milliseconds: the autopilot tells its progress in frames.
EMSCRIPTEN_KEEPALIVE int tamberloEditorFrameMs() {
    return static_cast<int>(minimumFrameMs);
}

// A map's text through the converter and, when checks is not 0, every check of a set (without
// them the answer comes at once, for drawing while the player paints). The answer: the level file
// the map makes (19 lines of tile codes) or, when it does not convert, the level of the map with
// the faulty cells as open floor (for drawing; nothing when the map is not 18 lines of 25), then a
// line "problems", then one line a problem: "ROW\tCOLUMN\tMESSAGE" (maze rows 1 to 18; -1 -1 for
// the maze as a whole). A maze with no problem line passes.
EMSCRIPTEN_KEEPALIVE const char* tamberloEditorCheck(const char* mapText, int checks) {
    std::vector<std::string> lines = mapLinesOf(mapText != nullptr ? mapText : "");
    MapConversion conversion = convertMap(lines);
    LevelProblems problems;
    for (const std::string& error : conversion.errors) {
        problems.push_back(problemOfConversion(error));
    }
    if (!conversion.errors.empty()) {
        for (const LevelProblem& problem : problems) {
            if (problem.row >= 1 && problem.row <= mapLines && problem.column >= 0 &&
                problem.column < mazeColumns) {
                lines[problem.row - 1][problem.column] = symbolForCode(Open).value_or('_');
            }
        }
        conversion = convertMap(lines);
    }
    const std::string level = conversion.cells.empty() ? "" : formatLevel(conversion.cells);
    if (problems.empty() && checks != 0) {
        problems = checkLevelText(level);
        // The chase check played the enemies on the live maze: the next check starts afresh.
        resetScalarGlobals();
    }
    std::string text = level + "problems\n";
    for (const LevelProblem& problem : problems) {
        text += std::to_string(problem.row) + '\t' + std::to_string(problem.column) + '\t' +
                problem.message + '\n';
    }
    return give(text);
}

// The map of a level file's text, or "" when the text is not a sound level of legend codes.
EMSCRIPTEN_KEEPALIVE const char* tamberloEditorMapOfLevel(const char* levelText) {
    const LevelText level = parseLevelText(levelText != nullptr ? levelText : "");
    return give(level.faults.empty() ? levelToMap(level.cells).value_or("") : "");
}

// The share code of a map's text (the page awaits the browser's compression).
EMSCRIPTEN_KEEPALIVE const char* tamberloEditorCodeOfMap(const char* mapText) {
    return give(mazeCode(mapText != nullptr ? mapText : ""));
}

// The map text of the first maze of share codes, or "!" and what is wrong with them.
EMSCRIPTEN_KEEPALIVE const char* tamberloEditorMapOfCode(const char* codes) {
    const MazeCodes read = readMazeCodes(codes != nullptr ? codes : "");
    if (!read.error.empty() || read.mapTexts.empty()) {
        return give("!" + (read.error.empty() ? std::string("no maze in the code") : read.error));
    }
    return give(read.mapTexts.front());
}
}
