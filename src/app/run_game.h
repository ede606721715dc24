// The whole program behind main: the command line chooses how the game runs.
#pragma once

// Runs the whole game as the command line asks (see command_line.h): with no option it plays
// and returns 0 after the player quits, or 1 when a level file could not be used.
int runGame(int argc, char* argv[]);
