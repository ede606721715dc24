// The first pad, and the directions its d-pad and left stick hold, followed from its events.
#include "platform/gamepad.h"

#include "platform/platform.h"
#include "platform/platform_features.h"

namespace {

constexpr Uint8 stickXAxis = 0;
constexpr Uint8 stickYAxis = 1;
constexpr Uint8 dpadHat = 0;

SDL_Joystick* pad = nullptr;
Sint16 stickX = 0;
Sint16 stickY = 0;
Uint8 dpad = SDL_HAT_CENTERED;

void follow(const SDL_Event& event) {
    if (event.type == SDL_JOYAXISMOTION) {
        if (event.jaxis.axis == stickXAxis) {
            stickX = event.jaxis.value;
        } else if (event.jaxis.axis == stickYAxis) {
            stickY = event.jaxis.value;
        }
    } else if (event.type == SDL_JOYHATMOTION && event.jhat.hat == dpadHat) {
        dpad = event.jhat.value;
    }
}

} // namespace

void openGamepad() {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0 || SDL_NumJoysticks() < 1) {
        return;
    }
    pad = SDL_JoystickOpen(0);
    if (pad != nullptr) {
        SDL_JoystickEventState(SDL_ENABLE);
    }
}

void closeGamepad() {
    if (pad != nullptr) {
        SDL_JoystickClose(pad);
        pad = nullptr;
    }
}

int takeEvent(SDL_Event* event) {
    const int result = platform.pollEvent(event);
    // Whenever the queue is empty, look again for a pad that shows itself late.
    if constexpr (padAppearsOnFirstPress) {
        if (result == 0 && pad == nullptr) {
            openGamepad();
        }
    }
    if (result != 0 && event != nullptr) {
        follow(*event);
    }
    return result;
}

bool padHolds(Direction heading) {
    switch (heading) {
    case North:
        return (dpad & SDL_HAT_UP) != 0 || stickY < -stickDeadZone;
    case South:
        return (dpad & SDL_HAT_DOWN) != 0 || stickY > stickDeadZone;
    case West:
        return (dpad & SDL_HAT_LEFT) != 0 || stickX < -stickDeadZone;
    case East:
        return (dpad & SDL_HAT_RIGHT) != 0 || stickX > stickDeadZone;
    default:
        return false;
    }
}

void resetPadState() {
    stickX = 0;
    stickY = 0;
    dpad = SDL_HAT_CENTERED;
}
