// What the regression demos cannot show: a click shorter than a menu pass, a level whose first
// frame comes late, and counters that went below zero. The screens' drawing and timing are
// checked by the demos' picture hashes (tests/demos).
#include "screens/hud.h"
#include "support/game_fixture.h"

namespace {

using ScreensTest = GameTest;

// A tap shorter than a pass leaves only its press in the queue: the button is never seen down.
TEST_F(ScreensTest, AQuickClickOnPlayIsNotLost) {
    scripted::movePointer(100, 550);
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button.button = SDL_BUTTON_LEFT;
    scripted::script.events.push_back(press);
    scripted::afterPresents(3, [] { scripted::queueQuit(); });
    frontEnd.runIntroMenu();
    EXPECT_EQ(scripted::script.presents, 1);
    EXPECT_EQ(quitRequested, 0);
}

// The level's first frame may come late (P held as it opens, a stall): the labels still come,
// once. Counters below zero are shown as zero and written back, but for the warps.
TEST_F(ScreensTest, LateLabelsAndNegativeCounters) {
    constexpr Uint32 levelStart = 10000;
    levelStartTicks = levelStart;
    hudLabelsDrawn = false;
    prevScore = 100;
    player.score = -50;
    prevLives = 1;
    player.lives = -1;
    prevBombs = 1;
    player.bombs = -2;
    player.warps = prevWarps = -1;
    fillScreen(marker);
    scripted::script.now = levelStart + 5000;
    drawHud();
    for (auto [label, x] : {std::pair{"Score:", 10},
                            {"Bombs:", 175},
                            {"Lives:", 328},
                            {"Time:", 488},
                            {"Warps:", 665}}) {
        EXPECT_TRUE(showsText(frontEnd.smallFont, label, white, x, 0)) << label;
    }
    EXPECT_EQ(player.score, 0);
    EXPECT_EQ(player.lives, 0);
    EXPECT_EQ(player.bombs, 0);
    EXPECT_EQ(player.warps, -1);
    fillScreen(marker);
    scripted::script.now = levelStart + 5100;
    drawHud();
    EXPECT_EQ(pixelsOf(marker, rect(10, 0, 60, 32)), 60 * 32) << "the labels came twice";
}

} // namespace
