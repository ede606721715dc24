// One whole game through the real start-up, frame loop, screens and shutdown: the intro's play
// button, five levels cleared dot by dot, four tallies, the victory screen and Escape.
#include "assets/sound_bank.h"
#include "shell/game_loop.h"
#include "shell/pacing.h"
#include "shell/shared_types.h"
#include "support/game_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int32_t levelCount = 5;
constexpr Uint32 tallyMs = 15000;
constexpr int victoryPasses = 30;
// Far more frames than five levels of dots need: the loop cannot run away.
constexpr int frameLimit = 20000;

int edibles(const std::vector<int32_t>& cells) {
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), isDotCode));
}

// Puts the player on the first edible cell left, heading east: its next step eats it.
void stepOntoNextEdible() {
    for (int32_t row = 0; row < mazeRows; ++row) {
        for (int32_t column = 0; column < mazeColumns; ++column) {
            if (isDotCode(mazeGrid.at(row, column))) {
                place(player, column * tileSize, row * tileSize, East);
                return;
            }
        }
    }
}

// The enemies stay in their pens, so the run does not hang on the chase.
void penEnemies() {
    for (Actor* enemy : enemies) {
        enemy->setTimedState(Penned, frameLimit, Penned);
    }
}

class WholeGameTest : public GameTest {
  protected:
    void TearDown() override {
        // Shutdown released everything; later tests find the assets loaded again.
        tileBank.loadTiles();
        frontEnd.initFrontEnd();
        soundBank.loadSounds();
        loadActorSprites();
    }
};

TEST_F(WholeGameTest, PlaysFiveLevelsThroughTheTalliesToTheVictoryScreen) {
    for (int32_t level = 1; level <= levelCount; ++level) {
        ASSERT_EQ(levelFileCells(level).size(), static_cast<size_t>(mazeCells))
            << "level" << level << ".txt";
    }
    // The pointer waits on the intro's play button with the left button down.
    scripted::movePointer(80, 550);
    scripted::holdLeftButton(true);
    startGame();
    scripted::holdLeftButton(false);
    EXPECT_EQ(scripted::script.presents, 1) << "the intro ran more than one pass";
    ASSERT_EQ(quitRequested, 0);
    ASSERT_EQ(levelNumber, 1);
    EXPECT_EQ(gridCells(), levelFileCells(1));
    // The build gives the red enemy no heading: it leaves home eastward, as it ran in the menu.
    EXPECT_EQ(redEnemy.getDirection(), East);

    std::vector<int32_t> levelsStarted{1};
    std::vector<int32_t> talliedLevels;
    int victories = 0;
    int frames = 0;
    while (quitRequested == 0 && frames < frameLimit) {
        const int32_t levelBefore = levelNumber;
        const bool victoryDue = ediblesLeft == 0 && levelNumber >= levelCount;
        if (victoryDue) {
            scripted::afterPresents(victoryPasses, [] { scripted::pressKey(SDLK_ESCAPE); });
        } else if (ediblesLeft > 0) {
            stepOntoNextEdible();
        }
        penEnemies();
        const int presentsBefore = scripted::script.presents;
        const Uint32 clockBefore = scripted::script.now;
        waitForFrameEnd(runFrameSteps());
        ++frames;
        const int presented = scripted::script.presents - presentsBefore;
        if (victoryDue) {
            ++victories;
            // The victory passes up to Escape, then the frame that opened the screen.
            EXPECT_EQ(presented, victoryPasses + 2);
        } else if (levelNumber != levelBefore) {
            SCOPED_TRACE(levelNumber);
            talliedLevels.push_back(levelBefore);
            levelsStarted.push_back(levelNumber);
            EXPECT_GE(scripted::script.now - clockBefore, tallyMs);
            EXPECT_EQ(gridCells(), levelFileCells(levelNumber, true));
            EXPECT_EQ(ediblesLeft, edibles(levelFileCells(levelNumber)));
            EXPECT_EQ(player.score, 0);
            EXPECT_EQ(player.warps, 3);
        } else {
            EXPECT_EQ(presented, 1) << "frame " << frames;
        }
    }
    shutdownGame();

    EXPECT_EQ(quitRequested, 1);
    EXPECT_EQ(levelNumber, levelCount);
    EXPECT_EQ(levelsStarted, (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(talliedLevels, (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(victories, 1);
    EXPECT_EQ(player.lives, 3) << "the player was knocked out on the way";
    EXPECT_FALSE(soundBank.isOpen());
    EXPECT_EQ(frontEnd.largeFont, nullptr);
    EXPECT_EQ(tileBank.openSpace, nullptr);
}

// Without its level file there is no maze to play: the game must not take the empty grid for a
// level won and show its tally. It ends after the intro, everything released, with status 1.
TEST_F(WholeGameTest, AMissingLevelFileEndsTheGameWithStatusOne) {
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
    EXPECT_EQ(chdir(TAMBERLO_GAME_DIR), 0);
    rmdir(folder);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(scripted::script.presents, 1) << "a frame or a tally followed the intro";
    EXPECT_NE(report.find("level1.txt"), std::string::npos) << report;
    EXPECT_FALSE(soundBank.isOpen());
}

} // namespace
