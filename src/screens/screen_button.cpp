// One pass of a screen's single button: its look under the pointer, a click on it, the confirm
// keys.
#include "screens/screen_button.h"

#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "platform/platform.h"
#include "platform/video.h"
#include "screens/screen_events.h"

bool passScreenButton(SDL_Surface* underPointer, SDL_Surface* elsewhere, bool quitting) {
    int x = 0;
    int y = 0;
    platform.getMouseState(&x, &y);
    bool pressed = false;
    if (pointerOnButton(x, y, screenButtonX, screenButtonY, frontEnd.buttonWidth,
                        frontEnd.buttonHeight)) {
        blitAt(underPointer, screenButtonX, screenButtonY);
        // A click counts even in the pass that quits, as it always has.
        pressed = leftButtonHeld();
    } else {
        blitAt(elsewhere, screenButtonX, screenButtonY);
    }
    if (!pressed && !quitting && confirmPressed()) {
        pressed = true;
    }
    if (pressed) {
        soundBank.playSound(SfxButtonPush);
    }
    return pressed;
}
