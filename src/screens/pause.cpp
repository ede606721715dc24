// The pause: "PAUSED" over the frozen maze, opened by P, the pad's Start or the player looking
// away, until P (or the pad's Start) is pressed again. The level clock runs on.
#include "assets/front_end.h"
#include "core/game_state.h"
#include "platform/controls.h"
#include "platform/full_screen.h"
#include "platform/gamepad.h"
#include "platform/pacing.h"
#include "platform/platform.h"
#include "screens/screen_events.h"

namespace {

constexpr Sint16 pausedX = 310;
constexpr Sint16 pausedY = 250;

} // namespace

void FrontEnd::runPause() {
    bool finished = false;
    bool firstPass = true;
    while (!finished) {
        SDL_Event event;
        while (takeEvent(&event) != 0) {
            if (event.type == SDL_KEYDOWN && toggleFullScreenOnKey(event.key.keysym)) {
                continue;
            }
            if (isQuitEvent(event)) {
                quitRequested = 1;
                finished = true;
            } else if (eventGives(Command::Pause, event)) {
                finished = true;
            }
        }
        // The word and the frozen maze stay as they are: after the first pass nothing changes,
        // and nothing needs showing again.
        if (firstPass) {
            renderText(largeFont, "PAUSED", SDL_Color{255, 255, 255, 0}, pausedX, pausedY);
            presentScreen();
            firstPass = false;
        } else {
            presentScreenArea(SDL_Rect{});
        }
    }
}
