// The pause: P holds every per-frame countdown still while the level clock runs on; only P, a
// quit key or closing the window end it, and no other key reaches the game.
#include "maze/level_build.h"
#include "maze/level_progression.h"
#include "shell/game_loop.h"
#include "support/game_fixture.h"

namespace {

class PauseTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        setMaze({"#########################", "#########################",
                 "#  .  .  .  P  .  .  .  #", "#########################",
                 "#  R  1  2  3           #", "#########################"});
        buildLevel();
        startEnemyReleaseTimers();
        levelStartTicks = scripted::script.now;
        frontEnd.showBanner(0, 45);
        runFrameSteps();
    }

    // Presses P, and P again after the given number of pause passes; returns the presents.
    int pauseFor(int passes) {
        const int before = scripted::script.presents;
        scripted::pressKey(SDLK_p);
        scripted::afterPresents(passes, [] { scripted::pressKey(SDLK_p); });
        runFrameSteps();
        return scripted::script.presents - before;
    }
};

TEST_F(PauseTest, PAgainResumesWithCountdownsStillAndTheLevelClockRunOn) {
    ASSERT_EQ(purpleEnemy.stateTimer, 49);
    ASSERT_EQ(frontEnd.bannerFramesLeft, 44);
    const Uint32 started = levelStartTicks;
    bool pausedShown = false;
    PassRecorder recorder([&](int pass) {
        if (pass == 60) {
            pausedShown = showsText(frontEnd.largeFont, "PAUSED", white, 310, 250);
        }
    });
    // Two seconds and a bit of pause passes, then the rest of the frame.
    EXPECT_EQ(pauseFor(130), 132);
    EXPECT_TRUE(pausedShown);
    EXPECT_EQ(quitRequested, 0);
    // One frame went by for the countdowns, however long the pause lasted.
    EXPECT_EQ(purpleEnemy.stateTimer, 48);
    EXPECT_EQ(yellowEnemy.stateTimer, 148);
    EXPECT_EQ(frontEnd.bannerFramesLeft, 43);
    EXPECT_EQ(levelStartTicks, started);
    EXPECT_EQ(levelSeconds, 2);
    EXPECT_TRUE(showsText(frontEnd.smallFont, "2", white, 620, 0, rect(620, 0, 35, 32),
                          tileBank.blankSheet));
}

TEST_F(PauseTest, EscapeOrClosingTheWindowEndsThePauseAndTheGameAfterTheFrame) {
    for (auto ask : {+[] { scripted::pressKey(SDLK_ESCAPE); }, +[] { scripted::pressKey(SDLK_q); },
                     +[] { scripted::queueQuit(); }}) {
        quitRequested = 0;
        const int before = scripted::script.presents;
        scripted::pressKey(SDLK_p);
        scripted::afterPresents(3, ask);
        runFrameSteps();
        EXPECT_EQ(quitRequested, 1);
        // Four pause passes, then the frame the pause was called from is still presented.
        EXPECT_EQ(scripted::script.presents - before, 5);
    }
}

TEST_F(PauseTest, OtherKeysAndClicksAreDroppedAndAPAmongThemEndsThePause) {
    const int startX = player.x;
    scripted::pressKey(SDLK_p);
    scripted::afterPresents(2, [] {
        scripted::pressKey(SDLK_z);
        scripted::pressKey(SDLK_SPACE);
        SDL_Event click{};
        click.type = SDL_MOUSEBUTTONDOWN;
        click.button.button = SDL_BUTTON_LEFT;
        scripted::script.events.push_back(click);
        scripted::pressKey(SDLK_p);
        scripted::pressKey(SDLK_k);
        scripted::pressKey(SDLK_z);
    });
    const int before = scripted::script.presents;
    runFrameSteps();
    // Three pause passes: the P in the third ends it, and everything queued with it is gone.
    EXPECT_EQ(scripted::script.presents - before, 4);
    EXPECT_TRUE(scripted::script.events.empty());
    EXPECT_EQ(player.warps, 3) << "a warp key reached the game";
    EXPECT_EQ(player.x, startX);
    EXPECT_EQ(player.state, Active) << "the give-up key reached the game";
    EXPECT_EQ(quitRequested, 0);
}

} // namespace
