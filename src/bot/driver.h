// The autopilot's run: the game's own start-up and frame loop, headless, fed by the bot.
#pragma once

#include <cstdint>
#include <cstdio>

#include "bot/level_report.h"

namespace autopilot {

struct RunResult {
    bool won = false;
    LevelReport report;
};

// Plays from the intro menu until the victory screen (or the frame limit). The platform seam
// must already point at the bot's seam, possibly wrapped; the caller shuts the game down.
RunResult playWholeGame(int32_t frameLimit);

} // namespace autopilot
