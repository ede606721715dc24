// A player's own set of mazes (--levels DIR): checked whole before the game opens its window.
#pragma once

#include <string>

// Takes level1.txt … levelN.txt of the folder (N from 1 to 5: the files present from 1 on) as
// the levels to play, if every one passes every check. Otherwise says on standard error what
// is wrong, file by file and cell by cell ("level2.txt: row 3, column 7: ..."), leaves the
// game's own levels in place and returns false. Mazes that came as share codes are named by their
// place among the codes ("maze 2: ...") rather than by the files they were written into.
bool useLevelSet(const std::string& folder, bool fromCodes = false);
