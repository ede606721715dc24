// Reading the text of a level file: the one reader that the game and the level tools share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One thing wrong with a level file's text, at a token or (cell -1) with the file as a whole.
struct LevelTextFault {
    int32_t cell = -1;
    std::string message;
};

struct LevelText {
    // The values as the game takes them, in cell order: decimal integers (an optional sign,
    // then digits) read one after another, skipping white space, until mazeCells are read or
    // one cannot be read. A token such as "1x" gives its 1 and then stops the reading, and a
    // number that does not fit in 32 bits stops it without being taken.
    std::vector<int32_t> cells;
    // Every white-space separated token that is not a 32-bit decimal integer, at its cell, and
    // a count of tokens other than mazeCells. A level file is sound when this is empty.
    std::vector<LevelTextFault> faults;
};

LevelText parseLevelText(std::string_view text);
