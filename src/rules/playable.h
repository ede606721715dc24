// Whether a level file's text can be played, by every check the game has: the reader's faults,
// the maze's rules and the chase check. The game asks it of a player's set of mazes before its
// window opens, and levelcheck of any file.
#pragma once

#include "maze/level_problem.h"

#include <string_view>

// Every problem of the text, in that order of checks (a later check runs only when the earlier
// ones found nothing: the maze's rules need a whole maze, the chase a sound one). The chase
// plays the game's enemies on the live maze: whoever asks must start the level afresh after.
LevelProblems checkLevelText(std::string_view text);
