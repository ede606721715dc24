// The bot's platform seam: the game's in-memory seam over the bot's own input, so a whole game
// runs as fast as the machine allows and the same way every time.
#include "bot/bot_platform.h"

#include "platform/virtual_platform.h"

namespace autopilot {

namespace {

VirtualInput input;

} // namespace

Platform botPlatform() {
    return virtualPlatform(input);
}

void resetBotInput() {
    input = VirtualInput{};
}

void pressKeyFor(Command command) {
    input.events.push_back(keyPressEvent(controlOf(command).keys[0].key));
}

void holdArrow(int32_t heading) {
    for (Direction way : {North, South, West, East}) {
        input.keys[walkKey(way)] = way == heading ? 1 : 0;
    }
}

void pressPointerAt(int x, int y) {
    input.mouseX = x;
    input.mouseY = y;
    input.buttons = SDL_BUTTON(SDL_BUTTON_LEFT);
}

Uint32 virtualNow() {
    return input.now;
}

} // namespace autopilot
