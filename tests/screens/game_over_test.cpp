// The game-over screen: continue restarts the lost level with fresh counters and its music;
// Escape ends the game.
#include "shell/game_loop.h"
#include "support/game_fixture.h"

#include <map>
#include <tuple>

namespace {

class GameOverTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        levelNumber = 3;
        player.lives = 0;
        player.score = 70;
        player.warps = 1;
        player.bombs = 2;
        setMaze({"#########################", "#  .  P  #"});
    }

    bool continueShows(SDL_Surface* image) {
        return showsPicture(image, 300, 500, rect(300, 500, 150, 50), frontEnd.beatBoard);
    }
};

TEST_F(GameOverTest, ContinueReloadsTheLostLevelWithFreshCountersAndItsMusic) {
    ASSERT_FALSE(levelFileCells(3).empty()) << "level3.txt is missing from the run directory";
    // The pointer on the edge of the button does nothing; one pixel inside, held, continues.
    scripted::movePointer(300, 500);
    scripted::holdLeftButton(true);
    scripted::afterPresents(1, [] { scripted::movePointer(301, 501); });
    bool gameOverMusic = false;
    std::map<int, bool> atRest;
    std::map<int, bool> lit;
    bool pushed = false;
    PassRecorder recorder([&](int pass) {
        if (pass == 1) {
            gameOverMusic =
                Mix_PlayingMusic() != 0 && soundBank.loadedTrack() == MusicGameOver - MusicIntro;
            // Silence it, so that what plays at the end was started at the end.
            Mix_HaltMusic();
            EXPECT_TRUE(showsText(frontEnd.largeFont, "GAME OVER", white, 250, 250,
                                  rect(0, 0, 800, 500), frontEnd.beatBoard));
        }
        atRest[pass] = continueShows(frontEnd.continue1Image);
        lit[pass] = continueShows(frontEnd.continue2Image);
        pushed = pushed || (channelsPlaying(soundBank.buttonPushSound) > 0);
    });
    // Every present takes a little time, so the reload comes later than the screen's opening.
    scripted::script.msPerPresent = 5;
    const Uint32 opened = scripted::script.now;
    frontEnd.runGameOver();

    EXPECT_TRUE(gameOverMusic);
    EXPECT_EQ(scripted::script.presents, 2);
    EXPECT_TRUE(atRest[1]);
    EXPECT_FALSE(lit[1]);
    EXPECT_TRUE(pushed);
    EXPECT_EQ(quitRequested, 0);
    EXPECT_EQ(levelNumber, 3);
    EXPECT_EQ(gridCells(), levelFileCells(3));
    EXPECT_EQ(player.lives, 3);
    EXPECT_EQ(player.score, 0);
    EXPECT_EQ(player.warps, 3);
    EXPECT_EQ(player.bombs, 0);
    EXPECT_EQ(redEnemy.state, Active);
    EXPECT_EQ(purpleEnemy.state, Penned);
    EXPECT_EQ(purpleEnemy.stateTimer, 50);
    EXPECT_EQ(blueEnemy.stateTimer, 100);
    EXPECT_EQ(yellowEnemy.stateTimer, 150);
    // The level clock starts at the reload, in the second pass.
    EXPECT_GT(levelStartTicks, opened);
    EXPECT_LE(levelStartTicks, scripted::script.now);
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "the level 3 music is not playing";
    EXPECT_EQ(soundBank.loadedTrack(), MusicLevel3 - MusicIntro);

    // The next frame is the first second of the restarted level: everything is redrawn.
    runFrameSteps();
    int zeroWidth = 0;
    TTF_SizeText(frontEnd.smallFont, "0", &zeroWidth, nullptr);
    const int minuteX = 598 - 1 - zeroWidth; // flush against the separator
    for (auto [text, x, width] :
         {std::tuple{"0", 95, 70}, std::tuple{"0", 275, 30}, std::tuple{"3", 438, 30},
          std::tuple{"3", 765, 30}, std::tuple{"0", minuteX, 598 - minuteX},
          std::tuple{":0", 598, 22}, std::tuple{"0", 620, 35}}) {
        EXPECT_TRUE(showsText(frontEnd.smallFont, text, white, x, 0, rect(x, 0, width, 32),
                              tileBank.blankSheet))
            << x;
    }
}

TEST_F(GameOverTest, ThePointerMustBeOnTheButtonWhileTheLeftButtonIsDown) {
    scripted::movePointer(100, 100);
    scripted::holdLeftButton(true);
    scripted::afterPresents(1, [] { scripted::movePointer(450, 550); });
    scripted::afterPresents(2, [] {
        scripted::movePointer(449, 549);
        scripted::holdLeftButton(false);
    });
    scripted::afterPresents(3, [] { scripted::holdLeftButton(true); });
    frontEnd.runGameOver();
    EXPECT_EQ(scripted::script.presents, 4);
    EXPECT_EQ(player.lives, 3);
}

TEST_F(GameOverTest, EscapeEndsTheGameWithTheLevelMusicStartedAndTheCountersKept) {
    scripted::pressKey(SDLK_ESCAPE);
    PassRecorder recorder([](int) { Mix_HaltMusic(); });
    const auto gridBefore = gridCells();
    frontEnd.runGameOver();
    EXPECT_EQ(scripted::script.presents, 1);
    EXPECT_EQ(quitRequested, 1);
    EXPECT_EQ(player.lives, 0);
    EXPECT_EQ(player.score, 70);
    EXPECT_EQ(gridCells(), gridBefore);
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "the level music is started even when quitting";
    EXPECT_EQ(soundBank.loadedTrack(), MusicLevel3 - MusicIntro);
}

} // namespace
