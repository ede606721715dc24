// Game over: "GAME OVER" and a continue button (or Enter, Space, the pad's A or Start) that
// restarts the lost level.
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "maze/maze_grid.h"
#include "platform/pacing.h"
#include "platform/platform.h"
#include "platform/video.h"
#include "rules/level_setup.h"
#include "screens/screen_button.h"
#include "screens/screen_events.h"

namespace {

constexpr Sint16 gameOverTextX = 250;
constexpr Sint16 gameOverTextY = 250;

} // namespace

void FrontEnd::runGameOver() {
    soundBank.stopMusic();
    soundBank.playSound(MusicGameOver);
    blitAt(beatBoard, 0, 0);
    bool finished = false;
    bool firstPass = true;
    while (!finished) {
        finished = drainEventsForQuit();
        // After the first pass only the button can change: the title stays as it was drawn.
        SDL_Rect area{screenButtonX, screenButtonY, static_cast<Uint16>(buttonWidth),
                      static_cast<Uint16>(buttonHeight)};
        if (firstPass) {
            area = SDL_Rect{0, 0, windowWidth, windowHeight};
            firstPass = false;
            renderText(largeFont, "GAME OVER", SDL_Color{255, 255, 255, 0}, gameOverTextX,
                       gameOverTextY);
        }
        if (passScreenButton(continue2Image, continue1Image, finished)) {
            finished = true;
            restartLevel(levelNumber);
        }
        if (finished) {
            // A continue has just drawn the restarted level.
            area = SDL_Rect{0, 0, windowWidth, windowHeight};
        }
        presentScreenArea(area);
    }
    soundBank.stopMusic();
    if (levelNumber >= 1 && levelNumber <= levelSet.count) {
        soundBank.playSound(MusicLevel1 + levelNumber - 1);
    }
}
