#include "maze/maze_grid.h"

#include "shell/game_state.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

void readLevelFile(const std::string& fileName) {
    errno = 0;
    std::ifstream in(fileName);
    if (!in) {
        std::fprintf(stderr, "tamberlo-adventure: cannot open level file \"%s\": %s\n",
                     fileName.c_str(), errno != 0 ? std::strerror(errno) : "unreadable");
        return;
    }
    int32_t read = 0;
    for (; read < mazeCells; ++read) {
        int32_t value = 0;
        // A failed extraction (end of file, a token that is not a number, or one too large
        // for 32 bits) stores nothing: that cell and all later ones keep their old codes.
        if (!(in >> value)) {
            break;
        }
        mazeGrid.cells[read] = value;
    }
    if (read < mazeCells) {
        std::fprintf(stderr,
                     "tamberlo-adventure: level file \"%s\" is damaged: only %d of %d values "
                     "could be read; the rest of the maze is left as it was\n",
                     fileName.c_str(), read, mazeCells);
    }
}
