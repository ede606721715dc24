// The two ways of running the game around a demo: playing it into a file, and playing a file
// back. Both print the summary line of stateSummary at the end.
#pragma once

#include <string>

// Plays the game as usual while recording it; returns the exit status.
int recordGame(const std::string& path);

// Replays a demo: 0 after the whole demo was played back, 2 for a file that cannot be read,
// is no intact demo, was recorded on other levels, or that the game leaves.
int replayGame(const std::string& path, bool realtime, bool pictures = false);
