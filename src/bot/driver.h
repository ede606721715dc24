// The autopilot's run: the game's own start-up and frame loop, headless, fed by the bot.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>

#include "bot/level_report.h"

namespace autopilot {

struct RunResult {
    bool won = false;
    LevelReport report;
};

// Where the bot is, told every progressFrames frames of play.
struct Progress {
    int32_t level;
    int32_t frames;
    int32_t dotsLeft;
    int32_t dotsTotal;
};
constexpr int32_t progressFrames = 200;
using ProgressReport = std::function<void(const Progress&)>;

// Plays from the intro menu until the victory screen (or the frame limit). The platform seam
// must already point at the bot's seam, possibly wrapped; the caller ends the game. Every
// progressFrames frames onProgress, if given, hears where the bot is; in a page the browser gets
// its turn every little while (yieldToPage).
RunResult playWholeGame(int32_t frameLimit, const ProgressReport& onProgress = {});

// Gets a new game ready for the bot: the game state as the process started with it, the random
// draws from their start, the dummy drivers (headless and silent) and the bot's seam. The level
// set in place stays.
void prepareBotGame();

// Closes what the game opened, SDL included, so that another game can start afresh.
void endBotGame();

} // namespace autopilot
