// From share codes to a folder of level files.
#include "app/maze_codes.h"

#include "core/report.h"
#include "maze/map_convert.h"
#include "maze/maze_grid.h"
#include "maze/share_code.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>
#include <vector>

bool readCodeFile(const std::string& path, std::string& codes) {
    std::ifstream in(path);
    if (!in) {
        return false;
    }
    codes.clear();
    for (std::string line; std::getline(in, line);) {
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos) {
            continue;
        }
        codes += (codes.empty() ? "" : "~") +
                 line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
    }
    return !in.bad();
}

std::string levelsFromCodes(const std::string& codes) {
    const MazeCodes read = readMazeCodes(codes);
    if (!read.error.empty()) {
        warn("%s", read.error.c_str());
        return {};
    }
    if (read.mapTexts.size() > static_cast<size_t>(shippedLevels)) {
        warn("%zu mazes: a set holds at most %d", read.mapTexts.size(), shippedLevels);
        return {};
    }
    std::vector<std::string> levels;
    for (size_t i = 0; i < read.mapTexts.size(); ++i) {
        const MapConversion conversion = convertMap(mapLinesOf(read.mapTexts[i]));
        for (const std::string& error : conversion.errors) {
            warn("maze %zu: %s", i + 1, error.c_str());
        }
        if (!conversion.errors.empty()) {
            return {};
        }
        levels.push_back(formatLevel(conversion.cells));
    }
    return writeLevelFolder(levels);
}

std::string writeLevelFolder(const std::vector<std::string>& levels) {
    const char* tmp = std::getenv("TMPDIR");
    std::string folder =
        std::string(tmp != nullptr && tmp[0] != '\0' ? tmp : "/tmp") + "/tamberlo-mazes.XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) {
        warn("cannot make a folder for the mazes in %s", folder.c_str());
        return {};
    }
    for (size_t i = 0; i < levels.size(); ++i) {
        std::ofstream file(levelFileName(static_cast<int32_t>(i) + 1, folder), std::ios::binary);
        if (!(file << levels[i]).flush()) {
            warn("cannot write the mazes into %s", folder.c_str());
            removeCodeLevels(folder);
            return {};
        }
    }
    return folder;
}

void removeCodeLevels(const std::string& folder) {
    for (int32_t level = 1; level <= shippedLevels; ++level) {
        std::remove(levelFileName(level, folder).c_str());
    }
    rmdir(folder.c_str());
}
