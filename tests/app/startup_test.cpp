// Start-up and shutdown: a quit in the intro, everything released at the end, and a level file
// that cannot be read.
#include "app/game_loop.h"
#include "app/level_progression.h"
#include "app/run_game.h"
#include "app/run_modes.h"
#include "app/state_hash.h"
#include "demo/demo_player.h"
#include "maze/maze_drawing.h"
#include "maze/maze_grid.h"
#include "platform/video.h"
#include "rules/contacts.h"
#include "rules/level_setup.h"
#include "support/game_fixture.h"
#include "support/screen_checks.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

// Every surface pointer the game owns, to check that shutdown left none of them behind.
std::vector<SDL_Surface*> ownedSurfaces() {
    std::vector<SDL_Surface*> all(tileBank.walls.begin(), tileBank.walls.end());
    for (SDL_Surface* s : {tileBank.openSpace, tileBank.door, tileBank.dyno, tileBank.boom,
                           tileBank.boom2, tileBank.blankSheet}) {
        all.push_back(s);
    }
    all.insert(all.end(), tileBank.dotImages.begin(), tileBank.dotImages.end());
    all.insert(all.end(), tileBank.powerImages.begin(), tileBank.powerImages.end());
    for (SpriteSet* set :
         {&playerSet, &redSet, &purpleSet, &blueSet, &yellowSet, &scaredGreySet, &scaredWhiteSet}) {
        all.insert(all.end(), set->frames.begin(), set->frames.end());
    }
    for (SDL_Surface* s :
         {frontEnd.playImage, frontEnd.play2Image, frontEnd.introBackground,
          frontEnd.introBackgroundLeft, frontEnd.introBackgroundRight,
          frontEnd.introBackgroundPushed, frontEnd.controls1Image, frontEnd.controls2Image,
          frontEnd.beatBoard, frontEnd.bonusImage, frontEnd.optionsImage, frontEnd.continue1Image,
          frontEnd.continue2Image, frontEnd.textSurface}) {
        all.push_back(s);
    }
    return all;
}

} // namespace

class StartupTest : public GameTest {};

TEST_F(StartupTest, QuittingInTheIntroStillStartsLevelOneButRunsNoFrame) {
    scripted::queueQuit();
    testing::internal::CaptureStderr();
    const int result = runGame(0, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "every data file loads unreported";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(quitRequested, 1);
    EXPECT_EQ(levelNumber, 1);
    // The intro presented its one pass; no frame of play was presented after it.
    EXPECT_EQ(scripted::script.presents, 1);
    // Level 1 was read and built: the player stands on its start tile.
    EXPECT_EQ(mazeGrid.at(player.y / tileSize, player.x / tileSize), PlayerStart);
    EXPECT_GT(ediblesLeft, 0);
    // Shutdown closed the sound and released every picture and font.
    EXPECT_FALSE(soundBank.isOpen());
    for (SDL_Surface* surface : ownedSurfaces()) {
        EXPECT_EQ(surface, nullptr);
    }
    EXPECT_EQ(frontEnd.smallFont, nullptr);
    EXPECT_EQ(frontEnd.largeFont, nullptr);
    EXPECT_EQ(bombSites.capacity(), 0u);
    // Releasing again finds nothing left to free.
    releaseGlobalObjects();
    soundBank.closeSounds();
}

// Without its level file there is no maze to play: the game must not take the empty grid for a
// level won and show its tally. It ends after the intro, everything released, with status 1.
TEST_F(StartupTest, AMissingLevelFileEndsTheGameWithStatusOne) {
    char folder[] = "/tmp/tamberlo_nolevels_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    ASSERT_EQ(chdir(folder), 0);
    scripted::movePointer(80, 550);
    scripted::holdLeftButton(true);
    // Should the game run on, a quit keeps the test from hanging.
    scripted::afterPresents(5, [] { scripted::queueQuit(); });
    testing::internal::CaptureStderr();
    const int status = runGame(0, nullptr);
    const std::string report = testing::internal::GetCapturedStderr();
    // A demo tells a missing level file from an empty one.
    const uint64_t missing = levelFilesHash();
    std::ofstream("level1.txt").close();
    EXPECT_NE(levelFilesHash(), missing);
    std::remove("level1.txt");
    EXPECT_EQ(chdir(TAMBERLO_GAME_DIR), 0);
    rmdir(folder);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(scripted::script.presents, 1) << "a frame or a tally followed the intro";
    EXPECT_NE(report.find("level1.txt"), std::string::npos) << report;
    EXPECT_FALSE(soundBank.isOpen());
}

// A player's set of one maze: clearing it opens the victory screen (its effect), not a level 2.
TEST_F(StartupTest, ASetOfOneMazeEndsInVictoryAfterIt) {
    levelSet.count = 1;
    levelNumber = 1;
    ediblesLeft = 0;
    scripted::queueQuit();
    runFrameSteps();
    levelSet = LevelSet{};
    EXPECT_EQ(levelNumber, 1);
    EXPECT_EQ(channelsPlaying(soundBank.effect(SfxYouWin)), 1);
}

// A recording that starts well plays the game through its steps and leaves a demo the game
// replays on these levels.
TEST_F(StartupTest, ARecordingPlaysTheGameAndLeavesADemoOfTheseLevels) {
    static int steps = 0;
    steps = 0;
    const std::string path = testing::TempDir() + "recorded.demo";
    const GameSteps game{[] { ++steps; }, [] { ++steps; }, [] { ++steps; }};
    EXPECT_EQ(recordGame(path, game), 0);
    EXPECT_EQ(steps, 3);
    EXPECT_TRUE(loadDemo(path, levelFilesHash()).demo) << loadDemo(path, levelFilesHash()).error;
    scripted::install();
}
