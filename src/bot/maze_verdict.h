// The autopilot's verdict on one maze: whether the bot wins it played alone, as a set of one.
#pragma once

#include <cstdint>
#include <string>

namespace autopilot {

struct MazeVerdict {
    // False when the maze could not be set up to play (the reason is on standard error).
    bool played = false;
    bool won = false;
    int32_t frames = 0;
    int32_t livesLost = 0;
};

// Plays a level file's text from the intro to the victory, headless and from a fresh game, with
// the game's pictures and sounds read from runDirectory, for at most frameLimit frames of play.
// The same text always gets the same verdict; the level set in place and the working directory
// are as they were afterwards.
MazeVerdict playMazeAlone(const std::string& levelText, const std::string& runDirectory,
                          int32_t frameLimit);

} // namespace autopilot
