// The command keys and pad buttons of play, taken from the event queue once per frame; walking
// reads the held keys fetched here.
#include "app/key_handling.h"

#include "actors/actor.h"
#include "actors/player_control.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "core/game_state.h"
#include "platform/controls.h"
#include "platform/full_screen.h"
#include "platform/gamepad.h"
#include "platform/platform.h"
#include "rules/bombs.h"

namespace {

// A key or pad button press in play: the pad's buttons give their commands under the same rules
// as the keys.
void handleCommand(const SDL_Event& event) {
    if (eventGives(Command::Quit, event)) {
        quitRequested = 1;
    }
    if (eventGives(Command::Pause, event)) {
        frontEnd.runPause();
    }
    if (player.state == Punched) {
        return;
    }
    if (eventGives(Command::Warp, event) && player.warps >= 1) {
        warpPlayer();
    }
    if (eventGives(Command::GiveUp, event)) {
        player.setState(Punched);
        soundBank.playSound(SfxWuzzle);
    }
    if (eventGives(Command::Bomb, event)) {
        useBombKey();
    }
}

} // namespace

void handleEvents() {
    SDL_Event event;
    while (takeEvent(&event) != 0) {
        if (event.type == SDL_QUIT) {
            quitRequested = 1;
        } else if ((event.type == SDL_KEYDOWN && !toggleFullScreenOnKey(event.key.keysym)) ||
                   event.type == SDL_JOYBUTTONDOWN) {
            handleCommand(event);
        } else if (isAwayEvent(event)) {
            frontEnd.runPause();
        }
    }
    keyState = platform.getKeyState(nullptr);
}
