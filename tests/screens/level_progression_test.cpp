// Moving from level to level: the tally of the level won, the next file, music and counters,
// and the victory screen instead of a sixth level.
#include "maze/level_progression.h"
#include "shell/game_loop.h"
#include "support/game_fixture.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr int tallyPassesAtLeast = 800;

int edibleCells(const std::vector<int32_t>& cells) {
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), isDotCode));
}

class LevelProgressionTest : public GameTest {
  protected:
    // Checks the start of a level: its file read and built, fresh counters, the enemies'
    // release timers and the level's clock.
    void expectLevelStarted(int32_t level, int32_t lives) {
        EXPECT_EQ(levelNumber, level);
        ASSERT_FALSE(levelFileCells(level).empty()) << "level" << level << ".txt is missing";
        EXPECT_EQ(gridCells(), levelFileCells(level));
        EXPECT_EQ(ediblesLeft, edibleCells(levelFileCells(level)));
        EXPECT_EQ(player.lives, lives);
        EXPECT_EQ(player.warps, 3);
        EXPECT_EQ(player.bombs, 0);
        EXPECT_EQ(player.score, 0);
        EXPECT_EQ(purpleEnemy.state, Penned);
        EXPECT_EQ(purpleEnemy.stateTimer, 50);
        EXPECT_EQ(blueEnemy.stateTimer, 100);
        EXPECT_EQ(yellowEnemy.stateTimer, 150);
        EXPECT_EQ(levelStartTicks, scripted::script.now);
        EXPECT_EQ(Mix_PlayingMusic(), 1) << "the level's music is not playing";
        EXPECT_EQ(soundBank.loadedTrack(), MusicLevel1 + level - 1 - MusicIntro);
    }

    // Wins the current level through startNextLevel; returns the number the tally showed in its
    // headline (0 when no tally ran).
    int32_t winLevel(int32_t lives) {
        player.lives = lives;
        player.score = 300;
        player.warps = 1;
        player.bombs = 2;
        levelSeconds = 20;
        int32_t headline = 0;
        const int32_t won = levelNumber;
        PassRecorder recorder([&](int pass) {
            if (pass == 1 && showsText(frontEnd.largeFont, std::to_string(won), white, 600, 20)) {
                headline = won;
            }
        });
        startNextLevel();
        EXPECT_GE(scripted::script.presents, tallyPassesAtLeast);
        return headline;
    }
};

TEST_F(LevelProgressionTest, TheFirstCallShowsNoTallyAndStartsLevel1WithItsMusic) {
    player.lives = 1;
    startNextLevel();
    EXPECT_EQ(scripted::script.presents, 0) << "a tally was shown before the first level";
    expectLevelStarted(1, 3);
}

// Lives are raised to 3 only when lower.
TEST_F(LevelProgressionTest, WinningALevelShowsItsTallyAndStartsTheNextWithAtLeastThreeLives) {
    for (auto [won, lives, livesAfter] : {std::tuple{2, 4, 4}, {1, 1, 3}}) {
        SCOPED_TRACE(won);
        SetUp();
        levelNumber = won;
        EXPECT_EQ(winLevel(lives), won);
        expectLevelStarted(won + 1, livesAfter);
    }
}

TEST_F(LevelProgressionTest, AQuitDuringTheTallyStillLoadsTheNextLevel) {
    levelNumber = 1;
    scripted::afterPresents(5, [] { scripted::pressKey(SDLK_ESCAPE); });
    startNextLevel();
    EXPECT_EQ(scripted::script.presents, 6);
    EXPECT_EQ(quitRequested, 1);
    expectLevelStarted(2, 3);
}

TEST_F(LevelProgressionTest, ClearingLevel5OpensTheVictoryScreenWithoutATally) {
    levelNumber = 5;
    ediblesLeft = 0;
    bool youWin = false;
    bool headline = true;
    PassRecorder recorder([&](int pass) {
        if (pass == 1) {
            youWin = (channelsPlaying(soundBank.youWinSound) > 0);
            headline = showsText(frontEnd.largeFont, "You Beat Level", white, 100, 20);
        }
    });
    scripted::afterPresents(3, [] { scripted::pressKey(SDLK_ESCAPE); });
    runFrameSteps();
    EXPECT_TRUE(youWin);
    EXPECT_FALSE(headline) << "a tally was shown after the last level";
    EXPECT_EQ(levelNumber, 5);
    EXPECT_EQ(quitRequested, 1);
    // Four victory passes, then the frame that opened the screen is still presented.
    EXPECT_EQ(scripted::script.presents, 5);
}

} // namespace
