// How long a player who never touches the keys keeps his first life on each shipped level,
// counted in frames of the real loop from the level's start. The first level must give a
// newcomer time to look around, and no later level may be gentler than the first.
#include "app/game_loop.h"
#include "app/level_progression.h"
#include "maze/maze_grid.h"
#include "platform/pacing.h"
#include "rules/level_setup.h"
#include "support/game_fixture.h"

#include <iostream>

namespace {

// Ten seconds of 28 ms frames, rounded up.
constexpr int firstLevelMinimumFrames = (10000 + minimumFrameMs - 1) / minimumFrameMs;
// A level where nothing catches a still player in two minutes counts as a failure too.
constexpr int frameLimit = 120000 / minimumFrameMs;

// Starts the level as the game does: level 1 by a click on the intro's play button, the later
// ones after the tally of the level before. Then runs frames with no key held until a life is
// lost, and returns how many it took.
int framesUntilCaught(int32_t level) {
    resetGameState();
    scripted::movePointer(80, 550);
    scripted::holdLeftButton(true);
    if (level == 1) {
        frontEnd.runIntroMenu();
    }
    scripted::holdLeftButton(false);
    levelNumber = level - 1;
    startNextLevel();
    const int32_t lives = player.lives;
    int frames = 0;
    while (player.lives == lives && frames < frameLimit && quitRequested == 0) {
        waitForFrameEnd(runFrameSteps());
        ++frames;
    }
    return frames;
}

class StillPlayerTest : public GameTest {};

TEST_F(StillPlayerTest, TheFirstLevelIsTheGentlestAndGivesTenSeconds) {
    const int first = framesUntilCaught(1);
    std::cout << "level 1: " << first << " frames\n";
    EXPECT_GE(first, firstLevelMinimumFrames);
    EXPECT_LT(first, frameLimit) << "nothing catches a player who stands still";
    for (int32_t level = 2; level <= lastLevel; ++level) {
        const int frames = framesUntilCaught(level);
        std::cout << "level " << level << ": " << frames << " frames\n";
        EXPECT_EQ(levelNumber, level);
        EXPECT_LE(frames, first) << "level " << level << " is gentler than level 1";
    }
}

} // namespace
