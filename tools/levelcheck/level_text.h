// Reading the numbers of a level file.
#pragma once

#include "level_problem.h"

#include <string_view>

struct LevelText {
    std::vector<int32_t> cells; // holds mazeCells codes when problems is empty
    LevelProblems problems;
};

// Splits the text at white space; every token must be a decimal integer (optional sign) that
// fits in 32 bits, and there must be exactly one per maze cell.
LevelText parseLevelText(std::string_view text);
