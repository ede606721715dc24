// The three ways of running the game: playing it, playing it into a demo file, and playing a
// demo file back. Each is given the game's own steps, so it knows nothing of the frame loop.
#pragma once

#include <string>

// The game as a run mode drives it: everything before the first frame, the frames until the
// player quits, and closing down.
struct GameSteps {
    void (*start)();
    void (*runFrames)();
    void (*shutdown)();
};

// Plays the game; returns its exit status.
int playGame(const GameSteps& game);

// Plays the game as usual while recording it, then prints the summary line of stateSummary;
// returns the exit status.
int recordGame(const std::string& path, const GameSteps& game);

// Replays a demo and prints the summary line of stateSummary: 0 after the whole demo was played
// back, 2 for a file that cannot be read, is no intact demo, was recorded on other levels, or
// that the game leaves.
int replayGame(const std::string& path, bool realtime, bool pictures, const GameSteps& game);
