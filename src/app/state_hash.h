// Fingerprints of what the game plays: the whole game state after a frame, and the level files
// a game was played on. Demos, tests and the autopilot compare games by them.
#pragma once

#include <cstdint>
#include <string>

// A hash of the game state: the maze grid, the five actors (places, headings, states and
// timers, animation bookkeeping, the player's counters), the bombs, the level and frame
// counters and the bonus banner. Pointers and loaded pictures are left out, so two runs of the
// same build on the same input give the same value; any change of a rule that changes play
// changes it. It is no stored format: a new field in the hash changes every value.
uint64_t gameStateHash();

// A hash of the five level files as the game finds them in the working directory (a missing
// file counts as such), so a demo can tell whether it is replayed on the levels it was
// recorded on.
uint64_t levelFilesHash();

// "LABEL: frames=N level=L score=S lives=V state=HASH" for the game state as it is now: the
// line a recording and its replay both print at their end.
std::string stateSummary(const char* label, uint32_t frames);
