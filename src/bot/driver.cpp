// The frame loop of the autopilot: the same steps and pacing as the game's own loop, with the
// bot choosing its input before each frame.
#include "bot/driver.h"

#include "app/game_loop.h"
#include "app/level_progression.h"
#include "assets/picture_sizes.h"
#include "bot/bot_platform.h"
#include "bot/controller.h"
#include "core/game_random.h"
#include "core/game_state.h"
#include "maze/maze_grid.h"
#include "platform/cell_cache.h"
#include "platform/gamepad.h"
#include "platform/pacing.h"
#include "platform/page_yield.h"
#include "rules/level_setup.h"
#include "screens/menu_layout.h"
#include "screens/screen_button.h"

#include <algorithm>
#include <cstdlib>

namespace autopilot {

namespace {

// The middle of the intro's PLAY button and of game over's CONTINUE button.
constexpr int playButtonX = menuPlayX + buttonPicture.width / 2;
constexpr int playButtonY = menuButtonY + buttonPicture.height / 2;
constexpr int continueButtonX = screenButtonX + buttonPicture.width / 2;
constexpr int continueButtonY = screenButtonY + buttonPicture.height / 2;

} // namespace

RunResult playWholeGame(int32_t frameLimit, const ProgressReport& onProgress) {
    RunResult result;
    Progress progress{0, 0, 0, 0};
    pressPointerAt(playButtonX, playButtonY);
    startGame();
    // Play never reads the pointer; it waits on CONTINUE for a game over.
    pressPointerAt(continueButtonX, continueButtonY);
    Controller controller;
    while (quitRequested == 0 && result.report.totalFrames() < frameLimit) {
        if (ediblesLeft == 0 && levelNumber >= levelSet.count) {
            // This frame opens the victory screen; the queued Escape closes it.
            pressKeyFor(Command::Quit);
            result.won = true;
        } else {
            controller.playFrame();
        }
        result.report.beforeFrame();
        waitForFrameEnd(runFrameSteps());
        result.report.afterFrame();
        if (levelNumber != progress.level) {
            progress.level = levelNumber;
            progress.dotsTotal = 0;
        }
        progress.dotsTotal = std::max(progress.dotsTotal, ediblesLeft);
        if (++progress.frames % progressFrames == 0 && onProgress) {
            progress.dotsLeft = ediblesLeft;
            onProgress(progress);
        }
        yieldToPage();
    }
    return result;
}

void prepareBotGame() {
    // Whether sound could be opened changes the run (a game without sound draws other numbers),
    // so the bot always opens the dummy device, as a replay does.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    resetForNewGame();
    resetScreenPacing();
    resetPadState();
    forgetDrawnCells();
    seedGameRandom(1);
    resetBotInput();
    platform = botPlatform();
}

void endBotGame() {
    shutdownGame();
    SDL_Quit();
}

} // namespace autopilot
