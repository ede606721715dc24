// What the regression demos cannot show: a click shorter than a menu pass, the keys and pad
// buttons that press the screens' buttons, a level whose first frame comes late, counters
// that went below zero, and the status line's time after a reset. The screens' drawing and
// timing are checked by the demos' picture hashes (tests/demos).
#include "platform/gamepad.h"
#include "screens/hud.h"
#include "screens/intro_regions.h"
#include "screens/menu_layout.h"
#include "screens/screen_events.h"
#include "support/game_fixture.h"

#include <functional>

namespace {

using ScreensTest = GameTest;

// A tap shorter than a pass leaves only its press in the queue: the button is never seen down.
// The intro's zones start below y 400, split at x 300; zones and buttons exclude their edges.
TEST(IntroZones, EdgesBelongToNoZoneOrButton) {
    EXPECT_EQ(menuRegionAt(299, 401, false), PlayZone);
    EXPECT_EQ(menuRegionAt(301, 401, false), ControlsZone);
    EXPECT_EQ(menuRegionAt(299, 400, false), Idle);
    EXPECT_EQ(menuRegionAt(300, 500, true), Pressed);
    EXPECT_FALSE(pointerOnButton(300, 501, 300, 500, 150, 50) ||
                 pointerOnButton(301, 500, 300, 500, 150, 50) ||
                 pointerOnButton(450, 549, 300, 500, 150, 50) ||
                 pointerOnButton(449, 550, 300, 500, 150, 50));
    EXPECT_TRUE(pointerOnButton(301, 501, 300, 500, 150, 50) &&
                pointerOnButton(449, 549, 300, 500, 150, 50));
}

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

// The keyboard's and the pad's presses of a screen's button, each queued on its own.
const std::vector<std::pair<const char*, std::function<void()>>> confirmPresses = {
    {"Enter", [] { scripted::pressKey(SDLK_RETURN); }},
    {"keypad Enter", [] { scripted::pressKey(SDLK_KP_ENTER); }},
    {"Space", [] { scripted::pressKey(SDLK_SPACE); }},
    {"pad A", [] { scripted::pressPadButton(PadA); }},
    {"pad Start", [] { scripted::pressPadButton(PadStart); }},
};

// Runs a screen with a way out after a few passes; the passes it took and whether that way out
// was needed.
std::pair<int, bool> passesOf(void (FrontEnd::*screenRun)()) {
    scripted::afterPresents(4, [] { scripted::queueQuit(); });
    (frontEnd.*screenRun)();
    return {scripted::script.presents, quitRequested != 0};
}

// Whether the screen above the buttons is the controls page's picture.
bool showsControlsPage() {
    for (int y = 0; y < 480; y += 40) {
        for (int x = 0; x < windowWidth; x += 40) {
            if (screenPixel(x, y) != surfacePixel(frontEnd.optionsImage, x, y)) {
                return false;
            }
        }
    }
    return true;
}

// Every press on the controls page; two on the intro and on game over, whose music takes long
// to load in a sanitizer build (the screens share one reading of the presses).
TEST_F(ScreensTest, EnterSpaceAndThePadsAOrStartPressPlayAndContinue) {
    for (size_t i = 0; i < confirmPresses.size(); ++i) {
        const auto& [name, press] = confirmPresses[i];
        resetGameState();
        press();
        EXPECT_EQ(passesOf(&FrontEnd::runControlsPage), std::pair(1, false)) << name;
        if (i % 2 != 0) {
            continue;
        }
        resetGameState();
        press();
        // Heard as the pass is shown: the intro's music loads after it, which may outlast it.
        static int pushes;
        pushes = 0;
        scripted::afterPresents(1,
                                [] { pushes = channelsPlaying(soundBank.effect(SfxButtonPush)); });
        EXPECT_EQ(passesOf(&FrontEnd::runIntroMenu), std::pair(1, false)) << name;
        EXPECT_EQ(pushes, 1) << name;
        resetGameState();
        levelNumber = 2;
        player.lives = 0;
        player.score = 700;
        press();
        EXPECT_EQ(passesOf(&FrontEnd::runGameOver), std::pair(1, false)) << name;
        EXPECT_EQ(player.lives, livesAtStart) << name << ": level 2 restarted";
        EXPECT_EQ(player.score, 0) << name;
    }
}

TEST_F(ScreensTest, COrThePadsYOpensTheControlsPageAndOtherKeysPressNothing) {
    for (auto press :
         {+[] { scripted::pressKey(SDLK_c); }, +[] { scripted::pressPadButton(PadY); }}) {
        resetGameState();
        press();
        // The controls page follows the intro's pass; Enter there plays.
        scripted::afterPresents(1, [] { scripted::pressKey(SDLK_RETURN); });
        EXPECT_EQ(passesOf(&FrontEnd::runIntroMenu), std::pair(2, false));
        EXPECT_TRUE(showsControlsPage());
    }
    // Alt+Enter is full screen, not PLAY, and the other buttons and letters press nothing.
    resetGameState();
    SDL_Event altEnter = keyPressEvent(SDLK_RETURN);
    altEnter.key.keysym.mod = KMOD_LALT;
    scripted::script.events.push_back(altEnter);
    for (Uint8 button : {PadB, PadX, PadBack}) {
        scripted::pressPadButton(button);
    }
    scripted::pressKey(SDLK_a);
    EXPECT_EQ(passesOf(&FrontEnd::runIntroMenu), std::pair(5, true));
    EXPECT_FALSE(showsControlsPage());
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
    EXPECT_EQ(std::tuple(player.score, player.lives, player.bombs, player.warps),
              std::tuple(0, 0, 0, -1));
    fillScreen(marker);
    scripted::script.now = levelStart + 5100;
    drawHud();
    EXPECT_EQ(pixelsOf(marker, rect(10, 0, 60, 32)), 60 * 32) << "the labels came twice";
}

// The time the status line last showed is part of the game state a reset puts back: a test
// that follows one which showed 0:05 still sees its own 0:05 drawn.
TEST_F(ScreensTest, AResetForgetsTheTimeTheStatusLineShowed) {
    for (int run = 0; run < 2; ++run) {
        resetGameState();
        levelStartTicks = 1000;
        hudLabelsDrawn = run == 1;
        scripted::script.now = 6000;
        fillScreen(marker);
        drawHud();
        EXPECT_TRUE(showsText(frontEnd.smallFont, ":0", white, 598, 0)) << run;
        EXPECT_TRUE(showsText(frontEnd.smallFont, "5", white, 620, 0)) << run;
    }
}

// From the play zone onto its button, the lit button must reach the window, not only the
// runners' area (which a whole present also covers).
TEST_F(ScreensTest, APointerMovedOntoAButtonPresentsIt) {
    static SDL_Rect shown = rect(0, 0, windowWidth, windowHeight);
    platform.updateRects = [](SDL_Surface*, int count, SDL_Rect* rects) {
        shown = count > 0 ? rects[0] : SDL_Rect{};
        scripted::presented();
    };
    scripted::movePointer(250, 450);
    scripted::afterPresents(1, [] { scripted::movePointer(menuPlayX + 1, menuButtonY + 1); });
    scripted::afterPresents(2, [] {
        EXPECT_TRUE(shown.x <= menuPlayX && shown.x + shown.w >= menuPlayX + 150 &&
                    shown.y <= menuButtonY && shown.y + shown.h >= menuButtonY + 50);
        scripted::queueQuit();
    });
    frontEnd.runIntroMenu();
}

// The runners come back at the left on each lane in turn: 500, 400, 350, then 500 again.
TEST_F(ScreensTest, RunnersComeBackOnEachLaneInTurn) {
    static std::vector<int32_t> lanes;
    static int32_t lastX;
    lanes.clear();
    lastX = 0;
    platform.updateRects = [](SDL_Surface*, int, SDL_Rect*) {
        if (player.getX() < std::exchange(lastX, player.getX())) {
            lanes.push_back(player.getY());
        }
        if (lanes.size() == 4) {
            scripted::queueQuit();
        }
        scripted::presented();
    };
    frontEnd.runIntroMenu();
    EXPECT_EQ(lanes, (std::vector<int32_t>{500, 400, 350, 500}));
}

} // namespace
