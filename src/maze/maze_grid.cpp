// The level files, and filling the maze from one.
#include "maze/maze_grid.h"

#include "core/game_state.h"
#include "core/report.h"
#include "maze/level_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

LevelSet levelSet;

std::string levelFileName(int32_t level) {
    return levelFileName(level, levelSet.folder);
}

std::string levelFileName(int32_t level, const std::string& folder) {
    const std::string name = "level" + std::to_string(level) + ".txt";
    return folder.empty() ? name : folder + "/" + name;
}

bool readLevelText(const std::string& fileName, std::string& text) {
    errno = 0;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool readLevelFile(const std::string& fileName) {
    std::string text;
    if (!readLevelText(fileName, text)) {
        warn("cannot open level file \"%s\": %s", fileName.c_str(),
             errno != 0 ? std::strerror(errno) : "unreadable");
        return false;
    }
    // The values before the first one that cannot be read replace their cells; that cell and
    // all later ones keep their old codes.
    const LevelText level = parseLevelText(text);
    const int32_t read = static_cast<int32_t>(level.cells.size());
    if (read == 0) {
        warn("level file \"%s\" holds no maze cell", fileName.c_str());
        return false;
    }
    std::copy(level.cells.begin(), level.cells.end(), mazeGrid.cells.begin());
    if (read < mazeCells) {
        warn("level file \"%s\" is damaged: only %d of %d values could be read; the rest of "
             "the maze is left as it was",
             fileName.c_str(), read, mazeCells);
    }
    return true;
}
